// The computer's turn and move search as a plan: up to the Expert no look-ahead
// and no scoring, just a fixed order of move kinds, so the same position and
// level always give the same moves. The Master looks ahead (opponent/Master).
#include "opponent/ComputerPlan.h"

#include "opponent/Master.h"

namespace tandrel {

namespace plan {

namespace {

// A flip, and a second one when the first only turned the waste over.
Steps FlipUntilCard(const Game& g, int side)
{
    if (FlipAllowed(g, side)) co_yield FlipMove(side);
    co_yield Pause;
    if (WasteEmpty(g, side)) {
        if (FlipAllowed(g, side)) co_yield FlipMove(side);
        co_yield Pause;
    }
    co_return true;
}

} // namespace

Steps Turn(const Game& g, int side)
{
    for (int p = 1; p <= PileCount; ++p)
        if (IsLegal(g, TurnUpMove(side, p))) co_yield TurnUpMove(side, p);
    co_yield Pause;
    bool first = true;
    for (;;) {
        if (!WasteEmpty(g, side)) {
            if (first) co_await PlayComputerMoves(g, side);
            co_await FlipUntilCard(g, side);
        }
        if (WasteEmpty(g, side)) co_await FlipUntilCard(g, side);
        first = false;
        if (!co_await PlayComputerMoves(g, side)) co_return false;
        if (WasteEmpty(g, side)) continue;
        co_await PlayComputerMoves(g, side);
    }
}

// True when a card left the side's waste. After a card has gone somewhere,
// runs may follow it; when none does, the watcher gets a pause to see it.
Steps PlayComputerMoves(const Game& g, int side)
{
    bool result = false;
    for (;;) {
        if (co_await ShiftTableauRuns(g, side)) co_yield Pause;
        co_await LowerFoundationForRun(g, side);

        if (const auto waste = PlayWasteTop(g, side)) {
            co_yield *waste;
            result = true;
            if (!co_await ShiftTableauRuns(g, side)) co_yield Pause;
            while (!WasteEmpty(g, side)) {
                if (const auto next = PlayWasteTop(g, side)) {
                    co_yield *next;
                    if (!co_await ShiftTableauRuns(g, side)) co_yield Pause;
                } else if (!co_await LowerFoundationForWaste(g, side)) {
                    break;
                }
            }
            if (WasteEmpty(g, side)) co_return result;
        } else {
            result = co_await LowerFoundationForWaste(g, side);
            if (WasteEmpty(g, side)) co_return result;
            if (const auto again = PlayWasteTop(g, side)) co_yield *again;
        }

        co_await UncoverFoundationCard(g, side);
        co_await LowerFoundationForRun(g, side);

        while (const auto load = ComputerLoads(g, side)) {
            co_yield *load;
            co_yield Pause;
            result = true;
            if (WasteEmpty(g, side)) co_return result;
        }

        co_await UncoverFoundationCard(g, side);
        co_await LowerFoundationForRun(g, side);

        while (co_await TableauToFoundation(g, side)) {
            if (!co_await ShiftTableauRuns(g, side)) co_yield Pause;
            if (const auto waste = PlayWasteTop(g, side)) {
                co_yield *waste;
                if (!co_await ShiftTableauRuns(g, side)) co_yield Pause;
                result = true;
                if (WasteEmpty(g, side)) co_return result;
            }
        }

        co_await LowerFoundationForRun(g, side);
        if (!co_await ShiftTableauRuns(g, side)) co_return result;
        co_yield Pause;
    }
}

} // namespace plan

ComputerPlan::ComputerPlan(const Game& g, int side)
    : g_(g), steps_(g.cfg.ComputerLevel == Level::Master ? plan::MasterTurn(g, side) : plan::Turn(g, side))
{
}

ComputerPlan::ComputerPlan(const Game& g, plan::Steps part) : g_(g), steps_(std::move(part)) {}

std::optional<ComputerStep> ComputerPlan::Next()
{
    // The game ends only in Apply, between two steps; nothing follows its end.
    if (g_.GameOver || !steps_.Advance()) return std::nullopt;
    return steps_.Step();
}

namespace {

std::optional<Move> FirstMove(const Game& g, plan::Steps part)
{
    ComputerPlan steps(g, std::move(part));
    while (const std::optional<ComputerStep> step = steps.Next())
        if (step->kind == ComputerStep::Kind::Move) return step->move;
    return std::nullopt;
}

} // namespace

std::optional<Move> NextComputerMove(const Game& g, int side)
{
    if (g.cfg.ComputerLevel == Level::Master) return NextMasterMove(g, side, MasterPlayBudget());
    if (auto move = FirstMove(g, plan::PlayComputerMoves(g, side))) return move;
    // With an empty waste the search stops early; the tableau may still go home.
    return FirstMove(g, plan::TableauToFoundation(g, side));
}

} // namespace tandrel
