#include "show/Slide.h"

#include <cmath>

namespace tandrel {

namespace {

float Direction(float from, float to)
{
    return to > from ? 1.0f : (to < from ? -1.0f : 0.0f);
}

long Nearest(float v)
{
    return static_cast<long>(std::nearbyint(v));
}

} // namespace

void SlideCards(Game& g, float& x, float& y, float targetX, float targetY, int w, int h)
{
    if (!g.cfg.Animate) return;
    g.FlipInProgress = true;
    TableView& v = *g.view;
    v.SlideStarted(x, y, targetX, targetY);

    const float dirX = Direction(x, targetX), dirY = Direction(y, targetY);
    const float dx = std::fabs(targetX - x), dy = std::fabs(targetY - y);
    float slopeX = 0, slopeY = 0;
    if (dx <= dy) {
        if (dx > 0) slopeY = dy / dx;
    } else if (dy > 0) {
        slopeX = dx / dy;
    }
    const long n = g.cfg.Speed;
    auto frame = [&](long i, long every) {
        if (every != 0 && i % every == 0) {
            v.DrawMoveFrame(x, y, w, h);
            v.FrameDelay();
        }
    };

    if (dx >= SlideDiagonalReach && dy >= SlideDiagonalReach) {
        // Diagonal: one whole pixel along the longer axis per step.
        if (slopeX == 0) {
            for (long i = 1, steps = Nearest(dx); i <= steps; ++i) {
                x += dirX;
                y += dirY * slopeY;
                frame(i, n);
            }
        } else {
            for (long i = 1, steps = Nearest(dy); i <= steps; ++i) {
                x += dirX * slopeX;
                y += dirY;
                frame(i, n);
            }
        }
    } else if (dx >= SlideDiagonalReach) {
        // Mostly sideways: a pixel down (or up) every s pixels across.
        const long s = Nearest(slopeX == 0 ? -1 : slopeX);
        for (long i = 1, steps = Nearest(dx); i <= steps; ++i) {
            if (s != 0 && i % s == 0) y += dirY;
            x += dirX;
            frame(i, 2 * n);
        }
    } else {
        const long s = Nearest(slopeY == 0 ? -1 : slopeY);
        for (long i = 1, steps = Nearest(dy); i <= steps; ++i) {
            if (s != 0 && i % s == 0) x += dirX;
            y += dirY;
            frame(i, 2 * n);
        }
    }
    g.FlipInProgress = false;
}

} // namespace tandrel
