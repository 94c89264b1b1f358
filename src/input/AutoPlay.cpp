#include "input/AutoPlay.h"

#include <string>

#include "engine/Moves.h"
#include "engine/Turn.h"
#include "input/Geometry.h"
#include "input/Mouse.h"
#include "render/Slide.h"
#include "sound/PlaySound.h"

namespace tandrel {

namespace {

// The pile's top card flies to the foundation that takes it.
bool TopCardToFoundation(Game& g, int p, float x, float y)
{
    g.DragRect = RectAt(g.TableauTop(p, 2), g.TableauTop(p, 3), OneCardDragWidth, OneCardDragHeight);
    if (!PtInRect(g.DragRect, ToPixel(x), ToPixel(y))) return false;
    const int card = g.TableauTop(p, 1);
    const int f = FoundationFor(g, card);
    if (f == 0) return false;

    TableView& v = *g.view;
    if (!v.HasDragImage())
        v.CaptureDragImage(g.TableauTop(p, 2), g.TableauTop(p, 3), OneCardDragWidth, OneCardDragHeight);
    g.UndoRecord = "4" + std::to_string(p);
    const int oldY = g.TableauTop(p, 3);
    RemoveTableauTop(g, p);
    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    if (!v.HasTableBuffer()) v.SnapshotTable();
    RedrawPileTop(g, p, Surface::TableBuffer, oldY);

    float fx = static_cast<float>(g.TableauTop(p, 2)), fy = static_cast<float>(g.TableauTop(p, 3));
    AnimateMove(g, fx, fy, static_cast<float>(FoundationX(f) - 5), 5);
    Pause(g, 20);
    v.ShowTableBuffer();
    PlaceOnFoundation(g, f, card);
    v.DrawCard(Surface::Window, FoundationX(f), FoundationY, card);
    g.UndoRecord += std::to_string(f);
    v.ReleaseBuffers();
    g.DragRect = Rect{};
    v.ScoreBoard(false);
    PlayCardSound(g);
    return true;
}

} // namespace

void AutoPlay(Game& g, int p, float x, float y)
{
    if (TopCardToFoundation(g, p, x, y)) return;

    TableView& v = *g.view;
    g.DragRect = Rect{};
    float offsetX = 0, offsetY = 0;
    g.DragHeight = PickUpTableau(g, x, y, p, offsetX, offsetY) + 2;
    if (g.DragHeight < 3) {
        v.ReleaseBuffers();
        v.ScoreBoard(false);
        return;
    }

    int target = 0;
    for (int q = 1; q <= 4 && target == 0; ++q) {
        if (q == p) continue;
        g.DragRect = RectAt(g.TableauTop(q, 2), g.TableauTop(q, 3), g.DragWidth, g.DragHeight);
        if (FindDropTarget(g, false)) target = q;
    }
    if (target == 0) {
        ReturnTableauStack(g, false);
        v.ReleaseBuffers();
        v.ScoreBoard(false);
        return;
    }

    float sx = x - offsetX, sy = y - offsetY;
    const int side = p < target ? 10 : -10;
    AnimateMove(g, sx, sy, static_cast<float>(g.TableauTop(target, 2) + side),
                static_cast<float>(g.TableauTop(target, 3) + 30));
    Pause(g, 50);
    MoveTableauStack(g);
    v.ReleaseBuffers();
    v.ScoreBoard(false);
}

} // namespace tandrel
