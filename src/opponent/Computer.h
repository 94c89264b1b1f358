#pragma once
// The computer's move search: a fixed order of move kinds, by level.
#include "engine/Game.h"
#include "engine/Moves.h" // the waste-top plays, shared with the player

namespace tandrel {

bool PlayComputerMoves(Game& g, int side);
bool TableauToFoundation(Game& g, int side);
bool ShiftTableauRuns(Game& g, int side);
bool LowerFoundationForRun(Game& g, int side);
bool LowerFoundationForWaste(Game& g, int side);
void UncoverFoundationCard(Game& g, int side);
// Moves foundation f's top card down onto pile r.
void LowerFoundationCard(Game& g, int f, int r);

} // namespace tandrel
