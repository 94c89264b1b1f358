#pragma once
// A hint for the player: the move the Expert computer would propose first in
// the player's place. Nothing is played, so the game, its undo record and the
// saved game stay as they are.
#include "engine/Places.h"

namespace tandrel {

struct HintMove {
    TablePlace from, to; // to.kind None: the waiting card is turned up where it lies
};

enum class HintAdvice { Move, FlipStock, EndTurn };

// Move, with its places in move; with no move found, whether to flip or to end the turn.
HintAdvice FindHint(const Game& g, HintMove& move);

} // namespace tandrel
