#include "engine/Turn.h"

#include <string>

#include "engine/Cards.h"
#include "engine/Counts.h"
#include "engine/Deal.h"
#include "engine/PlaySound.h"
#include "engine/Slide.h"

namespace tandrel {

void Pause(Game& g, int ms)
{
    g.view->Pause(ms);
}

void ComputerPause(Game& g)
{
    Pause(g, g.cfg.PlaySpeed + 250);
}

void ShowInfo(Game& g, const std::string& text)
{
    g.view->ShowMessage(text, MsgIcon::Information, MsgButtons::Ok, ProgramTitle);
}

namespace {

bool WasteEmpty(const Game& g, int side)
{
    return g.WasteCount(side) < 1;
}

// The waste goes back into the stock in the same order; no card is flipped.
void TurnWasteOver(Game& g, int side)
{
    g.StockEmpty(side) = false;
    for (int i = 1; i <= 42; ++i) {
        g.Stock(side, i) = g.Waste(side, i);
        if (g.Stock(side, i) != 0) ++g.StockLevel(side);
        g.Waste(side, i) = 0;
    }
    g.WasteCount(side) = 0;
    g.StockPos(side) = 0;
    g.WasteCards(side) = 0;
    g.view->DrawStock(side);
    PlaySound(g, 2);
    g.FlippedCard = 0;
    g.FlipInProgress = false;
}

// Next card of the stock after StockPos, or 0 when the stock is used up.
int NextStockCard(Game& g, int side)
{
    while (g.StockPos(side) < 42) {
        ++g.StockPos(side);
        if (g.Stock(side, g.StockPos(side)) != 0) return g.Stock(side, g.StockPos(side));
    }
    g.StockPos(side) = 43;
    return 0;
}

bool StockUsedUp(const Game& g, int side)
{
    for (int i = 1; i <= 42; ++i)
        if (g.Stock(side, i) != 0) return false;
    return true;
}

} // namespace

void FlipCards(Game& g, int side)
{
    g.GameOver = CheckGameOver(g, side);
    if (g.GameOver) return;
    if (!FlipAllowed(g, side)) return;

    if (side == 1) ++g.FlipsThisTurn;
    g.FlipInProgress = true;
    if (g.StockEmpty(side)) {
        TurnWasteOver(g, side);
        return;
    }

    TableView& v = *g.view;
    const int y = HandRowY(side);
    g.WasteFan(side) = 0;
    const int level = g.StockLevel(side);
    if ((level >= 14 && level <= 16) || (level >= 8 && level <= 10) || level < 6) v.DrawStock(side);
    PlayCardSound(g);
    v.SnapshotTable();
    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    for (int i = 0; i < g.cfg.FlipNum; ++i) {
        const int card = NextStockCard(g, side);
        if (card == 0) break;
        g.Stock(side, g.StockPos(side)) = 0;
        ++g.WasteFan(side);
        ++g.WasteCards(side);
        ++g.WasteCount(side);
        --g.StockLevel(side);
        g.Waste(side, g.WasteCount(side)) = card;
        g.FlippedCard = card;
        const int landX = WasteX + FanStep * i;
        v.CaptureDragImage(StockX, y, OneCardDragWidth, OneCardDragHeight);
        v.DrawCard(Surface::DragImage, 0, 0, card);
        float x = StockX, fy = static_cast<float>(y);
        AnimateMove(g, x, fy, static_cast<float>(landX), static_cast<float>(y));
        v.DrawCard(Surface::TableBuffer, landX, y, card);
        v.ShowTableBuffer();
    }
    v.ReleaseBuffers();
    g.DragHeight = 0;
    g.FlipInProgress = false;

    if (StockUsedUp(g, side)) g.StockPos(side) = 43;
    const int fan = g.WasteFan(side);
    if (fan < MaxFan) v.RestoreBackground(Surface::Window, FanRight(fan), y, FanStep * (MaxFan - fan), CardHeight);
    if (g.StockPos(side) >= 42) {
        ++g.StockPasses(side);
        g.StockEmpty(side) = true;
        g.StockPos(side) = 0;
        v.DrawEmptyStock(side);
    }
}

void TurnUpPile(Game& g, int p)
{
    const int fd = g.TableauFaceDown(p);
    if (fd < 1 || g.TableauTop(p, TopCard) != TurnUpPending) return;
    const int x = PileX(p), y = FaceDownY(fd);

    TableView& v = *g.view;
    v.SnapshotTable();
    const int card = FaceDownCard(g, p);
    v.DrawCard(Surface::Window, x - TurnUpLift, y - TurnUpLift, card);
    Pause(g, 50);
    v.ShowTableBuffer();
    v.ReleaseBuffers();
    v.DrawCard(Surface::Window, x, y, card);
    v.ScoreBoard(false);

    g.Undo.reset();
    g.TableauTop(p, TopCard) = card;
    g.TableauTop(p, TopY) = y;
    g.Tableau(p, 1) = card;
    --g.TableauFaceDown(p);
    PlayCardSound(g);
}

void TurnUpCard(Game& g, float x, float y, int pile)
{
    const int fd = g.TableauFaceDown(pile);
    if (fd < 1) return;
    if (PtInRect(RectAt(PileX(pile), FaceDownY(fd), CardWidth, CardHeight), ToPixel(x), ToPixel(y))) TurnUpPile(g, pile);
}

bool CheckGameOver(Game& g, int side)
{
    if (g.GameOver) return true;
    if (!HandPlayedOut(g, side)) return false;

    g.view->DoEvents();
    g.view->ShowHandAtEnd(side);
    g.LastWinner = side;
    // The winning move stays made: once a game is over there is nothing to undo.
    g.Undo.reset();
    if (side == 2) {
        g.Losses = CountOneMore(g.Losses);
        PlaySound(g, 1);
    } else {
        PlaySound(g, 0);
        g.Wins = CountOneMore(g.Wins);
    }
    g.ComputerBusy = false;
    g.view->ScoreBoard(true);
    g.view->StatusPanel(true);
    return true;
}

namespace {

// The computer's move search, which lives above the rules.
bool ComputerMoves(Game& g, int side)
{
    return g.hooks.PlayComputerMoves && g.hooks.PlayComputerMoves(g, side);
}

// A flip, and a second one when the first only turned the waste over.
void FlipUntilCard(Game& g, int side)
{
    FlipCards(g, side);
    ComputerPause(g);
    if (WasteEmpty(g, side)) {
        FlipCards(g, side);
        ComputerPause(g);
    }
}

} // namespace

void ComputerTurn(Game& g, int side)
{
    if (g.GameOver) return;
    // Nothing to play against until the other side has flipped.
    if (WasteEmpty(g, OtherSide(side)) && !WasteEmpty(g, side)) {
        if (side == 2) ShowInfo(g, "You need to flip a card first.");
        return;
    }
    if (side == 2) g.FlipsThisTurn = 0;
    for (int p = 1; p <= 4; ++p)
        if (g.TableauTop(p, TopCard) == TurnUpPending)
            TurnUpPile(g, p);

    g.ComputerBusy = true;
    g.view->StatusPanel(false);
    ComputerPause(g);
    bool first = true;
    g.FlippedCard = 0;
    for (;;) {
        if (!WasteEmpty(g, side)) {
            if (first) {
                ComputerMoves(g, side);
                if (g.GameOver) break;
            }
            FlipUntilCard(g, side);
        }
        if (WasteEmpty(g, side)) FlipUntilCard(g, side);
        first = false;
        if (!ComputerMoves(g, side) || g.GameOver) break;
        if (WasteEmpty(g, side)) continue;
        ComputerMoves(g, side);
        if (g.GameOver) break;
    }
    g.ComputerBusy = false;
    g.GameOver = CheckGameOver(g, side);
    if (side == 2) {
        g.Undo.reset();
        ++g.ComputerTurnsPlayed;
    }
    g.view->StatusPanel(false);
}

} // namespace tandrel
