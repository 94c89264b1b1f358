// The Master: it reads nothing hidden, proposes only what the rules take, and
// finds a hand's play-out where the Expert's order would miss it.
#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "engine/Position.h"
#include "opponent/ComputerPlan.h"
#include "opponent/Hint.h"
#include "opponent/Master.h"
#include "support/Positions.h"
#include "support/SoakPositions.h"

namespace tandrel::testing {
namespace {

// Enough deals to decide; few enough for a quick test.
const MasterBudget Quick{6, 2, 0.5, 1};

// The same position but for the order of what no player sees: the face-down
// tableau cards and the stocks' cards shuffled among their places.
Game HiddenShuffled(const Game& g, unsigned seed)
{
    Game h = g;
    std::vector<int*> places;
    for (int p = 1; p <= PileCount; ++p)
        for (int k = 1; k <= h.TableauFaceDown(p); ++k) places.push_back(&h.Deck(FaceDownPosition(p, k)));
    for (int s = 1; s <= 2; ++s)
        for (int i = 1; i <= HandSlots; ++i)
            if (h.Stock(s, i) != 0) places.push_back(&h.Stock(s, i));
    std::vector<int> cards;
    for (int* place : places) cards.push_back(*place);
    std::shuffle(cards.begin(), cards.end(), std::mt19937(seed));
    for (std::size_t i = 0; i < places.size(); ++i) *places[i] = cards[i];
    return h;
}

TEST(Master, TheOrderOfUnseenCardsNeverChangesItsMove)
{
    HeadlessView view;
    int differing = 0;
    for (const Game& g : SoakPositions(view, 12, 40)) {
        const Game other = HiddenShuffled(g, static_cast<unsigned>(differing + 7));
        if (SameTable(g, other)) continue; // nothing hidden left to shuffle
        ++differing;
        for (int side = 1; side <= 2; ++side)
            ASSERT_EQ(NextMasterMove(g, side, Quick), NextMasterMove(other, side, Quick)) << "side " << side;
    }
    EXPECT_GT(differing, 100);
}

// Whole turns at the Master's level from positions real games reach, on either
// side: every step it proposes, the rules take (PlayComputerTurn throws otherwise),
// and it never ends a turn without a flip.
TEST(Master, EveryMoveItProposesIsLegalOnEitherSide)
{
    HeadlessView view;
    const MasterBudget before = std::exchange(MasterPlayBudget(), Quick);
    long moves = 0;
    for (Game g : SoakPositions(view, 8, 40)) {
        g.cfg.ComputerLevel = Level::Master;
        for (int side : {1, 2}) {
            if (const auto next = NextComputerMove(g, side)) {
                EXPECT_TRUE(IsLegal(g, *next));
            }
            if (g.GameOver) break;
            int flips = 0;
            g.FlipsThisTurn = 0; // a turn of its own from here
            bool played = false;
            EXPECT_NO_THROW(played = PlayComputerTurn(g, side, [&](const Applied& a) { ++moves, flips += a.flippedCount; }));
            ASSERT_TRUE(CheckPosition(g));
            // A turn ends with cards on the waste only after a card was flipped, as the player's must.
            if (played && !g.GameOver && CardsLeft(g, side) > 1 && !WasteEmpty(g, side)) {
                EXPECT_GT(flips, 0);
            }
        }
    }
    MasterPlayBudget() = before;
    EXPECT_GT(moves, 1000);
}

// The last card, the four of hearts, goes home and the hand is out; the Expert would
// first take the three of hearts down for the two of spades to follow and free a card.
class MasterPlaysOut : public ::testing::TestWithParam<int> {};

TEST_P(MasterPlaysOut, RatherThanTheExpertsMove)
{
    const int side = GetParam();
    TestGame t;
    Game& g = t.g;
    const std::string hands = side == 2 ? "9c ; 4h" : "4h ; 9c";
    Lay(g, "4s | Kc | [Ts] 2s | Qs ; 3h ; " + hands);
    ParkRest(g, OtherSide(side));
    ASSERT_TRUE(Sound(g));
    g.cfg.ComputerLevel = Level::Expert;
    ASSERT_EQ(NextComputerMove(g, side)->kind, MoveKind::FoundationToPile);

    g.cfg.ComputerLevel = Level::Master;
    const MasterBudget before = std::exchange(MasterPlayBudget(), Quick);
    BeginTurn(g, side);
    PlayComputerTurn(g, side, [](const Applied&) {});
    MasterPlayBudget() = before;
    EXPECT_TRUE(g.GameOver && g.LastWinner == side);
}

INSTANTIATE_TEST_SUITE_P(EitherSide, MasterPlaysOut, ::testing::Values(1, 2));

// The hint gives the Master's move itself, for the panel to name.
TEST(Master, TheHintNamesTheMastersMove)
{
    TestGame t;
    Lay(t.g, "4s | Kc | [Ts] 2s | Qs ; 3h ; 4h ; 9c");
    ParkRest(t.g, 2);
    HintMove hint;
    EXPECT_EQ(FindHint(t.g, hint), HintAdvice::Move);
    const Move home{MoveKind::WasteToFoundation, 1, 0, 0, 1, Card("4h")};
    EXPECT_EQ(hint.move, home);
    EXPECT_TRUE(hint.from == TablePlace{PlaceKind::PlayerWaste} && hint.to == FoundationAt(1));
}

} // namespace
} // namespace tandrel::testing
