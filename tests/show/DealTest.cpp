// Dealing: the preset deals, the deal string, and what a new game starts from.
#include "engine/Deal.h"
#include "show/NewGame.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

using Deal = PositionTest;

TEST(TakeNumber, CutsDigitsOffTheFront)
{
    // An exhausted string gives 0 and stays empty; a short one is read but not consumed.
    const struct {
        const char* text;
        int digits, value;
        const char* left;
    } cases[] = {{"0537", 2, 5, "37"}, {"-01999", 3, -1, "999"}, {"x5", 2, 0, ""}, {"", 2, 0, ""}, {"7", 2, 7, "7"}};
    for (const auto& c : cases) {
        std::string s = c.text;
        EXPECT_EQ(TakeNumber(s, c.digits), c.value) << c.text;
        EXPECT_EQ(s, c.left) << c.text;
    }
}

// The first game of all, dealt over the remains of another, with the deal's slides on.
TEST_F(Deal, FirstGameIsPresetZeroFliesFromTheCornerAndEmptiesTheLastGamesRecords)
{
    Lay(g, "- | - | - | - ; - 4h");
    g.Undo = UndoStep{UndoKind::Load};
    g.SnapshotTaken = true;
    g.FlippedCard = 34;
    g.GamesDealt = 0;
    g.cfg.Animate = 1;
    NewGame(g, true);
    EXPECT_EQ(g.GamesDealt, 1);
    EXPECT_EQ(Table(g), "Qc | [4s] 3h | [Kd Ad] Js | [7s 8h 6h] 5c ; - - - - ; - (1) ; - (1)");
    EXPECT_EQ(std::tuple(g.Stock(1, 1), g.Stock(2, 1), g.Undo.has_value(), g.SnapshotTaken, g.FlippedCard),
              std::tuple(34, 48, false, false, 0));
    EXPECT_TRUE(Sound(g));
    EXPECT_EQ(Slides(view), (std::vector<Slide>{{2, 2, 10, 120}, {2, 2, 100, 120}, {2, 2, 190, 120},
                                                  {2, 2, 280, 120}, {2, 2, 100, 125}, {2, 2, 190, 125},
                                                  {2, 2, 280, 125}, {2, 2, 190, 130}, {2, 2, 280, 130},
                                                  {2, 2, 280, 135}}));
    EXPECT_EQ(g.cfg.Speed, 13); // the deal's own speed is given back
    // The status panel and the score board were drawn for the new table.
    EXPECT_GE(view.scoreBoards, 1);
}

TEST_F(Deal, DealStringDecodesBackAndTheCardsSplit)
{
    auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(g.DealString.size(), 104u);
        Game copy(view);
        copy.DealString = g.DealString;
        DeckFromDealString(copy);
        EXPECT_EQ(copy.Deck, g.Deck);
        NewGame(g, false);
        EXPECT_TRUE(Sound(g));
        int faceUp = 0, inDeck = 0;
        for (int p = 1; p <= 4; ++p) faceUp += g.Tableau(p, 1) != 0;
        for (int i = 2; i <= 53; ++i) inDeck += g.Deck(i) != 0;
        EXPECT_EQ(std::tuple(CardsLeft(g, 1), CardsLeft(g, 2), g.StockLevel(1), g.GameOver, faceUp, inDeck),
                  std::tuple(21, 21, 42, false, 4, 6));
    };
    for (int i = 0; i < 24; ++i) {
        g.GamesDealt = i;
        DealGame(g);
        check(PresetDeals[i]);
    }
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        ShuffleDeck(g, seed);
        check("shuffle");
    }
    g.GamesDealt = 24;
    DealGame(g);
    EXPECT_EQ(g.GamesDealt, 25);
    check("clock shuffle");
}
