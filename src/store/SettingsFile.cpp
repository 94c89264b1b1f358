#include "store/SettingsFile.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "store/GamesDealt.h"
#include "store/Players.h"
#include "store/SavedGame.h"
#include "store/Statistics.h"

namespace tandrel {

namespace {

constexpr const char* OptionsSection = "Options";

const char* const DefaultWavNames[11] = {
    "/win.wav",   "/lose.wav",  "/card2.wav", "/Card3.wav", "/Card4.wav", "/Card5.wav",
    "/card6.wav", "/Card7.wav", "/Card8.wav", "/Card9.wav", "/card10.wav",
};

int ReadRanged(const ProfileFile& f, const std::string& section, const char* key, int def, int lo, int hi)
{
    const int v = f.ReadInt(section, key, def);
    return v < lo || v > hi ? def : v;
}

// 1 yes, 0 no; anything else the default.
bool ReadYesNo(const ProfileFile& f, const std::string& section, const char* key, bool def)
{
    return ReadRanged(f, section, key, def ? 1 : 0, 0, 1) == 1;
}

std::string YesNoText(bool yes) { return yes ? "1" : "0"; }

// A path; one the file could not hold again (a stray carriage return inside)
// counts as damaged and gives the default.
std::string ReadPath(const ProfileFile& f, const std::string& section, const std::string& key, const std::string& def)
{
    std::string path = f.ReadString(section, key, def);
    return ProfileFile::IsStorableValue(path) ? path : def;
}

constexpr long DefaultTableColor = 16711808;

// The table colour is read as text and converted by its leading decimal
// number (fraction allowed) to the nearest whole 32-bit value; no number, the default.
long ColorFromText(const std::string& text)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return DefaultTableColor;
    std::size_t end = i;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    const std::size_t digits = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    }
    if (end == digits || (end == digits + 1 && text[digits] == '.')) return DefaultTableColor;
    const double v = std::nearbyint(std::strtod(text.substr(i, end - i).c_str(), nullptr));
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<long>(v);
}

void ReadPlayerSettings(const ProfileFile& f, Game& g)
{
    Settings& c = g.cfg;
    const std::string& s = c.CurrentPlayer;
    const std::string& folder = c.ProgramFolder;

    // Bkgrd 1 is the picture and Gradiant 1 the gradient, 0 the colour and solid.
    c.TableBackground = ReadYesNo(f, s, "Bkgrd", true) ? Background::Picture : Background::Colour;
    c.BackImage = ReadPath(f, s, "BackImage", folder + "/back7.bmp");
    c.TableColor = ColorFromText(f.ReadString(s, "TableColor", ""));
    c.ColourFill = ReadYesNo(f, s, "Gradiant", true) ? Fill::Gradient : Fill::Solid;
    c.CardBack = ReadRanged(f, s, "CardBack", 56, 56, 65);
    c.Animate = ReadYesNo(f, s, "Animate", true);
    c.FlipNum = ReadRanged(f, s, "FlipNum", 1, 1, 3);
    g.Wins = ReadCount(f, s, "Win");
    g.Losses = ReadCount(f, s, "Loss");
    g.Stats = ReadStatistics(f, s);
    c.Speed = ReadRanged(f, s, "Speed", 13, 3, 23);
    c.ShowStats = ReadYesNo(f, s, "ShowStats", true);
    c.ComputerLevel = static_cast<Level>(ReadRanged(f, s, "Style", 2, 0, 3));
    c.PlaySpeed = ReadRanged(f, s, "PlaySpeed", 250, 0, 500);
    g.LastWinner = ReadRanged(f, s, "LastWin", 1, 1, 2);
    c.AutoSave = ReadYesNo(f, s, "AutoSave", false);
    c.FitTable = ReadYesNo(f, s, "FitTable", false); // written when the menu item changes

    g.GamesDealt = LoadGamesDealt(g.GamesDealtFile);
    g.CardSoundIndex = 4;

    for (int i = 0; i <= 10; ++i)
        c.WavFiles[static_cast<std::size_t>(i)] =
            ReadPath(f, s, "Wav" + std::to_string(i), folder + DefaultWavNames[i]);
    c.MusicFile = ReadPath(f, s, "MIDI", folder + "/rag.mid");

    // The player's choices, whether or not this session has a device to play them on.
    c.MusicOn = ReadYesNo(f, s, "PlayMIDI", false);
    c.SoundOn = ReadYesNo(f, s, "Sound", true);
}

