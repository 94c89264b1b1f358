#pragma once
// A player's figures in their own section of the settings file: the wins and
// losses by the computer's level and the winning streaks, beside Win and Loss.
// A file written before these keys existed reads them as zero, and a missing
// key that is still zero is not written, so such a file keeps its form.
#include <string>
#include <vector>

#include "engine/Game.h"
#include "store/MergedWrite.h"
#include "store/Profile.h"

namespace tandrel {

// The keys by level: "Win0".."Win3" and "Loss0".."Loss3", the digit being the
// level's Style; "Streak" and "LongestStreak".
std::string WinKey(std::size_t level);
std::string LossKey(std::size_t level);

// A count in the file: missing, no number or negative is 0; at most MaxGameCount.
int ReadCount(const ProfileFile& f, const std::string& section, const std::string& key);

// The player's figures; a longest streak below the current one is taken as the current.
Statistics ReadStatistics(const ProfileFile& f, const std::string& section);

// The figures as the file stores them, for remembering what was loaded.
KeyValues StatisticsValues(const Statistics& s);

// Puts the figures into a merged write: each count adds what this copy counted
// since its last write to the file's; the streak goes on from the file's
// unless this copy lost a game since (then it is this copy's), and the longest
// is the longest of the file's and the streak's. Call after Win and Loss are put.
bool WriteStatistics(MergedWrite& w, Game& g);

// Sets the current player's Win, Loss and figures to zero, written at once as
// the player's own act. False, with memory as it was, when it did not reach the disk.
bool ResetStatistics(Game& g);

struct PlayerFigures {
    std::string name;
    int wins = 0;
    int losses = 0;
    Statistics stats;
};

struct FiguresTable {
    std::vector<PlayerFigures> players; // in file order
    int current = -1;                   // the current player's row
};

// Every player in the file with their figures; the current player's as this
// copy holds them (listed even when the file lacks the section).
FiguresTable AllPlayersFigures(const Game& g);

} // namespace tandrel
