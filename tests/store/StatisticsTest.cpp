// The figures by level and the winning streaks: counted where a game ends,
// kept in the player's section beside Win and Loss, merged and reset.
#include "StoreFixture.h"
#include "engine/Move.h"
#include "store/SavedGame.h"
#include "store/SettingsFile.h"
#include "store/Statistics.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Side 1 (the player) or 2 plays out its last card at the computer's level.
void PlayOut(Game& g, int side, Level level)
{
    g.cfg.ComputerLevel = level;
    Lay(g, "- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    ASSERT_TRUE(Apply(g, {MoveKind::WasteToFoundation, side, 0, 0, side, Card(side == 1 ? "Kc" : "Kd")}).gameEnded);
}

// "Win Loss | wins by level | losses by level | streak longest".
std::string Figures(const Game& g)
{
    const Statistics& s = g.Stats;
    std::string t = std::to_string(g.Wins) + " " + std::to_string(g.Losses) + " |";
    for (int w : s.WinsAt) t += " " + std::to_string(w);
    t += " |";
    for (int l : s.LossesAt) t += " " + std::to_string(l);
    return t + " | " + std::to_string(s.Streak) + " " + std::to_string(s.LongestStreak);
}

} // namespace

TEST_F(GameStoreTest, WinsAndLossesCountAtTheirLevelWithTheStreaksAndAResetZeroesThemInTheFile)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=3\nLoss=1\nFlipNum=2\n[Bob]\nWin=4\nWin2=4\n");
    LoadSettings(g);
    for (auto [side, level] : {std::pair(1, Level::Expert), {1, Level::Expert}, {2, Level::Master},
                               {1, Level::Master}, {1, Level::Beginner}}) {
        PlayOut(g, side, level);
        ASSERT_TRUE(StoreOnExit(g)); // as the window stores each finished game
    }
    EXPECT_EQ(Figures(g), "7 2 | 1 0 2 1 | 0 0 0 1 | 2 2");
    auto next = Next();
    LoadSettings(next->g);
    EXPECT_EQ(Figures(next->g), Figures(g));

    const std::string figures = Figures(next->g);
    next->g.cfg.SettingsFile = Path("gone/duelpat.ini");
    EXPECT_FALSE(ResetStatistics(next->g));
    EXPECT_EQ(Figures(next->g), figures) << "memory keeps what the file could not take";
    next->g.cfg.SettingsFile = ini;
    ASSERT_TRUE(ResetStatistics(next->g));
    EXPECT_EQ(Figures(next->g), "0 0 | 0 0 0 0 | 0 0 0 0 | 0 0");
    EXPECT_EQ(ReadText(ini), "[Options]\nPlayer=Ann\n[Ann]\nWin=0\nLoss=0\nFlipNum=2\nSound=1\nAnimate=1\nPlayMIDI=0\n"
                             "Style=0\nTableColor=16711808\nGradiant=1\nBkgrd=1\nSpeed=13\nShowStats=1\nCardBack=56\n"
                             "PlaySpeed=250\nLastWin=1\nAutoSave=0\nWav0=/opt/tandrel/win.wav\nWav1=/opt/tandrel/lose.wav\n"
                             "Win2=0\nStreak=0\nLongestStreak=0\nLoss3=0\nWin3=0\nWin0=0\n"
                             "[Bob]\nWin=4\nWin2=4\n");
    // The reset stays reset through the next game's write.
    PlayOut(next->g, 2, Level::Intermediate);
    ASSERT_TRUE(SaveSettings(next->g));
    LoadSettings(g);
    EXPECT_EQ(Figures(g), "0 1 | 0 0 0 0 | 0 1 0 0 | 0 0");
}

TEST_F(GameStoreTest, AFileFromBeforeTheFiguresReadsThemAsZeroAndKeepsWinLossAndItsForm)
{
    // Hand-edited nonsense reads as zero too; a longest streak below the current one as the current.
    const std::string older = "[Options]\r\nPlayer=Ann\r\n[Ann]\r\nWin=7\r\nLoss=2\r\nWin1=abc\r\nLoss2=-4\r\n"
                              "Streak=3\r\nLongestStreak=1x\r\n";
    WriteText(ini, older);
    LoadSettings(g);
    EXPECT_EQ(Figures(g), "7 2 | 0 0 0 0 | 0 0 0 0 | 3 3");
    ASSERT_TRUE(SaveSettings(g));
    const std::string saved = ReadText(ini), kept = older.substr(0, older.find("LongestStreak"));
    EXPECT_EQ(saved.substr(0, kept.size()), kept);
    EXPECT_NE(saved.find("\r\nLongestStreak=3\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("Win0"), std::string::npos) << "a zero the file lacks is not written";

    PlayOut(g, 1, Level::Intermediate);
    ASSERT_TRUE(SaveSettings(g));
    auto next = Next();
    LoadSettings(next->g);
    EXPECT_EQ(Figures(next->g), "8 2 | 0 1 0 0 | 0 0 0 0 | 4 4");
}

TEST_F(GameStoreTest, TwoCopiesFiguresAddUpALossBetweenEndsTheStreakAndAResetElsewhereHolds)
{
    WriteText(ini, "[Options]\nPlayer=Ann\n[Ann]\nWin=1\n");
    auto b = Next(); // the other copy
    LoadSettings(g);
    LoadSettings(b->g);
    PlayOut(g, 1, Level::Beginner);
    ASSERT_TRUE(SaveSettings(g));
    PlayOut(b->g, 1, Level::Beginner);
    PlayOut(b->g, 2, Level::Beginner);
    ASSERT_TRUE(SaveSettings(b->g));
    PlayOut(g, 1, Level::Expert); // two wins in a row here, but the other copy's loss came between
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(Figures(g), "4 1 | 2 0 1 0 | 1 0 0 0 | 1 1");

    ASSERT_TRUE(ResetStatistics(b->g));
    PlayOut(g, 1, Level::Expert);
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(Figures(g), "1 0 | 0 0 1 0 | 0 0 0 0 | 1 1");
}
