#include "input/Geometry.h"

#include "engine/Cards.h"
#include "engine/TableauPlays.h"

namespace tandrel {

int HitFoundation(Game& g, float x, float y)
{
    const long px = ToPixel(x), py = ToPixel(y);
    for (int f = 1; f <= 4; ++f) {
        g.DragRect = FoundationRect(f);
        if (!PtInRect(g.DragRect, px, py)) continue;
        // The stored top turned back into a card; an ace on its own stays put.
        if (g.Foundation(f, FoundSuit) >= 1 && CardRank(g.Foundation(f, FoundTop) + 13) >= 2) return f;
        return 0;
    }
    return 0;
}

int HitTableauTop(Game& g, float x, float y, int& pile)
{
    const long px = ToPixel(x), py = ToPixel(y);
    for (int p = 1; p <= 4; ++p) {
        g.DragRect = PileTopRect(g, p);
        if (PtInRect(g.DragRect, px, py)) {
            pile = p;
            return g.TableauTop(p, TopCard);
        }
    }
    return 0;
}

int HitTableauCard(Game& g, float x, float y, int pile)
{
    const int k = TopSlot(g, pile);
    const long px = ToPixel(x), py = ToPixel(y);
    for (int j = k; j >= 1; --j) {
        const long left = PileX(pile);
        const long top = g.TableauTop(pile, TopY) - FaceUpStep * (k - j);
        const Rect r = RectAt(left, top, CardWidth, j == k ? CardHeight : FaceUpStep);
        if (PtInRect(r, px, py)) {
            g.DragRect = r;
            return j;
        }
    }
    return 0;
}

int OverFoundationRow(const Game& g)
{
    for (int f = 1; f <= 4; ++f)
        if (IntersectRect(g.DragRect, FoundationRect(f))) return f;
    return 0;
}

} // namespace tandrel
