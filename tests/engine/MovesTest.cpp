// The placement rules, what an accepted play leaves behind and what taking it
// back gives, from crafted positions: each play checks the table and the
// whole position, then undoes it. The plain cases of every kind
// are undone from real games in UndoEveryMoveTest; these are the edges.
#include "engine/Move.h"
#include "engine/Moves.h"
#include "engine/Undo.h"
#include "input/Mouse.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

using MovesTest = PositionTest;
using Pick = std::function<std::optional<Move>(const Game&)>;

// The player's waste top dropped with its picture at (x, y).
Pick DropAt(int x, int y)
{
    return [=](const Game& g) {
        MouseState m;
        m.DragFromWaste = true;
        m.DragCard = g.Waste(1, g.WasteCount(1));
        m.DragRect = RectAt(x, y, OneCardDragWidth, OneCardDragHeight);
        return DropMove(g, m);
    };
}

Pick Play(MoveKind kind, int from, int slot, int to, const char* card)
{
    return [=](const Game&) { return std::optional(Move{kind, 1, from, slot, to, Card(card)}); };
}

struct PlayCase {
    const char* name;
    std::string layout;
    Pick pick;
    std::string table; // after the play
    int flipNum = 1;
    std::function<void(Game&)> setup = {}; // after the layout
    std::function<void(Game&)> then = {};  // after the undo
};
void PrintTo(const PlayCase& c, std::ostream* os) { *os << c.name; }

const PlayCase Cases[] = {
    {"AceDroppedOverTheLastFoundationStartsTheFirst", "- | - | - | - ; ; Ah As (2)", DropAt(280, 12),
     "- | - | - | - ; As - - - ; Ah (1) ; - (1)"},
    {"AceTakesTheNextEmptyFoundation", "- | - | - | - ; As ; Ah", DropAt(10, 10),
     "- | - | - | - ; As Ah - - ; - (1) ; - (1)"},
    {"TwoDroppedAnywhereOnTheFoundationRowGoesToItsSuit", "- | - | - | - ; As Ah ; 9c 2h (2)", DropAt(280, 12),
     "- | - | - | - ; As 2h - - ; 9c (1) ; - (1)", 3},
    {"PileTopGoesHomeAndLeavesItsTurnUp", "- | [4s] 6c | - | - ; 5c", Play(MoveKind::PileToFoundation, 2, 0, 1, "6c"),
     "- | [4s] | - | - ; 6c - - - ; - (1) ; - (1)"},
    {"DropOverTwoPilesTriesTheLeftOneFirst", "7h | 7d | - | - ; ; 6c", DropAt(50, 130),
     "7h 6c | 7d | - | - ; - - - - ; - (1) ; - (1)"},
    {"KingsFillAnEmptyPile", "9h | - | - | - ; ; Ks", DropAt(285, 110), "9h | - | - | Ks ; - - - - ; - (1) ; - (1)"},
    {"WasteCardOntoTheComputersWaste", "- | - | - | - ; ; 2c 8h (2) ; 7c", DropAt(500, 30),
     "- | - | - | - ; - - - - ; 2c (1) ; 7c 8h (1)"},
    {"RightClickLoadsWhateverTheComputersLevel", "- | - | - | - ; ; 8c 9s ; 8h", [](const Game& g) { return WasteAutoMove(g); },
     "- | - | - | - ; - - - - ; 8c (1) ; 8h 9s (1)", 1, [](Game& g) { g.cfg.ComputerLevel = Level::Beginner; }},
    {"RunMovesAndLeavesATurnUpBehind", "- | [5d] 9s 8h 7c | - | [6d 8d 9d] Th", Play(MoveKind::RunToPile, 2, 1, 4, "9s"),
     "- | [5d] | - | [6d 8d 9d] Th 9s 8h 7c ; - - - - ; - (1) ; - (1)"},
    {"FoundationCardComesDownOntoAPileLeavingTheAce", "- | - | 3c | - ; - 2h",
     Play(MoveKind::FoundationToPile, 2, 0, 3, "2h"), "- | - | 3c 2h | - ; - Ah - - ; - (1) ; - (1)"},
    // Taken back, the waste shows one more fanned card, up to three.
    {"RedFiveOntoABlackSixComesBackFannedAsBefore", "6c | - | - | - ; ; 9s Jd 5h (2)", DropAt(12, 130),
     "6c 5h | - | - | - ; - - - - ; 9s Jd (1) ; - (1)", 3},
    // The first flip of three made: two cards are left, so this flip ends the pass.
    {"FlipThatEndsAPass", "- | - | - | - ; Ks ; 9c", [](const Game&) { return std::optional(FlipMove(1)); },
     "- | - | - | - ; Ks - - - ; 9c 2h 3h 4h 5h 6h (2) ; - (1)", 3,
     [](Game& g) {
         SetStock(g, 1, {Card("2h"), Card("3h"), Card("4h"), Card("5h"), Card("6h")});
         g.StockLevel(1) = 21 + 5;
         ParkRest(g);
         Apply(g, FlipMove(1));
         g.FlippedCard = 0;
         g.Undo.reset(), g.History.Clear(); // a flip of the turn before
     },
     [](Game& g) { // and the next flip takes the same cards again
         Apply(g, FlipMove(1));
         EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card("6h"));
     }},
};

