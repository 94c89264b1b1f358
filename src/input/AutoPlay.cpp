#include "input/AutoPlay.h"

#include "engine/TableauPlays.h"
#include "input/Geometry.h"

namespace tandrel {

void AutoPlay(Game& g, int p, float x, float y)
{
    // The top card's press reaches its shadow too.
    const Rect top = RectAt(g.TableauTop(p, TopX), g.TableauTop(p, TopY), OneCardDragWidth, OneCardDragHeight);
    if (PtInRect(top, ToPixel(x), ToPixel(y)) && PlayTableauTopToFoundation(g, p)) return;
    PlayRunToTableau(g, p, HitTableauCard(g, x, y, p));
}

} // namespace tandrel
