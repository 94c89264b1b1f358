#include "show/ShowMoves.h"

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "show/Slide.h"
#include "show/Sound.h"
#include "show/Speech.h"
#include "show/Turns.h"

namespace tandrel {

namespace {

struct Point {
    int x = 0, y = 0;
};

void Slide(Game& g, Point start, Point aim, int height = OneCardDragHeight)
{
    float x = static_cast<float>(start.x), y = static_cast<float>(start.y);
    SlideCards(g, x, y, static_cast<float>(aim.x), static_cast<float>(aim.y), OneCardDragWidth, height);
}

// The card in flight is picked up at `from`; the table buffer holds the table under it.
void LiftCard(Game& g, Point from)
{
    TableView& v = *g.view;
    if (!v.HasTableBuffer()) v.SnapshotTable();
    v.CaptureDragImage(from.x, from.y, OneCardDragWidth, OneCardDragHeight);
}

// The card lands: the last frame goes, the card is drawn at `at`, its sound plays.
void Land(Game& g, int card, Point at)
{
    TableView& v = *g.view;
    v.ShowTableBuffer();
    v.DrawCard(Surface::Window, at.x, at.y, card);
    PlayCardSound(g);
    v.ScoreBoard(false);
    v.ReleaseBuffers();
}

Point TopPoint(const Game& g, int p) { return {PileX(p), PileTopY(g, p)}; }
Point FoundationPoint(int f) { return {FoundationX(f), FoundationY}; }

Applied PlayFromWaste(Game& g, const Move& m)
{
    const int side = m.side;
    const Point from{WasteTopX(g, side), HandRowY(side)};
    Point aim, at;
    switch (m.kind) {
    case MoveKind::WasteToPile: {
        const Point top = TopPoint(g, m.to);
        aim = {top.x - WasteToPileAim, top.y + WasteToPileAim};
        at = {top.x, top.y + FaceUpStep};
        break;
    }
    case MoveKind::WasteToFoundation: aim = at = FoundationPoint(m.to); break;
    default: aim = at = {WasteTopX(g, OtherSide(side)), HandRowY(OtherSide(side))}; break;
    }
    LiftCard(g, from);
    DrawWasteUnderTop(g, side, Surface::TableBuffer);
    const Applied a = Apply(g, m);
    Slide(g, from, aim);
    Pause(g, 20);
    Land(g, m.card, at);
    return a;
}

Applied PlayPileToFoundation(Game& g, const Move& m)
{
    const Point top = TopPoint(g, m.from);
    LiftCard(g, top);
    const Applied a = Apply(g, m);
    RedrawPileTop(g, m.from, Surface::TableBuffer, top.y);
    Slide(g, TopPoint(g, m.from), {FoundationX(m.to) - RaiseAimOffset, FoundationY - RaiseAimOffset});
    Pause(g, 20);
    Land(g, m.card, FoundationPoint(m.to));
    return a;
}

Applied PlayFoundationToPile(Game& g, const Move& m)
{
    const Point from = FoundationPoint(m.from), top = TopPoint(g, m.to);
    LiftCard(g, from);
    const Applied a = Apply(g, m);
    g.view->DrawCard(Surface::TableBuffer, from.x, from.y, FoundationTopCard(g, m.from));
    Slide(g, from, {top.x, top.y + LoweredCardAim});
    Pause(g, 20);
    Land(g, m.card, {top.x, top.y + FaceUpStep});
    return a;
}

Applied PlayRun(Game& g, const Move& m)
{
    TableView& v = *g.view;
    const int p = m.from, q = m.to;
    const int height = LiftRunPicture(g, p, m.slot);
    const long liftTop = PileTopY(g, p) - FaceUpStep * (FaceUpCount(g, p) - m.slot);
    const Point target = TopPoint(g, q);
    const Applied a = Apply(g, m);
    // The run flies from where its picture was lifted, shadow included, to beside the target's top.
    const int aimX = p < q ? AutoRunAimX : -AutoRunAimX;
    Slide(g, {PileX(p) - DragShadow, static_cast<int>(liftTop) - DragShadow},
          {target.x + aimX, target.y + AutoRunAimY}, height + DragShadow);
    Pause(g, 50);
    v.ShowTableBuffer();
    const int received = a.undo ? a.undo->received : 1;
    for (int k = received, n = 1; k <= PileSlots && g.Tableau(q, k) != 0; ++k, ++n)
        v.DrawCard(Surface::Window, target.x, target.y + FaceUpStep * n, g.Tableau(q, k));
    PlayCardSound(g);
    v.ReleaseBuffers();
    v.ScoreBoard(false);
    return a;
}

Applied TurnUpShown(Game& g, const Move& m)
{
    TableView& v = *g.view;
    const int p = m.from, x = PileX(p), y = FaceDownY(g.TableauFaceDown(p));
    v.SnapshotTable();
    const Applied a = Apply(g, m);
    const int card = PileTop(g, p);
    v.DrawCard(Surface::Window, x - TurnUpLift, y - TurnUpLift, card);
    Pause(g, 50);
    v.ShowTableBuffer();
    v.ReleaseBuffers();
    v.DrawCard(Surface::Window, x, y, card);
    v.ScoreBoard(false);
    PlayCardSound(g);
    return a;
}

bool StockThicknessMayChange(int level) { return (level >= 14 && level <= 16) || (level >= 8 && level <= 10) || level < 6; }

Applied FlipShown(Game& g, const Move& m)
{
    TableView& v = *g.view;
    const int side = m.side, y = HandRowY(side);
    g.FlipInProgress = true;
    const Applied a = Apply(g, m);
    if (a.sound == MoveSound::TurnOver) {
        v.DrawStock(side);
        PlaySound(g, 2);
        g.FlipInProgress = false;
        return a;
    }
    if (StockThicknessMayChange(a.stockLevelBefore)) v.DrawStock(side);
    PlayCardSound(g);
    v.SnapshotTable();
    for (int i = 0; i < a.flippedCount; ++i) {
        const int card = a.flipped[i], landX = WasteX + FanStep * i;
        v.CaptureDragImage(StockX, y, OneCardDragWidth, OneCardDragHeight);
        v.DrawCard(Surface::DragImage, 0, 0, card);
        Slide(g, {StockX, y}, {landX, y});
        v.DrawCard(Surface::TableBuffer, landX, y, card);
        v.ShowTableBuffer();
    }
    v.ReleaseBuffers();
    g.FlipInProgress = false;
    const int fan = g.WasteFan(side);
    if (fan < MaxFan) v.RestoreBackground(Surface::Window, FanRight(fan), y, FanStep * (MaxFan - fan), CardHeight);
    if (a.passEnded) v.DrawEmptyStock(side);
    return a;
}

Applied ShowApplied(Game& g, const Move& m)
{
    switch (m.kind) {
    case MoveKind::Flip: return FlipShown(g, m);
    case MoveKind::TurnUp: return TurnUpShown(g, m);
    case MoveKind::WasteToPile:
    case MoveKind::WasteToFoundation:
    case MoveKind::Load: return PlayFromWaste(g, m);
    case MoveKind::PileToFoundation: return PlayPileToFoundation(g, m);
    case MoveKind::RunToPile: return PlayRun(g, m);
    case MoveKind::FoundationToPile: return PlayFoundationToPile(g, m);
    }
    return {};
}

} // namespace

void RedrawPileTop(Game& g, int p, Surface s, int oldY)
{
    const int x = PileX(p), y = PileTopY(g, p), top = PileTop(g, p);
    g.view->RestoreBackground(s, x, oldY, CardWidth, CardHeight);
    if (top == TurnUpPending) g.view->DrawCard(s, x, y, g.cfg.CardBack);
    else if (IsCard(top)) g.view->DrawCard(s, x, y, top);
}

void DrawWasteUnderTop(Game& g, int side, Surface s)
{
    TableView& v = *g.view;
    const int y = HandRowY(side), fan = g.WasteFan(side);
    int n = g.WasteCount(side);
    if (n < 1) return;
    if (fan == 1) v.RestoreBackground(s, WasteX, y, CardWidth, CardHeight);
    else v.RestoreBackground(s, FanRight(fan) - FanStep, y, FanStep, CardHeight);
    --n;
    if (n < 1) return;
    if (fan == 1) {
        while (n > 0 && g.Waste(side, n) == 0) --n;
        if (n > 0) v.DrawCard(s, WasteX, y, g.Waste(side, n));
    } else if (fan == 2) {
        v.DrawCard(s, WasteX, y, g.Waste(side, n));
    } else if (fan >= 3) {
        if (n >= 2) v.DrawCard(s, WasteX, y, g.Waste(side, n - 1));
        v.DrawCard(s, WasteX + FanStep, y, g.Waste(side, n));
    }
}

int LiftRunPicture(Game& g, int p, int j)
{
    TableView& v = *g.view;
    const int k = FaceUpCount(g, p);
    const long left = PileX(p), top = PileTopY(g, p) - FaceUpStep * (k - j);
    const int height = RunDragStep * (k - j) + CardHeight;
    g.PickPile = p, g.PickFirst = j, g.PickLast = k; // the saved game keeps the last run lifted
    v.CaptureDragImage(left, top, OneCardDragWidth, height + DragShadow);
    for (int s = j; s <= k; ++s) v.DrawCard(Surface::DragImage, 0, RunDragStep * (s - j), g.Tableau(p, s));
    v.SnapshotTable();
    v.RestoreBackground(Surface::TableBuffer, left, top, CardWidth, FaceUpStep * (k - j) + CardHeight);
    if (j == 1 && g.TableauFaceDown(p) > 0) v.DrawCard(Surface::TableBuffer, left, top - FaceDownStep, g.cfg.CardBack);
    if (j > 1) v.DrawCard(Surface::TableBuffer, left, top - FaceUpStep, g.Tableau(p, j - 1));
    v.DrawMoveFrame(static_cast<float>(left - DragShadow), static_cast<float>(top - DragShadow), OneCardDragWidth,
                    height + DragShadow);
    return height;
}

void ShowGameEnd(Game& g, int winner)
{
    TableView& v = *g.view;
    v.DoEvents();
    v.ShowHandAtEnd(winner);
    PlaySound(g, winner == 2 ? 1 : 0);
    g.ComputerBusy = false;
    v.ScoreBoard(true);
    v.StatusPanel(true);
    v.Say(GameEndWords(winner));
}

Applied PlayShown(Game& g, const Move& m)
{
    if (!IsLegal(g, m)) return {};
    g.view->Say(MoveWords(g, m));
    const Applied a = ShowApplied(g, m);
    if (a.gameEnded) ShowGameEnd(g, m.side);
    return a;
}

} // namespace tandrel
