#include "opponent/Hint.h"

#include <optional>

#include "engine/Cards.h"
#include "engine/HeadlessView.h"
#include "engine/Moves.h"
#include "engine/Turn.h"
#include "opponent/Computer.h"

namespace tandrel {

namespace {

// Every move of the search ends with the card's sound: the position at the
// first one is the position after the first move.
class FirstMoveView : public HeadlessView {
public:
    explicit FirstMoveView(const Game& g) : game_(g) { record = false; }
    void PlayWave(int) override
    {
        if (!after) after.emplace(game_);
    }
    std::optional<Game> after;

private:
    const Game& game_;
};

// What moved between two positions one move apart, told by where cards came and went.
HintMove MoveBetween(const Game& before, const Game& after)
{
    HintMove m;
    for (int f = 1; f <= 4; ++f) {
        const int was = CardRank(FoundationTopCard(before, f)), now = CardRank(FoundationTopCard(after, f));
        if (now > was) m.to = FoundationAt(f);
        if (now < was) m.from = FoundationAt(f);
    }
    for (int p = 1; p <= 4; ++p) {
        const int was = FaceUpCount(before, p), now = FaceUpCount(after, p);
        if (now > was) m.to = PileAt(p);
        if (now < was) m.from = PileAt(p, now + 1);
    }
    if (after.WasteCards(1) < before.WasteCards(1)) m.from = {PlaceKind::PlayerWaste};
    if (after.WasteCards(2) > before.WasteCards(2)) m.to = {PlaceKind::ComputerWaste};
    return m;
}

} // namespace

HintAdvice FindHint(const Game& g, HintMove& move)
{
    move = {};
    // The computer turns up every waiting card before anything else.
    for (int p = 1; p <= 4; ++p)
        if (g.TableauTop(p, TopCard) == TurnUpPending) {
            move.from = PileAt(p);
            return HintAdvice::Move;
        }

    Game copy = g;
    FirstMoveView view(copy);
    copy.view = &view;
    copy.hooks = {};
    copy.cfg.Style = 2;   // the Expert's choice
    copy.cfg.SoundOn = 1; // the sound marks the end of a move
    copy.cfg.Animate = 0;
    PlayComputerMoves(copy, 1);
    // With an empty waste the search stops early; the tableau may still go home.
    if (!view.after) TableauToFoundation(copy, 1);
    if (view.after) {
        move = MoveBetween(g, *view.after);
        if (move.from.kind != PlaceKind::None && move.to.kind != PlaceKind::None) return HintAdvice::Move;
        move = {};
    }
    return FlipAllowed(g, 1) ? HintAdvice::FlipStock : HintAdvice::EndTurn;
}

} // namespace tandrel