// What this copy has just read becomes what its next write compares with.
void RememberLoaded(const ProfileFile& f, Game& g)
{
    const std::string& s = g.cfg.CurrentPlayer;
    RememberSynced(g, OptionsSection, {{"Player", s}});
    KeyValues held = SettingsValues(g);
    held.emplace_back("Win", std::to_string(g.Wins));
    held.emplace_back("Loss", std::to_string(g.Losses));
    for (auto& figure : StatisticsValues(g.Stats)) held.push_back(std::move(figure));
    for (const char* prefix : {"Save", "Snap"})
        for (auto& record : StoredRecords(f, s, prefix)) held.push_back(std::move(record));
    RememberSynced(g, s, held);
    g.Synced.gamesDealt = g.GamesDealt;
}

} // namespace

std::string FirstPlayerName()
{
    std::string name = GetLoginName();
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return "Default";
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    return PlayerNameProblem(name).empty() ? name : "Default";
}

std::string MainCaption(const Settings& cfg)
{
    return std::string(ProgramTitle) + " - " + cfg.CurrentPlayer;
}

std::string ShortDate(std::time_t when)
{
    std::tm local{};
    if (!::localtime_r(&when, &local)) return {};
    char text[32];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return std::string(text, n);
}

bool LoadSettings(Game& g)
{
    Settings& c = g.cfg;
    ProfileFile f;
    f.Load(c.SettingsFile);
    bool stored = true;

    // A name the file could not hold again counts as no name at all.
    const std::string player = f.ReadString(OptionsSection, "Player", "");
    if (!player.empty() && PlayerNameProblem(player).empty()) {
        c.CurrentPlayer = player;
    } else {
        c.CurrentPlayer = FirstPlayerName();
        MergedWrite w(g);
        stored = w.Set(OptionsSection, "Player", c.CurrentPlayer) &&
                 w.Set(c.CurrentPlayer, "Created", ShortDate(std::time(nullptr))) && w.Commit();
        f = w.File();
    }
    ReadPlayerSettings(f, g);
    RememberLoaded(f, g);
    return stored;
}

KeyValues SettingsValues(const Game& g)
{
    const Settings& c = g.cfg;
    auto text = [](long value) { return std::to_string(value); };
    const bool picture = c.TableBackground == Background::Picture, gradient = c.ColourFill == Fill::Gradient;
    const int level = static_cast<int>(c.ComputerLevel); // the file's digit is its place in the enum
    return {
        {"Sound", YesNoText(c.SoundOn)},       {"Animate", YesNoText(c.Animate)},    {"PlayMIDI", YesNoText(c.MusicOn)},
        {"FlipNum", text(c.FlipNum)},          {"Style", text(level)},               {"TableColor", text(c.TableColor)},
        {"Gradiant", YesNoText(gradient)},     {"Bkgrd", YesNoText(picture)},        {"Speed", text(c.Speed)},
        {"ShowStats", YesNoText(c.ShowStats)}, {"CardBack", text(c.CardBack)},       {"PlaySpeed", text(c.PlaySpeed)},
        {"LastWin", text(g.LastWinner)},       {"AutoSave", YesNoText(c.AutoSave)},  {"Wav0", c.WavFiles[0]},
        {"Wav1", c.WavFiles[1]},
    };
}

bool WriteSettings(MergedWrite& w, Game& g)
{
    const std::string& s = g.cfg.CurrentPlayer;
    bool ok = w.AddCount(s, "Win", g.Wins);
    ok &= w.AddCount(s, "Loss", g.Losses);
    for (const auto& [key, value] : SettingsValues(g)) ok &= w.Put(s, key, value);
    return WriteStatistics(w, g) && ok;
}

bool WriteMusicOn(const Settings& c)
{
    return WriteProfileString(c.SettingsFile, c.CurrentPlayer, "PlayMIDI", YesNoText(c.MusicOn));
}

bool WriteFitTable(const Settings& c)
{
    return WriteProfileString(c.SettingsFile, c.CurrentPlayer, "FitTable", YesNoText(c.FitTable));
}

bool WriteBackImage(const Settings& c)
{
    return WriteProfileString(c.SettingsFile, c.CurrentPlayer, "BackImage", c.BackImage);
}

bool SaveSettings(Game& g)
{
    MergedWrite w(g);
    const bool written = WriteSettings(w, g);
    return w.Commit() && written;
}

} // namespace tandrel
