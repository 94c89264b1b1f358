#pragma once
// When a turn may begin or end, and what beginning and ending one changes.
#include "engine/Game.h"

namespace tandrel {

// The player ends a turn only after flipping since the computer's turn, or with one card left.
bool MustFlipBeforeEnding(const Game& g);
// Nothing to play against until the other side has flipped (unless the side's own waste is empty too).
bool MayStartTurn(const Game& g, int side);
// The computer's turn begins: the player's flips are counted afresh and no card counts as just flipped.
void BeginTurn(Game& g, int side);
// The computer's turn is over: the player's last move can no longer be taken back.
void FinishTurn(Game& g, int side);

} // namespace tandrel
