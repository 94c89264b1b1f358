// The computer's move search as a whole: when it stops and what each level may
// do. That the same position always gives the same moves is the soak's to see.
#include "opponent/Computer.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

bool Computer(Game& g) { return PlayComputerMoves(g, 2); }
// What the search returns tells whether the waste was played; here any move counts.
bool AnyMove(Game& g)
{
    PlayComputerMoves(g, 2);
    return !ViewOf(g).slides.empty();
}
// The self-play soak lets the computer play the player's side too.
bool ForThePlayer(Game& g) { return PlayComputerMoves(g, 1); }

// Three tables, each offering one move that the Beginner must not make: a load
// onto the player's waste, a run move, and a card taken down from a foundation.
const std::string OffersLoad = "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; ; 7c ; 6h";
const std::string OffersRun = "9d | [3d] 6h | [4d 6d] 2s | [7d 8d Kh] 5c ; ; ; Qs";
const std::string OffersLowering = "Js | [Qs] 4d | - | [Kd] 9c ; Th ; ; 2s";

const MoveCase Cases[] = {
    Before([](Game& g) { g.GameOver = true; }, {"GameAlreadyOverMovesNothing", "7c | - | - | - ; ; 7s ; 6h", Computer, {}}),
    // The ace would go up, but only after the waste has been played.
    {"ReturnsAtOnceWhenTheWasteRunsEmpty", "7c | [2c] 9d | As | [3c 4c 5c] Qd ; ; ; 6h", Computer,
     {{465, 25, PileX(1) - 15, 120 + 15}}, "7c 6h | [2c] 9d | As | [3c 4c 5c] Qd ; - - - - ; - (1) ; - (1)",
     [](const Game& g) { EXPECT_FALSE(g.GameOver); }},
    {"NothingToPlayReturnsFalse", "9d | - | - | - ; ; ; Qs", Computer, {}},
    AtLevel(0, {"BeginnerNeverLoads", OffersLoad, Computer, {}}),
    AtLevel(0, {"BeginnerNeverShiftsARun", OffersRun, Computer, {}}),
    AtLevel(0, {"BeginnerNeverLowers", OffersLowering, Computer, {}}),
    // The same tables at Intermediate: the move comes first of all.
    AtLevel(1, {"IntermediateLoads", OffersLoad, AnyMove, {{465, 25, 465, 300}},
                "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; - - - - ; 7c 6h (1) ; - (1)"}),
    AtLevel(1, {"IntermediateShiftsARun", OffersRun, AnyMove,
                {{PileX(4) - 2, 136 - 3, PileX(2) - 10, 125 + 30}, {465, 25, PileX(4) - 15, 125 + 20}},
                "9d | [3d] 6h 5c | [4d 6d] 2s | [7d 8d] Kh Qs ; - - - - ; - (1) ; - (1)"}),
    AtLevel(1, {"IntermediateLowers", OffersLowering, AnyMove,
                {{FoundationX(1), FoundationY, PileX(1), 120 + 25}, {PileX(4) - 2, 126 - 3, PileX(1) - 10, 140 + 30}},
                "Js Th 9c | [Qs] 4d | - | Kd ; 9h - - - ; - (1) ; 2s (1)"}),
    AtLevel(0, {"BeginnerNeverLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", ForThePlayer, {}}),
    AtLevel(1, {"IntermediateLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", ForThePlayer, {{465, 300, 465, 25}},
                "9d | - | - | - ; - - - - ; - (1) ; 7c 6h (1)"}),
};

class ComputerMoves : public MoveTest {};

TEST_P(ComputerMoves, LeaveWhatTheyShould) { PlayCase(); }

INSTANTIATE_TEST_SUITE_P(Computer, ComputerMoves, ::testing::ValuesIn(Cases), CaseName);

} // namespace
} // namespace tandrel::testing
