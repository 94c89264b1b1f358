#pragma once
// The current player's settings and statistics in the settings file: one
// section per player, plus "Options" naming the current player.
#include <ctime>
#include <string>

#include "engine/Game.h"
#include "store/MergedWrite.h"

namespace tandrel {

// "Tandrel - " and the current player: the main window's caption.
std::string MainCaption(const Settings& cfg);

// The name a first start gives its player: the login name, or "Default".
std::string FirstPlayerName();

// A date as the settings file keeps it (YYYY-MM-DD, the same in every locale).
std::string ShortDate(std::time_t when);

// Reads the current player (making one from the login name on the very first
// start) and all of that player's settings and statistics into g; loads the
// games-dealt count. Sound and music are the player's choices: whether this
// session has a device to play them on is the mixer's business, and a start
// without one changes nothing in the file.
// The window's own part is the caller's: caption (MainCaption), the picture
// in cfg.BackImage when that file exists, and starting or stopping the music
// by cfg.MusicOn. False when the first-start write did not reach the disk
// (everything is still loaded).
bool LoadSettings(Game& g);

// Writes the settings and statistics to the current player's section, in one
// atomic file write that keeps what others wrote meanwhile (MergedWrite):
// afterwards g holds the file's win and loss totals. False when they were not
// stored.
bool SaveSettings(Game& g);

// The keys SaveSettings writes after Win and Loss, in the file's order.
KeyValues SettingsValues(const Game& g);

// Puts what SaveSettings stores into a merged write without saving it; false
// when some value could not be stored (the others still are).
bool WriteSettings(MergedWrite& w, Game& g);

// The settings that change outside Game Settings' OK (the menus' two, the
// chosen picture), each written on its own at once; false when it did not
// reach the disk.
bool WriteMusicOn(const Settings& c);
bool WriteFitTable(const Settings& c);
bool WriteBackImage(const Settings& c);

} // namespace tandrel
