#include "engine/Moves.h"

#include <algorithm>
#include <string>

#include "engine/Cards.h"
#include "engine/PlaySound.h"
#include "engine/Slide.h"

namespace tandrel {

// A card played from a side's waste shows one fanned card fewer, never none.
void LowerWasteFan(Game& g, int side)
{
    g.WasteFan(side) = std::max(1, g.WasteFan(side) - 1);
}

namespace {

// The window still shows the last frame of the flying cards: put the table
// without them back before the cards are drawn where they land.
void ClearFlyingCards(Game& g)
{
    if (g.view->HasTableBuffer()) g.view->ShowTableBuffer();
}

} // namespace

bool FitsOpponentWaste(int card, int wasteTop)
{
    if (!IsCard(card) || !IsCard(wasteTop) || CardRank(card) == 1) return false;
    const int diff = CardRank(card) - CardRank(wasteTop);
    return OppositeColors(card, wasteTop) && (diff == 1 || diff == -1);
}

void TakeWasteTop(Game& g, int side)
{
    const int fan = g.WasteFan(side);
    g.Waste(side, g.WasteCount(side)) = 0;
    --g.WasteCards(side);
    --g.WasteCount(side);
    if (fan == 1)
        while (g.WasteCount(side) > 0 && g.Waste(side, g.WasteCount(side)) == 0) --g.WasteCount(side);
}

int FoundationOfSuit(const Game& g, int suit)
{
    if (suit == 0) return 0;
    for (int f = 1; f <= 4; ++f)
        if (g.Foundation(f, FoundSuit) == suit) return f;
    return 0;
}

void PlaceOnFoundation(Game& g, int f, int card)
{
    if (CardRank(card) == 1) {
        g.Foundation(f, FoundSuit) = CardSuit(card);
        g.Foundation(f, FoundTop) = card - 13;
    } else {
        g.Foundation(f, FoundTop) = card;
    }
}

int FoundationTopCard(const Game& g, int f)
{
    const int suit = g.Foundation(f, FoundSuit);
    if (suit == 0) return 0;
    const int top = g.Foundation(f, FoundTop);
    return top == AceOfSuit(suit) - 13 ? AceOfSuit(suit) : top;
}

int AddToTableau(Game& g, int p, int card)
{
    for (int k = 1; k <= 12; ++k)
        if (g.Tableau(p, k) == 0) {
            g.Tableau(p, k) = card;
            return k;
        }
    return 0;
}

void RemoveTableauTop(Game& g, int p)
{
    int j = 0;
    for (int k = 1; k <= 12 && j == 0; ++k)
        if (g.Tableau(p, k) == g.TableauTop(p, TopCard)) j = k;
    if (j == 0) return;
    g.Tableau(p, j) = 0;
    if (j == 1) {
        UncoverPile(g, p);
    } else {
        g.TableauTop(p, TopCard) = g.Tableau(p, j - 1);
        g.TableauTop(p, TopY) -= FaceUpStep;
    }
}

void UncoverPile(Game& g, int p)
{
    const int fd = g.TableauFaceDown(p);
    g.TableauTop(p, TopCard) = fd == 0 ? EmptyPileCode : TurnUpPending;
    g.TableauTop(p, TopY) = fd == 0 ? EmptyPileY : FaceDownY(fd);
}

void LayOnPile(Game& g, int p, int card)
{
    AddToTableau(g, p, card);
    g.TableauTop(p, TopCard) = card;
    g.TableauTop(p, TopY) += FaceUpStep;
}

// After a pile's top card left: the old place shows the table, the new top is drawn.
void RedrawPileTop(Game& g, int p, Surface s, int oldY)
{
    const int x = g.TableauTop(p, TopX), y = g.TableauTop(p, TopY), top = g.TableauTop(p, TopCard);
    g.view->RestoreBackground(s, x, oldY, CardWidth, CardHeight);
    if (top == TurnUpPending) g.view->DrawCard(s, x, y, g.cfg.CardBack);
    else if (IsCard(top)) g.view->DrawCard(s, x, y, top);
}

bool PlayToFoundation(Game& g, int source, int card, int side)
{
    const int f = FoundationFor(g, card);
    if (f == 0) return false;
    if (source >= 1 && source <= 4 && card != g.TableauTop(source, TopCard)) return false;

    PlaceOnFoundation(g, f, card);
    ClearFlyingCards(g);
    if (source == 0) {
        LowerWasteFan(g, side);
        --g.CardsLeft(side);
    } else {
        const int oldY = g.TableauTop(source, TopY);
        RemoveTableauTop(g, source);
        RedrawPileTop(g, source, Surface::Window, oldY);
    }
    g.view->DrawCard(Surface::Window, FoundationX(f), FoundationY, card);
    PlayCardSound(g);
    g.DragCard = 0;
    return true;
}

bool FindDropTarget(Game& g, bool fromWaste)
{
    if (CardRank(g.DragCard) == 1) return false;
    for (int p = 1; p <= 4; ++p) {
        const Rect r = PileTopRect(g, p);
        if (IntersectRect(r, g.DragRect) && FitsTableau(g, g.DragCard, p)) {
            g.TargetRect = r;
            return true;
        }
    }
    if (!fromWaste || g.WasteCount(2) < 1 || !IntersectRect(g.DragRect, OpponentWasteDrop)) return false;
    return FitsOpponentWaste(g.DragCard, g.Waste(2, g.WasteCount(2)));
}

void PlayWasteToTableau(Game& g, int side)
{
    int target = 0;
    for (int p = 1; p <= 4 && target == 0; ++p)
        if (IntersectRect(PileTopRect(g, p), g.DragRect) && FitsTableau(g, g.DragCard, p)) target = p;

    if (target == 0) {
        bool played = false;
        if (IntersectRect(g.DragRect, OpponentWasteDrop)) {
            played = PlayOnOpponentWaste(g, 1);
            g.view->ScoreBoard(false);
        }
        if (!played) ReturnWasteCard(g, side);
        g.DragCard = 0;
        return;
    }

    const int p = target, card = g.DragCard;
    LowerWasteFan(g, side);
    ClearFlyingCards(g);
    LayOnPile(g, p, card);
    g.view->DrawCard(Surface::Window, g.TableauTop(p, TopX), g.TableauTop(p, TopY), card);
    PlayCardSound(g);
    --g.CardsLeft(side);
    g.DragCard = 0;
}

void TakeOnWaste(Game& g, int side, int card)
{
    const int pos = g.StockPos(side);
    if (pos >= 1 && pos <= 42) g.Stock(side, pos) = 0;
    ++g.WasteCards(side);
    ++g.WasteCount(side);
    ++g.StockLevel(side);
    // The stock counter's shuffle reaches no real card in a sound position; it never goes below slot 1.
    for (int k = 41; k >= std::max(1, g.StockLevel(side)); --k) g.Stock(side, k + 1) = g.Stock(side, k);
    g.Waste(side, g.WasteCount(side)) = card;
}

bool PlayOnOpponentWaste(Game& g, int side)
{
    const int t = OtherSide(side);
    if (!IntersectRect(FullFanTopRect(t), g.DragRect)) return false;
    if (g.WasteCount(t) < 1 || !FitsOpponentWaste(g.DragCard, g.Waste(t, g.WasteCount(t)))) return false;
    if (g.WasteCount(t) >= 42) return false; // no slot left above its top

    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    LowerWasteFan(g, side);
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, WasteTopX(g, t), HandRowY(t), g.DragCard);
    TakeOnWaste(g, t, g.DragCard);
    --g.CardsLeft(side);
    ++g.CardsLeft(t);
    PlayCardSound(g);
    g.view->ScoreBoard(false);
    g.FlippedCard = 0;
    g.DragCard = 0;
    // Written only once the play is accepted, so a refused drop leaves the last record alone.
    return true;
}

