// The piles on the table: foundations, tableau, each side's stock and waste,
// the hand laid out at the end of a game, and the repaint of the whole table.
#include <QPainter>

#include "engine/Cards.h"
#include "render/Outlines.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

constexpr int WasteX = 465;
constexpr int FanStep = 15;
constexpr int StockX = 380;

// The card a foundation shows; an ace on its own is stored 13 below its code.
int FoundationShown(const Game& g, int f)
{
    const int ace = AceOfSuit(g.Foundation(f, 1));
    const int top = g.Foundation(f, 2);
    return top == ace - 13 ? ace : top;
}

// An empty foundation: a black box around the card's place, sunk into the
// table by a shadow on the top and left and a highlight on the bottom and right.
void DrawWell(QPainter& p, int x, int y)
{
    OutlinedBox(p, x - 1, y - 1, x + 71, y + 95, ButtonFace());
    Segment(p, ButtonShadow(), x, y, x + 70, y);
    Segment(p, ButtonShadow(), x, y, x, y + 94);
    Segment(p, ButtonHighlight(), x, y + 94, x + 70, y + 94);
    Segment(p, ButtonHighlight(), x + 70, y, x + 70, y + 94);
}

} // namespace

void QtTable::DrawFoundationWells()
{
    if (window_.isNull()) return;
    QPainter p(&window_);
    for (int f = 1; f <= 4; ++f) DrawWell(p, FoundationX(f), FoundationY);
    p.end();
    WindowChanged({FoundationX(1) - 1, FoundationY - 1, FoundationX(4) + 72, CardHeight + 2});
}

// One, two or three backs deep: over 6 cards left two, over 15 three.
void QtTable::DrawStock(int side)
{
    if (g_.CardsLeft(side) == 0 || window_.isNull()) return;
    const int y = HandRowY(side);
    RestoreBackground(Surface::Window, StockX, y, 190, CardHeight);
    const int back = g_.cfg.CardBack;
    DrawCard(Surface::Window, StockX, y, back);
    if (g_.CardsLeft(side) > 6) DrawCard(Surface::Window, StockX + 4, y, back);
    if (g_.CardsLeft(side) > 15) DrawCard(Surface::Window, StockX + 8, y, back);
}

// The other side's remaining cards face up, in rows of nine 25 pixels apart.
void QtTable::ShowHandAtEnd(int side)
{
    RestoreBackground(Surface::Window, 375, side == 1 ? 25 : 300, 250, 100);
    const int other = OtherSide(side);
    int x = StockX, y = other == 2 ? 0 : 300, drawn = 0;
    const auto lay = [&](int card) {
        if (card == NoCard) return;
        DrawCard(Surface::Window, x, y, card);
        x += 20;
        if (++drawn % 9 == 0) {
            y += 25;
            x = StockX;
        }
    };
    for (int i = 1; i <= 42; ++i) {
        lay(g_.Stock(other, i));
        lay(g_.Waste(other, i));
    }
}

void QtTable::RedrawTable()
{
    DrawTableBackground();
    RedrawHand(1);
    RedrawHand(2);
    RedrawFoundations();
    RedrawTableau();
    ScoreBoard(true);
    StatusPanel(g_.DrawingTable);
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

    if (g_.WasteCards(side) < 1) return;
    const int fan = g_.WasteFan(side);
    if (fan < 1 || fan > 3) return;
    const int top = g_.WasteCount(side);
    for (int k = 0; k < fan; ++k) {
        const int slot = top - (fan - 1) + k;
        if (slot >= 1 && slot <= 42) DrawCard(Surface::Window, WasteX + FanStep * k, HandRowY(side), g_.Waste(side, slot));
    }
}

void QtTable::RedrawFoundations()
{
    if (window_.isNull()) return;
    QPainter p(&window_);
    for (int f = 1; f <= 4; ++f) {
        DrawWell(p, FoundationX(f), FoundationY);
        if (g_.Foundation(f, 1) != 0) PaintCard(p, FoundationX(f), FoundationY, FoundationShown(g_, f));
    }
    p.end();
    WindowChanged({FoundationX(1) - 1, FoundationY - 1, FoundationX(4) + 72, CardHeight + 2});
}

// Face-down backs 5 pixels apart from y = 120, then the face-up cards 20 apart.
void QtTable::RedrawTableau()
{
    for (int p = 1; p <= 4; ++p) {
        const int x = PileX(p);
        int y = 120;
        for (int k = 0; k < g_.TableauFaceDown(p); ++k, y += 5) DrawCard(Surface::Window, x, y, g_.cfg.CardBack);
        for (int k = 1; k <= 12; ++k) {
            if (g_.Tableau(p, k) == NoCard) continue;
            DrawCard(Surface::Window, x, y, g_.Tableau(p, k));
            y += 20;
        }
    }
}

} // namespace tandrel
