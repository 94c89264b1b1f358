// The piles on the table: foundations, tableau, each side's stock and waste,
// the hand laid out at the end of a game, and the repaint of the whole table.
#include <QPainter>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "render/Outlines.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

// An empty foundation: a black box around the card's place, sunk into the
// table by a shadow on the top and left and a highlight on the bottom and right.
void DrawWell(QPainter& p, int x, int y)
{
    const int right = x + CardWidth - 1, bottom = y + CardHeight - 1;
    OutlinedBox(p, x - 1, y - 1, right + 1, bottom + 1, ButtonFace());
    Segment(p, ButtonShadow(), x, y, right, y);
    Segment(p, ButtonShadow(), x, y, x, bottom);
    Segment(p, ButtonHighlight(), x, bottom, right, bottom);
    Segment(p, ButtonHighlight(), right, y, right, bottom);
}

// The four foundation places with their one-pixel outline.
QRect FoundationRow()
{
    return {FoundationX(1) - 1, FoundationY - 1, FoundationX(FoundationCount) + CardWidth + 1, CardHeight + 2};
}

} // namespace

void QtTable::DrawFoundationWells()
{
    if (!HasWindow()) return;
    QPainter p(&WindowFor(FoundationRow()));
    for (int f = 1; f <= FoundationCount; ++f) DrawWell(p, FoundationX(f), FoundationY);
    p.end();
    WindowChanged(FoundationRow());
}

// One, two or three backs deep: over 6 cards left two, over 15 three.
void QtTable::DrawStock(int side)
{
    if (CardsLeft(g_, side) == 0 || !HasWindow()) return;
    const int y = HandRowY(side);
    RestoreBackground(Surface::Window, StockX, y, HandRowWidth, CardHeight);
    const int back = g_.cfg.CardBack;
    std::vector<std::array<int, 3>> backs{{StockX, y, back}};
    if (CardsLeft(g_, side) > 6) backs.push_back({StockX + StockDepthStep, y, back});
    if (CardsLeft(g_, side) > 15) backs.push_back({StockX + 2 * StockDepthStep, y, back});
    DrawOverlapping(backs);
}

// The other side's remaining cards face up, in rows over its hand row.
void QtTable::ShowHandAtEnd(int side)
{
    const int other = OtherSide(side);
    RestoreBackground(Surface::Window, HandAtEndX, HandRowY(other), HandAtEndWidth, HandAtEndHeight);
    int x = StockX, y = HandAtEndY(other), drawn = 0;
    const auto lay = [&](int card) {
        if (card == NoCard) return;
        DrawCard(Surface::Window, x, y, card);
        x += HandAtEndStep;
        if (++drawn % HandAtEndPerRow == 0) {
            y += HandAtEndRowStep;
            x = StockX;
        }
    };
    for (int i = 1; i <= HandSlots; ++i) {
        lay(g_.Stock(other, i));
        lay(g_.Waste(other, i));
    }
}

// What the rest of a redraw paints over whatever lies under it: the wells, the
// panels' faces, the hand rows it paints bare itself, the tableau's cards
// between their corners. The table is not painted there first.
QRegion QtTable::CoveredByRedraw() const
{
    QRegion covered = QRegion(HandRowRepaint(1)) + HandRowRepaint(2);
    for (int p = 1; p <= PileCount; ++p)
        for (const auto& [x, y, card] : PileCards(p)) covered += OpaquePart(x, y, card);
    if (ButtonFace().alpha() < 255) return covered;
    for (int f = 1; f <= FoundationCount; ++f) covered += QRect(FoundationX(f), FoundationY, CardWidth, CardHeight);
    return covered + PanelFaces();
}

// The stretch of the hand row RedrawHand paints bare before it draws there.
QRect QtTable::HandRowRepaint(int side) const
{
    if (g_.StockLevel(side) >= 1 && !g_.StockEmpty(side))
        return CardsLeft(g_, side) == 0 ? QRect() : QRect(StockX, HandRowY(side), HandRowWidth, CardHeight);
    return {StockX, HandRowY(side), StockAreaWidth, StockAreaHeight};
}

void QtTable::RedrawTable()
{
    ++redraws_;
    // A window waiting for the widget's memory is drawn there, at its first paint.
    if (window_.isNull() && lendable_) {
        redrawOwed_ = tableWidth_ > 0 && tableHeight_ > 0;
        return;
    }
    DrawWholeTable();
}

void QtTable::DrawWholeTable()
{
    PaintBareTable(Window(), TableRect(), CoveredByRedraw());
    WindowChanged(TableRect());
    RedrawHand(1);
    RedrawHand(2);
    RedrawFoundations();
    RedrawTableau();
    ScoreBoard(true);
    StatusPanel(showingWindow);
    DrawEndNotice();
}

// The stock (or its empty place once passed through) and the waste fan with
// its top card rightmost.
void QtTable::RedrawHand(int side)
{
    // The stock counter runs from 42 and stays above zero after a pass; the
    // pass-ended flag is what says the stock place is empty.
    if (g_.StockLevel(side) >= 1 && !g_.StockEmpty(side))
        DrawStock(side);
    else
        DrawEmptyStock(side);

    if (WasteCards(g_, side) < 1) return;
    const int fan = g_.WasteFan(side);
    if (fan < 1 || fan > 3) return;
    const int top = g_.WasteCount(side);
    std::vector<std::array<int, 3>> cards;
    for (int k = 0; k < fan; ++k) {
        const int slot = top - (fan - 1) + k;
        if (slot >= 1 && slot <= HandSlots) cards.push_back({WasteX + FanStep * k, HandRowY(side), g_.Waste(side, slot)});
    }
    DrawOverlapping(cards);
}

void QtTable::RedrawFoundations()
{
    if (!HasWindow()) return;
    QPainter p(&WindowFor(FoundationRow()));
    for (int f = 1; f <= FoundationCount; ++f) {
        DrawWell(p, FoundationX(f), FoundationY);
        if (g_.Foundation(f, FoundSuit) != 0) PaintCard(p, FoundationX(f), FoundationY, FoundationTopCard(g_, f));
    }
    p.end();
    WindowChanged(FoundationRow());
}

// Face-down backs 5 pixels apart from y = 120, then the face-up cards 20 apart.
std::vector<std::array<int, 3>> QtTable::PileCards(int p) const
{
    const int x = PileX(p), fd = g_.TableauFaceDown(p);
    std::vector<std::array<int, 3>> cards;
    for (int k = 1; k <= fd; ++k) cards.push_back({x, FaceDownY(k), g_.cfg.CardBack});
    int y = FaceUpY(fd, 1);
    for (int k = 1; k <= PileSlots; ++k) {
        if (g_.Tableau(p, k) == NoCard) continue;
        cards.push_back({x, y, g_.Tableau(p, k)});
        y += FaceUpStep;
    }
    return cards;
}

void QtTable::RedrawTableau()
{
    for (int p = 1; p <= PileCount; ++p) DrawOverlapping(PileCards(p));
}

} // namespace tandrel
