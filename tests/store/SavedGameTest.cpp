#include <gtest/gtest.h>

#include <algorithm>

#include "StoreFixture.h"
#include "engine/Cards.h"
#include "engine/Deal.h"
#include "engine/Position.h"
#include "engine/Turn.h"
#include "engine/Undo.h"
#include "store/Profile.h"
#include "store/SavedGame.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Everything a record holds, compared field by field.
void ExpectSameTable(const Game& a, const Game& b)
{
    EXPECT_TRUE(a.Stock == b.Stock);
    EXPECT_TRUE(a.Waste == b.Waste);
    EXPECT_TRUE(a.StockPos == b.StockPos);
    EXPECT_TRUE(a.StockLevel == b.StockLevel);
    EXPECT_TRUE(a.StockEmpty == b.StockEmpty);
    EXPECT_TRUE(a.StockPasses == b.StockPasses);
    EXPECT_TRUE(a.WasteCount == b.WasteCount);
    EXPECT_TRUE(a.WasteCards == b.WasteCards);
    EXPECT_TRUE(a.WasteFan == b.WasteFan);
    EXPECT_TRUE(a.CardsLeft == b.CardsLeft);
    EXPECT_TRUE(a.Foundation == b.Foundation);
    EXPECT_TRUE(a.Tableau == b.Tableau);
    EXPECT_TRUE(a.TableauTop == b.TableauTop);
    EXPECT_TRUE(a.TableauFaceDown == b.TableauFaceDown);
    EXPECT_TRUE(a.Deck == b.Deck);
    EXPECT_EQ(a.cfg.FlipNum, b.cfg.FlipNum);
    EXPECT_EQ(a.PickFirst, b.PickFirst);
    EXPECT_EQ(a.PickLast, b.PickLast);
    EXPECT_EQ(a.PickPile, b.PickPile);
    EXPECT_EQ(a.DragCard, b.DragCard);
}

class SavedGameStore : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ini = Path("duelpat.ini");
        WriteText(ini, "[Options]\nPlayer=Ann\n\n[Ann]\nWin=3\n");
        Prepare(t.g);
    }
    void Prepare(Game& g) const
    {
        g.cfg.SettingsFile = ini;
        g.cfg.CurrentPlayer = "Ann";
        g.GamesDealt = 0;
    }
    std::string Read(const std::string& key) const { return ReadProfileString(ini, "Ann", key, "<missing>"); }
    void Put(const std::string& key, const std::string& value) const
    {
        ASSERT_TRUE(WriteProfileString(ini, "Ann", key, value));
    }

    // A game dealt from the first preset deal, with a few flips played.
    void PlaySomeFlips(Game& g, int flips)
    {
        NewGame(g, true);
        for (int i = 0; i < flips; ++i) {
            g.FlippedCard = 0;  // as after the player's turn comes round again
            FlipCards(g, 1);
        }
        ASSERT_TRUE(CheckPosition(g));
    }

    // A table built card by card: an empty pile, a pile waiting for its
    // turn-up, foundations, and side 1 after one pass through its stock.
    void BuildHandMadeTable(Game& g)
    {
        ClearTable(g);
        SetPile(g, 1, {}, {});
        SetPile(g, 2, {Card(1, 9)}, {});
        SetPile(g, 3, {Card(2, 4), Card(2, 5)}, {Card(3, 13), Card(1, 12), Card(2, 11)});
        SetPile(g, 4, {Card(4, 2), Card(4, 3), Card(4, 4)}, {Card(2, 7)});
        SetFoundation(g, 1, Card(3, 5));
        SetFoundation(g, 2, Card(1, 1));
        SetWaste(g, 1, {Card(1, 2), 0, Card(1, 3), Card(1, 4)}, 2);
        g.WasteCards(1) = 3;
        g.StockEmpty(1) = true;
        g.StockPasses(1) = 1;
        g.StockLevel(1) = 0;
        SetWaste(g, 2, {Card(4, 9)}, 1);
        ParkRest(g, 2);
        g.StockPos(2) = 1;
        g.cfg.FlipNum = 3;
        g.UndoRecord.clear();
        ASSERT_TRUE(CheckPosition(g));
    }

    TestGame t;
    std::string ini;
};

} // namespace

