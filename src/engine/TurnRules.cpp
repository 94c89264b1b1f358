#include "engine/TurnRules.h"

#include "engine/Move.h"

namespace tandrel {

bool MustFlipBeforeEnding(const Game& g)
{
    // Asked of the flips themselves: a card the computer loads onto the waste is no flip.
    return !WasteEmpty(g, 1) && g.FlipsThisTurn == 0 && CardsLeft(g, 1) > 1;
}

bool MayStartTurn(const Game& g, int side)
{
    return !(WasteEmpty(g, OtherSide(side)) && !WasteEmpty(g, side));
}

void BeginTurn(Game& g, int side)
{
    if (side == 2) g.FlipsThisTurn = 0;
    g.FlippedCard = 0;
}

void FinishTurn(Game& g, int side)
{
    if (side != 2) return;
    g.Undo.reset();
    g.History.Clear();
    ++g.ComputerTurnsPlayed;
}

} // namespace tandrel
