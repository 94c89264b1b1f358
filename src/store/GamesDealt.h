#pragma once
// How many games this installation has dealt: one count shared by every player,
// kept in its own small file so the preset deals run once per installation.
#include <string>

#include "engine/Counts.h"

namespace tandrel {

// The file's name, kept beside the settings file.
inline constexpr const char* GamesDealtFileName = "gamesdealt";
inline constexpr int MaxGamesDealt = MaxGameCount;

struct Game;

// The stored count; a missing, empty or damaged file reads as 0 (the preset
// deals simply start again, which is harmless).
int LoadGamesDealt(const std::string& path);

// Replaces the file's content with n, atomically. False when it could not be
// written (or path is empty); the old count is then left untouched.
bool StoreGamesDealt(const std::string& path, int n);

// For the game's hook: the deals since the count was last read or stored are
// added to the file's count (another copy may have dealt too), and the game
// takes the total. Nothing when the game has no file.
void KeepGamesDealt(Game& g);

} // namespace tandrel
