#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "StoreFixture.h"
#include "store/GamesDealt.h"
#include "store/Players.h"
#include "store/Profile.h"
#include "store/SettingsFile.h"
#include "engine/Counts.h"
#include "store/StorePaths.h"
#include "support/Positions.h"

using namespace tandrel;
using tandrel::testing::StoreTest;
using tandrel::testing::TestGame;

namespace {

class SettingsStore : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ini = Path("duelpat.ini");
        Prepare(t.g);
    }
    void Prepare(Game& g) const
    {
        g.cfg.SettingsFile = ini;
        g.cfg.ProgramFolder = "/opt/tandrel";
        g.GamesDealtFile = dir + "/" + GamesDealtFileName;
    }
    std::string Read(const std::string& section, const std::string& key) const
    {
        return ReadProfileString(ini, section, key, "<missing>");
    }

    TestGame t;
    std::string ini;
};

std::string Trimmed(std::string s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

TEST_F(SettingsStore, FirstStartMakesThePlayerFromTheLoginName)
{
    Game& g = t.g;
    ASSERT_TRUE(LoadSettings(g));
    std::string expected = Trimmed(GetLoginName());
    if (expected.empty()) expected = "Default";
    EXPECT_EQ(g.cfg.CurrentPlayer, expected);
    EXPECT_EQ(MainCaption(g.cfg), "Tandrel - " + expected);
    EXPECT_EQ(Read("Options", "Player"), expected);
    EXPECT_EQ(Read(expected, "Created"), ShortDate(std::time(nullptr)));
    // The player's section holds only Created; everything else is a default.
    EXPECT_EQ(ReadText(ini), "[Options]\nPlayer=" + expected + "\n\n[" + expected + "]\nCreated=" +
                                 ShortDate(std::time(nullptr)) + "\n");
    EXPECT_EQ(g.cfg.Bkgrd, 1);
    EXPECT_EQ(g.cfg.BackImage, "/opt/tandrel/back7.bmp");
    EXPECT_EQ(g.cfg.TableColor, 16711808);
    EXPECT_EQ(g.cfg.CardBack, 56);
    EXPECT_EQ(g.cfg.FlipNum, 1);
    EXPECT_EQ(g.cfg.Speed, 13);
    EXPECT_EQ(g.cfg.Style, 2);
    EXPECT_EQ(g.cfg.PlaySpeed, 250);
    EXPECT_EQ(g.cfg.AutoSave, 0);
    EXPECT_EQ(g.cfg.PlayMIDI, 0);
    EXPECT_EQ(g.cfg.SoundOn, 1);
    EXPECT_EQ(g.LastWinner, 1);
    EXPECT_EQ(g.Wins, 0);
    EXPECT_EQ(g.Losses, 0);
    EXPECT_EQ(g.cfg.WavFiles[0], "/opt/tandrel/win.wav");
    EXPECT_EQ(g.cfg.WavFiles[3], "/opt/tandrel/Card3.wav");
    EXPECT_EQ(g.cfg.WavFiles[10], "/opt/tandrel/card10.wav");
    EXPECT_EQ(g.cfg.MusicFile, "/opt/tandrel/rag.mid");
}

TEST_F(SettingsStore, AnEmptyOrUnusablePlayerKeyStartsOverFromTheLoginName)
{
    for (const char* player : {"", "   ", "Bad[Name]", "Options"}) {
        WriteText(ini, std::string("[Options]\nPlayer=") + player + "\n");
        LoadSettings(t.g);
        EXPECT_TRUE(PlayerNameProblem(t.g.cfg.CurrentPlayer).empty()) << player;
        EXPECT_EQ(Read("Options", "Player"), t.g.cfg.CurrentPlayer) << player;
    }
}

TEST_F(SettingsStore, OutOfRangeValuesLoadAsTheirDefaults)
{
    WriteText(ini,
              "[Options]\nPlayer=Ann\n[Ann]\nCardBack=70\nSpeed=2\nPlaySpeed=600\nFlipNum=0\nWin=-3\n"
              "Loss=40000\nStyle=abc\nLastWin=3\nBkgrd=-1\nAutoSave=1x\nTableColor=255.5\n");
    Game& g = t.g;
    LoadSettings(g);
    EXPECT_EQ(g.cfg.CardBack, 56);
    EXPECT_EQ(g.cfg.Speed, 13);
    EXPECT_EQ(g.cfg.PlaySpeed, 250);
    EXPECT_EQ(g.cfg.FlipNum, 1);
    EXPECT_EQ(g.Wins, 0);
    EXPECT_EQ(g.Losses, MaxGameCount);  // more than 16 bits hold: kept at the top
    EXPECT_EQ(g.cfg.Style, 0);          // not a number reads as 0, which is in range
    EXPECT_EQ(g.LastWinner, 1);
    EXPECT_EQ(g.cfg.Bkgrd, 1);
    EXPECT_EQ(g.cfg.AutoSave, 1);       // the leading number counts
    EXPECT_EQ(g.cfg.TableColor, 256);   // nearest whole number, halves to even
}

TEST_F(SettingsStore, InRangeValuesAreTaken)
{
    WriteText(ini,
              "[Options]\nPlayer=Ann\n[Ann]\nCardBack=65\nSpeed=3\nPlaySpeed=0\nFlipNum=3\nWin=32767\nLoss=5\n"
              "Style=1\nLastWin=2\nBkgrd=0\nGradiant=0\nAnimate=0\nShowStats=0\nTableColor=-12.5x\n");
    Game& g = t.g;
    LoadSettings(g);
    EXPECT_EQ(g.cfg.CardBack, 65);
    EXPECT_EQ(g.cfg.Speed, 3);
    EXPECT_EQ(g.cfg.PlaySpeed, 0);
    EXPECT_EQ(g.cfg.FlipNum, 3);
    EXPECT_EQ(g.Wins, 32767);
    EXPECT_EQ(g.Losses, 5);
    EXPECT_EQ(g.cfg.Style, 1);
    EXPECT_EQ(g.LastWinner, 2);
    EXPECT_EQ(g.cfg.Bkgrd, 0);
    EXPECT_EQ(g.cfg.Gradiant, 0);
    EXPECT_EQ(g.cfg.Animate, 0);
    EXPECT_EQ(g.cfg.ShowStats, 0);
    EXPECT_EQ(g.cfg.TableColor, -12);
}

TEST_F(SettingsStore, AnEmptySoundKeyMeansSilenceAndAMissingOneTheDefault)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWav3=\nMIDI=\nBackImage=\nWav4=/home/ann/my.wav\n");
    LoadSettings(t.g);
    EXPECT_EQ(t.g.cfg.WavFiles[3], "");
    EXPECT_EQ(t.g.cfg.MusicFile, "");
    EXPECT_EQ(t.g.cfg.BackImage, "");
    EXPECT_EQ(t.g.cfg.WavFiles[4], "/home/ann/my.wav");
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWav4=/home/ann/my.wav\n");
    LoadSettings(t.g);
    EXPECT_EQ(t.g.cfg.WavFiles[3], "/opt/tandrel/Card3.wav");
}

