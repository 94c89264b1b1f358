#include "StoreFuzz.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "engine/Deal.h"
#include "engine/HeadlessView.h"
#include "engine/Position.h"
#include "engine/Move.h"
#include "engine/TurnRules.h"
#include "engine/Undo.h"
#include "store/GamesDealt.h"
#include "store/Players.h"
#include "store/Profile.h"
#include "store/SavedGame.h"
#include "store/SettingsFile.h"

namespace tandrel {

namespace {

struct Table {
    HeadlessView view;
    Game g{view};
    Table(const std::string& folder)
    {
        view.record = false;
        g.cfg.Animate = 0;
        g.cfg.SettingsFile = folder + "/duelpat.ini";
        g.cfg.ProgramFolder = "/opt/tandrel";
        g.GamesDealtFile = folder + "/gamesdealt";
    }
};

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A scratch folder in memory when there is one: the cases write many files.
std::string MakeWorkFolder()
{
    std::string base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/tandrel-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) return {};
    return pattern;
}

// Good settings files to damage: two players with settings, a saved game and a
// snapshot each, comments and an "Options"-named section; LF and CRLF.
std::vector<std::string> MakeBaseFiles(const std::string& folder)
{
    std::vector<std::string> bases;
    for (int variant = 0; variant < 4; ++variant) {
        Table t(folder);
        Game& g = t.g;
        WriteText(g.cfg.SettingsFile, "; settings\n[Options]\nPlayer=Ann\n\n[My Options]\nWin=1\n");
        LoadSettings(g);
        g.cfg.FlipNum = 1 + variant % 3;
        g.Wins = 3 * variant;
        g.Losses = variant;
        g.Stats.WinsAt[static_cast<std::size_t>(variant)] = 2 + variant;
        g.Stats.LossesAt[1] = variant;
        g.Stats.Streak = variant, g.Stats.LongestStreak = 2 * variant;
        g.cfg.WavFiles[0] = variant % 2 ? "C:\\Games\\win.wav" : "/opt/tandrel/win.wav";
        g.GamesDealt = variant * 5;
        DealNewGame(g, true);
        for (int i = 0; i < 2 + variant; ++i) {
            g.FlippedCard = 0;
            Apply(g, FlipMove(1));
        }
        SaveGame(g, "Save");
        // The computer's turn without its moves: the waiting cards turned up and a flip.
        BeginTurn(g, 2);
        for (int p = 1; p <= PileCount; ++p) Apply(g, TurnUpMove(2, p));
        Apply(g, FlipMove(2));
        FinishTurn(g, 2);
        g.FlippedCard = 0;
        Apply(g, FlipMove(1));
        SaveGame(g, "Snap");
        SaveSettings(g);
        AddPlayer(g, "Bob");
        g.GamesDealt = 20 + variant;
        DealNewGame(g, true);
        g.FlippedCard = 0;
        Apply(g, FlipMove(1));
        SaveGame(g, "Save");
        SaveSettings(g);
        SwitchPlayer(g, "Ann");
        std::string text = ReadText(g.cfg.SettingsFile);
        if (variant % 2) {
            std::string crlf;
            for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            text = crlf;
        }
        bases.push_back(text);
    }
    return bases;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos) end = text.size() - 1;
        lines.push_back(text.substr(start, end - start + 1));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& l : lines) text += l;
    return text;
}

void Mutate(std::string& text, std::mt19937& rng)
{
    auto pick = [&](std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    static const std::array<std::string, 14> stray = {
        "[", "]", "=", "\r", "\n", std::string(1, '\0'), "-", " ", "[Ann]\n", "Save1=", "Player=", "\xC3", ";", "\t"};
    switch (pick(8)) {
    case 0: text.resize(pick(text.size() + 1)); break;
    case 1: {
        std::vector<std::size_t> digits;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] >= '0' && text[i] <= '9') digits.push_back(i);
        if (!digits.empty()) text[digits[pick(digits.size())]] = static_cast<char>('0' + pick(10));
        break;
    }
    case 2:
        if (!text.empty()) text[pick(text.size())] ^= static_cast<char>(1u << pick(8));
        break;
    case 3:
    case 4:
    case 5: {
        auto lines = SplitLines(text);
        if (lines.empty()) break;
        const std::size_t a = pick(lines.size()), b = pick(lines.size());
        if (pick(3) == 0)
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(a), lines[a]);
        else if (pick(2) == 0)
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(a));
        else
            std::swap(lines[a], lines[b]);
        text = JoinLines(lines);
        break;
    }
    default: text.insert(pick(text.size() + 1), stray[pick(stray.size())]); break;
    }
}

