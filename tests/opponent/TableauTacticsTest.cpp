// The computer's tableau tactics: moving runs, lowering foundation cards for a
// run or the waste top, and digging out a card a foundation waits for.
#include <gtest/gtest.h>

#include "input/AutoPlay.h"
#include "opponent/Computer.h"
#include "TestTable.h"

namespace tandrel::test {
namespace {

// ---- ShiftTableauRuns ----

TEST(ShiftTableauRuns, KingOverFaceDownCardsMovesToTheEmptyPileAndFreesThem)
{
    TestTable t;
    const int king = Card(Black1, 13), queen = Card(Red3, 12), freed = Card(Red2, 9);
    t.SetPile(2, {Card(Black4, 2)}, {Card(Red2, 10)});
    t.SetPile(3, {Card(Black4, 4), Card(Black4, 5)}, {Card(Black4, 3)});
    t.SetPile(4, {Card(Black4, 6), Card(Black4, 7), freed}, {king, queen});
    t.DealRest();
    t.g.cfg.Style = 1;

    ASSERT_TRUE(ShiftTableauRuns(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 1u);
    // Lifted at the king's top edge, landing left of and below the empty pile.
    TestTable::ExpectSlide(t.view.slides[0], PileX(4) - 2, 136 - 3, PileX(1) - 10, 100 + 30);
    EXPECT_EQ(t.g.Tableau(1, 1), king);
    EXPECT_EQ(t.g.Tableau(1, 2), queen);
    EXPECT_EQ(t.g.TableauTop(1, TopY), 140);
    EXPECT_EQ(t.g.TableauTop(4, TopCard), freed);
    EXPECT_EQ(t.g.TableauTop(4, TopY), 130);
    EXPECT_EQ(t.g.TableauFaceDown(4), 2);
    t.ExpectSound();
}

// Pile 1 holds a red five and nothing under it; pile 2's black six would take it.
void LayOutLoneFive(TestTable& t, int wasteTop, bool kingWaiting, bool emptyPile)
{
    t.SetPile(1, {}, {Card(Red3, 5)});
    t.SetPile(2, {Card(Black4, 2)}, {Card(Black1, 6)});
    t.SetPile(3, {Card(Black4, 3), Card(Black4, 4)}, {Card(Red2, 11)});
    if (kingWaiting)
        t.SetPile(4, {Card(Red2, 2), Card(Red2, 3), Card(Red2, 4)}, {Card(Black4, 13)});
    else if (!emptyPile)
        t.SetPile(4, {Card(Red2, 2), Card(Red2, 3), Card(Red2, 4)}, {Card(Black1, 9)});
    t.SetWaste(2, {wasteTop});
    t.DealRest();
    t.g.cfg.Style = 1;
}

TEST(ShiftTableauRuns, EmptiesAPileForTheKingOnTheWaste)
{
    TestTable t;
    LayOutLoneFive(t, Card(Red2, 13), false, false);

    ASSERT_TRUE(ShiftTableauRuns(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], PileX(1) - 2, 121 - 3, PileX(2) + 10, 125 + 30);
    EXPECT_EQ(t.g.TableauTop(1, TopCard), EmptyPileCode);
    EXPECT_EQ(t.g.TableauTop(2, TopCard), Card(Red3, 5));
    t.ExpectSound();
}

TEST(ShiftTableauRuns, EmptiesAPileForAKingWaitingOverFaceDownCards)
{
    TestTable t;
    LayOutLoneFive(t, Card(Red2, 8), true, false);

    ASSERT_TRUE(ShiftTableauRuns(t.g, 2));

    // The five makes room, then the waiting king takes it and its pile turns a card up.
    ASSERT_EQ(t.view.slides.size(), 2u);
    TestTable::ExpectSlide(t.view.slides[0], PileX(1) - 2, 121 - 3, PileX(2) + 10, 125 + 30);
    TestTable::ExpectSlide(t.view.slides[1], PileX(4) - 2, 136 - 3, PileX(1) - 10, 100 + 30);
    EXPECT_EQ(t.g.Tableau(1, 1), Card(Black4, 13));
    EXPECT_EQ(t.g.TableauTop(4, TopCard), Card(Red2, 4));
    t.ExpectSound();
}

TEST(ShiftTableauRuns, LeavesALonePileWithoutAKingToPlaceOrWhenAPileIsEmpty)
{
    for (const bool emptyPile : {false, true}) {
        TestTable t;
        LayOutLoneFive(t, emptyPile ? Card(Red2, 13) : Card(Red2, 8), false, emptyPile);
        const State before = StateOf(t.g);

        EXPECT_FALSE(ShiftTableauRuns(t.g, 2));
        EXPECT_TRUE(t.view.slides.empty());
        State after = StateOf(t.g);
        after.DragCard = before.DragCard; // the last run leader looked at stays in DragCard
        EXPECT_EQ(after, before);
    }
}

TEST(ShiftTableauRuns, BeginnerNeverMovesRuns)
{
    TestTable t;
    LayOutLoneFive(t, Card(Red2, 13), false, false);
    t.g.cfg.Style = 0;
    const State before = StateOf(t.g);
    EXPECT_FALSE(ShiftTableauRuns(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
}

// Found by the self-play soak: a lone queen over three face-down cards moved
// onto a king left its pile's pending top 5 pixels too low.
TEST(ShiftTableauRuns, RunLeavingFaceDownCardsLeavesASoundPosition)
{
    TestTable t;
    t.SetPile(1, {}, {39});
    t.SetPile(2, {Card(Red3, 5)}, {Card(Red3, 4)});
    t.SetPile(3, {Card(Red3, 3), Card(Red3, 2)}, {Card(Red3, 1)});
    t.SetPile(4, {Card(Black1, 2), Card(Black1, 3), Card(Black1, 4)}, {51});
    t.DealRest();

    AutoPlay(t.g, 4, static_cast<float>(PileX(4)), 136);

    EXPECT_EQ(t.g.TableauTop(4, TopCard), TurnUpPending);
    EXPECT_EQ(t.g.TableauTop(4, TopY), 130);
    t.ExpectSound();
}

// ---- Lowering a foundation card ----

TEST(LowerFoundationForRun, TakesTheMissingCardDownAndTheRunFollows)
{
    TestTable t;
    const int jack = Card(Black4, 11), ten = Card(Red3, 10), nine = Card(Black1, 9), under = Card(Red2, 13);
    t.SetPile(1, {}, {jack});
    t.SetPile(2, {Card(Black4, 12)}, {Card(Red2, 4)});
    t.SetPile(4, {under}, {nine});
    t.SetFoundation(1, Red3, 10);
    t.DealRest();
    t.g.cfg.Style = 1;
    const int handCards = t.g.CardsLeft(1) + t.g.CardsLeft(2);

    ASSERT_TRUE(LowerFoundationForRun(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 2u);
    TestTable::ExpectSlide(t.view.slides[0], FoundationX(1), FoundationY, PileX(1), 120 + 25);
    TestTable::ExpectSlide(t.view.slides[1], PileX(4) - 2, 126 - 3, PileX(1) - 10, 140 + 30);
    EXPECT_EQ(t.g.Foundation(1, FoundTop), Card(Red3, 9));
    EXPECT_EQ(t.g.Tableau(1, 2), ten);
    EXPECT_EQ(t.g.Tableau(1, 3), nine);
    EXPECT_EQ(t.g.TableauTop(1, TopY), 160);
    EXPECT_EQ(t.g.TableauTop(4, TopCard), under);
    EXPECT_EQ(t.g.TableauFaceDown(4), 0);
    EXPECT_EQ(t.g.CardsLeft(1) + t.g.CardsLeft(2), handCards); // the card stays on the shared table
    t.ExpectSound();
}

TEST(LowerFoundationForRun, NeverTakesDownATwo)
{
    TestTable t;
    t.SetPile(1, {}, {Card(Black4, 3)});
    t.SetPile(4, {Card(Red2, 13)}, {Card(Black1, 1)}); // an ace leads: the missing card is a two
    t.SetFoundation(1, Red3, 2);
    t.DealRest();
    const State before = StateOf(t.g);

    EXPECT_FALSE(LowerFoundationForRun(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
    EXPECT_TRUE(t.view.slides.empty());
}

// A black nine on the waste, a red ten on a foundation, a black jack on pile 2.
void LayOutNineForTheTen(TestTable& t)
{
    t.SetPile(1, {}, {Card(Red2, 4)});
    t.SetPile(2, {Card(Red2, 12)}, {Card(Black4, 11)});
    t.SetFoundation(1, Red3, 10);
    t.SetWaste(2, {Card(Black1, 9)});
    t.DealRest();
}

TEST(LowerFoundationForWaste, ExpertTakesTheCardDownForItsWasteTop)
{
    TestTable t;
    LayOutNineForTheTen(t);

    ASSERT_TRUE(LowerFoundationForWaste(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 2u);
    TestTable::ExpectSlide(t.view.slides[0], FoundationX(1), FoundationY, PileX(2), 125 + 25);
    TestTable::ExpectSlide(t.view.slides[1], 465, 25, PileX(2) - 15, 145 + 15);
    EXPECT_EQ(t.g.Foundation(1, FoundTop), Card(Red3, 9));
    EXPECT_EQ(t.g.Tableau(2, 2), Card(Red3, 10));
    EXPECT_EQ(t.g.Tableau(2, 3), Card(Black1, 9));
    EXPECT_EQ(t.g.WasteCount(2), 0);
    t.ExpectSound();
}

TEST(LowerFoundationForWaste, OnlyTheExpertLowers)
{
    for (const int style : {0, 1}) {
        TestTable t;
        LayOutNineForTheTen(t);
        t.g.cfg.Style = style;
        const State before = StateOf(t.g);
        EXPECT_FALSE(LowerFoundationForWaste(t.g, 2));
        EXPECT_EQ(StateOf(t.g), before);
    }
}

TEST(LowerFoundationForWaste, NeverTakesDownATwoOrAnAce)
{
    TestTable t;
    t.SetPile(1, {}, {Card(Black4, 3)});
    t.SetFoundation(1, Black4, 1); // an ace alone
    t.SetFoundation(2, Black1, 2); // a black two, one above the red ace on the waste
    t.SetWaste(2, {Card(Red3, 1)});
    t.DealRest();
    const State before = StateOf(t.g);

    EXPECT_FALSE(LowerFoundationForWaste(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
    EXPECT_TRUE(t.view.slides.empty());
}

TEST(LowerFoundationForWaste, LeavesAWasteTopThatFitsAFoundation)
{
    TestTable t;
    LayOutNineForTheTen(t);
    t.SetFoundation(2, Black1, 8);
    t.DealRest();
    const State before = StateOf(t.g);
    EXPECT_FALSE(LowerFoundationForWaste(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
}

// ---- UncoverFoundationCard ----

TEST(UncoverFoundationCard, MovesTheRunLyingOnTheCardAFoundationNeeds)
{
    TestTable t;
    const int needed = Card(Black1, 5), onTop = Card(Red2, 4);
    t.SetPile(2, {Card(Red3, 13)}, {Card(Red3, 6), needed, onTop});
    t.SetPile(4, {Card(Red3, 10), Card(Red3, 11), Card(Red3, 12)}, {Card(Black4, 5)});
    t.SetFoundation(1, Black1, 4);
    t.DealRest();

    UncoverFoundationCard(t.g, 2);

    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], PileX(2) - 2, 165 - 2, PileX(4) + 10, 135 + 30);
    EXPECT_EQ(t.g.TableauTop(2, TopCard), needed);
    EXPECT_EQ(t.g.TableauTop(4, TopCard), onTop);
    EXPECT_EQ(t.g.Foundation(1, FoundTop), Card(Black1, 4)); // taking it up is another kind's work
    t.ExpectSound();
}

TEST(UncoverFoundationCard, OnlyTheExpertDigsAndOnlyWhenTheRunHasSomewhereToGo)
{
    for (const int style : {1, 2}) {
        TestTable t;
        t.SetPile(2, {Card(Red3, 13)}, {Card(Red3, 6), Card(Black1, 5), Card(Red2, 4)});
        t.SetPile(4, {Card(Red3, 10), Card(Red3, 11), Card(Red3, 12)}, {style == 2 ? Card(Red2, 7) : Card(Black4, 5)});
        t.SetFoundation(1, Black1, 4);
        t.DealRest();
        t.g.cfg.Style = style;
        const State before = StateOf(t.g);
        UncoverFoundationCard(t.g, 2);
        EXPECT_EQ(StateOf(t.g), before);
        EXPECT_TRUE(t.view.slides.empty());
    }
}

} // namespace
} // namespace tandrel::test