void MoveTableauStack(Game& g)
{
    const int from = g.PickPile, q = PileColumnAt(static_cast<float>(g.TargetRect.left));
    if (from < 1 || q < 1) return;
    const int first = g.PickFirst, last = g.PickLast;

    ClearFlyingCards(g);
    for (int k = first, m = 1; k <= last; ++k, ++m)
        g.view->DrawCard(Surface::Window, g.TargetRect.left, g.TargetRect.top + FaceUpStep * m, g.Tableau(from, k));

    int received = 0;
    for (int k = first; k <= last; ++k) {
        const int slot = AddToTableau(g, q, g.Tableau(from, k));
        if (received == 0) received = slot;
        g.Tableau(from, k) = 0;
    }
    g.TableauTop(q, TopY) += FaceUpStep * (last - first + 1);
    g.TableauTop(q, TopCard) = g.TableauTop(from, TopCard);

    if (first == 1) {
        UncoverPile(g, from);
    } else {
        g.TableauTop(from, TopCard) = g.Tableau(from, first - 1);
        g.TableauTop(from, TopY) -= FaceUpStep * (last - first + 1);
    }
    g.DragCard = 0;
    PlayCardSound(g);
}

void PlayFoundationToTableau(Game& g)
{
    const int f = FoundationOfSuit(g, CardSuit(g.DragCard));
    const int p = PileColumnAt(static_cast<float>(g.TargetRect.left));
    if (f == 0 || p == 0) return;
    --g.Foundation(f, FoundTop);
    LayOnPile(g, p, g.DragCard);
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, g.TableauTop(p, TopX), g.TableauTop(p, TopY), g.DragCard);
    PlayCardSound(g);
    g.DragCard = 0;
}

void ReturnWasteCard(Game& g, int side)
{
    if (g.WasteCount(side) < 1) g.WasteCount(side) = 0;
    ++g.WasteCount(side);
    ++g.WasteCards(side);
    g.Waste(side, g.WasteCount(side)) = g.DragCard;
    const int y = HandRowY(side);
    float x = static_cast<float>(g.DragRect.left), fy = static_cast<float>(g.DragRect.top);
    AnimateMove(g, x, fy, static_cast<float>(WasteX + FanStep * (g.WasteFan(side) + 1)), static_cast<float>(y));
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, WasteTopX(g, side), y, g.DragCard);
    g.DragRect.left = g.DragRect.top = 0;
    g.DragCard = 0;
    PlayCardSound(g);
}

void ReturnTableauStack(Game& g, bool animate)
{
    const int p = g.PickPile;
    if (p == 0) return;
    if (animate) {
        float x = static_cast<float>(g.DragRect.left), y = static_cast<float>(g.DragRect.top);
        AnimateMove(g, x, y, static_cast<float>(g.PickupRect.left), static_cast<float>(g.PickupRect.top));
    }
    ClearFlyingCards(g);
    for (int k = g.PickFirst, m = 0; k <= g.PickLast; ++k) {
        if (g.Tableau(p, k) == 0) continue;
        g.view->DrawCard(Surface::Window, g.PickupRect.left, g.PickupRect.top + FaceUpStep * m++, g.Tableau(p, k));
    }
    g.DragCard = 0;
    if (animate) PlayCardSound(g);
}

void ReturnFoundationCard(Game& g)
{
    const int f = FoundationOfSuit(g, CardSuit(g.DragCard));
    ClearFlyingCards(g);
    if (f) g.view->DrawCard(Surface::Window, FoundationX(f), FoundationY, g.DragCard);
    PlayCardSound(g);
    g.DragCard = 0;
}

} // namespace tandrel