TEST_F(SettingsStore, APathTheFileCouldNotHoldAgainReadsAsTheDefault)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWav0=/a\rb.wav\nWav1=/ok.wav\n");
    LoadSettings(t.g);
    EXPECT_EQ(t.g.cfg.WavFiles[0], "/opt/tandrel/win.wav");
    EXPECT_EQ(t.g.cfg.WavFiles[1], "/ok.wav");
    EXPECT_TRUE(SaveSettings(t.g));
}

TEST_F(SettingsStore, WithoutAWaveDeviceSoundAndMusicAreOff)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nSound=1\nPlayMIDI=1\n");
    LoadSettings(t.g, false);
    EXPECT_EQ(t.g.cfg.SoundOn, 0);
    EXPECT_EQ(t.g.cfg.PlayMIDI, 0);
    // Music does not depend on the sound effects.
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nSound=0\nPlayMIDI=1\n");
    LoadSettings(t.g, true);
    EXPECT_EQ(t.g.cfg.SoundOn, 0);
    EXPECT_EQ(t.g.cfg.PlayMIDI, 1);
}

TEST_F(SettingsStore, SaveWritesEveryKeyInOrderAndLoadBringsItBack)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n\n[Ann]\nCreated=2020-02-02\n");
    Game& g = t.g;
    LoadSettings(g);
    g.Wins = 12;
    g.Losses = 3;
    g.LastWinner = 2;
    g.cfg.CardBack = 60;
    g.cfg.FlipNum = 3;
    g.cfg.TableColor = 255;
    g.cfg.PlaySpeed = 100;
    g.cfg.WavFiles[1] = "/home/ann/lose.wav";
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(ReadText(ini),
              "[Options]\nPlayer=Ann\n\n[Ann]\nCreated=2020-02-02\nWin=12\nLoss=3\nSound=1\nAnimate=1\nPlayMIDI=0\n"
              "FlipNum=3\nStyle=2\nTableColor=255\nGradiant=1\nBkgrd=1\nSpeed=13\nShowStats=1\nCardBack=60\n"
              "PlaySpeed=100\nLastWin=2\nAutoSave=0\nWav0=/opt/tandrel/win.wav\nWav1=/home/ann/lose.wav\n");

    TestGame other;
    Prepare(other.g);
    LoadSettings(other.g);
    EXPECT_EQ(other.g.Wins, 12);
    EXPECT_EQ(other.g.Losses, 3);
    EXPECT_EQ(other.g.LastWinner, 2);
    EXPECT_EQ(other.g.cfg.CardBack, 60);
    EXPECT_EQ(other.g.cfg.FlipNum, 3);
    EXPECT_EQ(other.g.cfg.TableColor, 255);
    EXPECT_EQ(other.g.cfg.PlaySpeed, 100);
    EXPECT_EQ(other.g.cfg.WavFiles[1], "/home/ann/lose.wav");
}

