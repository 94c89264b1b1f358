// Where a press lands: the fixed layout, its exact edges, and the rounding of
// the pointer to whole pixels.
#include <gtest/gtest.h>

#include "engine/Cards.h"
#include "input/Geometry.h"
#include "input/Mouse.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

struct HitTest : ::testing::Test {
    TestGame t;
    Game& g = t.g;
    MouseState m;
    void SetUp() override { ClearTable(g); }
};

} // namespace

TEST_F(HitTest, PointerGoesToWholePixelsHalvesToEven)
{
    EXPECT_EQ(ToPixel(10.5f), 10);
    EXPECT_EQ(ToPixel(11.5f), 12);
    EXPECT_EQ(ToPixel(80.49f), 80);
    EXPECT_EQ(ToPixel(-0.5f), 0);
    // A foundation's rectangle ends before x = 81: 80.5 rounds to 80 and hits, 81.5 to 82 and misses.
    SetFoundation(g, 1, Card(1, 3));
    EXPECT_EQ(HitFoundation(g, 80.5f, 50), 1);
    EXPECT_EQ(HitFoundation(g, 81.5f, 50), 0);
}

TEST_F(HitTest, ColumnsAndRowsAtTheirEdges)
{
    EXPECT_EQ(PileColumnAt(10), 1);
    EXPECT_EQ(PileColumnAt(81), 1);
    EXPECT_EQ(PileColumnAt(82), 0);
    EXPECT_EQ(PileColumnAt(99.9f), 0);
    EXPECT_EQ(PileColumnAt(351), 4);
    EXPECT_EQ(PileColumnAt(352), 0);
    // x = 10 on the foundation row is no foundation press (the row wants x > 10).
    SetFoundation(g, 1, Card(1, 3));
    ParkRest(g);
    Form_MouseDown(g, m, LeftButton, 10, 50);
    EXPECT_FALSE(m.DragFromFoundation);
    Form_MouseDown(g, m, LeftButton, 11, 50);
    EXPECT_TRUE(m.DragFromFoundation);
    EXPECT_EQ(m.DragSource, 9);
}

TEST_F(HitTest, FoundationGivesUpItsTopButNotALoneAce)
{
    SetFoundation(g, 2, Card(3, 1));
    SetFoundation(g, 3, Card(4, 2));
    EXPECT_EQ(HitFoundation(g, 130, 50), 0);
    EXPECT_EQ(HitFoundation(g, 220, 50), 3);
    EXPECT_EQ(g.DragRect, (Rect{190, 10, 261, 105}));
    ParkRest(g);
    Form_MouseDown(g, m, LeftButton, 220, 50);
    EXPECT_EQ(g.DragCard, Card(4, 2));
    // Nothing changes until the card lands somewhere; dropped nowhere it goes back.
    EXPECT_EQ(g.Foundation(3, FoundTop), Card(4, 2));
    Form_MouseUp(g, m, LeftButton, 450, 450);
    EXPECT_EQ(g.Foundation(3, FoundTop), Card(4, 2));
    EXPECT_EQ(g.DragCard, 0);
}

TEST_F(HitTest, TheTopmostCardOfAPileIsPicked)
{
    SetPile(g, 2, {Card(2, 2)}, {Card(2, 10), Card(1, 9), Card(3, 8)});
    EXPECT_EQ(HitTableauCard(g, 120, 130, 2), 1);
    EXPECT_EQ(HitTableauCard(g, 120, 145, 2), 2); // the second card covers the first from y = 145
    EXPECT_EQ(HitTableauCard(g, 120, 259, 2), 3);
    EXPECT_EQ(HitTableauCard(g, 120, 260, 2), 0); // below the last card
    EXPECT_EQ(HitTableauCard(g, 120, 124, 2), 0); // on the face-down back
    int pile = 0;
    EXPECT_EQ(HitTableauTop(g, 120, 200, pile), Card(3, 8));
    EXPECT_EQ(pile, 2);
    EXPECT_EQ(HitTableauTop(g, 300, 150, pile), EmptyPileCode); // an empty pile's place starts at y = 100
    EXPECT_EQ(pile, 4);
}

