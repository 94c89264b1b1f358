#include <gtest/gtest.h>

#include "engine/Cards.h"
#include "engine/Deal.h"
#include "engine/Position.h"
#include "engine/Turn.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// A table whose player's stock holds just two cards, with three more on the waste.
struct NearlyPassedStock : TestGame {
    NearlyPassedStock()
    {
        ClearTable(g);
        g.cfg.FlipNum = 3;
        SetPile(g, 1, {}, {Card(1, 13)});
        SetWaste(g, 1, {Card(2, 5), Card(2, 6), Card(2, 7)}, 3);
        SetStock(g, 1, {Card(3, 9), Card(3, 10)});
        g.StockPos(1) = 0;
        g.StockLevel(1) = 2 + 21;
        SetFoundation(g, 1, Card(4, 13));
        ParkRest(g, 2);
    }
};

} // namespace

TEST(FlipCards, PassEndsWithTwoCardsThenTurnsOverThenFlipsAgain)
{
    NearlyPassedStock t;
    Game& g = t.g;
    FlipCards(g, 1);
    EXPECT_EQ(g.WasteFan(1), 2);
    EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(3, 10));
    EXPECT_TRUE(g.StockEmpty(1));
    EXPECT_EQ(g.StockPos(1), 0);
    EXPECT_EQ(g.StockPasses(1), 1);
    EXPECT_EQ(g.UndoRecord, "13");
    EXPECT_TRUE(CheckPosition(g));

    // The flipped card is still the top: the next click does nothing.
    FlipCards(g, 1);
    EXPECT_TRUE(g.StockEmpty(1));
    EXPECT_EQ(g.WasteCount(1), 5);

    // Once it has been played, the click turns the waste over, with sound 2 and no flip.
    g.FlippedCard = 0;
    t.view.sounds.clear();
    FlipCards(g, 1);
    EXPECT_FALSE(g.StockEmpty(1));
    EXPECT_EQ(g.WasteCount(1), 0);
    EXPECT_EQ(g.WasteCards(1), 0);
    ASSERT_EQ(t.view.sounds.size(), 1u);
    EXPECT_EQ(t.view.sounds[0], 2);
    EXPECT_EQ(g.Stock(1, 1), Card(2, 5)); // the card flipped first comes first again
    EXPECT_TRUE(CheckPosition(g));

    FlipCards(g, 1);
    EXPECT_EQ(g.WasteCount(1), 3);
    EXPECT_EQ(g.Waste(1, 1), Card(2, 5));
    EXPECT_EQ(g.WasteFan(1), 3);
    EXPECT_FALSE(g.StockEmpty(1));
    EXPECT_TRUE(CheckPosition(g));
}

TEST(FlipCards, EveryFlipPlaysTheNextRotationSound)
{
    TestGame t;
    NewGame(t.g, true);
    t.view.sounds.clear();
    for (int i = 0; i < 8; ++i) {
        t.g.FlippedCard = 0;
        FlipCards(t.g, 1);
    }
    const std::vector<int> expected{5, 6, 7, 8, 9, 4, 5, 6};
    EXPECT_EQ(t.view.sounds, expected);
}

TEST(EndTurn, RefusalsAndHandOver)
{
    TestGame t;
    Game& g = t.g;
    NewGame(g, true);

    // At the very start both wastes are empty: handing over is allowed.
    FlipCards(g, 2);
    g.FlippedCard = 0;
    // Now the computer has a waste and the player none.
    EndPlayerTurn(g);
    ASSERT_EQ(t.view.messages.size(), 1u);
    EXPECT_EQ(t.view.messages[0], "You need to flip a card first.");
    EXPECT_FALSE(g.ComputerBusy);

    // After a flip the turn ends; next turn the same top gives "You must flip a card."
    FlipCards(g, 1);
    g.LastTurnCard = g.Waste(1, g.WasteCount(1));
    t.view.messages.clear();
    EndPlayerTurn(g);
    ASSERT_EQ(t.view.messages.size(), 1u);
    EXPECT_EQ(t.view.messages[0], "You must flip a card.");
}

