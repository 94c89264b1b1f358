// The computer's single-card moves: waste top to a pile or a foundation,
// loading the opponent's waste, and tableau tops up to the foundations.
#include <gtest/gtest.h>

#include <algorithm>

#include "opponent/Computer.h"
#include "engine/Slide.h"
#include "TestTable.h"

namespace tandrel::test {
namespace {

// ---- PlayWasteTop ----

TEST(PlayWasteTop, KingGoesToFirstEmptyPileBeforeItsFoundation)
{
    TestTable t;
    const int king = Card(Black1, 13);
    t.SetPile(1, {}, {Card(Red3, 9)});
    t.SetPile(3, {Card(Red2, 5), Card(Red2, 6)}, {Card(Black4, 4)});
    t.SetFoundation(1, Black1, 12); // the king would fit here too
    t.SetWaste(2, {Card(Red3, 2), king}, 2);
    t.DealRest();
    const int cardsLeft = t.g.CardsLeft(2);

    ASSERT_TRUE(PlayWasteTop(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], 480, 25, PileX(2) - 15, 100 + 15);
    EXPECT_EQ(t.g.TableauTop(2, TopCard), king);
    EXPECT_EQ(t.g.TableauTop(2, TopY), 120);
    EXPECT_EQ(t.g.Tableau(2, 1), king);
    EXPECT_EQ(t.g.Foundation(1, FoundTop), Card(Black1, 12));
    EXPECT_EQ(t.g.WasteCount(2), 1);
    EXPECT_EQ(t.g.WasteFan(2), 1);
    EXPECT_EQ(t.g.CardsLeft(2), cardsLeft - 1);
    EXPECT_EQ(t.g.UndoRecord, "3213");
    EXPECT_EQ(t.g.DragCard, 0);
    t.ExpectSound();
}

TEST(PlayWasteTop, CardGoesOnTheFirstPileThatTakesIt)
{
    TestTable t;
    const int six = Card(Red2, 6);
    t.SetPile(1, {}, {Card(Red3, 7)});               // same colour
    t.SetPile(2, {}, {Card(Black1, 8)});             // wrong rank
    t.SetPile(3, {Card(Red3, 12)}, {Card(Black4, 7)}); // first to fit
    t.SetPile(4, {Card(Red3, 11), Card(Red3, 10), Card(Red3, 9)}, {Card(Black1, 7)});
    t.SetWaste(2, {six});
    t.DealRest();

    ASSERT_TRUE(PlayWasteTop(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], 465, 25, PileX(3) - 15, 125 + 15);
    EXPECT_EQ(t.g.TableauTop(3, TopCard), six);
    EXPECT_EQ(t.g.TableauTop(3, TopY), 145);
    EXPECT_EQ(t.g.Tableau(3, 2), six);
    EXPECT_EQ(t.g.TableauTop(4, TopCard), Card(Black1, 7));
    EXPECT_EQ(t.g.WasteCount(2), 0);
    t.ExpectSound();
}

TEST(PlayWasteTop, AceGoesToFirstEmptyFoundationNeverToAPileOrTheOpponentsWaste)
{
    TestTable t;
    const int ace = Card(Red3, 1);
    t.SetPile(1, {}, {Card(Black1, 2)}); // a black two: the ace's rank and colour would suit it
    t.SetFoundation(1, Red2, 3);
    t.SetWaste(1, {Card(Black4, 2)});   // the same on the player's waste
    t.SetWaste(2, {Card(Black4, 9), ace});
    t.DealRest();
    const State before = StateOf(t.g);

    EXPECT_FALSE(LoadOpponentWaste(t.g, 2, false));
    EXPECT_EQ(StateOf(t.g), before);
    EXPECT_TRUE(t.view.slides.empty());

    ASSERT_TRUE(PlayWasteTop(t.g, 2));
    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], 465, 25, FoundationX(2), FoundationY);
    EXPECT_EQ(t.g.Foundation(2, FoundSuit), Red3);
    EXPECT_EQ(t.g.Foundation(2, FoundTop), ace - 13);
    EXPECT_EQ(t.g.Tableau(1, 2), 0);
    EXPECT_EQ(t.g.UndoRecord, "402");
    t.ExpectSound();
}

