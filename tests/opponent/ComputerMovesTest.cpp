// The computer's move search as a whole: when it stops, what each level may
// do, and that the same position always gives the same moves.
#include <gtest/gtest.h>

#include "engine/Deal.h"
#include "engine/Turn.h"
#include "opponent/Computer.h"
#include "selfplay/SelfPlay.h"
#include "TestTable.h"

namespace tandrel::test {
namespace {

TEST(PlayComputerMoves, GameAlreadyOverMovesNothing)
{
    TestTable t;
    t.SetPile(1, {}, {Card(Black1, 7)});
    t.SetWaste(2, {Card(Red3, 6)});
    t.SetWaste(1, {Card(Black4, 7)});
    t.DealRest();
    t.g.GameOver = true;
    const State before = StateOf(t.g);

    EXPECT_FALSE(PlayComputerMoves(t.g, 2));
    EXPECT_EQ(StateOf(t.g), before);
    EXPECT_TRUE(t.view.slides.empty());
}

TEST(PlayComputerMoves, ReturnsAtOnceWhenTheWasteRunsEmpty)
{
    TestTable t;
    const int ace = Card(Black4, 1);
    t.SetPile(1, {}, {Card(Black1, 7)});
    t.SetPile(2, {Card(Black1, 2)}, {Card(Red2, 9)});
    t.SetPile(3, {}, {ace}); // would go up, but only after the waste has been played
    t.SetPile(4, {Card(Black1, 3), Card(Black1, 4), Card(Black1, 5)}, {Card(Red2, 12)});
    t.SetWaste(2, {Card(Red3, 6)});
    t.DealRest();

    EXPECT_TRUE(PlayComputerMoves(t.g, 2));

    ASSERT_EQ(t.view.slides.size(), 1u);
    TestTable::ExpectSlide(t.view.slides[0], 465, 25, PileX(1) - 15, 120 + 15);
    EXPECT_EQ(t.g.WasteCount(2), 0);
    EXPECT_EQ(t.g.TableauTop(3, TopCard), ace);
    EXPECT_FALSE(t.g.GameOver);
    t.ExpectSound();
}

TEST(PlayComputerMoves, NothingToPlayReturnsFalse)
{
    TestTable t;
    t.SetPile(1, {}, {Card(Red2, 9)});
    t.SetWaste(2, {Card(Black4, 12)});
    t.DealRest();
    EXPECT_FALSE(PlayComputerMoves(t.g, 2));
    EXPECT_TRUE(t.view.slides.empty());
}

// Three tables, each offering one move that the Beginner must not make: a load
// onto the player's waste, a run move, and a card taken down from a foundation.
enum class Offer { Load, Run, Lowering };

void LayOut(TestTable& t, Offer offer)
{
    switch (offer) {
    case Offer::Load:
        t.SetPile(1, {}, {Card(Red2, 9)});
        t.SetPile(2, {Card(Black4, 3)}, {Card(Black1, 12)});
        t.SetPile(3, {Card(Black4, 4), Card(Black4, 5)}, {Card(Red2, 5)});
        t.SetPile(4, {Card(Black4, 6), Card(Black4, 8), Card(Black4, 9)}, {Card(Red3, 10)});
        t.SetWaste(1, {Card(Black1, 7)});
        t.SetWaste(2, {Card(Red3, 6)});
        break;
    case Offer::Run:
        t.SetPile(1, {}, {Card(Red2, 9)});
        t.SetPile(2, {Card(Red2, 3)}, {Card(Red3, 6)});
        t.SetPile(3, {Card(Red2, 4), Card(Red2, 6)}, {Card(Black4, 2)});
        t.SetPile(4, {Card(Red2, 7), Card(Red2, 8), Card(Red3, 13)}, {Card(Black1, 5)});
        t.SetWaste(2, {Card(Black4, 12)});
        break;
    case Offer::Lowering:
        t.SetPile(1, {}, {Card(Black4, 11)});
        t.SetPile(2, {Card(Black4, 12)}, {Card(Red2, 4)});
        t.SetPile(4, {Card(Red2, 13)}, {Card(Black1, 9)});
        t.SetFoundation(1, Red3, 10);
        t.SetWaste(2, {Card(Black4, 2)});
        break;
    }
    t.DealRest();
}

class OnlyBeyondBeginner : public ::testing::TestWithParam<Offer> {};

TEST_P(OnlyBeyondBeginner, BeginnerNeverLoadsShiftsOrLowers)
{
    TestTable beginner;
    LayOut(beginner, GetParam());
    beginner.g.cfg.Style = 0;
    const State before = StateOf(beginner.g);

    EXPECT_FALSE(PlayComputerMoves(beginner.g, 2));
    EXPECT_EQ(StateOf(beginner.g), before);
    EXPECT_TRUE(beginner.view.slides.empty());

    // The same table at Intermediate makes the move, first of all.
    TestTable intermediate;
    LayOut(intermediate, GetParam());
    intermediate.g.cfg.Style = 1;
    PlayComputerMoves(intermediate.g, 2);
    ASSERT_FALSE(intermediate.view.slides.empty());
    const SlideRecord& first = intermediate.view.slides[0];
    switch (GetParam()) {
    case Offer::Load:
        TestTable::ExpectSlide(first, 465, 25, 465, 300);
        EXPECT_EQ(intermediate.g.Waste(1, 2), Card(Red3, 6));
        break;
    case Offer::Run:
        TestTable::ExpectSlide(first, PileX(4) - 2, 136 - 3, PileX(2) - 10, 125 + 30);
        EXPECT_EQ(intermediate.g.Tableau(2, 2), Card(Black1, 5));
        break;
    case Offer::Lowering:
        TestTable::ExpectSlide(first, FoundationX(1), FoundationY, PileX(1), 120 + 25);
        EXPECT_EQ(intermediate.g.Tableau(1, 2), Card(Red3, 10));
        break;
    }
    intermediate.ExpectSound();
}

INSTANTIATE_TEST_SUITE_P(Moves, OnlyBeyondBeginner, ::testing::Values(Offer::Load, Offer::Run, Offer::Lowering),
                         [](const auto& info) {
                             return info.param == Offer::Load ? "Load" : info.param == Offer::Run ? "Run" : "Lowering";
                         });

TEST(PlayComputerMoves, TheLevelDecidesLoadsForEitherSide)
{
    for (const int style : {0, 1}) {
        TestTable t; // the self-play soak lets the computer play the player's side too
        t.SetPile(1, {}, {Card(Red2, 9)});
        t.SetWaste(2, {Card(Black1, 7)});
        t.SetWaste(1, {Card(Red3, 6)});
        t.DealRest();
        t.g.cfg.Style = style;

        EXPECT_EQ(PlayComputerMoves(t.g, 1), style == 1);
        EXPECT_EQ(t.g.WasteCount(2), style == 1 ? 2 : 1);
        EXPECT_EQ(t.view.slides.size(), style == 1 ? 1u : 0u);
    }
}

// ---- The same position and level always make the same moves ----

struct Record {
    std::vector<SlideRecord> slides;
    std::vector<int> sounds;
    State end;
};

Record PlayTurns(int level, std::uint64_t deal)
{
    TestTable t;
    selfplay::DealNumberedGame(t.g, deal);
    t.g.cfg.FlipNum = 3;
    NewGame(t.g, false);
    t.g.cfg.Style = level;
    for (int turn = 0; turn < 16 && !t.g.GameOver; ++turn) {
        if (turn % 2 == 0)
            selfplay::PlayComputerSideTurn(t.g, 1);
        else
            ComputerTurn(t.g, 2);
    }
    return {t.view.slides, t.view.sounds, StateOf(t.g)};
}

TEST(PlayComputerMoves, SamePositionAndLevelMakeTheSameMoves)
{
    for (const int level : {0, 1, 2}) {
        const Record a = PlayTurns(level, 7), b = PlayTurns(level, 7);
        ASSERT_GT(a.slides.size(), 20u) << "level " << level;
        ASSERT_EQ(a.slides.size(), b.slides.size()) << "level " << level;
        for (std::size_t i = 0; i < a.slides.size(); ++i) {
            TestTable::ExpectSlide(b.slides[i], a.slides[i].x, a.slides[i].y, a.slides[i].targetX,
                                   a.slides[i].targetY);
        }
        EXPECT_EQ(a.sounds, b.sounds);
        EXPECT_EQ(a.end, b.end) << "level " << level;
    }
}

} // namespace
} // namespace tandrel::test
