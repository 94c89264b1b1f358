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

// The program's folder when it can be written; otherwise $XDG_CONFIG_HOME/tandrel
// (or ~/.config/tandrel), created when missing. When that cannot be made either,
// the program's folder: reads still work and writes report their failure.
std::string SettingsFolder(const std::string& programFolder);

// Sets cfg.ProgramFolder (the default files), cfg.SettingsFile and
// GamesDealtFile for this run. An installed program keeps its settings in the
// user's configuration folder.
void SetStorePaths(Game& g, const std::string& programFolder);

} // namespace tandrel
