// The computer's tableau tactics: moving runs, lowering foundation cards for a
// run or the waste top, and digging out a card a foundation waits for.
#include "opponent/Computer.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

// A refused shift leaves the last run leader it looked at in DragCard, which nothing reads.
bool ShiftRuns(Game& g)
{
    const int dragCard = g.DragCard;
    const bool moved = ShiftTableauRuns(g, 2);
    if (!moved) g.DragCard = dragCard;
    return moved;
}
bool LowerForRun(Game& g) { return LowerFoundationForRun(g, 2); }
bool LowerForWaste(Game& g) { return LowerFoundationForWaste(g, 2); }
bool Uncover(Game& g)
{
    UncoverFoundationCard(g, 2);
    return !ViewOf(g).slides.empty();
}

// Pile 1 holds a red five and nothing under it; pile 2's black six would take it.
const std::string LoneFive = "5h | [2s] 6c | [3s 4s] Jd | ";
// A black nine on the waste, a red ten on a foundation, a black jack on pile 2.
const std::string NineForTheTen = "4d | [Qd] Js | - | - ; Th ; ; 9c";
// A black five under a red four on pile 2, wanted by foundation 1.
const std::string BuriedFive = "- | [Kh] 6h 5c 4d | - | [Th Jh Qh] ";

const MoveCase Cases[] = {
    // Lifted at the king's top edge, landing left of and below the empty pile.
    AtLevel(1, {"KingOverFaceDownCardsMovesToTheEmptyPileAndFreesThem", "- | [2s] Td | [4s 5s] 3s | [6s 7s 9d] Kc Qh",
                ShiftRuns, {{PileX(4) - 2, 136 - 3, PileX(1) - 10, 100 + 30}},
                "Kc Qh | [2s] Td | [4s 5s] 3s | [6s 7s] 9d ; - - - - ; - (1) ; - (1)"}),
    AtLevel(1, {"EmptiesAPileForTheKingOnTheWaste", LoneFive + "[2d 3d 4d] 9c ; ; ; Kd", ShiftRuns,
                {{PileX(1) - 2, 121 - 3, PileX(2) + 10, 125 + 30}},
                "- | [2s] 6c 5h | [3s 4s] Jd | [2d 3d 4d] 9c ; - - - - ; - (1) ; Kd (1)"}),
    // The five makes room, then the waiting king takes it and its pile turns a card up.
    AtLevel(1, {"EmptiesAPileForAKingWaitingOverFaceDownCards", LoneFive + "[2d 3d 4d] Ks ; ; ; 8d", ShiftRuns,
                {{PileX(1) - 2, 121 - 3, PileX(2) + 10, 125 + 30}, {PileX(4) - 2, 136 - 3, PileX(1) - 10, 100 + 30}},
                "Ks | [2s] 6c 5h | [3s 4s] Jd | [2d 3d] 4d ; - - - - ; - (1) ; 8d (1)"}),
    AtLevel(1, {"LeavesALonePileWithoutAKingToPlace", LoneFive + "[2d 3d 4d] 9c ; ; ; 8d", ShiftRuns, {}}),
    AtLevel(1, {"LeavesALonePileWhenAPileIsEmpty", LoneFive + "- ; ; ; Kd", ShiftRuns, {}}),
    AtLevel(0, {"BeginnerNeverMovesRuns", LoneFive + "[2d 3d 4d] 9c ; ; ; Kd", ShiftRuns, {}}),

    AtLevel(1, {"TakesTheMissingCardDownAndTheRunFollows", "Js | [Qs] 4d | - | [Kd] 9c ; Th", LowerForRun,
                {{FoundationX(1), FoundationY, PileX(1), 120 + 25}, {PileX(4) - 2, 126 - 3, PileX(1) - 10, 140 + 30}},
                "Js Th 9c | [Qs] 4d | - | Kd ; 9h - - - ; - (1) ; - (1)"}),
    // An ace leads: the missing card is a two.
    {"NeverTakesDownATwoForARun", "3s | - | - | [Kd] Ac ; 2h", LowerForRun, {}},

    {"ExpertTakesTheCardDownForItsWasteTop", NineForTheTen, LowerForWaste,
     {{FoundationX(1), FoundationY, PileX(2), 125 + 25}, {465, 25, PileX(2) - 15, 145 + 15}},
     "4d | [Qd] Js Th 9c | - | - ; 9h - - - ; - (1) ; - (1)"},
    AtLevel(1, {"IntermediateNeverLowersForTheWaste", NineForTheTen, LowerForWaste, {}}),
    AtLevel(0, {"BeginnerNeverLowersForTheWaste", NineForTheTen, LowerForWaste, {}}),
    {"LeavesAWasteTopThatFitsAFoundation", "4d | [Qd] Js | - | - ; Th 8c ; ; 9c", LowerForWaste, {}},
    // An ace alone, and a black two one above the red ace on the waste.
    {"NeverTakesDownATwoOrAnAceForTheWaste", "3s | - | - | - ; As 2c ; ; Ah", LowerForWaste, {}},

    // Taking the five up is another kind's work.
    {"MovesTheRunLyingOnTheCardAFoundationNeeds", BuriedFive + "5s ; 4c", Uncover,
     {{PileX(2) - 2, 165 - 2, PileX(4) + 10, 135 + 30}},
     "- | [Kh] 6h 5c | - | [Th Jh Qh] 5s 4d ; 4c - - - ; - (1) ; - (1)"},
    AtLevel(1, {"OnlyTheExpertDigs", BuriedFive + "5s ; 4c", Uncover, {}}),
    {"DigsOnlyWhenTheRunHasSomewhereToGo", BuriedFive + "7d ; 4c", Uncover, {}},
};

class TableauTactic : public MoveTest {};

TEST_P(TableauTactic, LeavesWhatItShould) { PlayCase(); }

INSTANTIATE_TEST_SUITE_P(Computer, TableauTactic, ::testing::ValuesIn(Cases), CaseName);

} // namespace
} // namespace tandrel::testing
