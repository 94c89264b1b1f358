#pragma once
// Where the settings file and the games-dealt count live.
#include <string>

#include "engine/Game.h"

namespace tandrel {

inline constexpr const char* SettingsFileName = "duelpat.ini";

// The folder of the running program (from /proc/self/exe); "." when unknown.
std::string ExecutableFolder();

// Where the default pictures, sounds and music live: beside the program (a
// build folder) or, for an installed program, in ../share/tandrel.
std::string DefaultFilesFolder(const std::string& programFolder);

// The single-instance lock's name; it sits beside the settings file.
inline constexpr const char* InstanceLockName = ".tandrel.lock";

// The one folder that holds the settings file, the games-dealt count and the
// single-instance lock. A program run from its build folder keeps them beside
// itself while that folder is its user's own and can be written (and nobody
// else holds a lock there); an installed program, or any other, keeps them in
// $XDG_CONFIG_HOME/tandrel (or ~/.config/tandrel), created when missing. When
// that cannot be made either, the program's (or installed files') folder:
// reads still work and writes report their failure.
std::string SettingsFolder(const std::string& programFolder);

// Sets cfg.ProgramFolder (the default files), cfg.SettingsFile and
// GamesDealtFile for this run, both in SettingsFolder.
void SetStorePaths(Game& g, const std::string& programFolder);

} // namespace tandrel
