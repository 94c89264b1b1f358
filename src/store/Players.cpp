#include "store/Players.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "engine/Texts.h"
#include "store/AtomicFile.h"
#include "store/MergedWrite.h"
#include "store/Profile.h"
#include "store/SettingsFile.h"

namespace tandrel {

namespace {

constexpr const char* OptionsSection = "Options";

PlayerResult NotStored(const Game& g)
{
    return {false, false, Arg(Translate("Players", "The player list could not be saved to %1."), g.cfg.SettingsFile)};
}

PlayerResult Refused(const std::string& why)
{
    return {true, false, why};
}

// The outgoing player's settings go back into its section, but only while that
// section is still there: a player just removed must not come back.
bool KeepOutgoingPlayer(MergedWrite& w, Game& g)
{
    const std::string& name = g.cfg.CurrentPlayer;
    if (name.empty() || !PlayerNameProblem(name).empty()) return true;
    return w.File().HasSection(name) ? WriteSettings(w, g) : true;
}

} // namespace

std::string GetLoginName()
{
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found && found->pw_name &&
        *found->pw_name)
        return found->pw_name;
    if (const char* login = ::getlogin(); login && *login) return login;
    if (const char* user = std::getenv("USER"); user && *user) return user;
    return "Player";
}

std::string PlayerNameProblem(const std::string& name)
{
    if (name.empty()) return Translate("Players", "Please type a name for the player.");
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return Translate("Players", "A player's name cannot hold a line break or other control character.");
    if (name.find_first_of("[]") != std::string::npos) return Translate("Players", "A player's name cannot hold [ or ].");
    if (name.front() == ' ' || name.back() == ' ') return Translate("Players", "A player's name cannot begin or end with a blank.");
    if (name.size() > ProfileReadLimit) return Translate("Players", "That name is too long.");
    if (!ProfileFile::IsStorableSection(name) || SameProfileName(name, OptionsSection))
        return Translate("Players", "That name is kept for the program's own use.");
    return {};
}

std::string NewPlayerNameProblem(const std::vector<std::string>& players, const std::string& name)
{
    if (std::string why = PlayerNameProblem(name); !why.empty()) return why;
    for (const std::string& p : players)
        if (SameProfileName(p, name)) return Arg(Translate("Players", "There is already a player called %1."), p);
    return {};
}

namespace {

// Saves the outgoing player, makes name the current player (a new one gets its
// "Created" date) and loads its settings, in one write of the file.
PlayerResult MakeCurrent(Game& g, const std::string& name, bool created)
{
    if (const std::string why = PlayerNameProblem(name); !why.empty()) return Refused(why);
    bool stored = true;
    {
        MergedWrite w(g);
        // The outgoing player's games since the last save would otherwise be lost.
        stored &= KeepOutgoingPlayer(w, g);
        g.cfg.CurrentPlayer = name;
        stored &= w.Set(OptionsSection, "Player", name);
        if (created) stored &= w.Set(name, "Created", ShortDate(std::time(nullptr)));
        stored = w.Commit() && stored;
    }
    LoadSettings(g);
    return stored ? PlayerResult{} : NotStored(g);
}

} // namespace

PlayerResult SwitchPlayer(Game& g, const std::string& name)
{
    return MakeCurrent(g, name, false);
}

PlayerResult AddPlayer(Game& g, const std::string& name)
{
    return MakeCurrent(g, name, true);
}

RemoveResult RemovePlayer(Game& g, const std::string& name)
{
    // A hand-edited "[options]" shows in the list, but it is the file's own section.
    if (SameProfileName(name, OptionsSection)) return RemoveResult::Refused;
    const MsgAnswer answer = g.view->ShowMessage(Arg(Translate("Players", "Are you sure you want to remove %1?"), name),
                                                 MsgIcon::Question, MsgButtons::YesNo,
                                                 Translate("Players", "Remove Player"));
    if (answer != MsgAnswer::Yes) return RemoveResult::Declined;
    MergedWrite w(g);
    if (!w.Readable()) return RemoveResult::NotStored;
    if (!w.DeleteSection(name)) return RemoveResult::Removed;  // already gone
    return w.Commit() ? RemoveResult::Removed : RemoveResult::NotStored;
}

PlayerList ListPlayers(const std::string& settingsFile, const std::string& currentPlayer)
{
    PlayerList list;
    std::string text;
    if (ReadWholeFile(settingsFile, text) != ReadStatus::Read) return list;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // A header: "[" first, and its first "]" is its last character.
        if (line.size() < 2 || line.front() != '[' || line.find(']') != line.size() - 1) continue;
        if (line.find("Options") != std::string::npos) continue;
        list.names.push_back(line.substr(1, line.size() - 2));
        if (list.names.back() == currentPlayer) list.selected = static_cast<int>(list.names.size()) - 1;
    }
    return list;
}

} // namespace tandrel
