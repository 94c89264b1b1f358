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
    bool stays = false;                   // undo leaves the move in place
    std::function<void(Game&)> then = {}; // after the undo
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
void Flip(Game& g) { FlipCards(g, 1); }
auto At(std::string table, int flipNum = 1)
{
    return [=](Game& g) {
        g.cfg.FlipNum = flipNum;
        Lay(g, table);
    };
}

// The first flip (of three cards) made and its card played: two cards are left,
// so the next flip ends the pass.
void LastTwoInTheStock(Game& g)
{
    At("- | - | - | - ; Ks ; 9c", 3)(g);
    SetStock(g, 1, {Card(Hearts, 2), Card(Hearts, 3), Card(Hearts, 4), Card(Hearts, 5), Card(Hearts, 6)});
    g.StockLevel(1) = 21 + 5;
    ParkRest(g);
    FlipCards(g, 1);
    g.FlippedCard = 0;
}

// The plain cases of every kind are undone from real games in UndoEveryMoveTest; these are the edges.
const UndoCase Cases[] = {
    // Taken back, the waste shows one more fanned card, up to three.
    {"RedFiveBackFromABlackSixFannedAsBefore", At("6c | - | - | - ; ; 9s Jd 5h (2)", 3),
     [](Game& g) { DropWasteTopAt(g, 12, 130); }, "3118"},
    // With one card to a flip, one fanned card.
    {"WasteCardBackFromTheFoundation", At("- | - | - | - ; 5c ; Qh 6c"), WasteTopHome, "401"},
    {"AnAceOnItsFoundationStays", At("- | - | - | - ; ; Ac"), WasteTopHome, "401", true},
    {"PileCardBackFromTheFoundationAndItsPileWaitsAgain", At("- | [3h] 5c | - | - ; 4c"),
     [](Game& g) { AutoPlay(g, 2, 120, 140); }, "421"},
    {"FlipThatEndedAPass", LastTwoInTheStock, Flip, "13", false,
     [](Game& g) { // and the next flip takes the same cards again
         FlipCards(g, 1);
         EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card(Hearts, 6));
     }},
};

class Undo : public PositionTest, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(Undo, GivesBackThePositionBefore)
{
    const UndoCase& c = GetParam();
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