class Case {
public:
    Case(std::uint32_t number, std::ostream& report, FuzzSummary& sum) : n_(number), report_(report), sum_(sum) {}

    void Fail(const std::string& what)
    {
        ++sum_.failures;
        report_ << "case " << n_ << ": " << what << "\n";
    }
    void Expect(bool holds, const char* what)
    {
        if (!holds) Fail(what);
    }

    void CheckLoaded(const Game& g)
    {
        const Settings& c = g.cfg;
        auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
        Expect(in(c.CardBack, 56, 65) && in(c.FlipNum, 1, 3) && in(c.Speed, 3, 23) && in(int(c.ComputerLevel), 0, 2) &&
                   in(c.PlaySpeed, 0, 500) && in(g.LastWinner, 1, 2),
               "a setting out of range");
        Expect(in(g.Wins, 0, 32767) && in(g.Losses, 0, 32767), "a count out of range");
        const Statistics& st = g.Stats;
        bool figures = in(st.Streak, 0, st.LongestStreak) && in(st.LongestStreak, 0, 32767);
        for (std::size_t i = 0; i < LevelCount; ++i) figures &= in(st.WinsAt[i], 0, 32767) && in(st.LossesAt[i], 0, 32767);
        Expect(figures, "a figure out of range");
        Expect(in(g.GamesDealt, 0, MaxGamesDealt), "games dealt out of range");
        Expect(PlayerNameProblem(c.CurrentPlayer).empty(), "a current player the file cannot hold");
    }

    void CheckTable(const Game& g, const char* when)
    {
        std::string why;
        if (!CheckPosition(g, &why)) Fail(std::string("unsound table ") + when + ": " + why);
        if (!g.Undo) return;
        Game trial = g;
        UndoMove(trial);
        if (!CheckPosition(trial, &why)) Fail(std::string("undo breaks the table ") + when + ": " + why);
    }

    // What SaveSettings stored must come back through LoadSettings.
    void CheckSettingsRoundTrip(Game& g, const std::string& folder)
    {
        if (!SaveSettings(g)) return Fail("saving the settings loaded from the file failed");
        Table back(folder);
        LoadSettings(back.g);
        const Game& b = back.g;
        Expect(b.cfg.CurrentPlayer == g.cfg.CurrentPlayer, "the current player did not come back");
        Expect(b.Wins == g.Wins && b.Losses == g.Losses && b.LastWinner == g.LastWinner && b.Stats == g.Stats,
               "the statistics did not come back");
        Expect(b.cfg.FlipNum == g.cfg.FlipNum && b.cfg.CardBack == g.cfg.CardBack && b.cfg.Speed == g.cfg.Speed &&
                   b.cfg.PlaySpeed == g.cfg.PlaySpeed && b.cfg.ComputerLevel == g.cfg.ComputerLevel &&
                   b.cfg.TableColor == g.cfg.TableColor && b.cfg.TableBackground == g.cfg.TableBackground &&
                   b.cfg.ColourFill == g.cfg.ColourFill && b.cfg.Animate == g.cfg.Animate &&
                   b.cfg.ShowStats == g.cfg.ShowStats && b.cfg.AutoSave == g.cfg.AutoSave &&
                   b.cfg.MusicOn == g.cfg.MusicOn && b.cfg.SoundOn == g.cfg.SoundOn,
               "a setting did not come back");
        Expect(b.cfg.WavFiles[0] == g.cfg.WavFiles[0] && b.cfg.WavFiles[1] == g.cfg.WavFiles[1],
               "a sound path did not come back");
    }

