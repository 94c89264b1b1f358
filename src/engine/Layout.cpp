#include "engine/Layout.h"

#include "engine/Game.h"

namespace tandrel {

int WasteTopX(const Game& g, int side) { return WasteTopXFor(g.WasteFan(side)); }

Rect PileTopRect(const Game& g, int p)
{
    return RectAt(PileX(p), PileTopY(g, p), CardWidth, CardHeight);
}

} // namespace tandrel