TEST_F(SettingsStore, AWindowsCopyOfTheFileIsReadAndKeepsItsForm)
{
    const std::string windows =
        "[Options]\r\nPlayer=Ann\r\n\r\n"
        "[Ann]\r\nCreated=3/14/2001\r\nWin=7\r\nLoss=2\r\nSound=1\r\nAnimate=1\r\nPlayMIDI=0\r\nFlipNum=3\r\n"
        "Style=1\r\nTableColor=32768\r\nGradiant=0\r\nBkgrd=0\r\nSpeed=20\r\nShowStats=1\r\nCardBack=61\r\n"
        "PlaySpeed=400\r\nLastWin=2\r\nAutoSave=1\r\nWav0=C:\\Games\\Tandrel\\win.wav\r\n"
        "Wav1=C:\\Games\\Tandrel\\lose.wav\r\nBackImage=C:\\WINDOWS\\Clouds.bmp\r\n\r\n"
        "[Bob]\r\nWin=1\r\n";
    WriteText(ini, windows);
    Game& g = t.g;
    ASSERT_TRUE(LoadSettings(g));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Ann");
    EXPECT_EQ(g.Wins, 7);
    EXPECT_EQ(g.cfg.FlipNum, 3);
    EXPECT_EQ(g.cfg.TableColor, 32768);
    EXPECT_EQ(g.cfg.CardBack, 61);
    EXPECT_EQ(g.cfg.PlaySpeed, 400);
    EXPECT_EQ(g.cfg.AutoSave, 1);
    EXPECT_EQ(g.cfg.WavFiles[0], "C:\\Games\\Tandrel\\win.wav");
    EXPECT_EQ(g.cfg.BackImage, "C:\\WINDOWS\\Clouds.bmp");
    // Saving the same settings back changes not a byte.
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(ReadText(ini), windows);
    g.Wins = 8;
    ASSERT_TRUE(SaveSettings(g));
    std::string expected = windows;
    expected.replace(expected.find("Win=7"), 5, "Win=8");
    EXPECT_EQ(ReadText(ini), expected);
}

TEST_F(SettingsStore, FailuresToStoreAreReported)
{
    Game& g = t.g;
    g.cfg.SettingsFile = Path("no/such/folder/duelpat.ini");
    EXPECT_FALSE(LoadSettings(g));
    EXPECT_FALSE(g.cfg.CurrentPlayer.empty());  // still a player, with defaults
    EXPECT_EQ(g.cfg.Speed, 13);
    EXPECT_FALSE(SaveSettings(g));
    g.cfg.SettingsFile = ini;
    g.cfg.WavFiles[0] = "/a\nb.wav";  // a value the file cannot hold
    EXPECT_FALSE(SaveSettings(g));
    EXPECT_EQ(Read(g.cfg.CurrentPlayer, "Win"), "0");  // the rest still went in
}

