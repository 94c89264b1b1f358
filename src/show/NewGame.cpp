#include "show/NewGame.h"

#include "engine/Deal.h"
#include "engine/Texts.h"
#include "show/Slide.h"
#include "show/Turns.h"

namespace tandrel {

namespace {

// One card of the deal flies from the corner of the table to its place.
void DealCardTo(Game& g, int card, int x, int y)
{
    TableView& v = *g.view;
    v.CaptureDragImage(DealFromX, DealFromY, OneCardDragWidth, OneCardDragHeight);
    v.DrawCard(Surface::DragImage, 0, 0, card);
    float fx = DealFromX, fy = DealFromY;
    SlideCards(g, fx, fy, static_cast<float>(x), static_cast<float>(y), OneCardDragWidth, OneCardDragHeight);
    // The buffer holds every card dealt so far; it also wipes the last frame.
    v.DrawCard(Surface::TableBuffer, x, y, card);
    v.ShowTableBuffer();
}

} // namespace

void NewGame(Game& g, bool redeal)
{
    TableView& v = *g.view;
    const int speed = g.cfg.Speed;
    g.cfg.Speed = 30; // the deal goes at a speed of its own
    v.DrawTableBackground();
    v.SetBusyCursor(true);
    DealNewGame(g, redeal);
    v.SetBusyCursor(false);
    v.ScoreBoard(true);
    v.StatusPanel(false);
    v.DrawFoundationWells();
    v.SnapshotTable();
    for (const DealtCard& d : DealOrder)
        DealCardTo(g, d.faceUp ? g.Tableau(d.pile, 1) : g.cfg.CardBack, PileX(d.pile), DealRowY(d.row));
    v.ReleaseBuffers();
    for (int side = 1; side <= 2; ++side) v.DrawStock(side);
    g.cfg.Speed = speed;

    if (g.LastWinner == 2) {
        ShowInfo(g, Translate("Turns", "You lost the last game so the computer will start first this time."));
        ComputerTurn(g, 2);
    }
}

} // namespace tandrel
