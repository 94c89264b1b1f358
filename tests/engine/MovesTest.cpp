// The placement rules and what an accepted play leaves behind, from crafted
// positions: each play checks the table, its undo record and the whole position.
#include "engine/Cards.h"
#include "engine/Moves.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

using MovesTest = PositionTest;

TEST_F(MovesTest, AcesTakeTheFirstEmptyFoundationWhereverTheyAreDropped)
{
    Lay(g, "- | - | - | - ; ; Ah As (2)");
    Done();
    DragWasteTopTo(g, 280, 12); // over foundation 4
    EXPECT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    EXPECT_EQ(Table(g), "- | - | - | - ; As - - - ; Ah (1) ; - (1)");
    EXPECT_EQ(g.UndoRecord, "401");
    EXPECT_EQ(g.DragCard, 0);
    DragWasteTopTo(g, 10, 10); // over the foundation just started
    EXPECT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    EXPECT_EQ(Table(g), "- | - | - | - ; As Ah - - ; - (1) ; - (1)");
    EXPECT_EQ(g.UndoRecord, "402");
    EXPECT_TRUE(Sound(g));
    // With all four started an ace has nowhere to go (there are only four).
    for (int f = 1; f <= 4; ++f) g.Foundation(f, 1) = f;
    EXPECT_EQ(FoundationFor(g, Card(Diamonds, 1)), 0);
}

TEST_F(MovesTest, CardsFollowTheirSuitUpOneRank)
{
    SetFoundation(g, 3, Card(Diamonds, 1)); // held as 40
    EXPECT_EQ(g.Foundation(3, 2), 40);
    EXPECT_EQ(FoundationTopCard(g, 3), Card(Diamonds, 1));
    const std::pair<int, int> cases[] = {{Card(Diamonds, 2), 3}, {Card(Diamonds, 3), 0}, {Card(Clubs, 2), 0},
                                         {EmptyPileCode, 0},    {TurnUpPending, 0}};
    for (const auto& [card, f] : cases) EXPECT_EQ(FoundationFor(g, card), f) << card;
}

TEST_F(MovesTest, OnlyAPilesTopCardGoesToAFoundation)
{
    Lay(g, "- | [4s] 6c 5h | - | - ; 5c");
    Done();
    EXPECT_FALSE(PlayToFoundation(g, 2, Card(Clubs, 6), 1));
    Lay(g, "- | [4s] 6c | - | - ; 5c");
    ParkRest(g, 2);
    EXPECT_TRUE(PlayToFoundation(g, 2, Card(Clubs, 6), 1));
    EXPECT_EQ(g.UndoRecord, "421");
    EXPECT_EQ(Table(g), "- | [4s] @120 | - | - ; 6c - - - ; - (1) ; - (1)");
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, TableauBuildsDownInAlternateColoursAndOnlyKingsFillAnEmptyPile)
{
    Lay(g, "7h | [2c] | - | 2c"); // pile 2 waits for its turn-up: it takes nothing
    const struct {
        int card, pile;
        bool fits;
    } cases[] = {{Card(Clubs, 6), 1, true},  {Card(Spades, 6), 1, true},     {Card(Diamonds, 6), 1, false},
                 {Card(Clubs, 5), 1, false}, {Card(Clubs, 8), 1, false},     {Card(Clubs, 13), 2, false},
                 {Card(Clubs, 13), 3, true}, {Card(Diamonds, 13), 3, true},  {Card(Diamonds, 12), 3, false},
                 {Card(Hearts, 1), 4, false}};
    for (const auto& c : cases) EXPECT_EQ(FitsTableau(g, c.card, c.pile), c.fits) << Name(c.card) << " on " << c.pile;
}

TEST(FitsOpponentWaste, EitherDirectionOfRankInTheOtherColour)
{
    const int blackSeven = Card(Clubs, 7);
    EXPECT_TRUE(FitsOpponentWaste(Card(Hearts, 8), blackSeven));
    EXPECT_TRUE(FitsOpponentWaste(Card(Hearts, 6), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(Hearts, 7), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(Spades, 8), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(Diamonds, 5), blackSeven));
    EXPECT_FALSE(FitsOpponentWaste(Card(Hearts, 1), Card(Clubs, 2)));
    EXPECT_FALSE(FitsOpponentWaste(Card(Hearts, 8), 0));
}

