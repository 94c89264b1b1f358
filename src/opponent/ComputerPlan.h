#pragma once
// The computer proposes; it never makes a move. A plan walks one whole turn of
// a side in the computer's fixed order of move kinds and hands out its steps
// one at a time: a move to apply, or a pause for the watcher. The caller
// applies each move (and shows it) before asking for the next step, and the
// plan reads the game as it stands then.
#include <optional>

#include "engine/Move.h"

namespace tandrel {

struct ComputerStep {
    enum class Kind { Move, Pause } kind = Kind::Move;
    Move move;
};

// TO BE BUILT: see the helper's brief.
class ComputerPlan;

// The move the side's level would make next from this position, or none.
std::optional<Move> NextComputerMove(const Game& g, int side);

} // namespace tandrel
