#pragma once
#include "engine/Game.h"

namespace tandrel {

// Takes back the player's last move as its undo record describes it.
void UndoMove(Game& g);

} // namespace tandrel
