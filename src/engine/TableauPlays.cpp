#include "engine/TableauPlays.h"

#include "engine/Moves.h"
#include "engine/PlaySound.h"
#include "engine/Slide.h"
#include "engine/Turn.h"

namespace tandrel {

bool PlayTableauTopToFoundation(Game& g, int p)
{
    g.DragRect = RectAt(g.TableauTop(p, TopX), g.TableauTop(p, TopY), OneCardDragWidth, OneCardDragHeight);
    const int card = g.TableauTop(p, TopCard);
    const int f = FoundationFor(g, card);
    if (f == 0) return false;

    TableView& v = *g.view;
    if (!v.HasDragImage())
        v.CaptureDragImage(g.TableauTop(p, TopX), g.TableauTop(p, TopY), OneCardDragWidth, OneCardDragHeight);
    const int oldY = g.TableauTop(p, TopY);
    RemoveTableauTop(g, p);
    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    if (!v.HasTableBuffer()) v.SnapshotTable();
    RedrawPileTop(g, p, Surface::TableBuffer, oldY);

    float fx = static_cast<float>(g.TableauTop(p, TopX)), fy = static_cast<float>(g.TableauTop(p, TopY));
    AnimateMove(g, fx, fy, static_cast<float>(FoundationX(f) - RaiseAimOffset),
                static_cast<float>(FoundationY - RaiseAimOffset));
    Pause(g, 20);
    v.ShowTableBuffer();
    PlaceOnFoundation(g, f, card);
    v.DrawCard(Surface::Window, FoundationX(f), FoundationY, card);
    v.ReleaseBuffers();
    g.DragRect = Rect{};
    v.ScoreBoard(false);
    PlayCardSound(g);
    return true;
}

int LiftRun(Game& g, int p, int j)
{
    const int k = TopSlot(g, p);
    const long left = PileX(p), top = g.TableauTop(p, TopY) - FaceUpStep * (k - j);
    g.DragRect = RectAt(left, top, CardWidth, j == k ? CardHeight : FaceUpStep);
    const int height = RunDragStep * (k - j) + CardHeight;
    g.PickupRect = RectAt(left, top, CardWidth, height);
    g.DragCard = g.Tableau(p, j);

    TableView& v = *g.view;
    v.CaptureDragImage(left, top, OneCardDragWidth, height + DragShadow);
    g.PickFirst = j;
    g.PickLast = k;
    g.PickPile = p;
    for (int s = j; s <= k; ++s) v.DrawCard(Surface::DragImage, 0, RunDragStep * (s - j), g.Tableau(p, s));

    v.SnapshotTable();
    v.RestoreBackground(Surface::TableBuffer, left, top, CardWidth, FaceUpStep * (k - j) + CardHeight);
    if (j == 1 && g.TableauFaceDown(p) > 0) v.DrawCard(Surface::TableBuffer, left, top - FaceDownStep, g.cfg.CardBack);
    if (j > 1) v.DrawCard(Surface::TableBuffer, left, top - FaceUpStep, g.Tableau(p, j - 1));
    v.DrawMoveFrame(static_cast<float>(left - DragShadow), static_cast<float>(top - DragShadow), OneCardDragWidth,
                    height + DragShadow);
    return height;
}

void PlayRunToTableau(Game& g, int p, int j)
{
    TableView& v = *g.view;
    g.DragRect = Rect{};
    const int k = TopSlot(g, p);
    if (j < 1 || k == 0 || j > k) {
        g.DragHeight = DragShadow;
        v.ReleaseBuffers();
        v.ScoreBoard(false);
        return;
    }
    g.DragHeight = LiftRun(g, p, j) + DragShadow;
    // The run flies from where its picture was lifted, shadow included.
    float sx = static_cast<float>(g.DragRect.left - DragShadow), sy = static_cast<float>(g.DragRect.top - DragShadow);

    int target = 0;
    for (int q = 1; q <= 4 && target == 0; ++q) {
        if (q == p) continue;
        g.DragRect = RectAt(g.TableauTop(q, TopX), g.TableauTop(q, TopY), g.DragWidth, g.DragHeight);
        if (FindDropTarget(g, false)) target = q;
    }
    if (target == 0) {
        ReturnTableauStack(g, false);
        v.ReleaseBuffers();
        v.ScoreBoard(false);
        return;
    }

    const int aimX = p < target ? AutoRunAimX : -AutoRunAimX;
    AnimateMove(g, sx, sy, static_cast<float>(g.TableauTop(target, TopX) + aimX),
                static_cast<float>(g.TableauTop(target, TopY) + AutoRunAimY));
    Pause(g, 50);
    MoveTableauStack(g);
    v.ReleaseBuffers();
    v.ScoreBoard(false);
}

void AutoPlayRun(Game& g, int p, int j)
{
    if (j == TopSlot(g, p) && PlayTableauTopToFoundation(g, p)) return;
    PlayRunToTableau(g, p, j);
}

} // namespace tandrel
