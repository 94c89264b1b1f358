#pragma once
#include "engine/Game.h"

namespace tandrel {

// The right-click on pile p: the card or run under (x, y) goes to the first place that takes it.
void AutoPlay(Game& g, int p, float x, float y);

} // namespace tandrel
