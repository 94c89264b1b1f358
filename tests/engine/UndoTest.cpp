// Taking back the player's last move: each kind of record, and the cases the
// rules leave open, from crafted positions compared before and after.
#include <gtest/gtest.h>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Position.h"
#include "engine/Turn.h"
#include "engine/Undo.h"
#include "input/AutoPlay.h"
#include "opponent/Computer.h"
#include "engine/Slide.h"
#include "support/Positions.h"
#include "support/SamePosition.h"

using namespace tandrel;
using namespace tandrel::testing;

using UndoTest = PositionTest;

TEST_F(UndoTest, RedFiveBackFromABlackSix)
{
    SetPile(g, 1, {}, {Card(1, 6)});
    SetWaste(g, 1, {Card(4, 9), Card(2, 11), Card(3, 5)}, 2);
    g.cfg.FlipNum = 3;
    Done();
    const Game before = g;
    DragWasteTopTo(12, 130);
    ASSERT_TRUE(FindDropTarget(g, true));
    PlayWasteToTableau(g, 1);
    ASSERT_EQ(g.UndoRecord, "3118");
    EXPECT_EQ(g.WasteFan(1), 1);
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_EQ(g.WasteFan(1), 2); // one more fanned card, up to three
    EXPECT_EQ(g.TableauTop(1, TopCard), Card(1, 6));
    EXPECT_EQ(g.TableauTop(1, TopY), 120);
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_TRUE(Sound());
    UndoMove(g); // a second undo does nothing
    EXPECT_TRUE(SamePosition(g, before));
}

TEST_F(UndoTest, AnAceOnItsFoundationStays)
{
    SetWaste(g, 1, {Card(1, 1)}, 1);
    Done();
    DragWasteTopTo(10, 10);
    ASSERT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    const Game played = g;
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, played));
    EXPECT_EQ(g.UndoRecord, "");
}

TEST_F(UndoTest, CardsFromWasteAndPileComeBackFromTheFoundation)
{
    SetFoundation(g, 1, Card(1, 4));
    SetPile(g, 2, {Card(3, 3)}, {Card(1, 5)});
    SetWaste(g, 1, {Card(3, 12), Card(1, 6)}, 2);
    g.cfg.FlipNum = 3;
    Done();
    const Game before = g;
    AutoPlay(g, 2, 120, 140);
    ASSERT_EQ(g.UndoRecord, "421");
    ASSERT_EQ(g.TableauTop(2, TopCard), TurnUpPending);
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_TRUE(Sound());

    AutoPlay(g, 2, 120, 140);
    DragWasteTopTo(10, 10);
    ASSERT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    ASSERT_EQ(g.UndoRecord, "401");
    const Game afterPile = [&] {
        Game copy = g;
        return copy;
    }();
    UndoMove(g);
    EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(1, 6));
    EXPECT_EQ(g.Foundation(1, FoundTop), Card(1, 5));
    EXPECT_EQ(g.CardsLeft(1), afterPile.CardsLeft(1) + 1);
    EXPECT_TRUE(Sound());
}

TEST_F(UndoTest, RunOfThreeGoesBackToItsSlotsAndHeights)
{
    SetPile(g, 2, {Card(2, 5)}, {Card(2, 10), Card(4, 9), Card(3, 8), Card(1, 7)});
    SetPile(g, 4, {Card(2, 6), Card(2, 8), Card(2, 9)}, {Card(3, 10)});
    Done();
    const Game before = g;
    g.PickPile = 2;
    g.PickFirst = 2;
    g.PickLast = 4;
    g.TargetRect = RectAt(280, 135, 71, 95);
    MoveTableauStack(g);
    ASSERT_EQ(g.UndoRecord, "202185020413502");
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_TRUE(Sound());
}

TEST_F(UndoTest, RunThatEmptiedAPileAndAKingOffTheFoundation)
{
    SetPile(g, 1, {}, {Card(2, 13), Card(1, 12)});
    SetPile(g, 3, {Card(2, 3), Card(2, 4)}, {});
    SetFoundation(g, 2, Card(3, 13));
    Done();
    Game before = g;
    // The run of pile 1 onto the empty pile 4, then back.
    g.PickPile = 1;
    g.PickFirst = 1;
    g.PickLast = 2;
    g.TargetRect = RectAt(280, 100, 71, 95);
    ASSERT_TRUE(FitsTableau(g, Card(2, 13), 4));
    MoveTableauStack(g);
    EXPECT_EQ(g.TableauTop(1, TopCard), EmptyPileCode);
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));

    // The king of hearts from its foundation onto the empty pile 4: taken back, the pile is empty again.
    g.DragCard = Card(3, 13);
    g.TargetRect = RectAt(280, 100, 71, 95);
    PlayFoundationToTableau(g);
    ASSERT_EQ(g.UndoRecord, "50204");
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_EQ(g.TableauTop(4, TopY), 100);
    EXPECT_TRUE(Sound());
}

TEST_F(UndoTest, FlipsTakenBackIncludingTheOneThatEndedAPass)
{
    g.cfg.FlipNum = 3;
    SetWaste(g, 1, {Card(1, 9)}, 1);
    SetStock(g, 1, {Card(3, 2), Card(3, 3), Card(3, 4), Card(3, 5), Card(3, 6)});
    g.StockLevel(1) = 21 + 5;
    SetFoundation(g, 1, Card(4, 13));
    Done();
    Game before = g;
    FlipCards(g, 1);
    ASSERT_EQ(g.UndoRecord, "11");
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_EQ(g.WasteFan(1), 1);

    FlipCards(g, 1);
    g.FlippedCard = 0; // as if the flipped card had been played
    before = g;
    FlipCards(g, 1); // two cards left: the pass ends
    ASSERT_TRUE(g.StockEmpty(1));
    ASSERT_EQ(g.UndoRecord, "13");
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_FALSE(g.StockEmpty(1));
    EXPECT_TRUE(Sound());
    // And the next flip takes the same cards again.
    FlipCards(g, 1);
    EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(3, 6));

    // The turn-over of the waste, taken back, leaves the pass ended as it was.
    g.FlippedCard = 0;
    before = g;
    FlipCards(g, 1);
    ASSERT_EQ(g.WasteCount(1), 0);
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_TRUE(Sound());
}

TEST_F(UndoTest, LoadOntoTheComputersWasteComesBackEvenToAnEmptyWaste)
{
    SetWaste(g, 1, {Card(3, 8)}, 1);
    SetWaste(g, 2, {Card(1, 7)}, 1);
    Done();
    const Game before = g;
    DragWasteTopTo(500, 30);
    ASSERT_TRUE(PlayOnOpponentWaste(g, 1));
    ASSERT_EQ(g.WasteCount(1), 0);
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, before));
    EXPECT_TRUE(Sound());
}

TEST_F(UndoTest, NothingToTakeBackAfterATurnUpOrTheComputersTurn)
{
    SetPile(g, 3, {Card(2, 3), Card(2, 4)}, {});
    Done();
    g.UndoRecord = "3227";
    TurnUpCard(g, 200, 130, 3);
    EXPECT_EQ(g.UndoRecord, "");
    const Game turned = g;
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, turned));
}
