// The player's settings and statistics in the settings file, the players, the
// games-dealt count and where the files live.
#include <ctime>
#include <filesystem>
#include <unistd.h>

#include "StoreFixture.h"
#include "store/Players.h"
#include "store/SettingsFile.h"
#include "store/StorePaths.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

class SettingsStore : public GameStoreTest {
protected:
    // Loads the player from a file holding the given section for Ann.
    void LoadAnn(const std::string& section)
    {
        WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\n" + section);
        LoadSettings(g);
    }
};

// What the loaded settings and statistics hold, as the file stores them: "Win=0 Loss=5 ...".
std::string Held(const Game& g)
{
    std::string text = "Win=" + std::to_string(g.Wins) + " Loss=" + std::to_string(g.Losses) + " ";
    for (const auto& [key, value] : SettingsValues(g)) text += key + "=" + value + " ";
    return text;
}

const std::string Defaults = "Win=0 Loss=0 Sound=1 Animate=1 PlayMIDI=0 FlipNum=1 Style=2 TableColor=16711808 "
                             "Gradiant=1 Bkgrd=1 Speed=13 ShowStats=1 CardBack=56 PlaySpeed=250 LastWin=1 AutoSave=0 "
                             "Wav0=/opt/tandrel/win.wav Wav1=/opt/tandrel/lose.wav ";

} // namespace

TEST_F(SettingsStore, FirstStartOrAnUnusablePlayerKeyMakesThePlayerFromTheLoginName)
{
    ASSERT_TRUE(LoadSettings(g));
    std::string expected = GetLoginName();
    expected.erase(0, expected.find_first_not_of(' '));
    expected.erase(expected.find_last_not_of(' ') + 1);
    if (expected.empty()) expected = "Default";
    EXPECT_EQ(g.cfg.CurrentPlayer, expected);
    // The player's section holds only Created; everything else is a default.
    EXPECT_EQ(ReadText(ini), "[Options]\nPlayer=" + expected + "\n\n[" + expected + "]\nCreated=" +
                                 ShortDate(std::time(nullptr)) + "\n");
    EXPECT_EQ(Held(g), Defaults);
    EXPECT_EQ(g.cfg.BackImage, "/opt/tandrel/back7.bmp");
    EXPECT_EQ(g.cfg.WavFiles[10], "/opt/tandrel/card10.wav");
    EXPECT_EQ(g.cfg.MusicFile, "/opt/tandrel/rag.mid");
    // An empty or unusable player key starts over from the login name.
    for (const char* player : {"", "   ", "Bad[Name]", "Options"}) {
        WriteText(ini, std::string("[Options]\nPlayer=") + player + "\n");
        LoadSettings(g);
        EXPECT_TRUE(PlayerNameProblem(g.cfg.CurrentPlayer).empty()) << player;
        EXPECT_EQ(Read("Options", "Player"), g.cfg.CurrentPlayer) << player;
    }
}

TEST_F(SettingsStore, ValuesInRangeAreTakenAndOthersLoadAsTheirDefaults)
{
    // Counts above 16 bits are kept at the top; the leading number counts; the table colour goes to the nearest
    // whole number, halves to even.
    LoadAnn("CardBack=70\nSpeed=2\nPlaySpeed=600\nFlipNum=0\nWin=-3\nLoss=40000\nStyle=abc\nLastWin=3\nBkgrd=-1\n"
            "AutoSave=1x\nTableColor=255.5\nGradiant=2\nAnimate=-1\nShowStats=9\nPlayMIDI=2\n");
    EXPECT_EQ(Held(g), "Win=0 Loss=32767 Sound=1 Animate=1 PlayMIDI=0 FlipNum=1 Style=2 TableColor=256 Gradiant=1 "
                       "Bkgrd=1 Speed=13 ShowStats=1 CardBack=56 PlaySpeed=250 LastWin=1 AutoSave=1 "
                       "Wav0=/opt/tandrel/win.wav Wav1=/opt/tandrel/lose.wav ");
    LoadAnn("CardBack=65\nSpeed=3\nPlaySpeed=0\nFlipNum=3\nWin=32767\nLoss=5\nStyle=1\nLastWin=2\nBkgrd=0\n"
            "Gradiant=0\nAnimate=0\nShowStats=0\nTableColor=-12.5x\n");
    EXPECT_EQ(Held(g), "Win=32767 Loss=5 Sound=1 Animate=0 PlayMIDI=0 FlipNum=3 Style=1 TableColor=-12 Gradiant=0 "
                       "Bkgrd=0 Speed=3 ShowStats=0 CardBack=65 PlaySpeed=0 LastWin=2 AutoSave=0 "
                       "Wav0=/opt/tandrel/win.wav Wav1=/opt/tandrel/lose.wav ");
    // The Master is level 3; past it the default again.
    for (auto [style, level] : {std::pair("3", Level::Master), {"4", Level::Expert}, {"0", Level::Beginner}}) {
        LoadAnn(std::string("Style=") + style + "\n");
        EXPECT_EQ(g.cfg.ComputerLevel, level) << style;
    }
}

