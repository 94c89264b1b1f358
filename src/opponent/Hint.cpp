#include "opponent/Hint.h"

#include "engine/Cards.h"
#include "opponent/ComputerPlan.h"

namespace tandrel {

namespace {

// Where a move takes its card from, and where to.
HintMove PlacesOf(const Game& g, const Move& m)
{
    const TablePlace waste{PlaceKind::PlayerWaste};
    switch (m.kind) {
    case MoveKind::WasteToPile: return {waste, PileAt(m.to)};
    case MoveKind::WasteToFoundation: return {waste, FoundationAt(m.to)};
    case MoveKind::Load: return {waste, {PlaceKind::ComputerWaste}};
    case MoveKind::PileToFoundation: return {PileAt(m.from, FaceUpCount(g, m.from)), FoundationAt(m.to)};
    case MoveKind::RunToPile: return {PileAt(m.from, m.slot), PileAt(m.to)};
    case MoveKind::FoundationToPile: return {FoundationAt(m.from), PileAt(m.to)};
    case MoveKind::TurnUp: return {PileAt(m.from), {}};
    case MoveKind::Flip: break;
    }
    return {};
}

} // namespace

HintAdvice FindHint(const Game& g, HintMove& move)
{
    move = {};
    // The computer turns up every waiting card before anything else.
    for (int p = 1; p <= PileCount; ++p)
        if (PileTop(g, p) == TurnUpPending) {
            move = PlacesOf(g, TurnUpMove(1, p));
            return HintAdvice::Move;
        }

    Game expert = g; // the Expert's choice, whatever the player's level
    expert.cfg.ComputerLevel = Level::Expert;
    if (const auto next = NextComputerMove(expert, 1)) {
        move = PlacesOf(g, *next);
        if (move.from.kind != PlaceKind::None) return HintAdvice::Move;
    }
    return FlipAllowed(g, 1) ? HintAdvice::FlipStock : HintAdvice::EndTurn;
}

} // namespace tandrel