TEST(PlayWasteTop, NothingFitsChangesNothing)
{
    TestTable t;
    t.SetPile(1, {}, {Card(Red3, 9)});
    t.SetWaste(2, {Card(Black1, 5)});
    t.SetWaste(1, {Card(Red2, 6)}); // a load would fit, but this kind never loads
    t.DealRest();
    t.g.DragCard = 17;
    t.g.UndoRecord = "3105";
    const State before = StateOf(t.g);

    EXPECT_FALSE(PlayWasteTop(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
    EXPECT_TRUE(t.view.slides.empty());
}

// ---- LoadOpponentWaste ----

struct LoadCase {
    int card;
    bool accepted;
};

class LoadOntoBlackSeven : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadOntoBlackSeven, EitherDirectionOfRankOppositeColourOnly)
{
    TestTable t;
    const int seven = Card(Black1, 7);
    t.SetWaste(1, {Card(Red2, 13), seven}, 2);
    t.SetWaste(2, {Card(Black4, 12), GetParam().card});
    t.DealRest();
    t.g.FlippedCard = GetParam().card;
    const State before = StateOf(t.g);
    const int left1 = t.g.CardsLeft(1), left2 = t.g.CardsLeft(2), level1 = t.g.StockLevel(1);

    const bool loaded = LoadOpponentWaste(t.g, 2, false);

    ASSERT_EQ(loaded, GetParam().accepted);
    if (!loaded) {
        EXPECT_EQ(StateOf(t.g), before);
        EXPECT_TRUE(t.view.slides.empty());
        return;
    }
    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], 465, 25, 480, 300); // onto the player's top, fanned two
    EXPECT_EQ(t.g.WasteCount(1), 3);
    EXPECT_EQ(t.g.Waste(1, 3), GetParam().card);
    EXPECT_EQ(t.g.WasteCards(1), 3);
    EXPECT_EQ(t.g.StockLevel(1), level1 + 1);
    EXPECT_EQ(t.g.WasteCount(2), 1);
    EXPECT_EQ(t.g.CardsLeft(1), left1 + 1);
    EXPECT_EQ(t.g.CardsLeft(2), left2 - 1);
    EXPECT_EQ(t.g.FlippedCard, 0);
    EXPECT_EQ(t.g.UndoRecord, ""); // the computer's loads leave no player's record
    t.ExpectSound();
}

INSTANTIATE_TEST_SUITE_P(Cards, LoadOntoBlackSeven,
                         ::testing::Values(LoadCase{Card(Red3, 6), true}, LoadCase{Card(Red2, 8), true},
                                           LoadCase{Card(Red3, 7), false}, LoadCase{Card(Black4, 6), false},
                                           LoadCase{Card(Red2, 5), false}, LoadCase{Card(Red3, 1), false}),
                         [](const auto& info) { return "Card" + std::to_string(info.param.card); });

TEST(LoadOpponentWaste, PlayerLoadsTheComputersWasteAndWritesItsRecordOnlyWhenAccepted)
{
    for (const int card : {Card(Red2, 7), Card(Black4, 9)}) {
        TestTable t;
        t.SetWaste(2, {Card(Red3, 8)});
        t.SetWaste(1, {Card(Black1, 8), card});
        t.DealRest();
        t.g.cfg.Style = 0; // the player's right-click does not depend on the computer's level
        t.g.UndoRecord = "3105";
        const State before = StateOf(t.g);

        const bool loaded = LoadOpponentWaste(t.g, 1, false);

        if (card == Card(Red2, 7)) { // red on red
            EXPECT_FALSE(loaded);
            EXPECT_EQ(StateOf(t.g), before);
            EXPECT_EQ(t.g.UndoRecord, "3105");
            continue;
        }
        ASSERT_TRUE(loaded);
        EXPECT_EQ(t.g.UndoRecord, "6");
        EXPECT_EQ(t.g.Waste(2, 2), card);
        EXPECT_EQ(t.g.WasteCount(1), 1);
        ASSERT_EQ(t.view.slides.size(), 1u);
        TestTable::ExpectSlide(t.view.slides[0], 465, 300, 465, 25);
        t.ExpectSound();
    }
}

