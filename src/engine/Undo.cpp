#include "engine/Undo.h"

#include <algorithm>

#include "engine/Cards.h"
#include "engine/Deal.h"
#include "engine/Moves.h"
#include "opponent/Computer.h"

namespace tandrel {

namespace {

bool WasteHoldsCard(const Game& g)
{
    for (int k = 1; k <= 42; ++k)
        if (g.Waste(1, k) != 0) return true;
    return false;
}

void PushOnWaste(Game& g, int card)
{
    ++g.WasteCount(1);
    ++g.WasteCards(1);
    g.Waste(1, g.WasteCount(1)) = card;
}

// The flip from the stock: the flipped cards go back in front of the rest of the stock.
void UndoFlip(Game& g, std::string& rec)
{
    const int fanBefore = TakeNumber(rec, 1);
    if (g.StockEmpty(1) || g.StockPos(1) != 0) {
        const int flipped = g.WasteFan(1);
        if (g.StockPos(1) < 1 || g.StockPos(1) > 42) {
            // The flip ended a pass, so the stock is empty: the cards go back to its first slots.
            g.StockEmpty(1) = false;
            g.StockPasses(1) = std::max(0, g.StockPasses(1) - 1);
            g.StockPos(1) = std::min(flipped, 42);
        }
        int moved = 0;
        for (int i = 0; i < flipped && g.WasteCount(1) > 0 && g.StockPos(1) > 0; ++i) {
            const int card = g.Waste(1, g.WasteCount(1));
            if (card == 0 || g.Stock(1, g.StockPos(1)) != 0) break;
            g.Stock(1, g.StockPos(1)) = card;
            g.Waste(1, g.WasteCount(1)) = 0;
            --g.WasteCount(1);
            --g.StockPos(1);
            ++moved;
        }
        g.WasteCards(1) -= moved;
        g.StockLevel(1) += moved;
        g.WasteFan(1) = std::clamp(fanBefore, 0, 3);
    } else {
        // The flip had turned the waste over: it comes back as it was, the stock passed through.
        int moved = 0;
        for (int k = 1; k <= 42; ++k) {
            if (g.Stock(1, k) == 0) continue;
            g.Waste(1, k) = g.Stock(1, k);
            g.Stock(1, k) = 0;
            g.WasteCount(1) = k;
            ++moved;
        }
        g.WasteCards(1) += moved;
        g.StockLevel(1) -= moved;
        g.StockPos(1) = 0;
        g.StockEmpty(1) = true;
    }
}

void UndoStackMove(Game& g, std::string& rec)
{
    const int p = TakeNumber(rec, 2), y = TakeNumber(rec, 3), j = TakeNumber(rec, 2);
    const int q = TakeNumber(rec, 2), qy = TakeNumber(rec, 3), m = TakeNumber(rec, 2);
    if (p < 1 || p > 4 || q < 1 || q > 4 || j < 1 || j > 12 || m < 1 || m > 12) return;
    for (int k = m, to = j; k <= 12 && to <= 12; ++k, ++to) {
        g.Tableau(p, to) = g.Tableau(q, k);
        g.Tableau(q, k) = 0;
    }
    int top = 0;
    for (int k = 1; k <= 12 && g.Tableau(p, k) != 0; ++k) top = g.Tableau(p, k);
    if (top != 0) g.TableauTop(p, 1) = top;
    g.TableauTop(p, 3) = y;
    if (m > 1) {
        g.TableauTop(q, 1) = g.Tableau(q, m - 1);
        g.TableauTop(q, 3) = qy;
    } else if (g.TableauFaceDown(q) == 0) {
        g.TableauTop(q, 1) = EmptyPileCode;
        g.TableauTop(q, 3) = 100;
    } else {
        g.TableauTop(q, 1) = TurnUpPending;
        g.TableauTop(q, 3) = qy;
    }
}

// Clears the highest card of pile p; the one below becomes the top, or the pile is empty.
void TakeTopBack(Game& g, int p)
{
    int j = 0;
    for (int k = 12; k >= 1 && j == 0; --k)
        if (g.Tableau(p, k) != 0) j = k;
    if (j == 0) return;
    g.Tableau(p, j) = 0;
    g.TableauTop(p, 3) -= 20;
    if (j > 1) {
        g.TableauTop(p, 1) = g.Tableau(p, j - 1);
    } else {
        // The card had been played onto an empty pile, which is empty again.
        g.TableauTop(p, 1) = EmptyPileCode;
        g.TableauTop(p, 3) = 100;
    }
}

void UndoWasteToTableau(Game& g, std::string& rec)
{
    const int p = TakeNumber(rec, 1), card = TakeNumber(rec, 2);
    if (p < 1 || p > 4 || !IsCard(card)) return;
    if (WasteHoldsCard(g)) g.WasteFan(1) = g.cfg.FlipNum == 1 ? 1 : std::min(3, g.WasteFan(1) + 1);
    else g.WasteFan(1) = 1;
    PushOnWaste(g, card);
    TakeTopBack(g, p);
    ++g.CardsLeft(1);
}

void UndoToFoundation(Game& g, std::string& rec)
{
    const int from = TakeNumber(rec, 1), f = TakeNumber(rec, 1);
    if (from < 0 || from > 4 || f < 1 || f > 4 || g.Foundation(f, 1) == 0) return;
    const int card = g.Foundation(f, 2);
    if (CardRank(card + 13) == 1) return; // an ace on its own stays
    if (from == 0) {
        g.WasteFan(1) = std::min({3, g.cfg.FlipNum, g.WasteFan(1) + 1});
        PushOnWaste(g, card);
        ++g.CardsLeft(1);
    } else {
        const int p = from, top = g.TableauTop(p, 1);
        if (top == TurnUpPending) {
            g.Tableau(p, 1) = card;
            g.TableauTop(p, 3) += 5;
        } else if (top == EmptyPileCode) {
            g.Tableau(p, 1) = card;
            g.TableauTop(p, 3) += 20;
        } else {
            AddToTableau(g, p, card);
            g.TableauTop(p, 3) += 20;
        }
        g.TableauTop(p, 1) = card;
    }
    --g.Foundation(f, 2);
}

void UndoFoundationToTableau(Game& g, std::string& rec)
{
    const int f = TakeNumber(rec, 2), p = TakeNumber(rec, 2);
    if (f < 1 || f > 4 || p < 1 || p > 4 || g.Foundation(f, 1) == 0) return;
    ++g.Foundation(f, 2);
    TakeTopBack(g, p);
}

} // namespace

void UndoMove(Game& g)
{
    std::string rec = g.UndoRecord;
    g.UndoRecord.clear();
    if (rec.empty()) return;
    const char kind = rec[0];
    rec.erase(0, 1);
    switch (kind) {
    case '1': UndoFlip(g, rec); break;
    case '2': UndoStackMove(g, rec); break;
    case '3': UndoWasteToTableau(g, rec); break;
    case '4': UndoToFoundation(g, rec); break;
    case '5': UndoFoundationToTableau(g, rec); break;
    case '6':
        // The load's own bookkeeping run backwards; it raised both stock counters once.
        if (LoadOpponentWaste(g, 2, true)) {
            --g.StockLevel(1);
            --g.StockLevel(2);
        }
        break;
    default: return;
    }
    g.UndoRecord.clear();
    g.view->RedrawTable();
}

} // namespace tandrel
