#include "input/Mouse.h"

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "input/Geometry.h"

namespace tandrel {

namespace {

std::optional<Move> Legal(const Game& g, const Move& m)
{
    return IsLegal(g, m) ? std::optional(m) : std::nullopt;
}

// The first pile whose top the cards in hand cover and that takes them.
int PileUnder(const Game& g, const MouseState& m, int card)
{
    if (CardRank(card) == 1) return 0;
    for (int p = 1; p <= PileCount; ++p)
        if (IntersectRect(PileTopRect(g, p), m.DragRect) && FitsTableau(g, card, p)) return p;
    return 0;
}

std::optional<Move> WasteDrop(const Game& g, const MouseState& m)
{
    const int card = m.DragCard;
    if (OverFoundationRow(m.DragRect)) {
        const int f = FoundationFor(g, card);
        if (f) return Legal(g, {MoveKind::WasteToFoundation, 1, 0, 0, f, card});
    }
    if (IntersectRect(FullFanTopRect(2), m.DragRect))
        if (auto load = Legal(g, {MoveKind::Load, 1, 0, 0, 0, card})) return load;
    if (const int p = PileUnder(g, m, card)) return Legal(g, {MoveKind::WasteToPile, 1, 0, 0, p, card});
    return std::nullopt;
}

std::optional<Move> TableauDrop(const Game& g, const MouseState& m)
{
    const int from = m.PickPile, card = m.DragCard;
    if (OverFoundationRow(m.DragRect) && card == PileTop(g, from)) {
        const int f = FoundationFor(g, card);
        if (f) return Legal(g, {MoveKind::PileToFoundation, 1, from, 0, f, card});
    }
    const int q = PileUnder(g, m, card);
    if (q == 0 || q == from) return std::nullopt;
    return Legal(g, {MoveKind::RunToPile, 1, from, m.PickFirst, q, card});
}

} // namespace

std::optional<Move> DropMove(const Game& g, const MouseState& m)
{
    if (m.DragFromWaste) return WasteDrop(g, m);
    if (m.DragFromTableau) return TableauDrop(g, m);
    if (m.DragFromFoundation) {
        const int q = PileUnder(g, m, m.DragCard);
        if (q) return Legal(g, {MoveKind::FoundationToPile, 1, m.Foundation(), 0, q, m.DragCard});
    }
    return std::nullopt;
}

std::optional<Move> WasteTopPlay(const Game& g, int side)
{
    if (g.WasteCount(side) < 1) return std::nullopt;
    const int w = g.Waste(side, g.WasteCount(side));
    for (int q = 1; q <= PileCount; ++q)
        if (auto m = Legal(g, {MoveKind::WasteToPile, side, 0, 0, q, w})) return m;
    return Legal(g, {MoveKind::WasteToFoundation, side, 0, 0, FoundationFor(g, w), w});
}

std::optional<Move> WasteAutoMove(const Game& g)
{
    if (auto play = WasteTopPlay(g, 1)) return play;
    if (g.WasteCount(1) < 1) return std::nullopt;
    return Legal(g, {MoveKind::Load, 1, 0, 0, 0, g.Waste(1, g.WasteCount(1))});
}

std::optional<Move> AutoPlayMove(const Game& g, int p, float x, float y)
{
    // The top card's press reaches its shadow too.
    const int top = PileTop(g, p);
    const Rect topRect = RectAt(PileX(p), PileTopY(g, p), OneCardDragWidth, OneCardDragHeight);
    if (PtInRect(topRect, ToPixel(x), ToPixel(y)) && IsCard(top))
        if (auto home = Legal(g, {MoveKind::PileToFoundation, 1, p, 0, FoundationFor(g, top), top})) return home;
    Rect hit;
    const int j = HitTableauCard(g, x, y, p, hit);
    if (j == 0) return std::nullopt;
    for (int q = 1; q <= PileCount; ++q)
        if (auto run = Legal(g, {MoveKind::RunToPile, 1, p, j, q, g.Tableau(p, j)})) return run;
    return std::nullopt;
}

} // namespace tandrel