TEST(FormatThree, WritesThreeCharacters)
{
    EXPECT_EQ(FormatThree(0), "000");
    EXPECT_EQ(FormatThree(7), "007");
    EXPECT_EQ(FormatThree(100), "100");
    EXPECT_EQ(FormatThree(999), "999");
    EXPECT_EQ(FormatThree(-1), "-01");
    EXPECT_EQ(FormatThree(-99), "-99");
    // Held at the ends, so a record never loses its width.
    EXPECT_EQ(FormatThree(1000), "999");
    EXPECT_EQ(FormatThree(-100), "-99");
}

TEST_F(SavedGameStore, RecordsHaveTheirFixedWidths)
{
    Game& g = t.g;
    BuildHandMadeTable(g);
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::size_t widths[] = {60, 0, 104, 16, 8, 96, 36, 168, 168};
    for (int n = 1; n <= 9; ++n)
        if (n != 2) {
            EXPECT_EQ(Read("Save" + std::to_string(n)).size(), widths[n - 1]) << n;
        }
    const std::string rec1 = Read("Save1");
    EXPECT_EQ(rec1.substr(0, 3), "000");  // StockLevel of side 1
    EXPECT_EQ(rec1.substr(3, 3), "-01");  // its stock passed through: True
    EXPECT_EQ(rec1.substr(24, 3), "000"); // side 2 not passed through
    EXPECT_EQ(rec1.substr(42, 3), "000"); // GameOver
    EXPECT_EQ(rec1.substr(45, 3), "003"); // FlipNum
    const std::string rec7 = Read("Save7");
    EXPECT_EQ(rec7.substr(0, 9), "100010100");  // empty pile 1: code 100, x 10, y 100
    EXPECT_EQ(rec7.substr(9, 9), "-01100120");  // pile 2 waits for its turn-up
    EXPECT_EQ(Read("Save5"), "00010203");
    EXPECT_EQ(Read("Win"), "3");  // the rest of the section untouched
}

TEST_F(SavedGameStore, AHandMadeTableComesBackExactly)
{
    Game& g = t.g;
    BuildHandMadeTable(g);
    g.PickFirst = 2, g.PickLast = 3, g.PickPile = 3;
    ASSERT_TRUE(SaveGame(g, "Snap"));

    TestGame other;
    Prepare(other.g);
    other.g.FlippedCard = 17;
    other.g.GameOver = true;
    ASSERT_TRUE(RestoreGame(other.g, "Snap"));
    ExpectSameTable(g, other.g);
    EXPECT_EQ(other.g.FlippedCard, 0);
    EXPECT_FALSE(other.g.GameOver);
    EXPECT_EQ(other.view.scoreBoards, 1);
    EXPECT_EQ(other.view.statusPanels, 1);
    EXPECT_TRUE(CheckPosition(other.g));
}

TEST_F(SavedGameStore, APlayedGameComesBackWithItsUndo)
{
    Game& g = t.g;
    PlaySomeFlips(g, 3);
    ASSERT_FALSE(g.UndoRecord.empty());
    ASSERT_TRUE(SaveGame(g, "Save"));
    EXPECT_EQ(Read("Save2"), g.UndoRecord);

    TestGame other;
    Prepare(other.g);
    ASSERT_TRUE(RestoreGame(other.g, "Save"));
    ExpectSameTable(g, other.g);
    EXPECT_EQ(other.g.UndoRecord, g.UndoRecord);
    // Taking the last move back works the same on both tables.
    UndoMove(g);
    UndoMove(other.g);
    ExpectSameTable(g, other.g);
    EXPECT_TRUE(CheckPosition(other.g));
    // Restoring does not change the count of games dealt.
    EXPECT_EQ(other.g.GamesDealt, 0);
}

