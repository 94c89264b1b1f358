#pragma once
// A hint for the player: the move the Expert computer would make first in the
// player's place, worked out on a copy so that the game, its undo record and
// the saved game stay as they are.
#include "engine/Places.h"

namespace tandrel {

struct HintMove {
    TablePlace from, to; // to.kind None: the waiting card is turned up where it lies
};

// None found: true, and the hint's kind says what to do instead.
enum class HintAdvice { Move, FlipStock, EndTurn };

HintAdvice FindHint(const Game& g, HintMove& move);

} // namespace tandrel
