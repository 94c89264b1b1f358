#include <gtest/gtest.h>

#include <set>

#include "engine/Deal.h"
#include "engine/Position.h"
#include "engine/Turn.h"
#include "support/Positions.h"

using namespace tandrel;
using tandrel::testing::TestGame;

TEST(TakeNumber, CutsDigitsOffTheFront)
{
    std::string s = "0537";
    EXPECT_EQ(TakeNumber(s, 2), 5);
    EXPECT_EQ(s, "37");
    std::string neg = "-01999";
    EXPECT_EQ(TakeNumber(neg, 3), -1);
    EXPECT_EQ(neg, "999");
    std::string junk = "x5";
    EXPECT_EQ(TakeNumber(junk, 2), 0);
    // An exhausted string gives 0 and stays empty; a short one is read but not consumed.
    std::string empty;
    EXPECT_EQ(TakeNumber(empty, 2), 0);
    EXPECT_EQ(empty, "");
    std::string shortOne = "7";
    EXPECT_EQ(TakeNumber(shortOne, 2), 7);
    EXPECT_EQ(shortOne, "7");
}

TEST(Deal, EveryPresetHoldsEachCodeOnce)
{
    for (const char* deal : PresetDeals) {
        std::string s = deal;
        ASSERT_EQ(s.size(), 104u);
        std::set<int> codes;
        while (!s.empty()) codes.insert(TakeNumber(s, 2));
        EXPECT_EQ(codes.size(), 52u);
        EXPECT_EQ(*codes.begin(), 2);
        EXPECT_EQ(*codes.rbegin(), 53);
    }
}

TEST(Deal, FirstGameIsPresetZero)
{
    TestGame t;
    Game& g = t.g;
    g.GamesDealt = 0;
    NewGame(g, true);
    EXPECT_EQ(g.GamesDealt, 1);
    EXPECT_EQ(g.TableauTop(1, TopCard), 12);
    EXPECT_EQ(g.TableauTop(2, TopCard), 16);
    EXPECT_EQ(g.TableauTop(3, TopCard), 37);
    EXPECT_EQ(g.TableauTop(4, TopCard), 5);
    EXPECT_EQ(FaceDownCard(g, 2), 30);
    EXPECT_EQ(g.Deck(4), 52);
    EXPECT_EQ(g.Deck(7), 53);
    EXPECT_EQ(g.Deck(5), 33);
    EXPECT_EQ(g.Deck(8), 21);
    EXPECT_EQ(g.Deck(10), 19);
    EXPECT_EQ(FaceDownCard(g, 3), 53);
    EXPECT_EQ(FaceDownCard(g, 4), 19);
    EXPECT_EQ(FaceDownCard(g, 1), 0);
    EXPECT_EQ(g.Stock(1, 1), 34);
    EXPECT_EQ(g.Stock(2, 1), 48);
    // Top positions: 120, 125, 130, 135 going down the rows.
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(g.TableauTop(p, TopX), 10 + 90 * (p - 1));
        EXPECT_EQ(g.TableauTop(p, TopY), 115 + 5 * p);
        EXPECT_EQ(g.TableauFaceDown(p), p - 1);
    }
    FlipCards(g, 1);
    EXPECT_EQ(g.Waste(1, 1), 34);
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
        std::string why;
        EXPECT_TRUE(CheckPosition(g, &why)) << why;
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
    g.UndoRecord = "3227";
    g.SnapshotTaken = true;
    g.FlippedCard = 34;
    NewGame(g, true);
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_FALSE(g.SnapshotTaken);
    EXPECT_EQ(g.FlippedCard, 0);
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(g.Foundation(f, FoundSuit), 0);
    // The status panel and the score board were drawn for the new table.
    EXPECT_GE(t.view.scoreBoards, 1);
}

TEST(Deal, DealAnimationFliesEveryTableauCardFromTheCorner)
{
    TestGame t;
    t.g.cfg.Animate = 1;
    NewGame(t.g, true);
    ASSERT_EQ(t.view.slides.size(), 10u);
    const float expected[10][2] = {{10, 120}, {100, 120}, {190, 120}, {280, 120}, {100, 125},
                                   {190, 125}, {280, 125}, {190, 130}, {280, 130}, {280, 135}};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(t.view.slides[i].x, 2);
        EXPECT_EQ(t.view.slides[i].y, 2);
        EXPECT_EQ(t.view.slides[i].targetX, expected[i][0]);
        EXPECT_EQ(t.view.slides[i].targetY, expected[i][1]);
    }
    EXPECT_EQ(t.g.cfg.Speed, 13); // the deal's own speed is given back
}
