#include "show/Turns.h"

#include "engine/Move.h"
#include "engine/Turn.h"
#include "engine/TurnRules.h"
#include "show/ShowMoves.h"

namespace tandrel {

namespace {

// The computer's move search, which lives above the rules.
bool ComputerMoves(Game& g, int side)
{
    return g.hooks.PlayComputerMoves && g.hooks.PlayComputerMoves(g, side);
}

// A flip, and a second one when the first only turned the waste over.
void FlipUntilCard(Game& g, int side)
{
    PlayShown(g, FlipMove(side));
    ComputerPause(g);
    if (WasteEmpty(g, side)) {
        PlayShown(g, FlipMove(side));
        ComputerPause(g);
    }
}

} // namespace

void ComputerTurn(Game& g, int side)
{
    if (g.GameOver) return;
    if (!MayStartTurn(g, side)) {
        if (side == 2) ShowInfo(g, "You need to flip a card first.");
        return;
    }
    BeginTurn(g, side);
    for (int p = 1; p <= 4; ++p) PlayShown(g, TurnUpMove(side, p));

    g.ComputerBusy = true;
    g.view->StatusPanel(false);
    ComputerPause(g);
    bool first = true;
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
    FinishTurn(g, side);
    g.view->StatusPanel(false);
}

} // namespace tandrel