TEST_F(SettingsStore, NotANumberInAnyNumericKeyReadsAsItsDefault)
{
    // Zero is in range for most keys, so reading "abc" as 0 would turn sound and
    // animation off and make the computer a Beginner.
    for (const char* key : {"Bkgrd", "TableColor", "Gradiant", "CardBack", "Animate", "FlipNum", "Win", "Loss",
                            "Speed", "ShowStats", "Style", "PlaySpeed", "LastWin", "AutoSave", "PlayMIDI", "Sound"})
        for (const char* value : {"abc", " - 5", ".", ""}) {
            LoadAnn(std::string(key) + "=" + value + "\n");
            EXPECT_EQ(Held(g), Defaults) << key << "=" << value;
        }
}

TEST_F(SettingsStore, PathsEmptyMissingOrDamaged)
{
    // Empty means silence; missing, or a path the file could not hold again, the default.
    LoadAnn("Wav3=\nMIDI=\nBackImage=\nWav4=/home/ann/my.wav\nWav0=/a\rb.wav\n");
    EXPECT_EQ(g.cfg.WavFiles[3], "");
    EXPECT_EQ(g.cfg.MusicFile, "");
    EXPECT_EQ(g.cfg.BackImage, "");
    EXPECT_EQ(g.cfg.WavFiles[4], "/home/ann/my.wav");
    EXPECT_EQ(g.cfg.WavFiles[0], "/opt/tandrel/win.wav");
    EXPECT_TRUE(SaveSettings(g));
    LoadAnn("Wav4=/home/ann/my.wav\n");
    EXPECT_EQ(g.cfg.WavFiles[3], "/opt/tandrel/Card3.wav");
}

TEST_F(SettingsStore, SaveWritesEveryKeyInOrderAndLoadBringsItBack)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n\n[Ann]\nCreated=2020-02-02\n");
    LoadSettings(g);
    g.Wins = 12, g.Losses = 3, g.LastWinner = 2;
    g.cfg.CardBack = 60, g.cfg.FlipNum = 3, g.cfg.TableColor = 255, g.cfg.PlaySpeed = 100;
    g.cfg.WavFiles[1] = "/home/ann/lose.wav";
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(ReadText(ini),
              "[Options]\nPlayer=Ann\n\n[Ann]\nCreated=2020-02-02\nWin=12\nLoss=3\nSound=1\nAnimate=1\nPlayMIDI=0\n"
              "FlipNum=3\nStyle=2\nTableColor=255\nGradiant=1\nBkgrd=1\nSpeed=13\nShowStats=1\nCardBack=60\n"
              "PlaySpeed=100\nLastWin=2\nAutoSave=0\nWav0=/opt/tandrel/win.wav\nWav1=/home/ann/lose.wav\n");
    const auto next = Next();
    LoadSettings(next->g);
    EXPECT_EQ(Held(next->g), Held(g));
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
    ASSERT_TRUE(LoadSettings(g));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Ann");
    EXPECT_EQ(std::tuple(g.Wins, g.cfg.TableColor, g.cfg.WavFiles[1]),
              std::tuple(7, 32768, "C:\\Games\\Tandrel\\lose.wav"));
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
    g.cfg.SettingsFile = Path("no/such/folder/duelpat.ini");
    EXPECT_FALSE(LoadSettings(g));
    EXPECT_FALSE(g.cfg.CurrentPlayer.empty()); // still a player, with defaults
    EXPECT_EQ(Held(g), Defaults);
    EXPECT_FALSE(SaveSettings(g));
    g.cfg.SettingsFile = ini;
    g.cfg.WavFiles[0] = "/a\nb.wav"; // a value the file cannot hold
    EXPECT_FALSE(SaveSettings(g));
    EXPECT_EQ(Read(g.cfg.CurrentPlayer, "Win"), "0"); // the rest still went in
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
    WriteText(ini, "[Options]\r\nPlayer=ann\r\n[Ann]\r\nWin=1\r\n[My Options]\r\n[Bob]\r\n [Indented]\r\n"
                   "[Odd]x\r\n[Two]]\r\n[Ann]\r\n[Carl]\r\n");
    const PlayerList list = ListPlayers(ini, "Ann");
    EXPECT_EQ(list.names, (std::vector<std::string>{"Ann", "Bob", "Ann", "Carl"}));
    EXPECT_EQ(list.selected, 2);                    // the last of the duplicates
    EXPECT_EQ(ListPlayers(ini, "bob").selected, 0); // case counts here
    EXPECT_EQ(ListPlayers(ini, "Carl").selected, 3);
    EXPECT_TRUE(ListPlayers(Path("none.ini"), "Ann").names.empty());
}

