#pragma once
// The list of players: switching, adding and removing them.
#include <string>
#include <vector>

#include "engine/Game.h"

namespace tandrel {

// The outcome of a player action that writes the settings file.
struct PlayerResult {
    bool refused = false;  // nothing was done: the name is not allowed (why says so)
    bool stored = true;    // the change reached the file
    std::string why;       // for the player when refused or not stored

    explicit operator bool() const { return !refused && stored; }
};

// Refused: the name is the file's own "Options" section (listed when its
// capitals differ), which is never removed; nothing is asked.
enum class RemoveResult { Removed, Declined, NotStored, Refused };

struct PlayerList {
    std::vector<std::string> names;  // in file order
    int selected = 0;                // index of the current player, 0 when not listed
};

// The account's login name, or "Player" when there is none. Callers turn a
// blank name into "Default".
std::string GetLoginName();

// Why a name cannot be a player's ("" when it can): it would not survive the
// settings file (brackets, line breaks, other control characters, blanks at
// its ends, too long) or it is the file's own "Options" section.
std::string PlayerNameProblem(const std::string& name);

// Why a name cannot be a new player's: as above, or a player of that name
// is already listed (in any capitals, since the file's sections ignore them).
std::string NewPlayerNameProblem(const std::vector<std::string>& players, const std::string& name);

// Saves the outgoing player, makes name the current player and loads its settings.
PlayerResult SwitchPlayer(Game& g, const std::string& name);

// Makes a new player (its section holds only "Created"; an existing player of
// that name keeps its statistics) and loads its settings, all defaults.
PlayerResult AddPlayer(Game& g, const std::string& name);

// Asks "Are you sure you want to remove <name>?" and on Yes deletes the
// player's section. CurrentPlayer is left as it is.
RemoveResult RemovePlayer(Game& g, const std::string& name);

// The players in the file (sections other than those with "Options" in their
// name) and the position of currentPlayer among them.
PlayerList ListPlayers(const std::string& settingsFile, const std::string& currentPlayer);

} // namespace tandrel