TEST_F(SavedGameStore, RecordsStayReadableInAWindowsFile)
{
    Game& g = t.g;
    WriteText(ini, "[Options]\r\nPlayer=Ann\r\n\r\n[Ann]\r\nWin=3\r\nBackImage=C:\\WINDOWS\\Clouds.bmp\r\n");
    PlaySomeFlips(g, 2);
    ASSERT_TRUE(SaveGame(g, "Save"));
    const std::string text = ReadText(ini);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
    TestGame other;
    Prepare(other.g);
    ASSERT_TRUE(RestoreGame(other.g, "Save"));
    ExpectSameTable(g, other.g);
}

TEST_F(SavedGameStore, AFinishedGameIsClearedNotSaved)
{
    Game& g = t.g;
    PlaySomeFlips(g, 1);
    ASSERT_TRUE(SaveGame(g, "Save"));
    g.GameOver = true;
    ASSERT_TRUE(SaveGame(g, "Save"));
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(Read("Save" + std::to_string(n)), "") << n;

    TestGame other;
    Prepare(other.g);
    EXPECT_FALSE(RestoreGame(other.g, "Save"));
    EXPECT_EQ(other.g.GamesDealt, 1);  // a new game was dealt instead
    EXPECT_TRUE(CheckPosition(other.g));
    EXPECT_FALSE(other.g.GameOver);
}

TEST_F(SavedGameStore, ANewGameEmptiesTheSnapshot)
{
    Game& g = t.g;
    PlaySomeFlips(g, 1);
    ASSERT_TRUE(SaveGame(g, "Snap"));
    g.hooks.ClearSnapshot = ClearStoredSnapshot;
    NewGame(g, true);
    EXPECT_EQ(Read("Snap1"), "");
    EXPECT_EQ(Read("Snap11"), "");
    EXPECT_EQ(Read("Win"), "3");
}

TEST_F(SavedGameStore, NoRecordDealsANewGame)
{
    Game& g = t.g;
    EXPECT_FALSE(RestoreGame(g, "Save"));
    EXPECT_EQ(g.GamesDealt, 1);
    EXPECT_TRUE(CheckPosition(g));
    Put("Save1", "");
    EXPECT_FALSE(RestoreGame(g, "Save"));
    EXPECT_EQ(g.GamesDealt, 2);
}

// Each damage is made to a good record; the game must fall back to the very
// deal a missing record gives, with nothing of the damaged record left over.
TEST_F(SavedGameStore, DamagedRecordsFallBackToANewGame)
{
    Game& saved = t.g;
    BuildHandMadeTable(saved);
    ASSERT_TRUE(SaveGame(saved, "Save"));
    const std::string rec1 = Read("Save1"), rec3 = Read("Save3"), rec6 = Read("Save6"), rec8 = Read("Save8");

    auto swapped = [](std::string s, std::size_t at, const std::string& with) { return s.replace(at, with.size(), with); };
    const std::vector<std::pair<std::string, std::string>> damages = {
        {"Save1", rec1.substr(0, 30)},                // cut short
        {"Save1", swapped(rec1, 3, "005")},           // StockEmpty neither True nor False
        {"Save1", swapped(rec1, 18, "050")},          // WasteCount beyond the waste
        {"Save1", swapped(rec1, 6, "099")},           // StockPos beyond the stock
        {"Save1", swapped(rec1, 45, "007")},          // FlipNum
        {"Save1", swapped(rec1, 57, "099")},          // DragCard not a card
        {"Save1", swapped(rec1, 54, "009")},          // PickPile
        {"Save1", "x"},
        {"Save3", ""},                                 // the face-down cards gone
        {"Save3", swapped(rec3, 0, "-5")},            // a dealt position holding no card code
        {"Save6", swapped(rec6, 0, "99")},            // not a card code
        {"Save6", swapped(rec6, 54, rec6.substr(48, 2))},  // a card twice
        {"Save7", "abc"},
        {"Save8", rec8.substr(0, 100)},
        {"Save8", swapped(rec8, 0, "-1")},
        {"Save9", std::string(168, '9')},
    };
    for (const auto& [key, value] : damages) {
        ASSERT_TRUE(SaveGame(saved, "Save"));
        Put(key, value);
        TestGame damaged, fresh;
        Prepare(damaged.g);
        Prepare(fresh.g);
        damaged.g.GamesDealt = fresh.g.GamesDealt = 5;
        bool restored = true;
        EXPECT_NO_THROW(restored = RestoreGame(damaged.g, "Save")) << key << "=" << value;
        EXPECT_FALSE(restored) << key << "=" << value;
        NewGame(fresh.g, true);
        ExpectSameTable(damaged.g, fresh.g);
        EXPECT_TRUE(CheckPosition(damaged.g)) << key << "=" << value;
    }
}

