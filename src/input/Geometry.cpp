#include "input/Geometry.h"

#include "engine/Cards.h"
#include "engine/Move.h"

namespace tandrel {

int HitFoundation(const Game& g, float x, float y, Rect& hit)
{
    const long px = ToPixel(x), py = ToPixel(y);
    for (int f = 1; f <= FoundationCount; ++f) {
        hit = FoundationRect(f);
        if (!PtInRect(hit, px, py)) continue;
        // The stored top turned back into a card; an ace on its own stays put.
        if (g.Foundation(f, FoundSuit) >= 1 && CardRank(g.Foundation(f, FoundTop) + 13) >= 2) return f;
        return 0;
    }
    return 0;
}

int HitTableauTop(const Game& g, float x, float y, int& pile, Rect& hit)
{
    const long px = ToPixel(x), py = ToPixel(y);
    for (int p = 1; p <= PileCount; ++p) {
        hit = PileTopRect(g, p);
        if (PtInRect(hit, px, py)) {
            pile = p;
            return PileTop(g, p);
        }
    }
    return 0;
}

int HitTableauCard(const Game& g, float x, float y, int pile, Rect& hit)
{
    const int k = FaceUpCount(g, pile);
    const long px = ToPixel(x), py = ToPixel(y);
    for (int j = k; j >= 1; --j) {
        const long left = PileX(pile);
        const long top = PileTopY(g, pile) - FaceUpStep * (k - j);
        const Rect r = RectAt(left, top, CardWidth, j == k ? CardHeight : FaceUpStep);
        if (PtInRect(r, px, py)) {
            hit = r;
            return j;
        }
    }
    return 0;
}

int OverFoundationRow(const Rect& dragRect)
{
    for (int f = 1; f <= FoundationCount; ++f)
        if (IntersectRect(dragRect, FoundationRect(f))) return f;
    return 0;
}

} // namespace tandrel