class PlayerMove : public PositionTest, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(PlayerMove, LeavesTheTableAndASoundPositionAndUndoGivesThePositionBack)
{
    const PlayCase& c = GetParam();
    Lay(g, c.layout);
    g.cfg.FlipNum = c.flipNum;
    if (c.setup) c.setup(g);
    Done();
    const Game before = g;
    const auto move = c.pick(g);
    ASSERT_TRUE(move && IsLegal(g, *move));
    ASSERT_TRUE(Apply(g, *move).done);
    EXPECT_EQ(Table(g), c.table);
    ASSERT_TRUE(Sound(g));
    // An ace sent home stays there.
    const bool home = move->kind == MoveKind::PileToFoundation || move->kind == MoveKind::WasteToFoundation;
    const Game expected = home && CardRank(move->card) == 1 ? g : before;
    UndoMove(g);
    EXPECT_TRUE(SamePosition(g, expected));
    EXPECT_TRUE(c.flipNum == 1 || g.WasteFan(1) == expected.WasteFan(1)) << "the waste is not fanned as before";
    EXPECT_FALSE(g.Undo);
    EXPECT_TRUE(Sound(g));
    UndoMove(g); // a second undo does nothing
    EXPECT_TRUE(SamePosition(g, expected));
    if (c.then) c.then(g);
}

INSTANTIATE_TEST_SUITE_P(Player, PlayerMove, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

TEST_F(MovesTest, RefusedPlaysLeaveTheTableAndTheLastStep)
{
    Lay(g, "- | [4s] 6c 5h | - | - ; 5c ; 9d 8h (2) ; 7d");
    g.Undo = UndoStep{UndoKind::Flip, 1};
    Done();
    const Game before = g;
    EXPECT_FALSE(Apply(g, {MoveKind::PileToFoundation, 1, 2, 0, 1, Card("6c")}).done); // not the pile's top
    EXPECT_FALSE(DropAt(300, 300)(g));                                                 // nowhere near
    EXPECT_FALSE(Apply(g, {MoveKind::Load, 1, 0, 0, 0, Card("8h")}).done); // a red eight on the red seven
    EXPECT_FALSE(Apply(g, {MoveKind::Load, 1, 0, 0, 0, Card("9d")}).done); // not the waste's top
    EXPECT_TRUE(Unchanged(g, before));
    // With all four started an ace has nowhere to go (there are only four).
    for (int f = 1; f <= 4; ++f) g.Foundation(f, FoundSuit) = f;
    EXPECT_EQ(FoundationFor(g, Card("Ad")), 0);
}

// Foundations build up by suit; piles down in alternate colours, only kings filling an empty one; the
// opponent's waste either way in the other colour.
TEST_F(MovesTest, EachPlaceTakesTheCardsItsRuleAllows)
{
    Lay(g, "7h | [2c] | - | 2c ; - - Ad"); // pile 2 waits for its turn-up: it takes nothing
    EXPECT_EQ(g.Foundation(3, FoundTop), 40); // the ace held as 40
    EXPECT_EQ(FoundationTopCard(g, 3), Card("Ad"));
    const std::pair<int, int> homes[] = {
        {Card("2d"), 3}, {Card("3d"), 0}, {Card("2c"), 0}, {EmptyPileCode, 0}, {TurnUpPending, 0}};
    for (const auto& [card, f] : homes) EXPECT_EQ(FoundationFor(g, card), f) << card;
    const std::tuple<const char*, int, bool> piles[] = {
        {"6c", 1, true},  {"6s", 1, true},  {"6d", 1, false}, {"5c", 1, false}, {"8c", 1, false},
        {"Kc", 2, false}, {"Kc", 3, true},  {"Kd", 3, true},  {"Qd", 3, false}, {"Ah", 4, false}};
    for (const auto& [card, pile, fits] : piles) EXPECT_EQ(FitsTableau(g, Card(card), pile), fits) << card << pile;
    const std::tuple<const char*, const char*, bool> wastes[] = {
        {"8h", "7c", true}, {"6h", "7c", true}, {"7h", "7c", false}, {"8s", "7c", false}, {"5d", "7c", false},
        {"Ah", "2c", false}};
    for (const auto& [card, top, fits] : wastes) EXPECT_EQ(FitsOpponentWaste(Card(card), Card(top)), fits) << card;
    EXPECT_FALSE(FitsOpponentWaste(Card("8h"), 0));
    EXPECT_FALSE(IsLegal(g, {MoveKind::Load, 1, 0, 0, 0, 0})); // nothing loads from an empty waste
}
