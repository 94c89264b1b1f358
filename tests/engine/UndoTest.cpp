// Taking back the player's last move: each kind of record, and the cases the
// rules leave open, from crafted positions compared before and after.
#include "engine/Moves.h"
#include "engine/Turn.h"
#include "engine/Undo.h"
#include "input/AutoPlay.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

struct UndoCase {
    const char* name;
    std::function<void(Game&)> layout;
    std::function<void(Game&)> move;
    std::string record;
    bool stays = false;                             // undo leaves the move in place
    std::function<void(Game&)> then = {};           // after the undo
};
void PrintTo(const UndoCase& c, std::ostream* os) { *os << c.name; }

void DropWasteTopAt(Game& g, int x, int y)
{
    DragWasteTopTo(g, x, y);
    if (FindDropTarget(g, true)) PlayWasteToTableau(g, 1);
}
void WasteTopHome(Game& g)
{
    DragWasteTopTo(g, 10, 10);
    PlayToFoundation(g, 0, g.DragCard, 1);
}
auto MoveRun(int p, int first, int last, Rect target)
{
    return [=](Game& g) {
        g.PickPile = p, g.PickFirst = first, g.PickLast = last;
        g.TargetRect = target;
        MoveTableauStack(g);
    };
}
void Flip(Game& g) { FlipCards(g, 1); }

auto At(std::string table)
{
    return [table](Game& g) { Lay(g, table); };
}
// Five cards in the player's stock.
void ShortStock(Game& g)
{
    Lay(g, "- | - | - | - ; Ks ; 9c");
    SetStock(g, 1, {Card(Hearts, 2), Card(Hearts, 3), Card(Hearts, 4), Card(Hearts, 5), Card(Hearts, 6)});
    g.StockLevel(1) = 21 + 5;
}
// The first flip made and its card played: two cards left, so the next flip ends the pass.
void LastTwoInTheStock(Game& g)
{
    ShortStock(g);
    ParkRest(g);
    FlipCards(g, 1);
    g.FlippedCard = 0;
}
const std::string KingAndQueenBesideAnEmptyPile = "Kd Qc | - | [3d 4d] | - ; - Kh";

const UndoCase Cases[] = {
    {"RedFiveBackFromABlackSixFannedAsBefore", At("6c | - | - | - ; ; 9s Jd 5h (2)"),
     [](Game& g) { DropWasteTopAt(g, 12, 130); }, "3118"},
    {"AnAceOnItsFoundationStays", At("- | - | - | - ; ; Ac"), WasteTopHome, "401", true},
    {"PileCardBackFromTheFoundationAndItsPileWaitsAgain", At("- | [3h] 5c | - | - ; 4c"),
     [](Game& g) { AutoPlay(g, 2, 120, 140); }, "421"},
    {"WasteCardBackFromTheFoundation", At("- | - | - | - ; 5c ; Qh 6c (2)"), WasteTopHome, "401"},
    {"RunOfThreeGoesBackToItsSlotsAndHeights", At("- | [5d] Td 9s 8h 7c | - | [6d 8d 9d] Th"),
     MoveRun(2, 2, 4, RectAt(280, 135, 71, 95)), "202185020413502"},
    {"RunThatEmptiedAPile", At(KingAndQueenBesideAnEmptyPile), MoveRun(1, 1, 2, RectAt(280, 100, 71, 95)),
     "201140010410001"},
    // Taken back, the pile is empty again.
    {"KingFromTheFoundationOntoAnEmptyPile", At(KingAndQueenBesideAnEmptyPile),
     [](Game& g) {
         g.DragCard = Card(Hearts, 13);
         g.TargetRect = RectAt(280, 100, 71, 95);
         PlayFoundationToTableau(g);
     },
     "50204"},
    {"Flip", ShortStock, Flip, "11"},
    {"FlipThatEndedAPass", LastTwoInTheStock, Flip, "13", false,
     [](Game& g) { // and the next flip takes the same cards again
         FlipCards(g, 1);
         EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(Hearts, 6));
     }},
    // Taken back, the pass stays ended as it was.
    {"TurnOverOfTheWaste",
     [](Game& g) {
         LastTwoInTheStock(g);
         FlipCards(g, 1);
         g.FlippedCard = 0;
     },
     Flip, "12"},
    {"LoadOntoTheComputersWasteComesBackEvenToAnEmptyWaste", At("- | - | - | - ; ; 8h ; 7c"),
     [](Game& g) {
         DragWasteTopTo(g, 500, 30);
         PlayOnOpponentWaste(g, 1);
     },
     "6"},
    {"NothingToTakeBackAfterATurnUp",
     [](Game& g) {
         Lay(g, "- | - | [3d 4d] | -");
         g.UndoRecord = "3227";
     },
     [](Game& g) { TurnUpCard(g, 200, 130, 3); }, "", true},
};

class Undo : public PositionTest, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(Undo, GivesBackThePositionBefore)
{
    const UndoCase& c = GetParam();
    g.cfg.FlipNum = 3; // so that a card taken back may show one more fanned card
    c.layout(g);
    Done();
    const Game before = g;
    c.move(g);
    ASSERT_EQ(g.UndoRecord, c.record);
    ASSERT_TRUE(Sound(g));
    const Game expected = c.stays ? g : before;
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, expected));
    EXPECT_EQ(g.WasteFan(1), expected.WasteFan(1));
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_TRUE(Sound(g));
    UndoMove(g); // a second undo does nothing
    EXPECT_TRUE(SamePosition(g, expected));
    if (c.then) c.then(g);
}

INSTANTIATE_TEST_SUITE_P(Moves, Undo, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
