#pragma once
// Card slides and the waste-top pick-up, drawn through the table view.
#include "engine/Game.h"

namespace tandrel {

void AnimateMove(Game& g, float& x, float& y, float targetX, float targetY);
void RemoveWasteTop(Game& g, int side);

} // namespace tandrel
