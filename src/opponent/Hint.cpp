#include "opponent/Hint.h"

#include "engine/Cards.h"
#include "engine/TurnRules.h"
#include "opponent/Master.h"

namespace tandrel {

namespace {

// Where a move takes its card from, and where to, with the move.
HintMove PlacesOf(const Game& g, const Move& m)
{
    const TablePlace waste{PlaceKind::PlayerWaste};
    switch (m.kind) {
    case MoveKind::WasteToPile: return {waste, PileAt(m.to), m};
    case MoveKind::WasteToFoundation: return {waste, FoundationAt(m.to), m};
    case MoveKind::Load: return {waste, {PlaceKind::ComputerWaste}, m};
    case MoveKind::PileToFoundation: return {PileAt(m.from, FaceUpCount(g, m.from)), FoundationAt(m.to), m};
    case MoveKind::RunToPile: return {PileAt(m.from, m.slot), PileAt(m.to), m};
    case MoveKind::FoundationToPile: return {FoundationAt(m.from), PileAt(m.to), m};
    case MoveKind::TurnUp: return {PileAt(m.from), {}, m};
    case MoveKind::Flip: break;
    }
    return {{}, {}, m};
}

} // namespace

HintAdvice FindHint(const Game& g, HintMove& move)
{
    move = {};
    const std::optional<Move> next = NextMasterMove(g, 1, MasterHintBudget());
    if (next && next->kind != MoveKind::Flip) {
        move = PlacesOf(g, *next);
        return HintAdvice::Move;
    }
    // The Master flips, or ends its turn; where it has nothing left at all, a flip the rules allow still helps.
    if (next || (FlipAllowed(g, 1) && !g.GameOver && MustFlipBeforeEnding(g))) {
        move = PlacesOf(g, FlipMove(1));
        return HintAdvice::FlipStock;
    }
    return HintAdvice::EndTurn;
}

} // namespace tandrel
