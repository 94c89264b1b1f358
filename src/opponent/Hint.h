#pragma once
// A hint for the player: the move the Master would make first in the player's
// place. Nothing is played, so the game, its undo record and the saved game
// stay as they are.
#include <optional>

#include "engine/Move.h"
#include "engine/Places.h"

namespace tandrel {

struct HintMove {
    TablePlace from, to;      // to.kind None: the waiting card is turned up where it lies
    std::optional<Move> move; // the move itself (a flip with FlipStock); none with EndTurn
};

enum class HintAdvice { Move, FlipStock, EndTurn };

// Move, with its places in move; with no move found, whether to flip or to end the turn.
HintAdvice FindHint(const Game& g, HintMove& move);

} // namespace tandrel
