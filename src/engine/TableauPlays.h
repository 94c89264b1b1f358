#pragma once
// Plays off a tableau pile that pick their own target: a pile's top card to
// its foundation, or the run from a slot onto the first pile that takes it.
// The computer calls them with a pile and a slot; the mouse's right-click
// calls them after its hit test.
#include "engine/Move.h"

namespace tandrel {

// Pile p's top card flies to the foundation that takes it; false when none does.
bool PlayTableauTopToFoundation(Game& g, int p);
// Picks up the run from slot j of pile p: the drag image, the table buffer
// without it, PickupRect and the Pick globals. Returns the run's height.
int LiftRun(Game& g, int p, int j);
// The run from slot j of pile p slides onto the first other pile that takes
// it, or stays; a slot with no card moves nothing.
void PlayRunToTableau(Game& g, int p, int j);
// The top card to its foundation when j is the top slot and one takes it, else the run.
void AutoPlayRun(Game& g, int p, int j);

} // namespace tandrel