TEST(Statistics, CountsStopAtTheTopOf16Bits)
{
    EXPECT_EQ(CountOneMore(0), 1);
    EXPECT_EQ(CountOneMore(32766), 32767);
    EXPECT_EQ(CountOneMore(32767), 32767);
    EXPECT_EQ(CountOneMore(-4), 1);
}

TEST(ShortDate, IsTheSameInEveryLocale)
{
    std::tm day{};
    day.tm_year = 124, day.tm_mon = 1, day.tm_mday = 9, day.tm_hour = 12;
    EXPECT_EQ(ShortDate(std::mktime(&day)), "2024-02-09");
}

// Players -----------------------------------------------------------------

TEST_F(SettingsStore, ListPlayersFollowsTheHeaderRules)
{
    WriteText(ini,
              "[Options]\r\nPlayer=ann\r\n[Ann]\r\nWin=1\r\n[My Options]\r\n[Bob]\r\n [Indented]\r\n"
              "[Odd]x\r\n[Two]]\r\n[Ann]\r\n[Carl]\r\n");
    const PlayerList list = ListPlayers(ini, "Ann");
    EXPECT_EQ(list.names, (std::vector<std::string>{"Ann", "Bob", "Ann", "Carl"}));
    EXPECT_EQ(list.selected, 2);  // the last of the duplicates
    EXPECT_EQ(ListPlayers(ini, "bob").selected, 0);  // case counts here
    EXPECT_EQ(ListPlayers(ini, "Carl").selected, 3);
    EXPECT_TRUE(ListPlayers(Path("none.ini"), "Ann").names.empty());
}

TEST_F(SettingsStore, SwitchPlayerSavesTheOutgoingPlayerAndLoadsTheNextOne)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=1\n[Bob]\nWin=9\nCardBack=64\n");
    Game& g = t.g;
    LoadSettings(g);
    g.Wins = 2;
    ASSERT_TRUE(SwitchPlayer(g, "Bob"));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Bob");
    EXPECT_EQ(g.Wins, 9);
    EXPECT_EQ(g.cfg.CardBack, 64);
    EXPECT_EQ(Read("Ann", "Win"), "2");
    EXPECT_EQ(Read("Options", "Player"), "Bob");
    EXPECT_EQ(MainCaption(g.cfg), "Tandrel - Bob");
}

TEST_F(SettingsStore, AddPlayerStartsFromDefaultsAndKeepsAnExistingPlayersStatistics)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=1\nCardBack=60\n[Bob]\nCreated=old\nWin=9\n");
    Game& g = t.g;
    LoadSettings(g);
    g.Wins = 5;
    ASSERT_TRUE(AddPlayer(g, "Carl"));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Carl");
    EXPECT_EQ(g.cfg.CardBack, 56);
    EXPECT_EQ(g.Wins, 0);
    EXPECT_EQ(Read("Carl", "Created"), ShortDate(std::time(nullptr)));
    EXPECT_EQ(Read("Carl", "Win"), "<missing>");
    EXPECT_EQ(Read("Options", "Player"), "Carl");
    // The outgoing player's games are not lost.
    EXPECT_EQ(Read("Ann", "Win"), "5");

    ASSERT_TRUE(AddPlayer(g, "Bob"));
    EXPECT_EQ(Read("Bob", "Created"), ShortDate(std::time(nullptr)));
    EXPECT_EQ(g.Wins, 9);
}

TEST_F(SettingsStore, NamesTheFileCannotHoldAreRefusedWithAReason)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=1\n");
    Game& g = t.g;
    LoadSettings(g);
    const std::string before = ReadText(ini);
    for (const char* name : {"[Bob]", "Bo]b", "Bo[b", "Bob\nWin=99", "Bob\r", "Bo\tb", "", " Bob", "options"}) {
        const PlayerResult added = AddPlayer(g, name);
        EXPECT_FALSE(added) << name;
        EXPECT_TRUE(added.refused) << name;
        EXPECT_FALSE(added.why.empty()) << name;
        EXPECT_FALSE(SwitchPlayer(g, name)) << name;
    }
    EXPECT_EQ(ReadText(ini), before);
    EXPECT_EQ(g.cfg.CurrentPlayer, "Ann");
    EXPECT_EQ(PlayerNameProblem("My Options"), "");  // allowed, just never listed
    EXPECT_EQ(PlayerNameProblem("Émile"), "");
}

