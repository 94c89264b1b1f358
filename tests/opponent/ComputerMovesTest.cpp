// The computer's moves from crafted positions: the search as a whole (when it
// stops and what each level may do; that the same position always gives the
// same moves is the soak's to see), the single-card moves and the tableau
// tactics (moving runs, lowering foundation cards, digging out a wanted card).
#include <algorithm>

#include "opponent/Computer.h"
#include "store/UndoRecord.h"
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

const MoveCase SearchCases[] = {
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

// Single-card moves: waste top to a pile or a foundation, loading the opponent's waste, tableau tops home.

bool WasteTop(Game& g) { return PlayWasteTop(g, 2); }
bool Load(Game& g) { return LoadOpponentWaste(g, 2, false); }
bool PlayerLoads(Game& g) { return LoadOpponentWaste(g, 1, false); }
bool UndoLoad(Game& g) { return LoadOpponentWaste(g, 2, true); }
bool UndoLoadToComputer(Game& g) { return LoadOpponentWaste(g, 1, true); }
bool PileTopHome(Game& g) { return TableauToFoundation(g, 2); }

auto Record(std::string undo)
{
    return [undo](Game& g) { g.Undo = ParseUndoRecord(undo); };
}
const MoveCase SingleCardCases[] = {
    {"KingGoesToFirstEmptyPileBeforeItsFoundation", "9h | - | [5d 6d] 4s | - ; Qc ; ; 2h Kc (2)", WasteTop,
     {{480, 25, PileX(2) - 15, 100 + 15}}, "9h | Kc | [5d 6d] 4s | - ; Qc - - - ; - (1) ; 2h (1)",
     [](const Game& g) { EXPECT_EQ(g.DragCard, 0); }},
    // Same colour, wrong rank, then the first to fit.
    {"CardGoesOnTheFirstPileThatTakesIt", "7h | 8c | [Qh] 7s | [Jh Th 9h] 7c ; ; ; 6d", WasteTop,
     {{465, 25, PileX(3) - 15, 125 + 15}}, "7h | 8c | [Qh] 7s 6d | [Jh Th 9h] 7c ; - - - - ; - (1) ; - (1)"},
    {"AceIsNeverLoadedOntoTheOpponentsWaste", "- | - | - | - ; ; 2s ; 9s Ah", Load, {}},
    {"AceGoesToTheFirstEmptyFoundationNotOntoAPile", "2c | - | - | - ; 3d ; ; 9s Ah", WasteTop,
     {{465, 25, FoundationX(2), FoundationY}}, "2c | - | - | - ; 3d Ah - - ; - (1) ; 9s (1)"},
    {"AceOnAnEmptyRowGoesToFoundationOne", "- | - | - | - ; ; ; 9s Ah", WasteTop,
     {{465, 25, FoundationX(1), FoundationY}}, "- | - | - | - ; Ah - - - ; - (1) ; 9s (1)"},
    // A load would fit, but this kind never loads.
    Before([](Game& g) { g.DragCard = 17, g.Undo = ParseUndoRecord("3105"); },
           {"NothingFitsChangesNothing", "9h | - | - | - ; ; 6d ; 5c", WasteTop, {}}),

    // Loads onto the opponent's waste (the rule itself is the engine's).
    Before([](Game& g) { g.FlippedCard = Card("6h"); },
           {"LoadsTheFlippedCardOntoThePlayersWaste", "- | - | - | - ; ; Kd 7c (2) ; Qs 6h", Load,
            {{465, 25, 480, 300}}, "- | - | - | - ; - - - - ; Kd 7c 6h (2) ; Qs (1)",
            [](const Game& g) {
                EXPECT_EQ(g.StockLevel(1), 43); // the card joins the player's hand
                EXPECT_EQ(g.FlippedCard, 0);
                EXPECT_FALSE(g.Undo); // the computer's loads leave no player's record
            }}),
    Before(Record("3105"), {"PlayerRefusedALoadKeepsTheLastRecord", "- | - | - | - ; ; 8c 7d ; 8h", PlayerLoads, {}}),
    Before(Record("3105"), AtLevel(0, {"PlayerLoadWritesItsRecordWhateverTheComputersLevel",
                                       "- | - | - | - ; ; 8c 9s ; 8h", PlayerLoads, {{465, 300, 465, 25}},
                                       "- | - | - | - ; - - - - ; 8c (1) ; 8h 9s (1)"})),
    // Undo hands back any card: here a black six onto the black seven.
    AtLevel(0, {"UndoHandsBackAnyCardEvenForABeginner", "- | - | - | - ; ; 7c ; 6s", UndoLoad, {{465, 25, 465, 300}},
                "- | - | - | - ; - - - - ; 7c 6s (1) ; - (1)"}),
    {"UndoHandsBackOntoTheWasteTheCardLeftEmpty", "- | - | - | - ; ; ; 6h", UndoLoad, {{465, 25, 465, 300}},
     "- | - | - | - ; - - - - ; 6h (1) ; - (1)"},
    {"NoLoadWithoutACardOnTheOtherWaste", "- | - | - | - ; ; ; 6h", Load, {}},
    {"NoUndoLoadWithoutACardToGive", "- | - | - | - ; ; ; 6h", UndoLoadToComputer, {}},

    // Tableau tops up to the foundations: a pile empties, another turns its next card up at once.
    Before(Record("3105"),
           {"LastFaceUpCardGoesUpAndTheNextIsTurnedAtOnce", "5c | - | [9s Qd] 3h | - ; 2h 4c", PileTopHome,
            {{PileX(1), 100, FoundationX(2) - 5, 5}, {PileX(3), 125, FoundationX(1) - 5, 5}},
            "- | - | [9s] Qd | - ; 3h 5c - - ; - (1) ; - (1)",
            [](const Game& g) {
                EXPECT_FALSE(g.Undo); // a turned-up card ends what can be undone
                const std::vector<int>& pauses = ViewOf(g).pauses;
                EXPECT_NE(std::find(pauses.begin(), pauses.end(), g.cfg.PlaySpeed + 250), pauses.end());
            }}),
    {"AceStartsTheFirstEmptyFoundationAndNothingElseMoves", "- | [4h] 9c 8d | - | As ; 2h",
     [](Game& g) { return TableauToFoundation(g, 2) && !TableauToFoundation(g, 2); },
     {{PileX(4), 100, FoundationX(2) - 5, 5}}, "- | [4h] 9c 8d | - | - ; 2h As - - ; - (1) ; - (1)"},
    {"AceFromAPileOnAnEmptyRowGoesToFoundationOne", "- | - | [4h 5h] As | -", PileTopHome,
     {{PileX(3), 125, FoundationX(1) - 5, 5}}, "- | - | [4h] 5h | - ; As - - - ; - (1) ; - (1)"},
};

// Tableau tactics.

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

const MoveCase TacticCases[] = {
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

class ComputerMove : public MoveTest {};

TEST_P(ComputerMove, LeavesWhatItShould) { PlayCase(); }

INSTANTIATE_TEST_SUITE_P(Search, ComputerMove, ::testing::ValuesIn(SearchCases), CaseName);
INSTANTIATE_TEST_SUITE_P(SingleCard, ComputerMove, ::testing::ValuesIn(SingleCardCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Tactic, ComputerMove, ::testing::ValuesIn(TacticCases), CaseName);

} // namespace
} // namespace tandrel::testing
