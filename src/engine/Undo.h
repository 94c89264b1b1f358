#pragma once
#include "engine/Move.h"

namespace tandrel {

// Takes back the player's last move of the turn; it can then be redone. A
// restored game's one recorded move is taken back by its record.
void UndoMove(Game& g);
// Puts back the move last taken back, through play (which applies it, and may
// show it); refused (not done) when there is none.
Applied RedoMove(Game& g, Applied (*play)(Game&, const Move&) = Apply);

} // namespace tandrel
