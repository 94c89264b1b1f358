#include "sound/AudioCheck.h"

#include <cstdlib>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tandrel {

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool IsSocket(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// A sound card's playback device: snd/pcmC<card>D<device>p.
bool HasPlaybackDevice(const std::string& devices)
{
    DIR* dir = ::opendir((devices + "/snd").c_str());
    if (!dir) return false;
    bool found = false;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name.starts_with("pcmC") && name.ends_with("p")) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

bool AudioOutputLikely(const std::string& devices)
{
    // A named driver is the user's (or a test's) word, whatever lies in /dev.
    if (!Env("SDL_AUDIODRIVER").empty() || !Env("PULSE_SERVER").empty()) return true;
    std::string runtime = Env("XDG_RUNTIME_DIR");
    if (runtime.empty()) runtime = "/run/user/" + std::to_string(::getuid());
    for (const char* socket : {"/pulse/native", "/pipewire-0"})
        if (IsSocket(runtime + socket)) return true;
    // PulseAudio in system mode.
    if (IsSocket("/run/pulse/native")) return true;
    struct stat st {};
    const bool oss = ::stat((devices + "/dsp").c_str(), &st) == 0;
    return oss || HasPlaybackDevice(devices);
}

} // namespace tandrel
