// The saved game and the snapshot: records written, read back, cleared, and
// every kind of damage falling back to a new deal.
#include <algorithm>

#include "StoreFixture.h"
#include "engine/Deal.h"
#include "engine/Turn.h"
#include "engine/Undo.h"
#include "store/SavedGame.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

class SavedGameStore : public GameStoreTest {
protected:
    void SetUp() override
    {
        GameStoreTest::SetUp();
        WriteText(ini, "[Options]\nPlayer=Ann\n\n[Ann]\nWin=3\n");
    }
    std::string Read(const std::string& key) const { return GameStoreTest::Read("Ann", key); }
    void Put(const std::string& key, const std::string& value) const
    {
        ASSERT_TRUE(WriteProfileString(ini, "Ann", key, value));
    }
    void ExpectCleared(const std::string& prefix) const
    {
        for (int n = 1; n <= 11; ++n) EXPECT_EQ(Read(prefix + std::to_string(n)), "") << n;
    }

    // A game dealt from the first preset deal, with a few flips played.
    void PlaySomeFlips(int flips)
    {
        NewGame(g, true);
        for (int i = 0; i < flips; ++i) {
            g.FlippedCard = 0; // as after the player's turn comes round again
            FlipCards(g, 1);
        }
        ASSERT_TRUE(Sound(g));
    }

    // A table built card by card: an empty pile, a pile waiting for its
    // turn-up, foundations, and side 1 after one pass through its stock.
    void BuildHandMadeTable()
    {
        Lay(g, "- | [9c] | [4d 5d] Kh Qc Jd | [2s 3s 4s] 7d ; 5h Ac ; 2c . 3c 4c (2) ; 9s");
        g.StockEmpty(1) = true;
        g.StockPasses(1) = 1;
        g.StockLevel(1) = 0;
        ParkRest(g, 2);
        g.StockPos(2) = 1;
        g.cfg.FlipNum = 3;
        ASSERT_TRUE(Sound(g));
    }

};

} // namespace

TEST(FormatThree, WritesThreeCharactersHeldAtTheEnds)
{
    const std::pair<int, const char*> cases[] = {{0, "000"},    {7, "007"},     {100, "100"}, {999, "999"},
                                                 {-1, "-01"},   {-99, "-99"},   {1000, "999"}, {-100, "-99"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatThree(value), text) << value;
}

TEST_F(SavedGameStore, AHandMadeTableIsStoredInFixedWidthsAndComesBackExactly)
{
    BuildHandMadeTable();
    g.PickFirst = 2, g.PickLast = 3, g.PickPile = 3;
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::size_t widths[] = {60, 0, 104, 16, 8, 96, 36, 168, 168};
    for (int n : {1, 3, 4, 5, 6, 7, 8, 9}) EXPECT_EQ(Read("Save" + std::to_string(n)).size(), widths[n - 1]) << n;
    const std::string rec1 = Read("Save1");
    EXPECT_EQ(rec1.substr(0, 3), "000");  // StockLevel of side 1
    EXPECT_EQ(rec1.substr(3, 3), "-01");  // its stock passed through: True
    EXPECT_EQ(rec1.substr(24, 3), "000"); // side 2 not passed through
    EXPECT_EQ(rec1.substr(42, 3), "000"); // GameOver
    EXPECT_EQ(rec1.substr(45, 3), "003"); // FlipNum
    const std::string rec7 = Read("Save7");
    EXPECT_EQ(rec7.substr(0, 9), "100010100"); // empty pile 1: code 100, x 10, y 100
    EXPECT_EQ(rec7.substr(9, 9), "-01100120"); // pile 2 waits for its turn-up
    EXPECT_EQ(Read("Save5"), "00010203");
    EXPECT_EQ(Read("Win"), "3"); // the rest of the section untouched

    const auto next = Next();
    next->g.FlippedCard = 17;
    next->g.GameOver = true;
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(g, next->g));
    EXPECT_EQ(next->g.FlippedCard, 0);
    EXPECT_FALSE(next->g.GameOver);
    EXPECT_EQ(std::pair(next->view.scoreBoards, next->view.statusPanels), std::pair(1, 1));
    EXPECT_TRUE(Sound(next->g));
}

TEST_F(SavedGameStore, NoRecordOrAFinishedGameDealsANewGame)
{
    EXPECT_FALSE(RestoreGame(g, "Save"));
    EXPECT_EQ(g.GamesDealt, 1);
    PlaySomeFlips(1);
    ASSERT_TRUE(SaveGame(g, "Save"));
    g.GameOver = true;
    ASSERT_TRUE(SaveGame(g, "Save"));
    ExpectCleared("Save");
    const auto next = Next();
    EXPECT_FALSE(RestoreGame(next->g, "Save"));
    EXPECT_EQ(next->g.GamesDealt, 1); // a new game was dealt instead
    EXPECT_TRUE(Sound(next->g));
    EXPECT_FALSE(next->g.GameOver);
}

TEST_F(SavedGameStore, ANewGameEmptiesTheSnapshot)
{
    PlaySomeFlips(1);
    ASSERT_TRUE(SaveGame(g, "Snap"));
    g.hooks.ClearSnapshot = ClearStoredSnapshot;
    NewGame(g, true);
    ExpectCleared("Snap");
    EXPECT_EQ(Read("Win"), "3");
}

