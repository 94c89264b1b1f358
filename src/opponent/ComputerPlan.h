#pragma once
// The computer proposes; it never makes a move. A plan walks one whole turn of
// a side in the computer's fixed order of move kinds and hands out its steps
// one at a time: a move to apply, or a pause for the watcher. The caller
// applies each move (and shows it) before asking for the next step, and the
// plan reads the game as it stands then.
#include <optional>
#include <stdexcept>

#include "engine/Move.h"
#include "engine/TurnRules.h"
#include "opponent/Steps.h"

namespace tandrel {

class ComputerPlan {
public:
    // The side's whole turn at the level g.cfg.ComputerLevel, the turn-ups of waiting cards first.
    // Whoever runs the turn asks MayStartTurn, and calls BeginTurn before and FinishTurn after it.
    ComputerPlan(const Game& g, int side);
    // One part of the search as a plan of its own.
    ComputerPlan(const Game& g, plan::Steps part);

    // The next step from the game as it stands; none once the plan or the game is over.
    std::optional<ComputerStep> Next();
    // Once Next gave none: what the part reported (a tactic whether it moved, the search
    // whether a card left the side's waste).
    bool Result() const { return steps_.Result(); }

private:
    const Game& g_;
    plan::Steps steps_;
};

// The move the side's level would make next from this position, or none. Below the
// Master a flip is never one (the turn flips between searches); the Master's may be,
// and its none means it would end the turn.
std::optional<Move> NextComputerMove(const Game& g, int side);

// Plays the side's whole turn with no one watching; false when it may not start.
// afterMove(const Applied&) runs after each move is applied.
template <class AfterMove>
bool PlayComputerTurn(Game& g, int side, AfterMove&& afterMove)
{
    if (g.GameOver || !MayStartTurn(g, side)) return false;
    BeginTurn(g, side);
    ComputerPlan plan(g, side);
    while (const std::optional<ComputerStep> step = plan.Next()) {
        if (step->kind != ComputerStep::Kind::Move) continue;
        const Applied applied = Apply(g, step->move);
        if (!applied.done) throw std::logic_error("the rules refused a move the computer proposed");
        afterMove(applied);
    }
    FinishTurn(g, side);
    return true;
}

// The parts of a turn, each a plan of its own when run alone. Each reads the
// game again after every step it hands out; what it reports is its Result.
namespace plan {

// The whole turn.
Steps Turn(const Game& g, int side);
// The move search: whether a card left the side's waste.
Steps PlayComputerMoves(const Game& g, int side);
// Tableau tops home, each uncovered back turned up: whether any went.
Steps TableauToFoundation(const Game& g, int side);
// Runs moved between piles: whether one freed a face-down card or emptied a pile for a king.
Steps ShiftTableauRuns(const Game& g, int side);
// A foundation card taken down so that a run can follow it: what the shift of runs then reports.
Steps LowerFoundationForRun(const Game& g, int side);
// A foundation card taken down so that the waste top can follow it: whether the waste top went.
Steps LowerFoundationForWaste(const Game& g, int side);
// The run lying on a card a foundation waits for moved off it: whether it moved.
Steps UncoverFoundationCard(const Game& g, int side);
// Single moves: the waste top to the first pile that takes it, else to its
// foundation; onto the other side's waste when the level loads.
std::optional<Move> PlayWasteTop(const Game& g, int side);
std::optional<Move> ComputerLoads(const Game& g, int side);
// The pile's top to its foundation when j is the top slot and one takes it,
// else the run from slot j onto the first other pile that takes it.
std::optional<Move> AutoPlayRun(const Game& g, int side, int p, int j);

} // namespace plan

} // namespace tandrel
