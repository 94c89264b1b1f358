#include "show/PlayerHand.h"

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Texts.h"
#include "engine/TurnRules.h"
#include "input/Geometry.h"
#include "show/ShowMoves.h"
#include "show/Slide.h"
#include "show/Sound.h"
#include "show/Speech.h"
#include "show/Turns.h"

namespace tandrel {

namespace {

bool Idle(const Game& g) { return !g.ComputerBusy && !g.FlipInProgress && !g.GameOver; }

void ScoreBoard(Game& g) { g.view->ScoreBoard(false); }

Rect DragRectAt(const MouseState& m, float left, float top)
{
    return RectAt(ToPixel(left), ToPixel(top), m.DragWidth, m.DragHeight);
}

// The window still shows the last frame of the flying cards: put the table
// without them back before the cards are drawn where they land.
void ClearFlyingCards(Game& g)
{
    if (g.view->HasTableBuffer()) g.view->ShowTableBuffer();
}

// The waste's top card lifted: its picture in hand, the waste without it in the table buffer.
void LiftWasteTop(Game& g, MouseState& m)
{
    const int left = WasteTopX(g, 1), top = HandRowY(1);
    g.view->CaptureDragImage(left, top, OneCardDragWidth, OneCardDragHeight);
    g.view->SnapshotTable();
    DrawWasteUnderTop(g, 1, Surface::TableBuffer);
    m.DragCard = g.Waste(1, g.WasteCount(1));
}

void PickUpWasteTop(Game& g, MouseState& m, float x, float y)
{
    const int left = WasteTopX(g, 1), top = HandRowY(1);
    m.DragFromWaste = true;
    m.DragHeight = OneCardDragHeight;
    m.DragWidth = OneCardDragWidth;
    m.GrabOffsetX = x - static_cast<float>(left) + DragShadow;
    m.GrabOffsetY = y - static_cast<float>(top) + DragShadow;
    m.DragRect = DragRectAt(m, x - m.GrabOffsetX, y - m.GrabOffsetY);
    LiftWasteTop(g, m);
    g.view->DrawMoveFrame(x - m.GrabOffsetX, y - m.GrabOffsetY, OneCardDragWidth, OneCardDragHeight);
    m.DragSource = WasteSource;
}

// The run from the card under the press lifted; false when the press hit no face-up card.
bool PickUpTableau(Game& g, MouseState& m, float x, float y, int p)
{
    Rect hit;
    const int j = HitTableauCard(g, x, y, p, hit);
    if (j == 0 || FaceUpCount(g, p) == 0) return false;
    const int k = FaceUpCount(g, p);
    const int height = LiftRunPicture(g, p, j);
    m.DragRect = hit;
    m.PickupRect = RectAt(hit.left, hit.top, CardWidth, height);
    m.DragCard = g.Tableau(p, j);
    m.PickPile = p, m.PickFirst = j, m.PickLast = k;
    m.GrabOffsetX = x - static_cast<float>(hit.left) + DragShadow;
    m.GrabOffsetY = y - static_cast<float>(hit.top) + DragShadow;
    m.DragHeight = height + DragShadow;
    return true;
}

void PickUpFoundation(Game& g, MouseState& m, int f, const Rect& hit, float x, float y)
{
    TableView& v = *g.view;
    m.DragHeight = OneCardDragHeight;
    m.DragWidth = OneCardDragWidth;
    m.DragFromFoundation = true;
    m.DragRect = hit;
    m.GrabOffsetX = x - static_cast<float>(hit.left) + DragShadow;
    m.GrabOffsetY = y - FoundationPressTop + DragShadow;
    const int top = g.Foundation(f, FoundTop);
    const int beneath = CardRank(top) == 2 ? AceOfSuit(g.Foundation(f, FoundSuit)) : top - 1;
    m.DragCard = top;
    v.CaptureDragImage(hit.left, hit.top, OneCardDragWidth, OneCardDragHeight);
    v.SnapshotTable();
    v.RestoreBackground(Surface::TableBuffer, FoundationX(f), FoundationY, CardWidth, CardHeight);
    v.DrawCard(Surface::TableBuffer, FoundationX(f), FoundationY, beneath);
    v.DrawMoveFrame(x - m.GrabOffsetX, y - m.GrabOffsetY, OneCardDragWidth, OneCardDragHeight);
    m.DragSource = FirstFoundationSource + f;
}

// A move the rules chose for the player (the right-click), shown as the computer's are.
void PlayChosen(Game& g, const std::optional<Move>& move)
{
    if (move) PlayShown(g, *move);
    ScoreBoard(g);
}

// The cards in hand land where the move put them; nothing slides.
void ShowDrop(Game& g, const MouseState& m, const Move& move)
{
    TableView& v = *g.view;
    ClearFlyingCards(g);
    const int oldY = IsLegal(g, move) && move.kind == MoveKind::PileToFoundation ? PileTopY(g, move.from) : 0;
    const Rect target = move.kind == MoveKind::RunToPile ? PileTopRect(g, move.to) : Rect{};
    if (move.kind == MoveKind::Load) v.DrawCard(Surface::Window, WasteTopX(g, 2), HandRowY(2), move.card);
    v.Say(MoveWords(g, move));
    const Applied a = Apply(g, move);
    switch (move.kind) {
    case MoveKind::WasteToFoundation:
    case MoveKind::PileToFoundation:
        if (move.kind == MoveKind::PileToFoundation) RedrawPileTop(g, move.from, Surface::Window, oldY);
        v.DrawCard(Surface::Window, FoundationX(move.to), FoundationY, move.card);
        break;
    case MoveKind::WasteToPile:
    case MoveKind::FoundationToPile:
        v.DrawCard(Surface::Window, PileX(move.to), PileTopY(g, move.to), move.card);
        break;
    case MoveKind::RunToPile:
        for (int k = m.PickFirst, n = 1; k <= m.PickLast; ++k, ++n)
            v.DrawCard(Surface::Window, target.left, target.top + FaceUpStep * n, g.Tableau(move.to, a.undo->received + n - 1));
        break;
    default: break;
    }
    PlayCardSound(g);
    if (a.gameEnded) ShowGameEnd(g, 1);
}

// The cards in hand go back where they were lifted from.
void PutBack(Game& g, MouseState& m, bool animate)
{
    TableView& v = *g.view;
    if (m.DragFromWaste) {
        const int y = HandRowY(1);
        float x = static_cast<float>(m.DragRect.left), fy = static_cast<float>(m.DragRect.top);
        SlideCards(g, x, fy, static_cast<float>(WasteX + FanStep * (g.WasteFan(1) + 1)), static_cast<float>(y),
                   m.DragWidth, m.DragHeight);
        ClearFlyingCards(g);
        v.DrawCard(Surface::Window, WasteTopX(g, 1), y, m.DragCard);
        PlayCardSound(g);
    } else if (m.DragFromTableau) {
        if (animate) {
            float x = static_cast<float>(m.DragRect.left), y = static_cast<float>(m.DragRect.top);
            SlideCards(g, x, y, static_cast<float>(m.PickupRect.left), static_cast<float>(m.PickupRect.top),
                       m.DragWidth, m.DragHeight);
        }
        ClearFlyingCards(g);
        for (int k = m.PickFirst, n = 0; k <= m.PickLast; ++k) {
            if (g.Tableau(m.PickPile, k) == 0) continue;
            v.DrawCard(Surface::Window, m.PickupRect.left, m.PickupRect.top + FaceUpStep * n++, g.Tableau(m.PickPile, k));
        }
        if (animate) PlayCardSound(g);
    } else if (m.DragFromFoundation) {
        ClearFlyingCards(g);
        v.DrawCard(Surface::Window, FoundationX(m.Foundation()), FoundationY, m.DragCard);
        PlayCardSound(g);
    }
}

void EndDrag(Game& g, MouseState& m)
{
    g.view->ReleaseBuffers();
    m.DragFromWaste = m.DragFromTableau = m.DragFromFoundation = false;
    m.DragCard = 0;
    m.DragHeight = 0;
    ScoreBoard(g);
}

void Press(Game& g, MouseState& m, int button, float x, float y)
{
    m.DragSource = button == RightButton ? RightPress : 0;
    m.DragWidth = OneCardDragWidth;

    if (button == LeftButton && InFoundationRowPress(x, y)) {
        Rect hit;
        if (const int f = HitFoundation(g, x, y, hit)) {
            PickUpFoundation(g, m, f, hit, x, y);
            return;
        }
    }

    const int p = BelowTableauTop(y) ? PileColumnAt(x) : 0;
    if (p > 0) {
        if (button == RightButton) {
            PlayChosen(g, AutoPlayMove(g, p, x, y));
        } else {
            m.DragSource = p;
            m.DragFromTableau = PickUpTableau(g, m, x, y, p);
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
    if (!onWaste || WasteCards(g, 1) == 0 || g.WasteCount(1) == 0) return;
    if (button == RightButton) PlayChosen(g, WasteAutoMove(g));
    else PickUpWasteTop(g, m, x, y);
}

} // namespace

void Form_MouseDown(Game& g, MouseState& m, int button, float x, float y)
{
    // A second button pressed in the middle of a drag must not start another pick-up.
    if (!Idle(g) || m.Dragging()) return;
    Press(g, m, button, x, y);
    if (m.Dragging() && m.DragCard) g.view->Say(PickedUpWords(m.DragCard));
}

void Form_MouseMove(Game& g, MouseState& m, float x, float y)
{
    if (g.ComputerBusy) return;
    m.LastMouseX = x;
    m.LastMouseY = y;
    if (!m.Dragging()) return;
    g.view->DrawMoveFrame(x - m.GrabOffsetX, y - m.GrabOffsetY, m.DragWidth, m.DragHeight);
    m.DragRect = DragRectAt(m, x - m.GrabOffsetX, y - m.GrabOffsetY);
}

void Form_MouseUp(Game& g, MouseState& m)
{
    if (g.ComputerBusy || g.GameOver || m.DragSource == RightPress) return;
    if (!m.Dragging()) {
        m.DragSource = 0;
        return;
    }
    if (const auto move = DropMove(g, m)) {
        ShowDrop(g, m, *move);
    } else {
        g.view->Say(RefusedWords(m.DragCard));
        PutBack(g, m, true);
    }
    EndDrag(g, m);
}

void CancelDrag(Game& g, MouseState& m)
{
    if (!m.Dragging()) return;
    g.view->Say(PutBackWords(m.DragCard));
    PutBack(g, m, m.DragFromWaste);
    EndDrag(g, m);
}

void Form_Click(Game& g, MouseState& m)
{
    if (!Idle(g) || m.DragSource > 0 || m.Dragging()) return;
    const float x = m.LastMouseX, y = m.LastMouseY;
    if (InPlayerStockPress(x, y)) {
        PlayShown(g, FlipMove(1));
        return;
    }
    const int p = BelowTableauTop(y) ? PileColumnAt(x) : 0;
    const int fd = p > 0 ? g.TableauFaceDown(p) : 0;
    // Only a press on the waiting card itself turns it up.
    if (fd > 0 && PtInRect(RectAt(PileX(p), FaceDownY(fd), CardWidth, CardHeight), ToPixel(x), ToPixel(y)))
        PlayShown(g, TurnUpMove(1, p));
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
            Rect hit;
            const int card = HitTableauTop(g, x, y, pile, hit);
            if (pile > 0 && IsCard(card)) {
                const Move home{MoveKind::PileToFoundation, 1, pile, 0, FoundationFor(g, card), card};
                if (IsLegal(g, home)) ShowDrop(g, m, home);
            }
            ScoreBoard(g);
        }
        return;
    }
    if (x >= DoubleClickFlipLeft && x <= DoubleClickFlipRight) {
        if (!wastePress) PlayShown(g, FlipMove(1));
        return;
    }
    const float left = static_cast<float>(WasteTopX(g, 1) - DoubleClickWasteShift);
    if (x < left || x > left + CardWidth || g.WasteCount(1) < 1) return;
    m.DragSource = 0;
    const int card = g.Waste(1, g.WasteCount(1));
    const Move home{MoveKind::WasteToFoundation, 1, 0, 0, FoundationFor(g, card), card};
    // A card with nowhere to go is not lifted at all, so it does not hop.
    if (!m.DragFromWaste && !IsLegal(g, home)) return;
    if (!m.DragFromWaste) {
        m.DragWidth = OneCardDragWidth;
        m.DragHeight = OneCardDragHeight;
        m.DragRect = RectAt(WasteTopX(g, 1), HandRowY(1), OneCardDragWidth, OneCardDragHeight);
        LiftWasteTop(g, m);
    }
    m.DragFromWaste = true;
    if (IsLegal(g, home)) ShowDrop(g, m, home);
    else PutBack(g, m, true);
    EndDrag(g, m);
}

void EndPlayerTurn(Game& g)
{
    if (g.ComputerBusy || g.FlipInProgress || g.GameOver) return;
    if (MustFlipBeforeEnding(g)) {
        ShowInfo(g, Translate("Turns", "You must flip a card."));
        return;
    }
    ComputerTurn(g, 2);
}

} // namespace tandrel
