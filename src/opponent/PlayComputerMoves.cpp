// The computer's move search: no look-ahead and no scoring, just a fixed order
// of move kinds, so the same position and level always give the same moves.
#include "engine/Moves.h"
#include "engine/Turn.h"
#include "opponent/Computer.h"
#include "opponent/Levels.h"

namespace tandrel {

namespace {

bool WasteEmpty(const Game& g, int side) { return g.WasteCount(side) < 1; }

// After a card has gone somewhere, runs may follow it; otherwise let the watcher see it.
void ShiftOrPause(Game& g, int side)
{
    if (!ShiftTableauRuns(g, side)) ComputerPause(g);
}

void PlayedFromWaste(Game& g, int side)
{
    g.view->ScoreBoard(false);
    ShiftOrPause(g, side);
}

// The level decides for either side: the player's own right-click may always
// load, but a side played by the computer loads only from Intermediate up.
bool ComputerLoads(Game& g, int side)
{
    return LevelAllows(g, Tactic::LoadOpponentWaste) && LoadOpponentWaste(g, side, false);
}

} // namespace

bool PlayComputerMoves(Game& g, int side)
{
    bool result = false;
    for (;;) {
        g.GameOver = CheckGameOver(g, side);
        if (g.GameOver) return result;

        if (ShiftTableauRuns(g, side)) ComputerPause(g);
        LowerFoundationForRun(g, side);
        g.view->DoEvents();

        if (PlayWasteTop(g, side)) {
            result = true;
            PlayedFromWaste(g, side);
            g.GameOver = CheckGameOver(g, side);
            while (!WasteEmpty(g, side)) {
                if (PlayWasteTop(g, side))
                    PlayedFromWaste(g, side);
                else if (!LowerFoundationForWaste(g, side))
                    break;
            }
            if (WasteEmpty(g, side)) return result;
        } else {
            result = LowerFoundationForWaste(g, side);
            if (WasteEmpty(g, side)) return result;
            PlayWasteTop(g, side);
        }

        UncoverFoundationCard(g, side);
        LowerFoundationForRun(g, side);
        g.view->DoEvents();

        while (ComputerLoads(g, side)) {
            ComputerPause(g);
            g.GameOver = CheckGameOver(g, side);
            result = true;
            if (WasteEmpty(g, side)) return result;
        }

        UncoverFoundationCard(g, side);
        g.view->DoEvents();
        LowerFoundationForRun(g, side);

        while (TableauToFoundation(g, side)) {
            ShiftOrPause(g, side);
            g.GameOver = CheckGameOver(g, side);
            if (PlayWasteTop(g, side)) {
                PlayedFromWaste(g, side);
                g.GameOver = CheckGameOver(g, side);
                result = true;
                if (WasteEmpty(g, side)) return result;
            }
        }

        LowerFoundationForRun(g, side);
        if (!ShiftTableauRuns(g, side)) {
            g.view->DoEvents();
            return result;
        }
        ComputerPause(g);
    }
}

} // namespace tandrel