TEST_F(SettingsStore, RemovePlayerAsksFirst)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=1\n[Bob]\nWin=9\n");
    Game& g = t.g;
    LoadSettings(g);
    t.view.answers = {MsgAnswer::No};
    EXPECT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Declined);
    EXPECT_EQ(Read("Bob", "Win"), "9");
    ASSERT_EQ(t.view.messages.size(), 1u);
    EXPECT_EQ(t.view.messages[0], "Are you sure you want to remove Bob?");

    t.view.answers = {MsgAnswer::Yes};
    EXPECT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Removed);
    EXPECT_EQ(Read("Bob", "Win"), "<missing>");
    EXPECT_EQ(g.cfg.CurrentPlayer, "Ann");
    EXPECT_EQ(Read("Options", "Player"), "Ann");
}

TEST_F(SettingsStore, TheOptionsSectionIsNeverRemoved)
{
    WriteText(ini, "[options]\nPlayer=Ann\n[Ann]\nWin=1\n");
    ASSERT_EQ(ListPlayers(ini, "Ann").names, (std::vector<std::string>{"options", "Ann"}));
    LoadSettings(t.g);
    EXPECT_EQ(RemovePlayer(t.g, "options"), RemoveResult::Refused);
    EXPECT_TRUE(t.view.messages.empty());
    EXPECT_EQ(Read("Options", "Player"), "Ann");
}

// The dialog removes the selected (current) player, then selects the first
// entry, which switches players: the removed player must stay removed.
TEST_F(SettingsStore, ARemovedCurrentPlayerDoesNotComeBackOnTheNextSwitch)
{
    WriteText(ini, "[Options]\nPlayer=Bob\n[Ann]\nWin=1\n[Bob]\nWin=9\n");
    Game& g = t.g;
    LoadSettings(g);
    ASSERT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Removed);
    ASSERT_TRUE(SwitchPlayer(g, "Ann"));
    EXPECT_EQ(ListPlayers(ini, "Ann").names, std::vector<std::string>{"Ann"});
}

// Games dealt and where the files live --------------------------------------

TEST_F(SettingsStore, GamesDealtSurvivesAndDamageReadsAsZero)
{
    const std::string file = Path(GamesDealtFileName);
    EXPECT_EQ(LoadGamesDealt(file), 0);
    ASSERT_TRUE(StoreGamesDealt(file, 25));
    EXPECT_EQ(LoadGamesDealt(file), 25);
    EXPECT_EQ(ReadText(file), "25\n");
    for (const char* damaged : {"", "abc", "-3", "2 5", "25x", "\0\0", "99999999999999"}) {
        WriteText(file, damaged);
        EXPECT_EQ(LoadGamesDealt(file), 0) << damaged;
    }
    WriteText(file, "40000\r\n");
    EXPECT_EQ(LoadGamesDealt(file), MaxGamesDealt);
    EXPECT_FALSE(StoreGamesDealt("", 3));
    EXPECT_FALSE(StoreGamesDealt(Path("none/gamesdealt"), 3));
    EXPECT_EQ(LoadGamesDealt(""), 0);

    StoreGamesDealt(file, 7);
    LoadSettings(t.g);
    EXPECT_EQ(t.g.GamesDealt, 7);
    EXPECT_EQ(t.g.CardSoundIndex, 4);
}

TEST_F(SettingsStore, TheProgramFolderIsUsedWhileItCanBeWritten)
{
    EXPECT_EQ(SettingsFolder(dir), dir);
    TestGame other;
    SetStorePaths(other.g, dir);
    EXPECT_EQ(other.g.cfg.ProgramFolder, dir);
    EXPECT_EQ(other.g.cfg.SettingsFile, dir + "/duelpat.ini");
    EXPECT_EQ(other.g.GamesDealtFile, dir + "/gamesdealt");
}

TEST_F(SettingsStore, OtherwiseTheUsersConfigFolderIsMade)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    const std::string unwritable = Path("not-a-folder");
    WriteText(unwritable, "x");
    EXPECT_EQ(SettingsFolder(unwritable), Path("config") + "/tandrel");
    EXPECT_TRUE(std::filesystem::is_directory(Path("config/tandrel")));
    EXPECT_EQ(SettingsFolder(Path("missing")), Path("config") + "/tandrel");
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