TEST(LoadOpponentWaste, BeginnerComputerNeverLoadsButUndoAlwaysCan)
{
    TestTable t;
    t.SetWaste(1, {Card(Black1, 7)});
    t.SetWaste(2, {Card(Red3, 6)});
    t.DealRest();
    t.g.cfg.Style = 0;
    const State before = StateOf(t.g);
    EXPECT_FALSE(PlayComputerMoves(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);

    // Undo hands a card back whatever it is: here a black six onto the black seven.
    TestTable u;
    u.SetWaste(1, {Card(Black1, 7)});
    u.SetWaste(2, {Card(Black4, 6)});
    u.DealRest();
    u.g.cfg.Style = 0;
    ASSERT_TRUE(LoadOpponentWaste(u.g, 2, true));
    EXPECT_EQ(u.g.Waste(1, 2), Card(Black4, 6));
    EXPECT_EQ(u.g.WasteCount(2), 0);
    u.ExpectSound();
}

TEST(LoadOpponentWaste, NeedsACardOnBothWastesExceptToGiveACardBack)
{
    TestTable t;
    t.SetWaste(2, {Card(Red3, 6)});
    t.DealRest();
    const State before = StateOf(t.g);
    EXPECT_FALSE(LoadOpponentWaste(t.g, 2, false));
    EXPECT_FALSE(LoadOpponentWaste(t.g, 1, true)); // nothing to give
    EXPECT_EQ(StateOf(t.g), before);

    // Undo's load may land on the waste the card had left empty.
    ASSERT_TRUE(LoadOpponentWaste(t.g, 2, true));
    EXPECT_EQ(t.g.WasteCount(1), 1);
    EXPECT_EQ(t.g.Waste(1, 1), Card(Red3, 6));
    t.ExpectSound();
}

// ---- TableauToFoundation ----

TEST(TableauToFoundation, LastFaceUpCardGoesUpAndTheNextIsTurnedAtOnce)
{
    TestTable t;
    const int under = Card(Black4, 9), next = Card(Red2, 12);
    t.SetPile(1, {}, {Card(Black1, 5)});          // no face-down cards: the pile empties
    t.SetPile(3, {under, next}, {Card(Red3, 3)}); // face-down: the next one is turned up
    t.SetFoundation(1, Red3, 2);
    t.SetFoundation(2, Black1, 4);
    t.DealRest();
    t.g.UndoRecord = "3105";

    ASSERT_TRUE(TableauToFoundation(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 2u);
    TestTable::ExpectSlide(t.view.slides[0], PileX(1), 100, FoundationX(2) - 5, 5);
    TestTable::ExpectSlide(t.view.slides[1], PileX(3), 125, FoundationX(1) - 5, 5);
    EXPECT_EQ(t.g.TableauTop(1, TopCard), EmptyPileCode);
    EXPECT_EQ(t.g.TableauTop(1, TopY), 100);
    EXPECT_EQ(t.g.TableauTop(3, TopCard), next);
    EXPECT_EQ(t.g.TableauTop(3, TopY), 125);
    EXPECT_EQ(t.g.Tableau(3, 1), next);
    EXPECT_EQ(t.g.TableauFaceDown(3), 1);
    EXPECT_EQ(t.g.Foundation(1, FoundTop), Card(Red3, 3));
    EXPECT_EQ(t.g.Foundation(2, FoundTop), Card(Black1, 5));
    EXPECT_EQ(t.g.UndoRecord, ""); // a turned-up card ends what can be undone
    EXPECT_NE(std::find(t.view.pauses.begin(), t.view.pauses.end(), t.g.cfg.PlaySpeed + 250), t.view.pauses.end());
    t.ExpectSound();
}

TEST(TableauToFoundation, AceStartsTheFirstEmptyFoundationAndNothingElseMoves)
{
    TestTable t;
    t.SetPile(2, {Card(Red3, 4)}, {Card(Black1, 9), Card(Red2, 8)});
    t.SetPile(4, {}, {Card(Black4, 1)});
    t.SetFoundation(1, Red3, 2);
    t.DealRest();

    ASSERT_TRUE(TableauToFoundation(t.g, 2));
    ASSERT_EQ(t.view.slides.size(), 1u);
    EXPECT_EQ(t.g.Foundation(2, FoundSuit), Black4);
    EXPECT_EQ(t.g.Foundation(2, FoundTop), Card(Black4, 1) - 13);
    EXPECT_EQ(t.g.TableauTop(2, TopCard), Card(Red2, 8));

    t.view.Clear();
    EXPECT_FALSE(TableauToFoundation(t.g, 2));
    EXPECT_TRUE(t.view.slides.empty());
    t.ExpectSound();
}

} // namespace
} // namespace tandrel::test
