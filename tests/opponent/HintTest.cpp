// The hint: the Master's first move in the player's place, or what to do
// instead, and the game left exactly as it was.
#include "opponent/Hint.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

struct HintCase {
    const char* name;
    std::string layout;
    const char* flipped; // the card the player has just flipped, "" none
    HintAdvice advice;
    TablePlace from = {}, to = {};
};

const TablePlace Waste{PlaceKind::PlayerWaste}, TheirWaste{PlaceKind::ComputerWaste};
const HintCase Cases[] = {
    {"WasteTopBeforeThePileGoesHome", "6c | Kd | Qs | Th ; 5c ; 9s ; 3d", "", HintAdvice::Move, Waste, PileAt(4)},
    {"LoadBeforeThePileGoesHome", "6c | Kd | Qs | 2h ; 5c ; 9d ; 8s", "", HintAdvice::Move, Waste, TheirWaste},
    {"PileTopHome", "6c | Kd | Qs | 2h ; 5c ; 9d ; 3d", "", HintAdvice::Move, PileAt(1, 1), FoundationAt(1)},
    {"WaitingCardFirst", "6c | [Kd] | Qs | 2h ; 5c ; 9d ; 3d", "", HintAdvice::Move, PileAt(2)},
    {"NoneSoFlip", "Kd | Qs | 2h | 9c ; ; 9d ; 2c", "", HintAdvice::FlipStock},
    {"NoneAfterTheFlipSoEndTheTurn", "Kd | Qs | 2h | 9c ; ; 9d ; 2c", "9d", HintAdvice::EndTurn},
};

class Hint : public PositionTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(Hint, MastersFirstMoveAndNothingChanged)
{
    const HintCase& c = GetParam();
    Lay(g, c.layout);
    g.FlippedCard = *c.flipped ? Card(c.flipped) : 0;
    Done();
    const Game before = g;
    HintMove move;
    EXPECT_EQ(FindHint(g, move), c.advice);
    EXPECT_TRUE(move.from == c.from && move.to == c.to);
    EXPECT_TRUE(Unchanged(before, g));
    EXPECT_TRUE(view.draws.empty() && view.sounds.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Hint, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tandrel::testing
