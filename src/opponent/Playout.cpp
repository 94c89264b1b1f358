#include "opponent/Playout.h"

#include "engine/TurnRules.h"
#include "opponent/ComputerPlan.h"

namespace tandrel {

namespace {

// The rest of a turn already begun: the Expert's plan from here, with no new start.
void FinishSidesTurn(Game& sim, int side)
{
    ComputerPlan plan(sim, plan::Turn(sim, side));
    while (const std::optional<ComputerStep> step = plan.Next())
        if (step->kind == ComputerStep::Kind::Move && !Apply(sim, step->move).done) break;
    FinishTurn(sim, side);
}

int Score(const Game& sim, int side, int turnsLeft)
{
    if (sim.GameOver) return sim.LastWinner == side ? WinScore + turnsLeft : -WinScore - turnsLeft;
    return CardsLeft(sim, OtherSide(side)) - CardsLeft(sim, side);
}

} // namespace

int PlayOut(Game& sim, int side, const std::optional<Move>& first, int turns)
{
    sim.cfg.ComputerLevel = Level::Expert;
    if (first) {
        if (!Apply(sim, *first).done) return -2 * WinScore; // never chosen
        if (!sim.GameOver) FinishSidesTurn(sim, side);
    } else {
        FinishTurn(sim, side);
    }
    int mover = OtherSide(side);
    for (; turns > 0 && !sim.GameOver; --turns, mover = OtherSide(mover))
        PlayComputerTurn(sim, mover, [](const Applied&) {});
    return Score(sim, side, turns);
}

} // namespace tandrel
