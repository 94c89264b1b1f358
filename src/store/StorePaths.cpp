#include "store/StorePaths.h"

#include <pwd.h>
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
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK | X_OK) == 0) return programFolder;
    const std::string config = ConfigFolder();
    if (config.empty()) return programFolder;
    std::error_code ec;
    std::filesystem::create_directories(config, ec);
    if (ec || ::access(config.c_str(), W_OK | X_OK) != 0) return programFolder;
    return config;
}

void SetStorePaths(Game& g, const std::string& programFolder)
{
    const std::string folder = SettingsFolder(programFolder);
    g.cfg.ProgramFolder = programFolder;
    g.cfg.SettingsFile = folder + "/" + SettingsFileName;
    g.GamesDealtFile = folder + "/" + GamesDealtFileName;
}

} // namespace tandrel
