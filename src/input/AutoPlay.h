#pragma once
#include "engine/Game.h"

namespace tandrel {

// Plays the card or run under (x, y) on pile p to the first place that takes it.
void AutoPlay(Game& g, int p, float x, float y);

} // namespace tandrel
