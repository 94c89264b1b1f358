// tandrel-selfplay GAMES LEVEL1 LEVEL2 [FLIPNUM] [FIRST] [--no-check] [--show N] [--threads N] [--master-deals N]
// Plays GAMES complete games, side 1 at LEVEL1 against side 2 at LEVEL2
// (0 Beginner, 1 Intermediate, 2 Expert, 3 Master), the computer's plan on both sides,
// checking the position after every move, on one thread per core unless
// --threads says otherwise; the results do not depend on the number of
// threads. FIRST numbers the first deal (0 by default); --show N prints the
// start of the failing turn of game N and the fault. The last line gives
// games per second and the threads used. The Master thinks with the deals a
// move of the game itself (48), unless --master-deals lowers them for a quicker soak.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "engine/HeadlessView.h"
#include "opponent/Master.h"
#include "selfplay/SelfPlay.h"

using namespace tandrel;
using namespace tandrel::selfplay;

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tandrel-selfplay GAMES LEVEL1 LEVEL2 [FLIPNUM] [FIRST] [--no-check] [--show N]"
                         " [--threads N] [--master-deals N]\n"
                         "  levels: 0 Beginner, 1 Intermediate, 2 Expert, 3 Master; FLIPNUM 1..3\n"
                         "  --master-deals N: the Master tries N deals of the unseen cards a move\n"
                         "    (default %d, as in the game); fewer make the soak quicker, on the same code\n",
                 MasterPlayBudget().deals);
    return 2;
}

int ShowGame(long number, Level level1, Level level2, int flipNum)
{
    HeadlessView none;
    Game start(none);
    GameSetup setup;
    setup.number = static_cast<std::uint64_t>(number);
    setup.level1 = level1;
    setup.level2 = level2;
    setup.flipNum = flipNum;
    setup.firstSide = number % 2 == 0 ? 1 : 2;
    const GameOutcome out = PlayOneGame(setup, &start);
    std::printf("game %ld: %d turns, winner %d%s\n", number, out.turns, out.winner, out.stalled ? ", stalled" : "");
    if (!out.failure.empty())
        std::printf("fault in the last turn: %s\nposition at the fault:\n%s", out.failure.c_str(),
                    out.faultPosition.c_str());
    std::printf("start of the last turn (side %d to play at level %d):\n%s", out.lastSide,
                static_cast<int>(out.lastSide == 1 ? level1 : level2), DescribePosition(start).c_str());
    return out.failure.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<const char*> numbers;
    bool check = true;
    long show = -1;
    const unsigned cores = std::thread::hardware_concurrency();
    long threads = cores > 0 ? cores : 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-check") == 0) {
            check = false;
        } else if (std::strcmp(argv[i], "--show") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], 0, 2000000000L, show)) return Usage();
        } else if (std::strcmp(argv[i], "--master-deals") == 0 && i + 1 < argc) {
            long deals = 0;
            if (!ReadNumber(argv[++i], 1, 1000, deals)) return Usage();
            MasterPlayBudget().deals = int(deals);
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
            if (!ReadNumber(argv[++i], 1, 1024, threads)) return Usage();
        } else {
            numbers.push_back(argv[i]);
        }
    }
    long games = 0, level1 = 0, level2 = 0, flipNum = 1, first = 0;
    if (numbers.size() < 3 || numbers.size() > 5) return Usage();
    if (!ReadNumber(numbers[0], 1, 1000000000L, games) || !ReadNumber(numbers[1], 0, 3, level1) ||
        !ReadNumber(numbers[2], 0, 3, level2))
        return Usage();
    if (numbers.size() > 3 && !ReadNumber(numbers[3], 1, 3, flipNum)) return Usage();
    if (numbers.size() > 4 && !ReadNumber(numbers[4], 0, 2000000000L, first)) return Usage();

    const Level side1 = static_cast<Level>(level1), side2 = static_cast<Level>(level2); // the enum's order
    if (show >= 0) return ShowGame(show, side1, side2, int(flipNum));

    const SoakResult r =
        RunSoak(games, side1, side2, int(flipNum), static_cast<std::uint64_t>(first), check, int(threads));
    const char* names[] = {"Beginner", "Intermediate", "Expert", "Master"};
    std::printf("side 1 %s (%ld) against side 2 %s (%ld), %ld cards a flip, games %ld..%ld%s\n", names[level1], level1,
                names[level2], level2, flipNum, first, first + games - 1, check ? "" : ", unchecked");
    std::printf("games %ld, average turns %.1f, checks %ld\n", r.games, r.games ? double(r.turns) / r.games : 0.0,
                r.checks);
    std::printf("wins: side 1 %ld (%.1f%%), side 2 %ld (%.1f%%)\n", r.wins[1], 100.0 * r.wins[1] / r.games, r.wins[2],
                100.0 * r.wins[2] / r.games);
    std::printf("stalls %ld, failures %ld\n", r.stalls, r.failures);
    for (const std::string& note : r.failureNotes) std::printf("  %s\n", note.c_str());
    std::printf("games per second %.0f, threads %d, cores %u\n", r.seconds > 0 ? r.games / r.seconds : 0.0,
                r.threads, cores);
    return r.failures == 0 ? 0 : 1;
}
