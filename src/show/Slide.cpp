#include "show/Slide.h"

#include "engine/Slide.h"

namespace tandrel {

void SlideCards(Game& g, float& x, float& y, float targetX, float targetY, int w, int h)
{
    g.DragWidth = w;
    g.DragHeight = h;
    AnimateMove(g, x, y, targetX, targetY);
}

} // namespace tandrel
