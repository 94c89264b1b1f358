#include "engine/Moves.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/Cards.h"
#include "input/Geometry.h"
#include "render/Slide.h"
#include "sound/PlaySound.h"

namespace tandrel {

std::string Digits(int value, int width)
{
    // The record's fields are small: write them out without the formatter when they fit.
    const int limit = width == 1 ? 10 : width == 2 ? 100 : width == 3 ? 1000 : 0;
    if (value >= 0 && value < limit) {
        std::string text(static_cast<std::size_t>(width), '0');
        for (int i = width - 1; value > 0; --i, value /= 10)
            text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
        return text;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

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

const Rect OpponentWasteDrop{465, 25, 536, 120};

} // namespace

int FoundationFor(const Game& g, int card)
{
    if (!IsCard(card)) return 0;
    if (CardRank(card) == 1) {
        for (int f = 1; f <= 4; ++f)
            if (g.Foundation(f, 1) == 0) return f;
        return 0;
    }
    for (int f = 1; f <= 4; ++f)
        if (g.Foundation(f, 1) == CardSuit(card)) return card - g.Foundation(f, 2) == 1 ? f : 0;
    return 0;
}

bool FitsTableau(const Game& g, int card, int pile)
{
    const int top = g.TableauTop(pile, 1);
    if (top == TurnUpPending || !IsCard(card) || CardRank(card) == 1) return false;
    return OppositeColors(card, top) && CardRank(top) - CardRank(card) == 1;
}

bool FitsOpponentWaste(int card, int wasteTop)
{
    if (!IsCard(card) || !IsCard(wasteTop) || CardRank(card) == 1) return false;
    const int diff = CardRank(card) - CardRank(wasteTop);
    return OppositeColors(card, wasteTop) && (diff == 1 || diff == -1);
}

void PlaceOnFoundation(Game& g, int f, int card)
{
    if (CardRank(card) == 1) {
        g.Foundation(f, 1) = CardSuit(card);
        g.Foundation(f, 2) = card - 13;
    } else {
        g.Foundation(f, 2) = card;
    }
}

int FoundationTopCard(const Game& g, int f)
{
    const int suit = g.Foundation(f, 1);
    if (suit == 0) return 0;
    const int top = g.Foundation(f, 2);
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
        if (g.Tableau(p, k) == g.TableauTop(p, 1)) j = k;
    if (j == 0) return;
    g.Tableau(p, j) = 0;
    if (j == 1) {
        if (g.TableauFaceDown(p) == 0) {
            g.TableauTop(p, 1) = EmptyPileCode;
            g.TableauTop(p, 3) = 100;
        } else {
            g.TableauTop(p, 1) = TurnUpPending;
            g.TableauTop(p, 3) -= 5;
        }
    } else {
        g.TableauTop(p, 1) = g.Tableau(p, j - 1);
        g.TableauTop(p, 3) -= 20;
    }
}

// After a pile's top card left: the old place shows the table, the new top is drawn.
void RedrawPileTop(Game& g, int p, Surface s, int oldY)
{
    const int x = g.TableauTop(p, 2), y = g.TableauTop(p, 3), top = g.TableauTop(p, 1);
    g.view->RestoreBackground(s, x, oldY, CardWidth, CardHeight);
    if (top == TurnUpPending) g.view->DrawCard(s, x, y, g.cfg.CardBack);
    else if (IsCard(top)) g.view->DrawCard(s, x, y, top);
}

bool PlayToFoundation(Game& g, int source, int card, int side)
{
    const int f = FoundationFor(g, card);
    if (f == 0) return false;
    if (source >= 1 && source <= 4 && card != g.TableauTop(source, 1)) return false;

    PlaceOnFoundation(g, f, card);
    ClearFlyingCards(g);
    if (source == 0) {
        g.UndoRecord = "40";
        LowerWasteFan(g, side);
        --g.CardsLeft(side);
    } else {
        g.UndoRecord = "4" + std::to_string(source);
        const int oldY = g.TableauTop(source, 3);
        RemoveTableauTop(g, source);
        RedrawPileTop(g, source, Surface::Window, oldY);
    }
    g.UndoRecord += std::to_string(f);
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
    g.UndoRecord = "3" + std::to_string(p) + Digits(card, 2);
    LowerWasteFan(g, side);
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, g.TableauTop(p, 2), g.TableauTop(p, 3) + 20, card);
    g.TableauTop(p, 3) += 20;
    g.TableauTop(p, 1) = card;
    PlayCardSound(g);
    AddToTableau(g, p, card);
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
    const int y = HandRowY(t);
    if (!IntersectRect(Rect{495, y, 566, y + 95}, g.DragRect)) return false;
    if (g.WasteCount(t) < 1 || !FitsOpponentWaste(g.DragCard, g.Waste(t, g.WasteCount(t)))) return false;
    if (g.WasteCount(t) >= 42) return false; // no slot left above its top

    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    LowerWasteFan(g, side);
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, 495 - 15 * (3 - g.WasteFan(t)), y, g.DragCard);
    TakeOnWaste(g, t, g.DragCard);
    --g.CardsLeft(side);
    ++g.CardsLeft(t);
    PlayCardSound(g);
    g.view->ScoreBoard(false);
    g.FlippedCard = 0;
    // Written only once the play is accepted, so a refused drop leaves the last record alone.
    if (side == 1) g.UndoRecord = "6";
    return true;
}