    // What SaveGame stored must come back through RestoreGame.
    void CheckGameRoundTrip(Game& g, const std::string& folder)
    {
        if (!SaveGame(g, "Save")) return Fail("saving a game failed");
        Table back(folder);
        LoadSettings(back.g);
        back.g.GamesDealt = 3;
        const bool restored = RestoreGame(back.g, "Save");
        const Game& b = back.g;
        if (g.GameOver) return Expect(!restored, "a finished game was restored");
        Expect(restored, "a saved game did not come back");
        std::string differs;
        auto same = [&](bool equal, const char* name) {
            if (!equal) differs += std::string(" ") + name;
        };
        same(b.Stock == g.Stock, "Stock");
        same(b.Waste == g.Waste, "Waste");
        same(b.Tableau == g.Tableau, "Tableau");
        same(b.TableauFaceDown == g.TableauFaceDown, "TableauFaceDown");
        same(b.Foundation == g.Foundation, "Foundation");
        same(b.Deck == g.Deck, "Deck");
        same(b.StockPos == g.StockPos, "StockPos");
        same(b.StockLevel == g.StockLevel, "StockLevel");
        same(b.StockEmpty == g.StockEmpty, "StockEmpty");
        same(b.StockPasses == g.StockPasses, "StockPasses");
        same(b.WasteCount == g.WasteCount, "WasteCount");
        same(b.WasteFan == g.WasteFan, "WasteFan");
        same(b.Undo == g.Undo, "Undo");
        same(b.cfg.FlipNum == g.cfg.FlipNum, "FlipNum");
        same(b.PickFirst == g.PickFirst && b.PickLast == g.PickLast && b.PickPile == g.PickPile, "Pick");
        same(b.DragCard == g.DragCard, "DragCard");
        if (!differs.empty()) Fail("the restored game differs from the saved one in" + differs);
    }

    void CheckFileForm(const std::string& path, const Game& g)
    {
        const std::string text = ReadText(path);
        const ProfileFile f = ProfileFile::FromText(text);
        Expect(f.Text() == text, "line ends not uniform after a write");
        if (f.ReadString("Options", "Player", "") != g.cfg.CurrentPlayer) {
            Fail("Options/Player lost: [" + f.ReadString("Options", "Player", "") + "] vs [" + g.cfg.CurrentPlayer + "]");
            if (std::getenv("TANDREL_FUZZ_DUMP")) report_ << text << "\n----\n";
        }
    }

    void Run(const std::vector<std::string>& bases, const std::string& folder)
    {
        std::mt19937 rng(n_);
        std::string text = bases[n_ % bases.size()];
        const int mutations = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < mutations; ++i) Mutate(text, rng);
        Table t(folder);
        Game& g = t.g;
        WriteText(g.cfg.SettingsFile, text);
        std::string dealt = std::to_string(rng() % 40) + "\n";
        if (rng() % 2) Mutate(dealt, rng);
        WriteText(g.GamesDealtFile, dealt);

        LoadSettings(g);
        CheckLoaded(g);
        const PlayerList players = ListPlayers(g.cfg.SettingsFile, g.cfg.CurrentPlayer);
        Expect(players.selected >= 0 && (players.names.empty() || players.selected < static_cast<int>(players.names.size())),
               "player selection outside the list");

        const char* prefix = rng() % 2 ? "Save" : "Snap";
        // A game that cannot be restored is dealt anew, as the window does.
        const bool restored = RestoreGame(g, prefix);
        if (restored)
            ++sum_.restored;
        else
            ++sum_.newGames, DealNewGame(g, true);
        Expect(!g.GameOver && !g.ComputerBusy && !g.FlipInProgress && g.FlippedCard == 0,
               "the game is not ready after a restore");
        CheckTable(g, "after a restore");

        CheckSettingsRoundTrip(g, folder);
        CheckGameRoundTrip(g, folder);
        CheckFileForm(g.cfg.SettingsFile, g);

        switch (rng() % 4) {
        case 0: AddPlayer(g, "Fuzz" + std::to_string(rng() % 3)); break;
        case 1:
            if (!players.names.empty()) SwitchPlayer(g, players.names[rng() % players.names.size()]);
            break;
        case 2:
            if (!players.names.empty()) RemovePlayer(g, players.names[rng() % players.names.size()]);
            break;
        default: ClearGame(g, prefix); break;
        }
        CheckLoaded(g);
        CheckFileForm(g.cfg.SettingsFile, g);
    }

private:
    std::uint32_t n_;
    std::ostream& report_;
    FuzzSummary& sum_;
};

} // namespace

FuzzSummary FuzzStore(int count, std::uint32_t first, std::ostream& report)
{
    FuzzSummary sum;
    const std::string folder = MakeWorkFolder();
    if (folder.empty()) {
        report << "no work folder\n";
        sum.failures = 1;
        return sum;
    }
    const std::vector<std::string> bases = MakeBaseFiles(folder);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t n = first + static_cast<std::uint32_t>(i);
        Case c(n, report, sum);
        try {
            c.Run(bases, folder);
        } catch (const std::exception& e) {
            c.Fail(std::string("exception: ") + e.what());
        } catch (...) {
            c.Fail("unknown exception");
        }
        ++sum.cases;
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return sum;
}

} // namespace tandrel
