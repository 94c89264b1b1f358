#include "input/Geometry.h"

#include "engine/Cards.h"

namespace tandrel {

Rect PileTopRect(const Game& g, int p)
{
    return RectAt(g.TableauTop(p, 2), g.TableauTop(p, 3), CardWidth, CardHeight);
}

int HitFoundation(Game& g, float x, float y)
{
    const long px = ToPixel(x), py = ToPixel(y);
    for (int f = 1; f <= 4; ++f) {
        g.DragRect = Rect{10 + 90 * (f - 1), 10, 81 + 90 * (f - 1), 105};
        if (!PtInRect(g.DragRect, px, py)) continue;
        // The stored top turned back into a card; an ace on its own stays put.
        if (g.Foundation(f, 1) >= 1 && CardRank(g.Foundation(f, 2) + 13) >= 2) return f;
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
            return g.TableauTop(p, 1);
        }
    }
    return 0;
}

int TopSlot(const Game& g, int p)
{
    if (g.TableauTop(p, 1) < 1) return 0;
    for (int s = 1; s <= 12; ++s)
        if (g.Tableau(p, s) == g.TableauTop(p, 1)) return s;
    return 0;
}

int HitTableauCard(Game& g, float x, float y, int pile)
{
    const int k = TopSlot(g, pile);
    const long px = ToPixel(x), py = ToPixel(y);
    for (int j = k; j >= 1; --j) {
        const long left = PileX(pile);
        const long top = g.TableauTop(pile, 3) - 20 * (k - j);
        const Rect r{left, top, left + CardWidth, top + (j == k ? CardHeight : 20)};
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
        if (IntersectRect(g.DragRect, Rect{10 + 90 * (f - 1), 10, 81 + 90 * (f - 1), 105})) return f;
    return 0;
}

int PileColumnAt(float x)
{
    for (int p = 1; p <= 4; ++p) {
        const float left = static_cast<float>(PileX(p));
        if (x >= left && x <= left + 71) return p;
    }
    return 0;
}

} // namespace tandrel