TEST_F(SavedGameStore, AnUndoRecordThatDoesNotFitTheTableIsDropped)
{
    Game& g = t.g;
    PlaySomeFlips(g, 2);
    ASSERT_TRUE(SaveGame(g, "Save"));
    // Playing these back would put cards that are not there onto the table.
    const int notOnPile1 = g.Tableau(2, 1);
    const std::string foreignCard = "31" + std::string(notOnPile1 < 10 ? "0" : "") + std::to_string(notOnPile1);
    for (const std::string& undo : {std::string("299099129909912"), foreignCard, std::string("7"),
                                    std::string("1x"), std::string(300, '2')}) {
        Put("Save2", undo);
        TestGame other;
        Prepare(other.g);
        ASSERT_TRUE(RestoreGame(other.g, "Save")) << undo;
        EXPECT_EQ(other.g.UndoRecord, "") << undo;
        ExpectSameTable(g, other.g);
    }
}

TEST_F(SavedGameStore, AnUndoThatWouldBreakTheTableIsDropped)
{
    Game& g = t.g;
    BuildHandMadeTable(g);
    // Well formed, but foundation 1's next card is not on pile 4: taking it
    // back would put a second copy of that card on the foundation.
    g.UndoRecord = "50104";
    ASSERT_TRUE(SaveGame(g, "Save"));
    TestGame other;
    Prepare(other.g);
    ASSERT_TRUE(RestoreGame(other.g, "Save"));
    EXPECT_EQ(other.g.UndoRecord, "");
    ExpectSameTable(g, other.g);
}

TEST_F(SavedGameStore, QuittingWithAutoSaveBringsTheSameTableBack)
{
    Game& g = t.g;
    g.cfg.AutoSave = 1;
    g.Wins = 4;
    PlaySomeFlips(g, 3);
    ASSERT_TRUE(StoreOnExit(g));
    EXPECT_EQ(ReadProfileString(ini, "Options", "Player", ""), "Ann");
    EXPECT_EQ(Read("Win"), "4");
    EXPECT_EQ(Read("AutoSave"), "1");

    TestGame next;
    Prepare(next.g);
    ASSERT_TRUE(RestoreGame(next.g, "Save"));
    ExpectSameTable(g, next.g);
    EXPECT_EQ(next.g.UndoRecord, g.UndoRecord);

    // Quitting after the game ended leaves the record present and empty.
    g.GameOver = true;
    ASSERT_TRUE(StoreOnExit(g));
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(Read("Save" + std::to_string(n)), "") << n;

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
    Game& g = t.g;
    PlaySomeFlips(g, 1);
    g.cfg.SettingsFile = Path("missing/duelpat.ini");
    EXPECT_FALSE(SaveGame(g, "Save"));
    EXPECT_FALSE(ClearGame(g, "Save"));
    g.cfg.SettingsFile = ini;
    g.cfg.CurrentPlayer = "";  // no section to write to
    EXPECT_FALSE(SaveGame(g, "Save"));
}
