// Two copies of the program writing one settings file, and hand edits made
// while one plays: every write keeps what the others wrote.
#include <thread>

#include "StoreFixture.h"
#include "engine/Deal.h"
#include "engine/Move.h"
#include "store/FileLock.h"
#include "store/Players.h"
#include "store/SavedGame.h"
#include "store/SettingsFile.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

class TwoCopies : public GameStoreTest {
protected:
    void SetUp() override
    {
        GameStoreTest::SetUp();
        WriteText(ini, "; kept\n[Options]\nPlayer=Ann\n\n[Ann]\nWin=3\nLoss=1\nFlipNum=1\n\n[Bob]\nWin=9\n");
        for (Game* game : {&g, &b.g}) {
            Prepare(*game);
            game->hooks.GamesDealtChanged = KeepGamesDealt;
            game->hooks.ClearSnapshot = ClearStoredSnapshot;
            LoadSettings(*game);
        }
    }
    TestGame b; // the other copy
};

} // namespace

TEST_F(TwoCopies, SettingsAndCountsOfBothWritersAndAHandEditAllStay)
{
    ++g.Wins, g.cfg.FlipNum = 3, g.cfg.Speed = 20;
    ASSERT_TRUE(SaveSettings(g));
    ++b.g.Losses, b.g.cfg.ComputerLevel = Level::Beginner, b.g.cfg.Speed = 5;
    ASSERT_TRUE(StoreOnExit(b.g));
    EXPECT_EQ(std::tuple(Read("Ann", "Win"), Read("Ann", "Loss"), Read("Ann", "FlipNum"), Read("Ann", "Style")),
              std::tuple("4", "2", "3", "0"));
    EXPECT_EQ(Read("Ann", "Speed"), "5"); // both changed it: the last writer wins
    EXPECT_EQ(std::pair(b.g.Wins, b.g.Losses), std::pair(4, 2)); // memory shows the file's totals
    EXPECT_EQ(b.g.cfg.FlipNum, 1);                                // a setting is not taken over

    // A hand edit while the game runs, then a finished game: both count.
    ASSERT_TRUE(WriteProfileString(ini, "Ann", "Win", "10"));
    ++g.Wins;
    ASSERT_TRUE(SaveSettings(g));
    EXPECT_EQ(Read("Ann", "Win"), "11");
    EXPECT_EQ(std::pair(g.Wins, g.Losses), std::pair(11, 2));
    ASSERT_TRUE(SaveSettings(g)); // nothing new counted: nothing added twice
    EXPECT_EQ(Read("Ann", "Win"), "11");
    EXPECT_EQ(ReadText(ini).substr(0, 7), "; kept\n");

    // Deals of both copies add to the one count.
    DealNewGame(g, true);
    DealNewGame(b.g, true);
    EXPECT_EQ(LoadGamesDealt(g.GamesDealtFile), 2);
    EXPECT_EQ(b.g.GamesDealt, 2);
}

TEST_F(TwoCopies, AGameRecordIsWrittenWholeAndNeverEmptiedUnderAnotherWriter)
{
    DealNewGame(g, true);
    Apply(g, FlipMove(1));
    g.cfg.AutoSave = 1;
    ASSERT_TRUE(StoreOnExit(g));
    // The other copy has no game on its table: its empty record leaves this one's alone.
    b.g.GameOver = true;
    b.g.cfg.AutoSave = 1;
    ASSERT_TRUE(StoreOnExit(b.g));
    auto next = Next();
    LoadSettings(next->g);
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(next->g, g));

    // A copy that restored the game and changed only its undo record writes all
    // of its own record, never one half-mixed with the other copy's.
    ASSERT_TRUE(RestoreGame(b.g, "Save"));
    b.g.Undo.reset();
    g.FlippedCard = 0;
    Apply(g, FlipMove(1));
    ASSERT_TRUE(SaveGame(g, "Save"));
    ASSERT_TRUE(SaveGame(b.g, "Save"));
    next = Next();
    LoadSettings(next->g);
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(next->g, b.g));

    // A snapshot taken since survives the other copy's new game, even one that
    // had a snapshot of its own; its own new game empties it.
    ASSERT_TRUE(SaveGame(g, "Snap"));
    ASSERT_TRUE(SaveGame(b.g, "Snap"));
    DealNewGame(g, true);
    EXPECT_NE(Read("Ann", "Snap1"), "");
    DealNewGame(b.g, true);
    EXPECT_EQ(Read("Ann", "Snap1"), "");
}

TEST_F(TwoCopies, PlayersAddedAndRemovedElsewhereStaySo)
{
    ASSERT_TRUE(AddPlayer(b.g, "Carl"));
    view.answers = {MsgAnswer::Yes};
    ASSERT_EQ(RemovePlayer(g, "Bob"), RemoveResult::Removed);
    ++g.Wins;
    ASSERT_TRUE(StoreOnExit(g));
    EXPECT_EQ(ListPlayers(ini, "Carl").names, (std::vector<std::string>{"Ann", "Carl"}));
    EXPECT_EQ(Read("Options", "Player"), "Carl"); // the last player chosen, by either copy
    EXPECT_EQ(Read("Ann", "Win"), "4");
}

// Many writes from two threads at once: with the lock no count is lost, and a
// lock held for good delays a write but does not stop it.
TEST_F(TwoCopies, InterleavedWritersLoseNoGameAndAStuckLockLosesNoWrite)
{
    constexpr int Games = 40;
    std::thread other([&] {
        for (int i = 0; i < Games; ++i) ++b.g.Losses, SaveSettings(b.g);
    });
    for (int i = 0; i < Games; ++i) ++g.Wins, SaveSettings(g);
    other.join();
    EXPECT_EQ(std::pair(Read("Ann", "Win"), Read("Ann", "Loss")),
              std::pair(std::to_string(3 + Games), std::to_string(1 + Games)));

    const FileLock stuck(ini);
    ASSERT_TRUE(stuck.Held());
    ++g.Wins;
    EXPECT_TRUE(SaveSettings(g));
    EXPECT_EQ(Read("Ann", "Win"), std::to_string(4 + Games));
}
