// The placement rules and what an accepted play leaves behind, from crafted
// positions: each play checks the state, its undo record and the whole position.
#include <gtest/gtest.h>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Position.h"
#include "engine/Slide.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

using MovesTest = PositionTest;

TEST_F(MovesTest, AcesTakeTheFirstEmptyFoundation)
{
    SetFoundation(g, 1, Card(1, 3));
    SetWaste(g, 1, {Card(3, 1)}, 1);
    Done();
    DragWasteTopTo(10, 10);
    EXPECT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    EXPECT_EQ(g.Foundation(2, FoundSuit), 3);
    EXPECT_EQ(g.Foundation(2, FoundTop), Card(3, 1) - 13);
    EXPECT_EQ(g.UndoRecord, "402");
    EXPECT_EQ(g.DragCard, 0);
    EXPECT_TRUE(Sound());
    // With all four started an ace has nowhere to go (there are only four).
    for (int f = 1; f <= 4; ++f) g.Foundation(f, FoundSuit) = f;
    EXPECT_EQ(FoundationFor(g, Card(2, 1)), 0);
}

TEST_F(MovesTest, CardsFollowTheirSuitUpOneRank)
{
    SetFoundation(g, 3, Card(2, 1)); // ace of diamonds held as 40
    EXPECT_EQ(g.Foundation(3, FoundTop), 40);
    EXPECT_EQ(FoundationFor(g, Card(2, 2)), 3);
    EXPECT_EQ(FoundationFor(g, Card(2, 3)), 0);
    EXPECT_EQ(FoundationFor(g, Card(1, 2)), 0);
    EXPECT_EQ(FoundationFor(g, EmptyPileCode), 0);
    EXPECT_EQ(FoundationFor(g, TurnUpPending), 0);
    EXPECT_EQ(FoundationTopCard(g, 3), Card(2, 1));
}

TEST_F(MovesTest, OnlyAPilesTopCardGoesToAFoundation)
{
    SetFoundation(g, 1, Card(1, 5));
    SetPile(g, 2, {Card(4, 4)}, {Card(1, 6), Card(3, 5)});
    Done();
    EXPECT_FALSE(PlayToFoundation(g, 2, Card(1, 6), 1));
    SetPile(g, 2, {Card(4, 4)}, {Card(1, 6)});
    g.Tableau(2, 2) = 0;
    ParkRest(g, 2);
    EXPECT_TRUE(PlayToFoundation(g, 2, Card(1, 6), 1));
    EXPECT_EQ(g.UndoRecord, "421");
    EXPECT_EQ(g.TableauTop(2, TopCard), TurnUpPending);
    EXPECT_EQ(g.TableauTop(2, TopY), 120);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, TableauBuildsDownInAlternateColours)
{
    SetPile(g, 1, {}, {Card(3, 7)});
    SetPile(g, 2, {Card(1, 2)}, {});
    Done();
    EXPECT_TRUE(FitsTableau(g, Card(1, 6), 1));
    EXPECT_TRUE(FitsTableau(g, Card(4, 6), 1));
    EXPECT_FALSE(FitsTableau(g, Card(2, 6), 1));
    EXPECT_FALSE(FitsTableau(g, Card(1, 5), 1));
    EXPECT_FALSE(FitsTableau(g, Card(1, 8), 1));
    // A pile waiting for its turn-up takes nothing; an empty pile only a king; an ace never.
    EXPECT_FALSE(FitsTableau(g, Card(1, 13), 2));
    EXPECT_TRUE(FitsTableau(g, Card(1, 13), 3));
    EXPECT_TRUE(FitsTableau(g, Card(2, 13), 3));
    EXPECT_FALSE(FitsTableau(g, Card(2, 12), 3));
    SetPile(g, 4, {}, {Card(1, 2)});
    EXPECT_FALSE(FitsTableau(g, Card(3, 1), 4));
}

TEST_F(MovesTest, OpponentsWasteTakesEitherDirection)
{
    const int blackSeven = Card(1, 7);
    EXPECT_TRUE(FitsOpponentWaste(Card(3, 8), blackSeven));
    EXPECT_TRUE(FitsOpponentWaste(Card(3, 6), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(3, 7), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(4, 8), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(3, 1), Card(1, 2)));
    EXPECT_FALSE(FitsOpponentWaste(Card(3, 8), 0));
}

