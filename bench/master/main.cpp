// tandrel-master-bench [DEALS] [--threads N] [--deals-a-move N] [--turns N] [--margin-tenths N] [--timed-games N]
//                      [--expert-only]
// How strong and how quick the Master is. Strength: each of DEALS deals (2000
// by default) played twice, the seats swapped, the Master against the Expert,
// the Expert against itself (the control, about even) and the Master against
// the Beginner. Time: every move the Master makes in --timed-games games
// (40) against the Expert, on one thread, and every hint at the start of the
// player's turns in those games. --expert-only plays the first match alone; the
// budget's options try other budgets than the game's.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/Deal.h"
#include "engine/HeadlessView.h"
#include "engine/TurnRules.h"
#include "opponent/ComputerPlan.h"
#include "opponent/Hint.h"
#include "opponent/Master.h"
#include "selfplay/SelfPlay.h"

using namespace tandrel;
using namespace tandrel::selfplay;
using Clock = std::chrono::steady_clock;

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tandrel-master-bench [DEALS] [--threads N] [--deals-a-move N] [--turns N]"
                         " [--margin-tenths N] [--timed-games N] [--expert-only]\n");
    return 2;
}

const char* Name(Level level)
{
    const char* names[] = {"Beginner", "Intermediate", "Expert", "Master"};
    return names[static_cast<int>(level)];
}

// Each deal twice, a level in each seat; the starting side goes with the deal's number.
void Match(Level a, Level b, long deals, int threads)
{
    const SoakResult ab = RunSoak(deals, a, b, 1, 0, false, threads);
    const SoakResult ba = RunSoak(deals, b, a, 1, 0, false, threads);
    const long winsA = ab.wins[1] + ba.wins[2], winsB = ab.wins[2] + ba.wins[1];
    const long stalls = ab.stalls + ba.stalls, decided = winsA + winsB;
    std::printf("%-8s against %-8s %ld games: wins %ld to %ld, stalls %ld, %s's share of decided games %.1f%%"
                " (%.0f s)\n",
                Name(a), Name(b), ab.games + ba.games, winsA, winsB, stalls, Name(a),
                decided ? 100.0 * winsA / decided : 0.0, ab.seconds + ba.seconds);
}

struct Times {
    double total = 0, worst = 0;
    long count = 0;
    void Add(double ms)
    {
        total += ms, worst = std::max(worst, ms);
        ++count;
    }
    void Print(const char* what) const
    {
        std::printf("%s: %ld, mean %.2f ms, worst %.2f ms\n", what, count, count ? total / count : 0.0, worst);
    }
};

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One game, the Expert as the player and the Master as the computer, each of
// the Master's steps timed (a step is chosen when it is asked for) and a hint
// asked at the start of each of the player's turns.
void TimedGame(std::uint64_t number, Times& moves, Times& hints)
{
    HeadlessView view;
    view.record = false;
    Game g(view);
    g.cfg.Animate = false;
    g.GamesDealt = 24;
    DealNumberedGame(g, number);
    DealNewGame(g, false);
    for (int turn = 0, side = 1; turn < 400 && !g.GameOver; ++turn, side = OtherSide(side)) {
        if (!MayStartTurn(g, side)) continue;
        BeginTurn(g, side);
        g.cfg.ComputerLevel = side == 2 ? Level::Master : Level::Expert;
        if (side == 1) {
            HintMove hint;
            const auto start = Clock::now();
            FindHint(g, hint);
            hints.Add(MillisecondsSince(start));
        }
        ComputerPlan plan(g, side);
        for (;;) {
            const auto start = Clock::now();
            const std::optional<ComputerStep> step = plan.Next();
            if (!step) break;
            if (step->kind != ComputerStep::Kind::Move) continue;
            if (side == 2) moves.Add(MillisecondsSince(start));
            Apply(g, step->move);
        }
        FinishTurn(g, side);
    }
}

} // namespace

int main(int argc, char** argv)
{
    long deals = 2000, threads = 2, timedGames = 40, value = 0;
    bool expertOnly = false;
    for (int i = 1; i < argc; ++i) {
        const bool more = i + 1 < argc;
        if (std::strcmp(argv[i], "--threads") == 0 && more) {
            if (!ReadNumber(argv[++i], 1, 64, threads)) return Usage();
        } else if (std::strcmp(argv[i], "--deals-a-move") == 0 && more) {
            if (!ReadNumber(argv[++i], 1, 10000, value)) return Usage();
            MasterPlayBudget().deals = int(value);
        } else if (std::strcmp(argv[i], "--turns") == 0 && more) {
            if (!ReadNumber(argv[++i], 0, 100, value)) return Usage();
            MasterPlayBudget().turns = int(value);
        } else if (std::strcmp(argv[i], "--margin-tenths") == 0 && more) {
            if (!ReadNumber(argv[++i], 0, 1000, value)) return Usage();
            MasterPlayBudget().margin = value / 10.0;
        } else if (std::strcmp(argv[i], "--expert-only") == 0) {
            expertOnly = true;
        } else if (std::strcmp(argv[i], "--timed-games") == 0 && more) {
            if (!ReadNumber(argv[++i], 0, 100000, timedGames)) return Usage();
        } else if (!ReadNumber(argv[i], 0, 1000000, deals)) {
            return Usage();
        }
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as it comes
    const MasterBudget& budget = MasterPlayBudget();
    std::printf("the Master tries %d deals a move, %d turns on, margin %.1f; the hint %d deals, %d turns\n",
                budget.deals, budget.turns, budget.margin, MasterHintBudget().deals, MasterHintBudget().turns);
    Times moves, hints;
    for (long n = 0; n < timedGames; ++n) TimedGame(static_cast<std::uint64_t>(n), moves, hints);
    if (timedGames > 0) {
        moves.Print("the Master's moves");
        hints.Print("hints");
    }
    if (deals == 0) return 0;
    Match(Level::Master, Level::Expert, deals, int(threads));
    if (expertOnly) return 0;
    Match(Level::Expert, Level::Expert, deals, int(threads));
    Match(Level::Master, Level::Beginner, deals, int(threads));
    return 0;
}
