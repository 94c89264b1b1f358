#include "engine/Undo.h"

#include <algorithm>

#include "engine/Cards.h"
#include "engine/Moves.h"

namespace tandrel {

namespace {

bool WasteHoldsCard(const Game& g)
{
    for (int k = 1; k <= HandSlots; ++k)
        if (g.Waste(1, k) != 0) return true;
    return false;
}

void PushOnWaste(Game& g, int card)
{
    ++g.WasteCount(1);
    g.Waste(1, g.WasteCount(1)) = card;
}

// The flip from the stock: the flipped cards go back in front of the rest of the stock.
void UndoFlip(Game& g, int fanBefore)
{
    if (g.StockEmpty(1) || g.StockPos(1) != 0) {
        const int flipped = g.WasteFan(1);
        if (g.StockPos(1) < 1 || g.StockPos(1) > HandSlots) {
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
        g.StockLevel(1) += moved;
        g.WasteFan(1) = std::clamp(fanBefore, 0, 3);
    } else {
        // The flip had turned the waste over: it comes back as it was, the stock passed through.
        int moved = 0;
        for (int k = 1; k <= HandSlots; ++k) {
            if (g.Stock(1, k) == 0) continue;
            g.Waste(1, k) = g.Stock(1, k);
            g.Stock(1, k) = 0;
            g.WasteCount(1) = k;
            ++moved;
        }
        g.StockLevel(1) -= moved;
        g.StockPos(1) = 0;
        g.StockEmpty(1) = true;
    }
}

void UndoStackMove(Game& g, const UndoStep& s)
{
    const int p = s.from, q = s.to;
    for (int k = s.received, to = s.first; k <= PileSlots && to <= PileSlots; ++k, ++to) {
        g.Tableau(p, to) = g.Tableau(q, k);
        g.Tableau(q, k) = 0;
    }
}

// Clears the highest card of pile p; the one below becomes the top, or the
// pile is as it was before the card came (empty, or waiting for a turn-up).
void TakeTopBack(Game& g, int p)
{
    int j = 0;
    for (int k = 12; k >= 1 && j == 0; --k)
        if (g.Tableau(p, k) != 0) j = k;
    if (j > 0) g.Tableau(p, j) = 0;
}

void UndoWasteToTableau(Game& g, int p, int card)
{
    if (!IsCard(card)) return;
    if (WasteHoldsCard(g)) g.WasteFan(1) = g.cfg.FlipNum == 1 ? 1 : std::min(3, g.WasteFan(1) + 1);
    else g.WasteFan(1) = 1;
    PushOnWaste(g, card);
    TakeTopBack(g, p);
}

void UndoToFoundation(Game& g, int from, int f)
{
    if (g.Foundation(f, FoundSuit) == 0) return;
    const int card = g.Foundation(f, FoundTop);
    if (CardRank(card + 13) == 1) return; // an ace on its own stays
    if (from == 0) {
        g.WasteFan(1) = std::min({3, g.cfg.FlipNum, g.WasteFan(1) + 1});
        PushOnWaste(g, card);
    } else if (PileTop(g, from) == TurnUpPending || PileTop(g, from) == EmptyPileCode) {
        // The card had been the pile's only face-up card.
        g.Tableau(from, 1) = card;
    } else {
        LayOnPile(g, from, card);
    }
    --g.Foundation(f, FoundTop);
}

void UndoFoundationToTableau(Game& g, int f, int p)
{
    if (g.Foundation(f, FoundSuit) == 0) return;
    ++g.Foundation(f, FoundTop);
    TakeTopBack(g, p);
}

// The card loaded onto the computer's waste goes back onto the player's, even
// when the load had emptied it.
bool GiveLoadBack(Game& g)
{
    if (g.WasteCount(2) < 1 || g.WasteCount(1) >= HandSlots) return false;
    const int card = g.Waste(2, g.WasteCount(2));
    if (!IsCard(card)) return false;
    TakeWasteTop(g, 2);
    LowerWasteFan(g, 2);
    TakeOnWaste(g, 1, card);
    g.FlippedCard = 0;
    return true;
}

// The move the record names, taken back by its kind.
void TakeBackRecorded(Game& g, const UndoStep& s)
{
    switch (s.kind) {
    case UndoKind::Flip:
        UndoFlip(g, s.fan);
        if (g.FlipsThisTurn > 0) --g.FlipsThisTurn; // a flip taken back was never made
        break;
    case UndoKind::Stack: UndoStackMove(g, s); break;
    case UndoKind::WasteToPile: UndoWasteToTableau(g, s.to, s.card); break;
    case UndoKind::ToFoundation: UndoToFoundation(g, s.from, s.foundation); break;
    case UndoKind::FoundationToPile: UndoFoundationToTableau(g, s.foundation, s.to); break;
    case UndoKind::Load:
        // The load's own bookkeeping run backwards; it raised both stock counters once.
        if (GiveLoadBack(g)) {
            --g.StockLevel(1);
            --g.StockLevel(2);
        }
        break;
    }
}

bool SameCards(const TableCards& a, const TableCards& b)
{
    return a.Stock == b.Stock && a.Waste == b.Waste && a.Tableau == b.Tableau && a.Foundation == b.Foundation;
}

} // namespace

void UndoMove(Game& g)
{
    if (g.GameOver) return;
    if (!g.History.done.empty()) {
        static_cast<TableCards&>(g) = g.History.done.back().before;
        g.History.undone.push_back(g.History.done.back().move);
        g.History.done.pop_back();
        return;
    }
    // A restored game's record: the one move it names, taken back by its kind.
    const auto step = g.Undo;
    g.Undo.reset();
    if (!step || g.GameOver) return;
    const TableCards was = g;
    TakeBackRecorded(g, *step);
    // What was taken back before no longer fits a table that changed (an ace sent home stays).
    if (!SameCards(was, g)) g.History.undone.clear();
}

Applied RedoMove(Game& g, Applied (*play)(Game&, const Move&))
{
    if (g.GameOver || g.History.undone.empty()) return {};
    std::vector<Move> undone = std::move(g.History.undone);
    const Move move = undone.back();
    undone.pop_back();
    const Applied a = play(g, move);
    // A move the table no longer takes ends the redoing; one it took leaves the rest to redo.
    if (a.done) g.History.undone = std::move(undone);
    return a;
}

} // namespace tandrel
