#include "engine/Move.h"

#include <algorithm>

#include "engine/Cards.h"
#include "engine/Counts.h"
#include "engine/Deal.h"
#include "engine/Moves.h"

namespace tandrel {

namespace {

int WasteTop(const Game& g, int side) { return g.WasteCount(side) >= 1 ? g.Waste(side, g.WasteCount(side)) : 0; }

// The foundation's top as a card that may come down: a lone ace stays.
int MovableFoundationCard(const Game& g, int f)
{
    if (g.Foundation(f, FoundSuit) < 1) return 0;
    const int top = g.Foundation(f, FoundTop);
    return CardRank(top + 13) >= 2 ? top : 0;
}

// The waste's top card played from it: the side holds one card fewer.
void PlayFromWaste(Game& g, int side)
{
    TakeWasteTop(g, side);
    LowerWasteFan(g, side);
}

int NextStockCard(Game& g, int side)
{
    while (g.StockPos(side) < HandSlots) {
        ++g.StockPos(side);
        if (g.Stock(side, g.StockPos(side)) != 0) return g.Stock(side, g.StockPos(side));
    }
    g.StockPos(side) = HandSlots + 1;
    return 0;
}

bool StockUsedUp(const Game& g, int side)
{
    for (int i = 1; i <= HandSlots; ++i)
        if (g.Stock(side, i) != 0) return false;
    return true;
}

// The waste goes back into the stock in the same order; no card is flipped.
void TurnWasteOver(Game& g, int side)
{
    g.StockEmpty(side) = false;
    for (int i = 1; i <= HandSlots; ++i) {
        g.Stock(side, i) = g.Waste(side, i);
        if (g.Stock(side, i) != 0) ++g.StockLevel(side);
        g.Waste(side, i) = 0;
    }
    g.WasteCount(side) = 0;
    g.StockPos(side) = 0;
    g.FlippedCard = 0;
}

void Flip(Game& g, int side, Applied& a)
{
    a.undo = UndoStep{UndoKind::Flip};
    a.undo->fan = g.WasteFan(side);
    if (side == 1) ++g.FlipsThisTurn;
    a.stockLevelBefore = g.StockLevel(side);
    if (g.StockEmpty(side)) {
        TurnWasteOver(g, side);
        a.sound = MoveSound::TurnOver;
        return;
    }
    a.sound = MoveSound::Card;
    g.WasteFan(side) = 0;
    for (int i = 0; i < g.cfg.FlipNum && i < 3; ++i) {
        const int card = NextStockCard(g, side);
        if (card == 0) break;
        g.Stock(side, g.StockPos(side)) = 0;
        ++g.WasteFan(side);
        ++g.WasteCount(side);
        --g.StockLevel(side);
        g.Waste(side, g.WasteCount(side)) = card;
        g.FlippedCard = card;
        a.flipped[a.flippedCount++] = card;
    }
    if (StockUsedUp(g, side)) g.StockPos(side) = HandSlots + 1;
    if (g.StockPos(side) >= HandSlots) {
        ++g.StockPasses(side);
        g.StockEmpty(side) = true;
        g.StockPos(side) = 0;
        a.passEnded = true;
    }
}

void TurnUp(Game& g, int p)
{
    g.Tableau(p, 1) = FaceDownCard(g, p);
    --g.TableauFaceDown(p);
}

void RunToPile(Game& g, const Move& m, Applied& a)
{
    const int from = m.from, q = m.to, first = m.slot, last = FaceUpCount(g, from);
    const int fromY = PileTopY(g, from), toY = PileTopY(g, q);
    int received = 0;
    for (int k = first; k <= last; ++k) {
        const int slot = AddToTableau(g, q, g.Tableau(from, k));
        if (received == 0) received = slot;
        g.Tableau(from, k) = 0;
    }
    a.undo = UndoStep{UndoKind::Stack, 0, from, fromY, first, q, toY, received};
}

void Carry(Game& g, const Move& m, Applied& a)
{
    const int side = m.side;
    switch (m.kind) {
    case MoveKind::Flip: Flip(g, side, a); return;
    case MoveKind::TurnUp:
        TurnUp(g, m.from);
        a.sound = MoveSound::Card;
        return; // a turned-up card ends what can be taken back
    case MoveKind::WasteToPile:
        PlayFromWaste(g, side);
        LayOnPile(g, m.to, m.card);
        a.undo = UndoStep{UndoKind::WasteToPile};
        a.undo->to = m.to, a.undo->card = m.card;
        break;
    case MoveKind::WasteToFoundation:
        PlayFromWaste(g, side);
        PlaceOnFoundation(g, m.to, m.card);
        a.undo = UndoStep{UndoKind::ToFoundation};
        a.undo->from = 0, a.undo->foundation = m.to;
        break;
    case MoveKind::Load:
        PlayFromWaste(g, side);
        TakeOnWaste(g, OtherSide(side), m.card);
        g.FlippedCard = 0;
        a.undo = UndoStep{UndoKind::Load};
        break;
    case MoveKind::PileToFoundation:
        RemoveTableauTop(g, m.from);
        PlaceOnFoundation(g, m.to, m.card);
        a.undo = UndoStep{UndoKind::ToFoundation};
        a.undo->from = m.from, a.undo->foundation = m.to;
        break;
    case MoveKind::RunToPile: RunToPile(g, m, a); break;
    case MoveKind::FoundationToPile:
        --g.Foundation(m.from, FoundTop);
        LayOnPile(g, m.to, m.card);
        a.undo = UndoStep{UndoKind::FoundationToPile};
        a.undo->foundation = m.from, a.undo->to = m.to;
        break;
    }
    a.sound = MoveSound::Card;
}

// The one place a game ends: after a move that played out the side's hand.
void EndIfPlayedOut(Game& g, int side, Applied& a)
{
    if (!HandPlayedOut(g, side)) return;
    g.GameOver = true;
    g.LastWinner = side;
    if (side == 2) g.Losses = CountOneMore(g.Losses);
    else g.Wins = CountOneMore(g.Wins);
    CountGameEnd(g.Stats, g.cfg.ComputerLevel, side == 1);
    a.gameEnded = true;
}

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

} // namespace

bool HandPlayedOut(const Game& g, int side)
{
    for (int i = 1; i <= HandSlots; ++i)
        if (g.Waste(side, i) != 0 || g.Stock(side, i) != 0) return false;
    return true;
}

bool FlipAllowed(const Game& g, int side)
{
    return g.WasteCount(side) < 1 || g.Waste(side, g.WasteCount(side)) != g.FlippedCard;
}

int Winner(const Game& g)
{
    const bool out1 = HandPlayedOut(g, 1), out2 = HandPlayedOut(g, 2);
    return out1 == out2 ? 0 : out1 ? 1 : 2;
}

bool IsLegal(const Game& g, const Move& m)
{
    if (g.GameOver || !Between(m.side, 1, 2)) return false;
    const int side = m.side, w = WasteTop(g, side);
    switch (m.kind) {
    case MoveKind::Flip: return FlipAllowed(g, side);
    case MoveKind::TurnUp:
        return Between(m.from, 1, 4) && g.TableauFaceDown(m.from) >= 1 && PileTop(g, m.from) == TurnUpPending;
    case MoveKind::WasteToPile: return IsCard(w) && m.card == w && Between(m.to, 1, 4) && FitsTableau(g, w, m.to);
    case MoveKind::WasteToFoundation: return IsCard(w) && m.card == w && Between(m.to, 1, 4) && FoundationFor(g, w) == m.to;
    case MoveKind::Load: {
        const int o = OtherSide(side);
        return IsCard(w) && m.card == w && g.WasteCount(o) >= 1 && g.WasteCount(o) < HandSlots &&
               FitsOpponentWaste(w, WasteTop(g, o));
    }
    case MoveKind::PileToFoundation: {
        if (!Between(m.from, 1, 4) || !Between(m.to, 1, 4)) return false;
        const int top = PileTop(g, m.from);
        return IsCard(top) && m.card == top && FoundationFor(g, top) == m.to;
    }
    case MoveKind::RunToPile:
        if (!Between(m.from, 1, 4) || !Between(m.to, 1, 4) || m.from == m.to) return false;
        if (m.slot < 1 || m.slot > FaceUpCount(g, m.from)) return false;
        return m.card == g.Tableau(m.from, m.slot) && FitsTableau(g, m.card, m.to);
    case MoveKind::FoundationToPile:
        if (!Between(m.from, 1, 4) || !Between(m.to, 1, 4)) return false;
        return m.card != 0 && m.card == MovableFoundationCard(g, m.from) && FitsTableau(g, m.card, m.to);
    }
    return false;
}

std::vector<Move> LegalMoves(const Game& g, int side)
{
    std::vector<Move> moves;
    if (g.GameOver) return moves;
    auto offer = [&](const Move& m) {
        if (IsLegal(g, m)) moves.push_back(m);
    };
    offer(FlipMove(side));
    const int w = WasteTop(g, side);
    for (int p = 1; p <= PileCount; ++p) {
        offer(TurnUpMove(side, p));
        offer({MoveKind::WasteToPile, side, 0, 0, p, w});
        offer({MoveKind::WasteToFoundation, side, 0, 0, p, w});
        const int top = PileTop(g, p);
        for (int f = 1; f <= FoundationCount; ++f) offer({MoveKind::PileToFoundation, side, p, 0, f, top});
        for (int s = 1, k = FaceUpCount(g, p); s <= k; ++s)
            for (int q = 1; q <= PileCount; ++q) offer({MoveKind::RunToPile, side, p, s, q, g.Tableau(p, s)});
        for (int q = 1; q <= PileCount; ++q) offer({MoveKind::FoundationToPile, side, p, 0, q, MovableFoundationCard(g, p)});
    }
    offer({MoveKind::Load, side, 0, 0, 0, w});
    return moves;
}

namespace {

// An ace on a foundation stays there, and nothing before a move that cannot be
// taken back can be either.
void KeepInHistory(Game& g, const Move& m, const Applied& a, std::optional<TableCards> before)
{
    if (m.kind == MoveKind::TurnUp || a.gameEnded) {
        g.History.Clear();
        return;
    }
    if (!before) return;
    const bool ace = (m.kind == MoveKind::WasteToFoundation || m.kind == MoveKind::PileToFoundation) &&
                     CardRank(m.card) == 1;
    if (!a.undo || ace) g.History.done.clear();
    else g.History.done.push_back({m, std::move(*before)});
}

} // namespace

Applied Apply(Game& g, const Move& m)
{
    Applied a;
    if (!IsLegal(g, m)) return a;
    a.done = true;
    const bool players = m.side == 1 && m.kind != MoveKind::TurnUp && g.KeepsHistory;
    if (players) g.History.undone.clear();
    std::optional<TableCards> before;
    if (players) before = static_cast<const TableCards&>(g);
    Carry(g, m, a);
    g.DragCard = 0;
    // The saved record keeps the player's last move: a turned-up card or the end of a game leaves nothing to take back.
    if (m.side == 1 || m.kind == MoveKind::TurnUp) g.Undo = a.undo;
    EndIfPlayedOut(g, m.side, a);
    if (a.gameEnded) g.Undo.reset();
    KeepInHistory(g, m, a, std::move(before));
    return a;
}

} // namespace tandrel