TEST_F(HitTest, PressesOnTheEdgesOfTheRegions)
{
    SetPile(g, 1, {}, {Card(1, 13)});
    SetWaste(g, 1, {Card(3, 4), Card(3, 5)}, 1);
    SetWaste(g, 2, {Card(2, 9)}, 1);
    ParkRest(g);
    // y = 120 exactly is not a tableau press.
    Form_MouseDown(g, m, LeftButton, 40, 120);
    EXPECT_EQ(m.DragSource, 0);
    // With one card fanned the waste is pressed from x = 465 to 536.
    Form_MouseDown(g, m, LeftButton, 464, 340);
    EXPECT_FALSE(m.DragFromWaste);
    Form_MouseDown(g, m, LeftButton, 465, 300); // y = 300 is the waste, not the score board
    EXPECT_TRUE(m.DragFromWaste);
    EXPECT_TRUE(t.view.messages.empty());
    Form_MouseUp(g, m, LeftButton, 465, 300);
    EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(3, 5));
    // With three fanned the range moves to 495..566.
    g.WasteFan(1) = 3;
    Form_MouseDown(g, m, LeftButton, 480, 340);
    EXPECT_FALSE(m.DragFromWaste);
    Form_MouseDown(g, m, LeftButton, 566, 340);
    EXPECT_TRUE(m.DragFromWaste);
    Form_MouseUp(g, m, LeftButton, 566, 340);
}

TEST_F(HitTest, APressOnTheComputersHandEndsTheTurn)
{
    SetWaste(g, 1, {Card(3, 4)}, 1);
    SetWaste(g, 2, {Card(2, 9)}, 1);
    ParkRest(g);
    g.LastTurnCard = Card(3, 4);
    Form_MouseDown(g, m, RightButton, 420, 60); // the computer's stock, either button
    ASSERT_EQ(t.view.messages.size(), 1u);
    EXPECT_EQ(t.view.messages[0], "You must flip a card.");
}

TEST_F(HitTest, APressBelowAPileOrARightPressLeavesNoDragBehind)
{
    SetPile(g, 1, {}, {Card(1, 13), Card(3, 12)});
    ParkRest(g);
    Form_MouseDown(g, m, LeftButton, 40, 300); // below the queen, which ends at y = 235
    EXPECT_EQ(m.DragSource, 1);
    EXPECT_FALSE(m.Dragging());
    Form_MouseUp(g, m, LeftButton, 40, 300);
    EXPECT_EQ(m.DragSource, 0);

    Form_MouseDown(g, m, RightButton, 40, 200);
    EXPECT_EQ(m.DragSource, 25);
    const Game pressed = g;
    Form_MouseUp(g, m, RightButton, 40, 200);
    Form_Click(g, m);
    EXPECT_EQ(g.Tableau, pressed.Tableau);
    EXPECT_EQ(m.DragSource, 25);
}

TEST_F(HitTest, DoubleClickOnTheWasteTopPlaysItHomeThoughItsFirstPressPickedItUp)
{
    for (const int foundationTop : {4, 5}) {
        SCOPED_TRACE(foundationTop);
        ClearTable(g);
        m = MouseState{};
        SetFoundation(g, 1, Card(3, foundationTop));
        SetWaste(g, 1, {Card(1, 9), Card(3, 6)}, 2);
        ParkRest(g);
        Form_MouseMove(g, m, 485, 340);
        Form_MouseDown(g, m, LeftButton, 485, 340); // on the top card: picked up
        Form_MouseUp(g, m, LeftButton, 485, 340);   // and put back
        t.view.slides.clear();
        Form_DblClick(g, m);
        EXPECT_EQ(g.DragCard, 0);
        if (foundationTop == 4) {
            EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(3, 6)) << "the six has nowhere to go";
            EXPECT_TRUE(t.view.slides.empty()) << "a card with nowhere to go is not lifted";
            continue;
        }
        EXPECT_EQ(g.Foundation(1, FoundTop), Card(3, 6));
        // A double-click on the card left there does nothing: the nine has nowhere to go.
        m.DragSource = 0;
        Form_MouseMove(g, m, 470, 340);
        Form_DblClick(g, m);
        EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(1, 9));
    }
}