TEST_F(MovesTest, TwoDroppedAnywhereOnTheFoundationRowGoesToItsSuit)
{
    SetFoundation(g, 1, Card(4, 1));
    SetFoundation(g, 2, Card(3, 1));
    SetWaste(g, 1, {Card(1, 9), Card(3, 2)}, 2);
    Done();
    const int before = g.CardsLeft(1);
    DragWasteTopTo(280, 12); // over foundation 4, which is empty
    EXPECT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    EXPECT_EQ(g.Foundation(2, FoundTop), Card(3, 2));
    EXPECT_EQ(g.WasteFan(1), 1);
    EXPECT_EQ(g.CardsLeft(1), before - 1);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, DropOverTwoPilesTriesTheLeftOneFirst)
{
    SetPile(g, 1, {}, {Card(3, 7)});
    SetPile(g, 2, {}, {Card(2, 7)});
    SetWaste(g, 1, {Card(1, 6)}, 1);
    Done();
    const int before = g.CardsLeft(1);
    DragWasteTopTo(50, 130); // overlaps both tops
    ASSERT_TRUE(FindDropTarget(g, true));
    EXPECT_EQ(g.TargetRect, RectAt(10, 120, 71, 95));
    PlayWasteToTableau(g, 1);
    EXPECT_EQ(g.Tableau(1, 2), Card(1, 6));
    EXPECT_EQ(g.UndoRecord, "3106");
    EXPECT_EQ(g.CardsLeft(1), before - 1);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, KingsAloneFillAnEmptyPileAndLandAt120)
{
    SetPile(g, 1, {}, {Card(3, 9)});
    SetWaste(g, 1, {Card(4, 13)}, 1);
    Done();
    DragWasteTopTo(285, 110);
    ASSERT_TRUE(FindDropTarget(g, true));
    PlayWasteToTableau(g, 1);
    EXPECT_EQ(g.TableauTop(4, TopCard), Card(4, 13));
    EXPECT_EQ(g.TableauTop(4, TopY), 120);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, WasteCardOnTheComputersWasteAndRefusals)
{
    SetWaste(g, 1, {Card(1, 2), Card(3, 8)}, 2);
    SetWaste(g, 2, {Card(1, 7)}, 1);
    g.UndoRecord = "11";
    Done();
    DragWasteTopTo(300, 300); // nowhere near
    EXPECT_FALSE(PlayOnOpponentWaste(g, 1));
    EXPECT_EQ(g.UndoRecord, "11"); // a refused load leaves the last record alone
    ReturnWasteCard(g, 1);
    EXPECT_TRUE(Sound());

    const int computersBefore = g.CardsLeft(2);
    DragWasteTopTo(500, 30);
    ASSERT_TRUE(PlayOnOpponentWaste(g, 1));
    EXPECT_EQ(g.Waste(2, 2), Card(3, 8));
    EXPECT_EQ(g.CardsLeft(2), computersBefore + 1);
    EXPECT_EQ(g.UndoRecord, "6");
    EXPECT_EQ(g.FlippedCard, 0);
    EXPECT_EQ(g.WasteFan(1), 1);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, RunMovesWithItsRecordAndLeavesATurnUpBehind)
{
    SetPile(g, 2, {Card(2, 5)}, {Card(4, 9), Card(3, 8), Card(1, 7)});
    SetPile(g, 4, {Card(2, 6), Card(2, 8), Card(2, 9)}, {Card(3, 10)});
    Done();
    g.PickPile = 2;
    g.PickFirst = 1;
    g.PickLast = 3;
    g.TargetRect = RectAt(280, 135, 71, 95);
    MoveTableauStack(g);
    EXPECT_EQ(g.UndoRecord, "202165010413502");
    EXPECT_EQ(g.UndoRecord.size(), 15u);
    EXPECT_EQ(g.Tableau(4, 4), Card(1, 7));
    EXPECT_EQ(g.TableauTop(4, TopY), 195);
    EXPECT_EQ(g.TableauTop(2, TopCard), TurnUpPending);
    EXPECT_TRUE(Sound());
}

TEST_F(MovesTest, FoundationCardComesDownOntoAPile)
{
    SetFoundation(g, 2, Card(3, 2));
    SetPile(g, 3, {}, {Card(1, 3)});
    Done();
    g.DragCard = Card(3, 2);
    g.TargetRect = RectAt(190, 120, 71, 95);
    PlayFoundationToTableau(g);
    EXPECT_EQ(g.Foundation(2, FoundTop), Card(3, 1) - 13); // the ace is left, as stored
    EXPECT_EQ(g.UndoRecord, "50203");
    EXPECT_EQ(g.TableauTop(3, TopCard), Card(3, 2));
    EXPECT_EQ(g.TableauTop(3, TopY), 140);
    EXPECT_TRUE(Sound());
}
