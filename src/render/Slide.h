#pragma once
// Card slides and the waste-top pick-up; plain logic over the table view.
#include "engine/Game.h"

namespace tandrel {

constexpr int MoveMargin = 50;

void AnimateMove(Game& g, float& x, float& y, float targetX, float targetY);
void RemoveWasteTop(Game& g, int side);
// Left edge of a side's waste top card.
inline int WasteTopX(const Game& g, int side) { return 495 - 15 * (3 - g.WasteFan(side)); }

} // namespace tandrel
