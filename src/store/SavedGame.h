#pragma once
// A game in progress kept in the current player's section as nine records:
// "Save" (kept on exit, brought back at start-up) and "Snap" (the snapshot).
#include <string>

#include "engine/Game.h"
#include "store/MergedWrite.h"

namespace tandrel {

// A number in three characters: "000" for 0..999, "-01" for -1. Values
// outside -99..999 are held at the nearest end so the record keeps its width.
std::string FormatThree(int value);

// Writes the records prefix1..prefix9 (a finished game is cleared instead).
// False when they did not reach the file.
bool SaveGame(Game& g, const std::string& prefix);

// Empties prefix1..prefix11 (the keys stay in the file, empty).
bool ClearGame(Game& g, const std::string& prefix);

// The file part of the exit sequence in one atomic write: Options/Player,
// the game as "Save" when AutoSave is on, then the settings, each merged with
// what others wrote meanwhile (MergedWrite). False when it did not reach the disk.
bool StoreOnExit(Game& g);

// The keys prefix1..prefix11 of section as the file holds them ("" when missing).
KeyValues StoredRecords(const ProfileFile& f, const std::string& section, const std::string& prefix);

// The records (or the emptied keys) put into a merged write without saving it.
// Each record is one group: written whole or, unchanged here, not at all.
bool WriteGame(MergedWrite& w, const Game& g, const std::string& prefix);
bool WriteClearedGame(MergedWrite& w, const Game& g, const std::string& prefix);

// Brings the stored game back; false, and the game untouched, when there is
// none or it does not make a sound position.
bool RestoreGame(Game& g, const std::string& prefix);

// For the game's hook: a new game empties the stored snapshot.
void ClearStoredSnapshot(Game& g);

} // namespace tandrel
