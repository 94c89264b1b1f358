// The hint: the Master's first move in the player's place, or what to do
// instead, and the game left exactly as it was.
#include "opponent/Hint.h"
#include "opponent/HintWords.h"
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

// The hint in words: each kind of move, onto a card and onto an empty place.
TEST_F(PositionTest, HintSaysTheMoveInWordsForEveryKind)
{
    struct WordsCase {
        std::string layout;
        Move move;
        const char* said;
    };
    const auto card = [](const char* name) { return Card(name); };
    const WordsCase cases[] = {
        {"6c | - | - | - ; ; 5h", {MoveKind::WasteToPile, 1, 0, 0, 1, card("5h")}, "Play the five of hearts onto the six of clubs."},
        {"6c | - | - | - ; ; Kd", {MoveKind::WasteToPile, 1, 0, 0, 2, card("Kd")}, "Play the king of diamonds onto the empty pile 2."},
        {"- | - | - | - ; Ac ; 2c", {MoveKind::WasteToFoundation, 1, 0, 0, 1, card("2c")}, "Play the two of clubs onto the ace of clubs."},
        {"- | Ah | - | - ; 2c", {MoveKind::PileToFoundation, 1, 2, 0, 2, card("Ah")}, "Play the ace of hearts to an empty foundation."},
        {"- | - | - | - ; ; 5s ; 6d", {MoveKind::Load, 1, 0, 0, 0, card("5s")}, "Load the five of spades onto the computer's waste."},
        {"9s 8h | Th | - | - ", {MoveKind::RunToPile, 1, 1, 1, 2, card("9s")}, "Move the nine of spades and the cards on it onto the ten of hearts."},
        {"[5d] Ks | - | - | - ", {MoveKind::RunToPile, 1, 1, 1, 3, card("Ks")}, "Move the king of spades onto the empty pile 3."},
        {"6s | - | - | - ; 5h", {MoveKind::FoundationToPile, 1, 1, 0, 1, card("5h")}, "Take the five of hearts down onto the six of spades."},
        {"- | [Kd] | - | - ", TurnUpMove(1, 2), "Turn up the waiting card of pile 2."},
        {"- | - | - | - ; ; 5s", FlipMove(1), "Flip a card from your stock."},
    };
    for (const WordsCase& c : cases) {
        Lay(g, c.layout);
        EXPECT_TRUE(IsLegal(g, c.move)) << c.said;
        EXPECT_EQ(HintWords(g, c.move).Sentence(), c.said);
    }
    g.StockEmpty(1) = true;
    EXPECT_EQ(HintWords(g, FlipMove(1)).Sentence(), "Turn your waste over to flip from the stock again.");
}

} // namespace
} // namespace tandrel::testing
