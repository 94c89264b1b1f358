#pragma once
// The computer's turn as the table shows it: the waiting cards turned up, then
// flips and the computer's moves with the watcher's pauses between them.
#include "engine/Game.h"

namespace tandrel {

void ComputerTurn(Game& g, int side);

} // namespace tandrel