void MoveTableauStack(Game& g)
{
    const int from = g.PickPile, q = PileColumnAt(static_cast<float>(g.TargetRect.left));
    if (from < 1 || q < 1) return;
    const int first = g.PickFirst, last = g.PickLast;

    ClearFlyingCards(g);
    for (int k = first, m = 1; k <= last; ++k, ++m)
        g.view->DrawCard(Surface::Window, g.TargetRect.left, g.TargetRect.top + 20 * m, g.Tableau(from, k));

    std::string record = "2" + Digits(from, 2) + Digits(g.TableauTop(from, 3), 3) + Digits(first, 2) +
                         Digits(q, 2) + Digits(g.TableauTop(q, 3), 3);
    g.TableauTop(q, 3) += 20 * (last - first) + 20;
    g.TableauTop(q, 1) = g.TableauTop(from, 1);
    int received = 0;
    for (int k = first; k <= last; ++k) {
        const int slot = AddToTableau(g, q, g.Tableau(from, k));
        if (received == 0) received = slot;
        g.Tableau(from, k) = 0;
    }
    g.UndoRecord = record + Digits(received, 2);

    if (first == 1) {
        if (g.TableauFaceDown(from) == 0) {
            g.TableauTop(from, 1) = EmptyPileCode;
            g.TableauTop(from, 3) = 100;
        } else {
            g.TableauTop(from, 1) = TurnUpPending;
            // The pending back sits 5 pixels above where the run began.
            g.TableauTop(from, 3) -= 20 * (last - first) + 5;
        }
    } else {
        g.TableauTop(from, 1) = g.Tableau(from, first - 1);
        g.TableauTop(from, 3) -= 20 * (last - first + 1);
    }
    PlayCardSound(g);
}

void PlayFoundationToTableau(Game& g)
{
    int f = 0;
    for (int i = 1; i <= 4 && f == 0; ++i)
        if (g.Foundation(i, 1) == CardSuit(g.DragCard) && g.Foundation(i, 1) != 0) f = i;
    const int p = PileColumnAt(static_cast<float>(g.TargetRect.left));
    if (f == 0 || p == 0) return;
    --g.Foundation(f, 2);
    g.UndoRecord = "5" + Digits(f, 2) + Digits(p, 2);
    AddToTableau(g, p, g.DragCard);
    g.TableauTop(p, 3) += 20;
    g.TableauTop(p, 1) = g.DragCard;
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, g.TableauTop(p, 2), g.TableauTop(p, 3), g.DragCard);
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
    AnimateMove(g, x, fy, static_cast<float>(480 + 15 * g.WasteFan(side)), static_cast<float>(y));
    ClearFlyingCards(g);
    g.view->DrawCard(Surface::Window, 450 + 15 * g.WasteFan(side), y, g.DragCard);
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
        g.view->DrawCard(Surface::Window, g.PickupRect.left, g.PickupRect.top + 20 * m++, g.Tableau(p, k));
    }
    if (animate) PlayCardSound(g);
}

void ReturnFoundationCard(Game& g)
{
    int f = 0;
    for (int i = 1; i <= 4 && f == 0; ++i)
        if (g.Foundation(i, 1) == CardSuit(g.DragCard) && g.Foundation(i, 1) != 0) f = i;
    ClearFlyingCards(g);
    if (f) g.view->DrawCard(Surface::Window, FoundationX(f), FoundationY, g.DragCard);
    PlayCardSound(g);
    g.DragCard = 0;
}

} // namespace tandrel
