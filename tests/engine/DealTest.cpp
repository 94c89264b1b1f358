// Dealing: the preset deals, the deal string, and what a new game starts from.
#include "engine/Deal.h"
#include "engine/Turn.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

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

TEST(Deal, FirstGameIsPresetZero)
{
    TestGame t;
    Game& g = t.g;
    g.GamesDealt = 0;
    NewGame(g, true);
    EXPECT_EQ(g.GamesDealt, 1);
    EXPECT_EQ(Table(g), "Qc | [4s] 3h | [Kd Ad] Js | [7s 8h 6h] 5c ; - - - - ; - (1) ; - (1)");
    EXPECT_EQ(g.Stock(1, 1), 34);
    EXPECT_EQ(g.Stock(2, 1), 48);
    EXPECT_TRUE(Sound(g));
}

TEST(Deal, DealStringDecodesBackAndTheCardsSplit)
{
    TestGame t;
    Game& g = t.g;
    auto check = [&](const char* what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(g.DealString.size(), 104u);
        Game copy(t.view);
        copy.DealString = g.DealString;
        DeckFromDealString(copy);
        EXPECT_EQ(copy.Deck, g.Deck);
        NewGame(g, false);
        EXPECT_TRUE(Sound(g));
        EXPECT_EQ(g.CardsLeft(1), 21);
        EXPECT_EQ(g.CardsLeft(2), 21);
        EXPECT_EQ(g.StockLevel(1), 42);
        EXPECT_FALSE(g.GameOver);
        int faceUp = 0, inDeck = 0;
        for (int p = 1; p <= 4; ++p) faceUp += g.Tableau(p, 1) != 0;
        for (int i = 2; i <= 53; ++i) inDeck += g.Deck(i) != 0;
        EXPECT_EQ(faceUp, 4);
        EXPECT_EQ(inDeck, 6);
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

TEST(Deal, NewGameEmptiesTheLastGamesRecords)
{
    TestGame t;
    Game& g = t.g;
    SetFoundation(g, 2, Card(Hearts, 4));
    g.UndoRecord = "3227";
    g.SnapshotTaken = true;
    g.FlippedCard = 34;
    NewGame(g, true);
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_FALSE(g.SnapshotTaken);
    EXPECT_EQ(g.FlippedCard, 0);
    EXPECT_TRUE(Sound(g));
    // The status panel and the score board were drawn for the new table.
    EXPECT_GE(t.view.scoreBoards, 1);
}

TEST(Deal, DealAnimationFliesEveryTableauCardFromTheCorner)
{
    TestGame t;
    t.g.cfg.Animate = 1;
    NewGame(t.g, true);
    EXPECT_EQ(Slides(t.view), (std::vector<Slide>{{2, 2, 10, 120}, {2, 2, 100, 120}, {2, 2, 190, 120},
                                                  {2, 2, 280, 120}, {2, 2, 100, 125}, {2, 2, 190, 125},
                                                  {2, 2, 280, 125}, {2, 2, 190, 130}, {2, 2, 280, 130},
                                                  {2, 2, 280, 135}}));
    EXPECT_EQ(t.g.cfg.Speed, 13); // the deal's own speed is given back
}
