#include "store/StorePaths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "store/GamesDealt.h"

namespace tandrel {

namespace {

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return {};
}

std::string ConfigFolder()
{
    // Relative values are to be ignored, as the base directory rules say.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/') return std::string(xdg) + "/tandrel";
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    return home + "/.config/tandrel";
}

// The user's configuration folder, created when missing; empty when it cannot be had.
std::string UserConfigFolder()
{
    const std::string config = ConfigFolder();
    if (config.empty()) return {};
    std::error_code ec;
    std::filesystem::create_directories(config, ec);
    if (ec || ::access(config.c_str(), W_OK | X_OK) != 0) return {};
    return config;
}

bool HoldsDefaultFiles(const std::string& folder)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(folder + "/back7.bmp", ec);
}

// A folder this user owns and can write: one that others can write as well
// must not let them decide where our settings go.
bool OwnWritableFolder(const std::string& folder)
{
    struct stat st {};
    return !folder.empty() && ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// A lock file someone else made is not ours to honour, nor to fight over.
bool ForeignLock(const std::string& folder)
{
    struct stat st {};
    return ::lstat((folder + "/" + InstanceLockName).c_str(), &st) == 0 && st.st_uid != ::geteuid();
}

} // namespace

std::string ExecutableFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path().string();
}

std::string SettingsFolder(const std::string& programFolder)
{
    const std::string defaults = DefaultFilesFolder(programFolder);
    const bool installed = defaults != programFolder;
    if (!installed && OwnWritableFolder(programFolder) && !ForeignLock(programFolder)) return programFolder;
    const std::string config = UserConfigFolder();
    if (!config.empty()) return config;
    return defaults;
}

std::string DefaultFilesFolder(const std::string& programFolder)
{
    if (HoldsDefaultFiles(programFolder)) return programFolder;
    const std::string shared = programFolder + "/../share/tandrel";
    if (!HoldsDefaultFiles(shared)) return programFolder;
    std::error_code ec;
    const auto clean = std::filesystem::weakly_canonical(shared, ec);
    return ec ? shared : clean.string();
}

void SetStorePaths(Game& g, const std::string& programFolder)
{
    const std::string folder = SettingsFolder(programFolder);
    g.cfg.ProgramFolder = DefaultFilesFolder(programFolder);
    g.cfg.SettingsFile = folder + "/" + SettingsFileName;
    g.GamesDealtFile = folder + "/" + GamesDealtFileName;
}

} // namespace tandrel
