// The computer's proposals from crafted positions, each part of its plan (turn, search, single moves, tactics)
// run alone with its moves applied as they come; in positions real games reach, the rules take what they list.
#include <algorithm>

#include "engine/Position.h"
#include "opponent/ComputerPlan.h"
#include "support/Positions.h"
#include "support/SoakPositions.h"

namespace tandrel::testing {
namespace {

using Part = plan::Steps (*)(const Game&, int side);

// A single move as a part of its own.
plan::Steps Single(std::optional<Move> move)
{
    if (move) co_yield *move;
    co_return move.has_value();
}
plan::Steps WasteTop(const Game& g, int side) { return Single(plan::PlayWasteTop(g, side)); }
plan::Steps Load(const Game& g, int side) { return Single(plan::ComputerLoads(g, side)); }

struct PlanCase {
    const char* name;
    std::string layout;
    int level;
    Part part;
    // The steps, then what the part reports: "pause", "flip", "up p4" (the waiting card), or the card and where
    // it goes: w the side's waste, o the other's, p a pile, f a foundation ("Kc p4>p1" is the run Kc leads).
    std::string steps;
    std::string table = {}; // after the moves
    int side = 2;
    std::function<void(Game&)> setup = {};
};
void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

std::string Text(const ComputerStep& step)
{
    using K = MoveKind;
    const Move& m = step.move;
    if (step.kind == ComputerStep::Kind::Pause) return "pause";
    if (m.kind == K::Flip || m.kind == K::TurnUp) return m.kind == K::Flip ? "flip" : "up p" + std::to_string(m.from);
    const bool fromWaste = m.kind == K::WasteToPile || m.kind == K::WasteToFoundation || m.kind == K::Load;
    const bool toFoundation = m.kind == K::WasteToFoundation || m.kind == K::PileToFoundation;
    return std::string{"?A23456789TJQK"[CardRank(m.card)], "?cdhs"[CardSuit(m.card)], ' '} +
           (fromWaste ? "w" : (m.kind == K::FoundationToPile ? "f" : "p") + std::to_string(m.from)) + ">" +
           (m.kind == K::Load ? "o" : (toFoundation ? "f" : "p") + std::to_string(m.to));
}

// Three tables, each offering one move that the Beginner must not make: a load
// onto the player's waste, a run move, and a card taken down from a foundation.
const std::string OffersLoad = "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; ; 7c ; 6h";
const std::string OffersRun = "9d | [3d] 6h | [4d 6d] 2s | [7d 8d Kh] 5c ; ; ; Qs";
const std::string OffersLowering = "Js | [Qs] 4d | - | [Kd] 9c ; Th ; ; 2s";
// Pile 1 holds a red five and nothing under it; pile 2's black six would take it.
const std::string LoneFive = "5h | [2s] 6c | [3s 4s] Jd | ";
// A black nine on the waste, a red ten on a foundation, a black jack on pile 2.
const std::string NineForTheTen = "4d | [Qd] Js | - | - ; Th ; ; 9c";
// A black five under a red four on pile 2, wanted by foundation 1.
const std::string BuriedFive = "- | [Kh] 6h 5c 4d | - | [Th Jh Qh] ";

const Part Search = plan::PlayComputerMoves, Home = plan::TableauToFoundation, Shift = plan::ShiftTableauRuns;
const Part LowerForRun = plan::LowerFoundationForRun, LowerForWaste = plan::LowerFoundationForWaste;
const Part Uncover = plan::UncoverFoundationCard;

const PlanCase Cases[] = {
    // The search: it reports whether a card left the waste.
    {"GameAlreadyOverMovesNothing", "7c | - | - | - ; ; 7s ; 6h", 2, Search, "=> false", {}, 2,
     [](Game& g) { g.GameOver = true; }},
    // The ace would go up, but only after the waste has been played.
    {"ReturnsAtOnceWhenTheWasteRunsEmpty", "7c | [2c] 9d | As | [3c 4c 5c] Qd ; ; ; 6h", 2, Search,
     "6h w>p1 pause => true", "7c 6h | [2c] 9d | As | [3c 4c 5c] Qd ; - - - - ; - (1) ; - (1)"},
    {"NothingToPlayReportsFalse", "9d | - | - | - ; ; ; Qs", 2, Search, "=> false"},
    {"BeginnerNeverLoads", OffersLoad, 0, Search, "=> false"},
    {"BeginnerNeverShiftsARun", OffersRun, 0, Search, "=> false"},
    {"BeginnerNeverLowers", OffersLowering, 0, Search, "=> false"},
    // The same tables at Intermediate: the move comes first of all (taking down the missing card, then the run).
    {"IntermediateLoads", OffersLoad, 1, Search, "6h w>o pause => true",
     "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; - - - - ; 7c 6h (1) ; - (1)"},
    {"IntermediateShiftsARun", OffersRun, 1, Search, "pause 5c p4>p2 pause pause up p4 pause pause Qs w>p4 pause => true",
     "9d | [3d] 6h 5c | [4d 6d] 2s | [7d 8d] Kh Qs ; - - - - ; - (1) ; - (1)"},
    {"IntermediateLowers", OffersLowering, 1, Search,
     "pause Th f1>p1 pause pause 9c p4>p1 pause pause up p4 pause pause => false",
     "Js Th 9c | [Qs] 4d | - | Kd ; 9h - - - ; - (1) ; 2s (1)"},
    {"BeginnerNeverLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", 0, Search, "=> false", {}, 1},
    {"IntermediateLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", 1, Search, "6h w>o pause => true",
     "9d | - | - | - ; - - - - ; - (1) ; 7c 6h (1)", 1},

    // Single-card moves: the waste top to a pile or a foundation, loads onto the opponent's waste, tableau tops home.
    {"KingGoesToFirstEmptyPileBeforeItsFoundation", "9h | - | [5d 6d] 4s | - ; Qc ; ; 2h Kc (2)", 2, WasteTop,
     "Kc w>p2 => true", "9h | Kc | [5d 6d] 4s | - ; Qc - - - ; - (1) ; 2h (1)"},
    // Same colour, wrong rank, then the first to fit.
    {"CardGoesOnTheFirstPileThatTakesIt", "7h | 8c | [Qh] 7s | [Jh Th 9h] 7c ; ; ; 6d", 2, WasteTop, "6d w>p3 => true",
     "7h | 8c | [Qh] 7s 6d | [Jh Th 9h] 7c ; - - - - ; - (1) ; - (1)"},
    {"AceGoesToTheFirstEmptyFoundationNotOntoAPile", "2c | - | - | - ; 3d ; ; 9s Ah", 2, WasteTop, "Ah w>f2 => true",
     "2c | - | - | - ; 3d Ah - - ; - (1) ; 9s (1)"},
    {"AceOnAnEmptyRowGoesToFoundationOne", "- | - | - | - ; ; ; 9s Ah", 2, WasteTop, "Ah w>f1 => true",
     "- | - | - | - ; Ah - - - ; - (1) ; 9s (1)"},
    // A load would fit, but this kind never loads.
    {"NothingFitsNothingProposed", "9h | - | - | - ; ; 6d ; 5c", 2, WasteTop, "=> false"},
    {"AceIsNeverLoadedOntoTheOpponentsWaste", "- | - | - | - ; ; 2s ; 9s Ah", 2, Load, "=> false"},
    {"LoadsTheFlippedCardOntoThePlayersWaste", "- | - | - | - ; ; Kd 7c (2) ; Qs 6h", 2, Load, "6h w>o => true",
     "- | - | - | - ; - - - - ; Kd 7c 6h (2) ; Qs (1)", 2, [](Game& g) { g.FlippedCard = Card("6h"); }},
    {"NoLoadWithoutACardOnTheOtherWaste", "- | - | - | - ; ; ; 6h", 2, Load, "=> false"},
    // A pile empties, another turns its next card up at once.
    {"LastFaceUpCardGoesUpAndTheNextIsTurnedAtOnce", "5c | - | [9s Qd] 3h | - ; 2h 4c", 2, Home,
     "5c p1>f2 3h p3>f1 pause up p3 => true", "- | - | [9s] Qd | - ; 3h 5c - - ; - (1) ; - (1)"},
    {"AceStartsTheFirstEmptyFoundationAndNothingElseMoves", "- | [4h] 9c 8d | - | As ; 2h", 2, Home,
     "As p4>f2 => true", "- | [4h] 9c 8d | - | - ; 2h As - - ; - (1) ; - (1)"},
    {"AceFromAPileOnAnEmptyRowGoesToFoundationOne", "- | - | [4h 5h] As | -", 2, Home, "As p3>f1 pause up p3 => true",
     "- | - | [4h] 5h | - ; As - - - ; - (1) ; - (1)"},

    // Tableau tactics. A king over face-down cards moves to the empty pile.
    {"KingOverFaceDownCardsMovesToTheEmptyPileAndFreesThem", "- | [2s] Td | [4s 5s] 3s | [6s 7s 9d] Kc Qh", 1, Shift,
     "pause Kc p4>p1 pause pause up p4 pause => true", "Kc Qh | [2s] Td | [4s 5s] 3s | [6s 7s] 9d ; - - - - ; - (1) ; - (1)"},
    {"EmptiesAPileForTheKingOnTheWaste", LoneFive + "[2d 3d 4d] 9c ; ; ; Kd", 1, Shift, "pause 5h p1>p2 pause => true",
     "- | [2s] 6c 5h | [3s 4s] Jd | [2d 3d 4d] 9c ; - - - - ; - (1) ; Kd (1)"},
    // The five makes room, then the waiting king takes it and its pile turns a card up.
    {"EmptiesAPileForAKingWaitingOverFaceDownCards", LoneFive + "[2d 3d 4d] Ks ; ; ; 8d", 1, Shift,
     "pause 5h p1>p2 pause pause Ks p4>p1 pause pause up p4 pause => true",
     "Ks | [2s] 6c 5h | [3s 4s] Jd | [2d 3d] 4d ; - - - - ; - (1) ; 8d (1)"},
    {"LeavesALonePileWithoutAKingToPlace", LoneFive + "[2d 3d 4d] 9c ; ; ; 8d", 1, Shift, "=> false"},
    {"LeavesALonePileWhenAPileIsEmpty", LoneFive + "- ; ; ; Kd", 1, Shift, "=> false"},
    {"BeginnerNeverMovesRuns", LoneFive + "[2d 3d 4d] 9c ; ; ; Kd", 0, Shift, "=> false"},
    // An ace leads: the missing card is a two.
    {"NeverTakesDownATwoForARun", "3s | - | - | [Kd] Ac ; 2h", 2, LowerForRun, "=> false"},
    {"ExpertTakesTheCardDownForItsWasteTop", NineForTheTen, 2, LowerForWaste, "pause Th f1>p2 pause 9c w>p2 pause => true",
     "4d | [Qd] Js Th 9c | - | - ; 9h - - - ; - (1) ; - (1)"},
    {"IntermediateNeverLowersForTheWaste", NineForTheTen, 1, LowerForWaste, "=> false"},
    {"BeginnerNeverLowersForTheWaste", NineForTheTen, 0, LowerForWaste, "=> false"},
    {"LeavesAWasteTopThatFitsAFoundation", "4d | [Qd] Js | - | - ; Th 8c ; ; 9c", 2, LowerForWaste, "=> false"},
    // An ace alone, and a black two one above the red ace on the waste.
    {"NeverTakesDownATwoOrAnAceForTheWaste", "3s | - | - | - ; As 2c ; ; Ah", 2, LowerForWaste, "=> false"},
    // Taking the five up is another kind's work.
    {"MovesTheRunLyingOnTheCardAFoundationNeeds", BuriedFive + "5s ; 4c", 2, Uncover, "pause 4d p2>p4 pause => true",
     "- | [Kh] 6h 5c | - | [Th Jh Qh] 5s 4d ; 4c - - - ; - (1) ; - (1)"},
    {"OnlyTheExpertDigs", BuriedFive + "5s ; 4c", 1, Uncover, "=> false"},
    {"PlaysTheWantedTopHomeWhenAPileShowsAnAce", "- | [Kh] 6h 5c | As | 6d ; 4c", 2, Uncover, "pause 5c p2>f1 pause => true",
     "- | [Kh] 6h | As | 6d ; 5c - - - ; - (1) ; - (1)"},
    {"DigsOnlyWhenTheRunHasSomewhereToGo", BuriedFive + "7d ; 4c", 2, Uncover, "=> false"},

    // Whole turns; the rest of the deck is parked in the stock from 2c up.
    {"TurnUpsThenTheWasteBeforeTheFirstFlip", "Qc | [Kd] | - | - ; ; 5c ; Jh", 2, plan::Turn,
     "up p2 pause Jh w>p1 pause flip pause => false", "Qc Jh | Kd | - | - ; - - - - ; 5c (1) ; 2c (1)"},
    {"FlipsAgainWhileTheWasteIsPlayedOut", "Qc | [Kd] 8s | - | 2c ; Ac ; 5c ; 7h", 2, plan::Turn,
     "pause 7h w>p2 pause flip pause 2c p4>f1 pause 3c w>f1 pause flip pause 4c w>f1 pause flip pause 6c w>p2 pause "
     "flip pause => false",
     "Qc | [Kd] 8s 7h 6c | - | - ; 4c - - - ; 5c (1) ; 7c (1)"},
};

class ComputerPlanTest : public PositionTest, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(ComputerPlanTest, ProposesWhatItShould)
{
    const PlanCase& c = GetParam();
    Lay(g, c.layout);
    Done();
    g.cfg.ComputerLevel = Level(c.level);
    if (c.setup) c.setup(g);
    ComputerPlan plan(g, c.part(g, c.side));
    std::string steps;
    while (const std::optional<ComputerStep> step = plan.Next()) {
        steps += Text(*step) + " ";
        ASSERT_TRUE(step->kind == ComputerStep::Kind::Pause || Apply(g, step->move).done) << steps;
    }
    EXPECT_EQ(steps + "=> " + (plan.Result() ? "true" : "false"), c.steps);
    EXPECT_EQ(c.table.empty() ? "" : Table(g), c.table);
    EXPECT_TRUE(Sound(g));
}

INSTANTIATE_TEST_SUITE_P(Parts, ComputerPlanTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// For either side in positions real games reach: the rules take every move they list and it leaves
// every region sound, and a whole turn of the side proposes only moves they list at that moment.
TEST(ComputerPlan, ProposesOnlyListedMovesAndTheRulesTakeAllTheyList)
{
    HeadlessView view;
    int moves = 0; // listed and proposed
    for (const Game& position : SoakPositions(view, 30)) {
        RegionCheck sound;
        ASSERT_TRUE(sound.Start(position));
        for (int side = 1; side <= 2; ++side) {
            for (const Move& move : LegalMoves(position, side)) {
                Game g = position;
                RegionCheck regions = sound;
                std::string why;
                ASSERT_TRUE(Apply(g, move).done && regions.Recheck(g, &why)) << Text({{}, move}) << ": " << why;
                ++moves;
            }
            Game g = position;
            if (!MayStartTurn(g, side)) continue;
            BeginTurn(g, side);
            ComputerPlan plan(g, side);
            while (const std::optional<ComputerStep> step = plan.Next()) {
                if (step->kind == ComputerStep::Kind::Pause) continue;
                const std::vector<Move> legal = LegalMoves(g, side);
                ASSERT_NE(std::find(legal.begin(), legal.end(), step->move), legal.end()) << Text(*step);
                Apply(g, step->move);
                ++moves;
            }
        }
    }
    EXPECT_GT(moves, 25000); // about 20000 listed, 11000 proposed
}

} // namespace
} // namespace tandrel::testing
