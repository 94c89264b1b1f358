#pragma once
// Cards in flight: the drag image of w x h slides from (x, y) to the target
// with the step pattern of the slide, one frame every few steps.
#include "engine/Game.h"

namespace tandrel {

void SlideCards(Game& g, float& x, float& y, float targetX, float targetY, int w, int h);

} // namespace tandrel
