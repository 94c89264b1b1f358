// The computer's single-card moves: waste top to a pile or a foundation,
// loading the opponent's waste, and tableau tops up to the foundations.
#include <algorithm>

#include "opponent/Computer.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

bool WasteTop(Game& g) { return PlayWasteTop(g, 2); }
bool Load(Game& g) { return LoadOpponentWaste(g, 2, false); }
bool ComputerPlays(Game& g) { return PlayComputerMoves(g, 2); }
bool PlayerLoads(Game& g) { return LoadOpponentWaste(g, 1, false); }
bool UndoLoad(Game& g) { return LoadOpponentWaste(g, 2, true); }
bool UndoLoadToComputer(Game& g) { return LoadOpponentWaste(g, 1, true); }
bool PileTopHome(Game& g) { return TableauToFoundation(g, 2); }

auto Record(std::string undo)
{
    return [undo](Game& g) { g.UndoRecord = undo; };
}
auto Undo(std::string record)
{
    return [record](const Game& g) { EXPECT_EQ(g.UndoRecord, record); };
}

const MoveCase Cases[] = {
    {"KingGoesToFirstEmptyPileBeforeItsFoundation", "9h | - | [5d 6d] 4s | - ; Qc ; ; 2h Kc (2)", WasteTop,
     {{480, 25, PileX(2) - 15, 100 + 15}}, "9h | Kc | [5d 6d] 4s | - ; Qc - - - ; - (1) ; 2h (1)",
     [](const Game& g) {
         EXPECT_EQ(g.UndoRecord, "3213");
         EXPECT_EQ(g.DragCard, 0);
     }},
    // Same colour, wrong rank, then the first to fit.
    {"CardGoesOnTheFirstPileThatTakesIt", "7h | 8c | [Qh] 7s | [Jh Th 9h] 7c ; ; ; 6d", WasteTop,
     {{465, 25, PileX(3) - 15, 125 + 15}}, "7h | 8c | [Qh] 7s 6d | [Jh Th 9h] 7c ; - - - - ; - (1) ; - (1)"},
    {"AceIsNeverLoadedOntoTheOpponentsWaste", "- | - | - | - ; ; 2s ; 9s Ah", Load, {}},
    {"AceGoesToTheFirstEmptyFoundationNotOntoAPile", "2c | - | - | - ; 3d ; ; 9s Ah", WasteTop,
     {{465, 25, FoundationX(2), FoundationY}}, "2c | - | - | - ; 3d Ah - - ; - (1) ; 9s (1)", Undo("402")},
    {"AceOnAnEmptyRowGoesToFoundationOne", "- | - | - | - ; ; ; 9s Ah", WasteTop,
     {{465, 25, FoundationX(1), FoundationY}}, "- | - | - | - ; Ah - - - ; - (1) ; 9s (1)"},
    // A load would fit, but this kind never loads.
    Before([](Game& g) { g.DragCard = 17, g.UndoRecord = "3105"; },
           {"NothingFitsChangesNothing", "9h | - | - | - ; ; 6d ; 5c", WasteTop, {}}),

    // Loads onto the opponent's waste (the rule itself is the engine's).
    Before([](Game& g) { g.FlippedCard = Card("6h"); },
           {"LoadsTheFlippedCardOntoThePlayersWaste", "- | - | - | - ; ; Kd 7c (2) ; Qs 6h", Load,
            {{465, 25, 480, 300}}, "- | - | - | - ; - - - - ; Kd 7c 6h (2) ; Qs (1)",
            [](const Game& g) {
                EXPECT_EQ(g.StockLevel(1), 43); // the card joins the player's hand
                EXPECT_EQ(g.FlippedCard, 0);
                EXPECT_EQ(g.UndoRecord, ""); // the computer's loads leave no player's record
            }}),
    AtLevel(0, {"BeginnerComputerNeverLoads", "- | - | - | - ; ; 7c ; 6h", ComputerPlays, {}}),
    Before(Record("3105"), {"PlayerRefusedALoadKeepsTheLastRecord", "- | - | - | - ; ; 8c 7d ; 8h", PlayerLoads, {}}),
    Before(Record("3105"), AtLevel(0, {"PlayerLoadWritesItsRecordWhateverTheComputersLevel",
                                       "- | - | - | - ; ; 8c 9s ; 8h", PlayerLoads, {{465, 300, 465, 25}},
                                       "- | - | - | - ; - - - - ; 8c (1) ; 8h 9s (1)", Undo("6")})),
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
                EXPECT_EQ(g.UndoRecord, ""); // a turned-up card ends what can be undone
                const std::vector<int>& pauses = ViewOf(g).pauses;
                EXPECT_NE(std::find(pauses.begin(), pauses.end(), g.cfg.PlaySpeed + 250), pauses.end());
            }}),
    {"AceStartsTheFirstEmptyFoundationAndNothingElseMoves", "- | [4h] 9c 8d | - | As ; 2h",
     [](Game& g) { return TableauToFoundation(g, 2) && !TableauToFoundation(g, 2); },
     {{PileX(4), 100, FoundationX(2) - 5, 5}}, "- | [4h] 9c 8d | - | - ; 2h As - - ; - (1) ; - (1)"},
    {"AceFromAPileOnAnEmptyRowGoesToFoundationOne", "- | - | [4h 5h] As | -", PileTopHome,
     {{PileX(3), 125, FoundationX(1) - 5, 5}}, "- | - | [4h] 5h | - ; As - - - ; - (1) ; - (1)"},
};

class SingleCardMove : public MoveTest {};

TEST_P(SingleCardMove, LeavesWhatItShould) { PlayCase(); }

INSTANTIATE_TEST_SUITE_P(Computer, SingleCardMove, ::testing::ValuesIn(Cases), CaseName);

} // namespace
} // namespace tandrel::testing
