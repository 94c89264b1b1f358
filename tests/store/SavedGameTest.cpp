// The saved game and the snapshot: records written, read back, cleared, and
// every kind of damage falling back to a new deal.
#include <cstring>
#include <tuple>

#include "StoreFixture.h"
#include "engine/Deal.h"
#include "engine/Move.h"
#include "engine/Undo.h"
#include "store/SavedGame.h"

using namespace tandrel;
using namespace tandrel::testing;
using namespace std::string_literals;

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
        DealNewGame(g, true);
        for (int i = 0; i < flips; ++i) {
            g.FlippedCard = 0; // as after the player's turn comes round again
            Apply(g, FlipMove(1));
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
    // Side 1's StockLevel and its stock passed through (True), side 2 not passed through, GameOver,
    // FlipNum; an empty pile 1 (code 100, x 10, y 100) and pile 2 waiting for its turn-up.
    const std::tuple<const char*, int, const char*> fields[] = {
        {"Save1", 0, "000"}, {"Save1", 3, "-01"}, {"Save1", 24, "000"}, {"Save1", 42, "000"},
        {"Save1", 45, "003"}, {"Save7", 0, "100010100"}, {"Save7", 9, "-01100120"}};
    for (const auto& [key, at, text] : fields) EXPECT_EQ(Read(key).substr(at, std::strlen(text)), text) << key << at;
    EXPECT_EQ(Read("Save5"), "00010203");
    EXPECT_EQ(Read("Win"), "3"); // the rest of the section untouched

    const auto next = Next();
    next->g.FlippedCard = 17;
    next->g.FlipsThisTurn = 2; // flips of the game before count for nothing here
    next->g.GameOver = true;
    ASSERT_TRUE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(g, next->g));
    EXPECT_EQ(std::pair(next->g.FlippedCard, next->g.FlipsThisTurn), std::pair(0, 0));
    EXPECT_FALSE(next->g.GameOver);
    EXPECT_TRUE(Sound(next->g));
}

TEST_F(SavedGameStore, NoRecordOrAFinishedGameRestoresNothingAndANewGameEmptiesTheSnapshot)
{
    EXPECT_FALSE(RestoreGame(g, "Save"));
    DealNewGame(g, true);
    PlaySomeFlips(1);
    ASSERT_TRUE(SaveGame(g, "Save") && SaveGame(g, "Snap"));
    g.GameOver = true;
    ASSERT_TRUE(SaveGame(g, "Save"));
    ExpectCleared("Save");
    const auto next = Next();
    const Game untouched = next->g;
    EXPECT_FALSE(RestoreGame(next->g, "Save"));
    EXPECT_TRUE(SameRecord(next->g, untouched));

    g.hooks.ClearSnapshot = ClearStoredSnapshot;
    DealNewGame(g, true);
    ExpectCleared("Snap");
    EXPECT_EQ(Read("Win"), "3");
}

// Each damage is made to a good record; the game must stay as it was, with
// nothing of the damaged record taken in.
TEST_F(SavedGameStore, DamagedRecordsLeaveTheGameAsItWas)
{
    BuildHandMadeTable();
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::string rec1 = Read("Save1"), rec3 = Read("Save3"), rec6 = Read("Save6"), rec8 = Read("Save8");

    auto swapped = [](std::string s, std::size_t at, const std::string& with) { return s.replace(at, with.size(), with); };
    const std::pair<std::string, std::string> damages[] = {
        {"Save1", rec1.substr(0, 30)}, {"Save1", "x"},                    // cut short, not a record
        {"Save1", swapped(rec1, 3, "005")},                               // StockEmpty neither True nor False
        {"Save1", swapped(rec1, 18, "050")}, {"Save1", swapped(rec1, 6, "099")}, // WasteCount, StockPos beyond
        {"Save1", swapped(rec1, 45, "007")}, {"Save1", swapped(rec1, 54, "009")}, // FlipNum, PickPile
        {"Save1", swapped(rec1, 57, "099")},                              // DragCard not a card
        {"Save3", ""}, {"Save3", swapped(rec3, 0, "-5")}, // the face-down cards gone; a dealt position holding none
        {"Save6", swapped(rec6, 0, "99")}, {"Save6", swapped(rec6, 54, rec6.substr(48, 2))}, // no card; a card twice
        {"Save7", "abc"}, {"Save8", rec8.substr(0, 100)}, {"Save8", swapped(rec8, 0, "-1")},
        {"Save9", std::string(168, '9')},
    };
    for (const auto& [key, value] : damages) {
        SCOPED_TRACE(key + "=" + value);
        ASSERT_TRUE(SaveGame(g, "Save"));
        Put(key, value);
        const auto damaged = Next();
        DealNewGame(damaged->g, true);
        const Game before = damaged->g;
        bool restored = true;
        EXPECT_NO_THROW(restored = RestoreGame(damaged->g, "Save"));
        EXPECT_FALSE(restored);
        EXPECT_TRUE(SameRecord(damaged->g, before));
    }
}

TEST_F(SavedGameStore, AnUndoRecordThatDoesNotFitTheTableIsDropped)
{
    BuildHandMadeTable();
    ASSERT_TRUE(SaveGame(g, "Save"));
    // Playing these back would put cards that are not there onto the table: the queen of clubs
    // (12) lies on pile 3, not pile 1; foundation 1's next card is not on pile 4, so taking it
    // back would put a second copy of that card on the foundation.
    for (const std::string& undo : {"299099129909912"s, "3112"s, "50104"s, "7"s, "1x"s, std::string(300, '2')}) {
        Put("Save2", undo);
        const auto next = Next();
        ASSERT_TRUE(RestoreGame(next->g, "Save")) << undo;
        EXPECT_FALSE(next->g.Undo) << undo;
        EXPECT_TRUE(SameRecord(g, next->g));
    }
}

TEST_F(SavedGameStore, QuittingWithAutoSaveBringsTheSameTableBackAndAFailedSaveIsReported)
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
    EXPECT_EQ(next->g.Undo, g.Undo);

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

    g.GameOver = false;
    g.cfg.SettingsFile = Path("missing/duelpat.ini");
    EXPECT_FALSE(SaveGame(g, "Save"));
    EXPECT_FALSE(ClearGame(g, "Save"));
    g.cfg.SettingsFile = ini;
    g.cfg.CurrentPlayer = ""; // no section to write to
    EXPECT_FALSE(SaveGame(g, "Save"));
}