// Each damage is made to a good record; the game must fall back to the very
// deal a missing record gives, with nothing of the damaged record left over.
TEST_F(SavedGameStore, DamagedRecordsFallBackToANewGame)
{
    BuildHandMadeTable();
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::string rec1 = Read("Save1"), rec3 = Read("Save3"), rec6 = Read("Save6"), rec8 = Read("Save8");

    auto swapped = [](std::string s, std::size_t at, const std::string& with) { return s.replace(at, with.size(), with); };
    const std::pair<std::string, std::string> damages[] = {
        {"Save1", rec1.substr(0, 30)},      // cut short
        {"Save1", swapped(rec1, 3, "005")},  // StockEmpty neither True nor False
        {"Save1", swapped(rec1, 18, "050")}, // WasteCount beyond the waste
        {"Save1", swapped(rec1, 6, "099")},  // StockPos beyond the stock
        {"Save1", swapped(rec1, 45, "007")}, // FlipNum
        {"Save1", swapped(rec1, 57, "099")}, // DragCard not a card
        {"Save1", swapped(rec1, 54, "009")}, // PickPile
        {"Save1", "x"},
        {"Save3", ""},                   // the face-down cards gone
        {"Save3", swapped(rec3, 0, "-5")}, // a dealt position holding no card code
        {"Save6", swapped(rec6, 0, "99")}, // not a card code
        {"Save6", swapped(rec6, 54, rec6.substr(48, 2))}, // a card twice
        {"Save7", "abc"},
        {"Save8", rec8.substr(0, 100)},
        {"Save8", swapped(rec8, 0, "-1")},
        {"Save9", std::string(168, '9')},
    };
    for (const auto& [key, value] : damages) {
        SCOPED_TRACE(key + "=" + value);
        ASSERT_TRUE(SaveGame(g, "Save"));
        Put(key, value);
        const auto damaged = Next(), fresh = Next();
        damaged->g.GamesDealt = fresh->g.GamesDealt = 5;
        bool restored = true;
        EXPECT_NO_THROW(restored = RestoreGame(damaged->g, "Save"));
        EXPECT_FALSE(restored);
        NewGame(fresh->g, true);
        EXPECT_TRUE(SameRecord(damaged->g, fresh->g));
        EXPECT_TRUE(Sound(damaged->g));
    }
}

TEST_F(SavedGameStore, AnUndoRecordThatDoesNotFitTheTableIsDropped)
{
    PlaySomeFlips(2);
    ASSERT_TRUE(SaveGame(g, "Save"));
    // Playing these back would put cards that are not there onto the table.
    const int notOnPile1 = g.Tableau(2, 1);
    const std::string foreignCard = "31" + std::string(notOnPile1 < 10 ? "0" : "") + std::to_string(notOnPile1);
    for (const std::string& undo : {std::string("299099129909912"), foreignCard, std::string("7"),
                                    std::string("1x"), std::string(300, '2')}) {
        Put("Save2", undo);
        const auto next = Next();
        ASSERT_TRUE(RestoreGame(next->g, "Save")) << undo;
        EXPECT_EQ(next->g.UndoRecord, "") << undo;
        EXPECT_TRUE(SameRecord(g, next->g));
    }
    // Well formed, but foundation 1's next card is not on pile 4: taking it
    // back would put a second copy of that card on the foundation.
    BuildHandMadeTable();
    g.UndoRecord = "50104";
    ASSERT_TRUE(SaveGame(g, "Save"));
    const auto next = Next();
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_EQ(next->g.UndoRecord, "");
    EXPECT_TRUE(SameRecord(g, next->g));
}

TEST_F(SavedGameStore, QuittingWithAutoSaveBringsTheSameTableBack)
{
    g.cfg.AutoSave = 1;
    g.Wins = 4;
    PlaySomeFlips(3);
    ASSERT_TRUE(StoreOnExit(g));
    EXPECT_EQ(ReadProfileString(ini, "Options", "Player", ""), "Ann");
    EXPECT_EQ(Read("Win") + " " + Read("AutoSave"), "4 1");
    const auto next = Next();
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(g, next->g));
    EXPECT_EQ(next->g.UndoRecord, g.UndoRecord);

    // Quitting after the game ended leaves the record present and empty.
    g.GameOver = true;
    ASSERT_TRUE(StoreOnExit(g));
    ExpectCleared("Save");

    // Without AutoSave the record is left as it was.
    g.cfg.AutoSave = 0;
    g.GameOver = false;
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::string rec1 = Read("Save1");
    g.GameOver = true;
    ASSERT_TRUE(StoreOnExit(g));
    EXPECT_EQ(Read("Save1"), rec1);
}

TEST_F(SavedGameStore, AFailedSaveIsReported)
{
    PlaySomeFlips(1);
    g.cfg.SettingsFile = Path("missing/duelpat.ini");
    EXPECT_FALSE(SaveGame(g, "Save"));
    EXPECT_FALSE(ClearGame(g, "Save"));
    g.cfg.SettingsFile = ini;
    g.cfg.CurrentPlayer = ""; // no section to write to
    EXPECT_FALSE(SaveGame(g, "Save"));
}
