#include "input/Mouse.h"

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Slide.h"
#include "engine/TableauPlays.h"
#include "engine/Turn.h"
#include "input/AutoPlay.h"
#include "input/Geometry.h"

namespace tandrel {

namespace {

bool Idle(const Game& g)
{
    return !g.ComputerBusy && !g.FlipInProgress && !g.GameOver;
}

void ScoreBoard(Game& g)
{
    g.view->ScoreBoard(false);
}

Rect DragRectAt(const Game& g, float left, float top)
{
    return RectAt(ToPixel(left), ToPixel(top), g.DragWidth, g.DragHeight);
}

void PickUpWasteTop(Game& g, MouseState& m, float x, float y, int left)
{
    const int top = HandRowY(1);
    m.DragFromWaste = true;
    g.DragHeight = OneCardDragHeight;
    g.DragWidth = OneCardDragWidth;
    m.GrabOffsetX = x - static_cast<float>(left) + DragShadow;
    m.GrabOffsetY = y - static_cast<float>(top) + DragShadow;
    g.DragRect = DragRectAt(g, x - m.GrabOffsetX, y - m.GrabOffsetY);
    g.view->CaptureDragImage(left, top, OneCardDragWidth, OneCardDragHeight);
    g.view->SnapshotTable();
    RemoveWasteTop(g, 1);
    g.view->DrawMoveFrame(x - m.GrabOffsetX, y - m.GrabOffsetY, OneCardDragWidth, OneCardDragHeight);
    m.DragSource = WasteSource;
}

} // namespace

int PickUpTableau(Game& g, float x, float y, int p, float& offsetX, float& offsetY)
{
    const int j = HitTableauCard(g, x, y, p);
    if (j == 0 || TopSlot(g, p) == 0) return 0;
    const int height = LiftRun(g, p, j);
    offsetX = x - static_cast<float>(g.DragRect.left) + DragShadow;
    offsetY = y - static_cast<float>(g.DragRect.top) + DragShadow;
    return height;
}

void PickUpFoundation(Game& g, int f, float x, float y)
{
    const int top = g.Foundation(f, FoundTop);
    const int beneath = CardRank(top) == 2 ? AceOfSuit(g.Foundation(f, FoundSuit)) : top - 1;
    g.DragCard = top;
    TableView& v = *g.view;
    v.CaptureDragImage(g.DragRect.left, g.DragRect.top, OneCardDragWidth, OneCardDragHeight);
    v.SnapshotTable();
    v.RestoreBackground(Surface::TableBuffer, FoundationX(f), FoundationY, CardWidth, CardHeight);
    v.DrawCard(Surface::TableBuffer, FoundationX(f), FoundationY, beneath);
    v.DrawMoveFrame(x, y, OneCardDragWidth, OneCardDragHeight);
}

void Form_MouseDown(Game& g, MouseState& m, int button, float x, float y)
{
    // A second button pressed in the middle of a drag must not start another pick-up.
    if (!Idle(g) || m.Dragging()) return;
    m.DragSource = button == RightButton ? RightPress : 0;
    g.DragWidth = OneCardDragWidth;

    if (button == LeftButton && InFoundationRowPress(x, y)) {
        const int f = HitFoundation(g, x, y);
        if (f > 0) {
            g.DragHeight = OneCardDragHeight;
            g.DragWidth = OneCardDragWidth;
            m.DragFromFoundation = true;
            m.GrabOffsetX = x - static_cast<float>(g.DragRect.left) + DragShadow;
            m.GrabOffsetY = y - FoundationPressTop + DragShadow;
            PickUpFoundation(g, f, x - m.GrabOffsetX, y - m.GrabOffsetY);
            m.DragSource = FoundationSource + f;
            return;
        }
    }

    const int p = BelowTableauTop(y) ? PileColumnAt(x) : 0;
    if (p > 0) {
        if (button == RightButton) {
            AutoPlay(g, p, x, y);
            g.GameOver = CheckGameOver(g, 1);
        } else {
            m.DragSource = p;
            const int h = PickUpTableau(g, x, y, p, m.GrabOffsetX, m.GrabOffsetY);
            g.DragHeight = h + 2;
            if (g.DragHeight > 2) m.DragFromTableau = true;
        }
        return;
    }

    if (InScoreBoardPress(x, y)) {
        EndPlayerTurn(g);
        return;
    }

    const float left = static_cast<float>(WasteTopX(g, 1));
    const bool onWaste = InPlayerRow(y) && !(x >= StockX && x <= StockX + StockPressWidth) && x >= left &&
                         x <= left + CardWidth;
    if (!onWaste || g.WasteCards(1) == 0 || g.WasteCount(1) == 0) return;
    if (button == RightButton) {
        if (PlayWasteTop(g, 1) || LoadOpponentWaste(g, 1, false)) {
            ScoreBoard(g);
            g.GameOver = CheckGameOver(g, 1);
        }
    } else {
        PickUpWasteTop(g, m, x, y, static_cast<int>(left));
    }
}

void Form_MouseMove(Game& g, MouseState& m, float x, float y)
{
    if (g.ComputerBusy) return;
    m.LastMouseX = x;
    m.LastMouseY = y;
    if (!m.Dragging()) return;
    g.view->DrawMoveFrame(x - m.GrabOffsetX, y - m.GrabOffsetY, g.DragWidth, g.DragHeight);
    g.DragRect = DragRectAt(g, x - m.GrabOffsetX, y - m.GrabOffsetY);
}

namespace {

void EndWasteDrag(Game& g, MouseState& m)
{
    g.view->ReleaseBuffers();
    m.DragFromWaste = false;
    g.GameOver = CheckGameOver(g, 1);
    ScoreBoard(g);
}

void DropWasteCard(Game& g, MouseState& m)
{
    if (PlayOnOpponentWaste(g, 1)) {
        ScoreBoard(g);
    } else if (FindDropTarget(g, true)) {
        ScoreBoard(g);
        PlayWasteToTableau(g, 1);
    } else {
        ReturnWasteCard(g, 1);
    }
    EndWasteDrag(g, m);
}

void DropTableauStack(Game& g, MouseState& m)
{
    if (FindDropTarget(g, false)) MoveTableauStack(g);
    else ReturnTableauStack(g, true);
    g.view->ReleaseBuffers();
    m.DragFromTableau = false;
    ScoreBoard(g);
}

void DropFoundationCard(Game& g, MouseState& m)
{
    if (FindDropTarget(g, false)) PlayFoundationToTableau(g);
    else ReturnFoundationCard(g);
    g.view->ReleaseBuffers();
    m.DragFromFoundation = false;
    ScoreBoard(g);
}

} // namespace

void Form_MouseUp(Game& g, MouseState& m, int button, float x, float y)
{
    (void)button, (void)x, (void)y;
    if (g.ComputerBusy || g.GameOver || m.DragSource == RightPress) return;

    if ((m.DragFromWaste || m.DragFromTableau) && OverFoundationRow(g)) {
        if (m.DragFromWaste) {
            if (PlayToFoundation(g, 0, g.DragCard, 1)) EndWasteDrag(g, m);
        } else if (PlayToFoundation(g, m.DragSource, g.DragCard, 1)) {
            m.DragFromTableau = false;
            g.view->ReleaseBuffers();
            ScoreBoard(g);
            g.GameOver = CheckGameOver(g, 1);
        }
        ScoreBoard(g);
    }

    if (m.DragFromWaste) {
        DropWasteCard(g, m);
    } else if (m.DragFromTableau) {
        DropTableauStack(g, m);
    } else if (m.DragFromFoundation) {
        DropFoundationCard(g, m);
    } else {
        m.DragSource = 0;
    }
    g.DragHeight = 0;
}

void CancelDrag(Game& g, MouseState& m)
{
    if (!m.Dragging()) return;
    if (m.DragFromWaste) {
        ReturnWasteCard(g, 1);
        EndWasteDrag(g, m);
    } else if (m.DragFromTableau) {
        ReturnTableauStack(g, false);
        g.view->ReleaseBuffers();
        m.DragFromTableau = false;
    } else {
        ReturnFoundationCard(g);
        g.view->ReleaseBuffers();
        m.DragFromFoundation = false;
    }
    ScoreBoard(g);
    g.DragHeight = 0;
}

void Form_Click(Game& g, MouseState& m)
{
    if (!Idle(g) || m.DragSource > 0 || m.Dragging()) return;
    const float x = m.LastMouseX, y = m.LastMouseY;
    if (InPlayerStockPress(x, y)) {
        FlipCards(g, 1);
        return;
    }
    const int p = BelowTableauTop(y) ? PileColumnAt(x) : 0;
    if (p > 0 && g.TableauTop(p, TopCard) == TurnUpPending) TurnUpCard(g, x, y, p);
}

void Form_DblClick(Game& g, MouseState& m)
{
    // The first press of a double-click on the waste top picked the card up,
    // and its release put it back: that press still leaves the waste to play.
    const bool wastePress = m.DragSource == WasteSource && !m.DragFromTableau && !m.DragFromFoundation;
    if (!Idle(g) || (m.DragSource > 0 && !wastePress)) return;
    const float x = m.LastMouseX, y = m.LastMouseY;
    if (!InPlayerRow(y)) {
        if (BelowTableauTop(y) && !wastePress) {
            int pile = 0;
            const int card = HitTableauTop(g, x, y, pile);
            if (pile > 0) PlayToFoundation(g, pile, card, 1);
            g.GameOver = CheckGameOver(g, 1);
            ScoreBoard(g);
        }
        return;
    }
    if (x >= DoubleClickFlipLeft && x <= DoubleClickFlipRight) {
        if (!wastePress) FlipCards(g, 1);
        return;
    }
    const float left = static_cast<float>(WasteTopX(g, 1) - DoubleClickWasteShift);
    if (x < left || x > left + CardWidth || g.WasteCount(1) < 1) return;
    TableView& v = *g.view;
    m.DragSource = 0;
    if (!m.DragFromWaste) {
        // A card with nowhere to go is not lifted at all, so it does not hop.
        if (FoundationFor(g, g.Waste(1, g.WasteCount(1))) == 0) return;
        g.DragWidth = OneCardDragWidth;
        g.DragHeight = OneCardDragHeight;
        g.DragRect = RectAt(WasteTopX(g, 1), HandRowY(1), OneCardDragWidth, OneCardDragHeight);
        v.CaptureDragImage(WasteTopX(g, 1), HandRowY(1), OneCardDragWidth, OneCardDragHeight);
        v.SnapshotTable();
        RemoveWasteTop(g, 1);
    }
    m.DragFromWaste = false;
    if (!PlayToFoundation(g, 0, g.DragCard, 1)) ReturnWasteCard(g, 1);
    g.GameOver = CheckGameOver(g, 1);
    v.ReleaseBuffers();
    g.DragHeight = 0;
    ScoreBoard(g);
}

} // namespace tandrel