TEST_F(SettingsStore, SwitchingOrAddingAPlayerSavesTheOutgoingOneAndLoadsTheNext)
{
    LoadAnn("Win=1\nCardBack=60\n[Bob]\nCreated=old\nWin=9\nCardBack=64\n");
    g.Wins = 2;
    ASSERT_TRUE(SwitchPlayer(g, "Bob"));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Bob");
    EXPECT_EQ(std::pair(g.Wins, g.cfg.CardBack), std::pair(9, 64));
    EXPECT_EQ(Read("Ann", "Win"), "2");
    EXPECT_EQ(Read("Options", "Player"), "Bob");
    EXPECT_EQ(MainCaption(g.cfg), "Tandrel - Bob");

    // A new player starts from the defaults.
    g.Wins = 5;
    ASSERT_TRUE(AddPlayer(g, "Carl"));
    EXPECT_EQ(g.cfg.CurrentPlayer, "Carl");
    EXPECT_EQ(Held(g), Defaults);
    EXPECT_EQ(Read("Carl", "Created"), ShortDate(std::time(nullptr)));
    EXPECT_EQ(Read("Carl", "Win"), "<missing>");
    EXPECT_EQ(Read("Options", "Player"), "Carl");
    EXPECT_EQ(Read("Bob", "Win"), "5");
    // Adding an existing player keeps its statistics.
    ASSERT_TRUE(AddPlayer(g, "Bob"));
    EXPECT_EQ(Read("Bob", "Created"), ShortDate(std::time(nullptr)));
    EXPECT_EQ(g.Wins, 5);
}

TEST_F(SettingsStore, NamesTheFileCannotHoldAreRefusedWithAReason)
{
    LoadAnn("Win=1\n");
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
    EXPECT_EQ(PlayerNameProblem("My Options"), ""); // allowed, just never listed
    EXPECT_EQ(PlayerNameProblem("Émile"), "");
}

TEST_F(SettingsStore, RemovePlayerAsksFirstAndNeverRemovesTheOptions)
{
    WriteText(ini, "[options]\nPlayer=Ann\n[Ann]\nWin=1\n[Bob]\nWin=9\n");
    LoadSettings(g);
    view.answers = {MsgAnswer::No};
    EXPECT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Declined);
    EXPECT_EQ(Read("Bob", "Win"), "9");
    EXPECT_EQ(view.messages, std::vector<std::string>{"Are you sure you want to remove Bob?"});

    view.answers = {MsgAnswer::Yes};
    EXPECT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Removed);
    EXPECT_EQ(Read("Bob", "Win"), "<missing>");
    EXPECT_EQ(g.cfg.CurrentPlayer, "Ann");

    view.messages.clear();
    ASSERT_EQ(ListPlayers(ini, "Ann").names, (std::vector<std::string>{"options", "Ann"}));
    EXPECT_EQ(RemovePlayer(g, "options"), RemoveResult::Refused);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(Read("Options", "Player"), "Ann");
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
    LoadSettings(g);
    EXPECT_EQ(g.GamesDealt, 7);
    EXPECT_EQ(g.CardSoundIndex, 4);
}

// A build folder keeps everything beside the program while it can be written;
// an installed program reads its files from ../share/tandrel and keeps the
// settings in the user's configuration folder, even in a writable prefix.
TEST_F(SettingsStore, WhereTheFilesLiveForABuildFolderAndAnInstalledProgram)
{
    SetStorePaths(g, dir);
    EXPECT_EQ(g.cfg.ProgramFolder, dir);
    EXPECT_EQ(g.cfg.SettingsFile, dir + "/duelpat.ini");
    EXPECT_EQ(g.GamesDealtFile, dir + "/gamesdealt");

    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    const std::string unwritable = Path("not-a-folder");
    WriteText(unwritable, "x");
    EXPECT_EQ(SettingsFolder(unwritable), Path("config") + "/tandrel");
    EXPECT_TRUE(std::filesystem::is_directory(Path("config/tandrel")));
    EXPECT_EQ(SettingsFolder(Path("missing")), Path("config") + "/tandrel");

    std::filesystem::create_directories(Path("prefix/games"));
    std::filesystem::create_directories(Path("prefix/share/tandrel"));
    WriteText(Path("prefix/share/tandrel/back7.bmp"), "BM");
    SetStorePaths(g, Path("prefix/games"));
    EXPECT_EQ(g.cfg.ProgramFolder, Path("prefix/share/tandrel"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("config/tandrel/duelpat.ini"));
    EXPECT_EQ(g.GamesDealtFile, Path("config/tandrel/gamesdealt"));
    WriteText(Path("prefix/games/back7.bmp"), "BM"); // files beside it: a build folder, as before
    SetStorePaths(g, Path("prefix/games"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("prefix/games/duelpat.ini"));
    if (::geteuid() == 0) {
        // A folder of another user's is not ours to write in.
        ASSERT_EQ(::chown(Path("prefix/games").c_str(), 65534, 65534), 0);
        EXPECT_EQ(SettingsFolder(Path("prefix/games")), Path("config/tandrel"));
    }
    old ? ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
}