TEST_F(MovesTest, TwoDroppedAnywhereOnTheFoundationRowGoesToItsSuit)
{
    Lay(g, "- | - | - | - ; As Ah ; 9c 2h (2)");
    Done();
    DragWasteTopTo(g, 280, 12); // over foundation 4, which is empty
    EXPECT_TRUE(PlayToFoundation(g, 0, g.DragCard, 1));
    EXPECT_EQ(Table(g), "- | - | - | - ; As 2h - - ; 9c (1) ; - (1)");
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, DropOverTwoPilesTriesTheLeftOneFirst)
{
    Lay(g, "7h | 7d | - | - ; ; 6c");
    Done();
    DragWasteTopTo(g, 50, 130); // overlaps both tops
    ASSERT_TRUE(FindDropTarget(g, true));
    EXPECT_EQ(g.TargetRect, RectAt(10, 120, 71, 95));
    PlayWasteToTableau(g, 1);
    EXPECT_EQ(Table(g), "7h 6c | 7d | - | - ; - - - - ; - (1) ; - (1)");
    EXPECT_EQ(g.UndoRecord, "3106");
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, KingsFillAnEmptyPile)
{
    Lay(g, "9h | - | - | - ; ; Ks");
    Done();
    DragWasteTopTo(g, 285, 110);
    ASSERT_TRUE(FindDropTarget(g, true));
    PlayWasteToTableau(g, 1);
    EXPECT_EQ(Table(g), "9h | - | - | Ks ; - - - - ; - (1) ; - (1)");
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, WasteCardOnTheComputersWasteAndRefusals)
{
    Lay(g, "- | - | - | - ; ; 2c 8h (2) ; 7c");
    g.UndoRecord = "11";
    Done();
    DragWasteTopTo(g, 300, 300); // nowhere near
    EXPECT_FALSE(PlayOnOpponentWaste(g, 1));
    EXPECT_EQ(g.UndoRecord, "11"); // a refused load leaves the last record alone
    ReturnWasteCard(g, 1);
    EXPECT_TRUE(Sound(g));

    DragWasteTopTo(g, 500, 30);
    ASSERT_TRUE(PlayOnOpponentWaste(g, 1));
    EXPECT_EQ(Table(g), "- | - | - | - ; - - - - ; 2c (1) ; 7c 8h (1)");
    EXPECT_EQ(g.UndoRecord, "6");
    EXPECT_EQ(g.FlippedCard, 0);
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, RunMovesWithItsRecordAndLeavesATurnUpBehind)
{
    Lay(g, "- | [5d] 9s 8h 7c | - | [6d 8d 9d] Th");
    Done();
    g.PickPile = 2, g.PickFirst = 1, g.PickLast = 3;
    g.TargetRect = RectAt(280, 135, 71, 95);
    MoveTableauStack(g);
    EXPECT_EQ(g.UndoRecord, "202165010413502");
    EXPECT_EQ(Table(g), "- | [5d] @120 | - | [6d 8d 9d] Th 9s 8h 7c ; - - - - ; - (1) ; - (1)");
    EXPECT_TRUE(Sound(g));
}

TEST_F(MovesTest, FoundationCardComesDownOntoAPile)
{
    Lay(g, "- | - | 3c | - ; - 2h");
    Done();
    g.DragCard = Card(Hearts, 2);
    g.TargetRect = RectAt(190, 120, 71, 95);
    PlayFoundationToTableau(g);
    EXPECT_EQ(g.Foundation(2, 2), Card(Hearts, 1) - 13); // the ace is left, as stored
    EXPECT_EQ(g.UndoRecord, "50203");
    EXPECT_EQ(Table(g), "- | - | 3c 2h | - ; - Ah - - ; - (1) ; - (1)");
    EXPECT_TRUE(Sound(g));
}