TEST(EndTurn, OneCardLeftMayEndWithoutFlipping)
{
    TestGame t;
    Game& g = t.g;
    ClearTable(g);
    SetFoundation(g, 1, Card(1, 8));
    SetFoundation(g, 2, Card(2, 8));
    SetFoundation(g, 3, Card(3, 13));
    SetFoundation(g, 4, Card(4, 13));
    SetWaste(g, 1, {Card(1, 9)}, 1);
    SetWaste(g, 2, {Card(2, 9)}, 1);
    ParkRest(g, 2);
    g.LastTurnCard = Card(1, 9);
    ASSERT_EQ(g.CardsLeft(1), 1);
    EndPlayerTurn(g);
    EXPECT_TRUE(t.view.messages.empty());
    EXPECT_EQ(g.UndoRecord, ""); // the computer's turn ran and emptied it
}

namespace {

// Everything on the foundations but the king of clubs, which side holds.
void OneCardLeftFor(Game& g, int side)
{
    ClearTable(g);
    SetFoundation(g, 1, Card(1, 12));
    for (int f = 2; f <= 4; ++f) SetFoundation(g, f, Card(f, 13));
    SetStock(g, side, {Card(1, 13)});
}

} // namespace

TEST(CheckGameOver, CountsOnceAndNamesTheWinner)
{
    TestGame t;
    Game& g = t.g;
    OneCardLeftFor(g, 1);
    EXPECT_FALSE(CheckGameOver(g, 1));
    g.Losses = 4;
    EXPECT_TRUE(CheckGameOver(g, 2));
    EXPECT_EQ(g.Losses, 5);
    EXPECT_EQ(g.LastWinner, 2);
    EXPECT_EQ(t.view.sounds, std::vector<int>{1});
    g.GameOver = true;
    EXPECT_TRUE(CheckGameOver(g, 2));
    EXPECT_TRUE(CheckGameOver(g, 1));
    EXPECT_EQ(g.Losses, 5);
    EXPECT_EQ(g.Wins, 0);
}

TEST(CheckGameOver, CountsStopAtTheTopOfTheirRange)
{
    TestGame t;
    Game& g = t.g;
    OneCardLeftFor(g, 2);
    g.Wins = 32767;
    EXPECT_TRUE(CheckGameOver(g, 1));
    EXPECT_EQ(g.Wins, 32767);
    EXPECT_EQ(g.LastWinner, 1);
}

TEST(CheckGameOver, AfterAComputerWinTheNextGameOpensWithIt)
{
    TestGame t;
    Game& g = t.g;
    g.LastWinner = 2;
    NewGame(g, true);
    ASSERT_FALSE(t.view.messages.empty());
    EXPECT_EQ(t.view.messages[0], "You lost the last game so the computer will start first this time.");
    // The computer flipped and played before the player could act.
    EXPECT_GE(g.WasteCards(2) + (21 - g.CardsLeft(2)), 1);
    EXPECT_FALSE(g.ComputerBusy);
    EXPECT_TRUE(CheckPosition(g));
}

TEST(TurnUpCard, OnlyThePointOnTheTopBackTurnsItUp)
{
    TestGame t;
    Game& g = t.g;
    ClearTable(g);
    SetPile(g, 3, {Card(1, 5), Card(2, 9)}, {});
    ParkRest(g);
    g.UndoRecord = "3227";
    TurnUpCard(g, 200, 124, 3); // above the top back (it starts at y = 125)
    EXPECT_EQ(g.TableauTop(3, TopCard), TurnUpPending);
    TurnUpCard(g, 200.5f, 125, 3);
    EXPECT_EQ(g.TableauTop(3, TopCard), Card(2, 9));
    EXPECT_EQ(g.TableauTop(3, TopY), 125);
    EXPECT_EQ(g.TableauFaceDown(3), 1);
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_TRUE(CheckPosition(g));
}
