#pragma once
// Self-play: whole games with the computer's own plan on both sides, each move
// applied by the rules and the position vetted after it. The soak program and
// a short soak among the tests share it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/Game.h"
#include "engine/Position.h"

namespace tandrel::selfplay {

// A broken position, found by the position watch.
struct PositionFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Checks a game after every applied move: the regions it changed must be sound and all together hold
// every card once, and the foundations only grow, by suit and rank, but for one card onto a pile.
class PositionWatch {
public:
    // Starts checking g from its present position (none before).
    void Watch(const Game& g);
    // Throws PositionFault on the first fault.
    void Check();
    long checks() const { return checks_; } // looks that found the position changed
    // The position as it stood when a check failed.
    const std::string& faultPosition() const { return faultPosition_; }

private:
    void CheckFoundations();
    [[noreturn]] void Fail(const std::string& why);

    const Game* game_ = nullptr;
    RegionCheck regions_;
    int lastFoundation_[5][3]{};
    long checks_ = 0;
    std::string faultPosition_;
};

// A whole number from the command line within lo..hi.
bool ReadNumber(const char* text, long lo, long hi, long& value);

// Fills Deck with a shuffled deal drawn from the game number, with the same
// placement rule as the program's own shuffle, and records it in DealString.
void DealNumberedGame(Game& g, std::uint64_t gameNumber);

struct GameOutcome {
    int winner = 0;      // 0: no winner (stalled or failed)
    int turns = 0;
    int lastSide = 0;    // the side that played the last turn
    long checks = 0;
    bool stalled = false;
    std::string failure; // empty when every check passed
    std::string faultPosition;
};

struct GameSetup {
    std::uint64_t number = 0;
    Level level1 = Level::Expert, level2 = Level::Expert; // the computer's level on side 1 and side 2
    int flipNum = 1;
    int firstSide = 1;
    bool check = true;
};

// Plays one game to its end. A game in which neither side gets rid of a card,
// turns up a tableau card or raises the foundations while both stocks go round
// twice is stalled. When startOfLastTurn is given it holds the position at the
// start of the last turn played (the failing one, if a check failed).
GameOutcome PlayOneGame(const GameSetup& setup, Game* startOfLastTurn = nullptr);

struct SoakResult {
    long games = 0;
    long turns = 0;
    long stalls = 0;
    long failures = 0;
    long checks = 0;
    long wins[3] = {0, 0, 0}; // by side; [0] unused
    int threads = 1;
    double seconds = 0;
    std::vector<std::string> failureNotes; // the first few, with the game number
};

// Plays games first .. first + games - 1 at the given levels, shared among
// threads workers; the side to start alternates with the game number. All but
// the time come out the same on any number of threads.
SoakResult RunSoak(long games, Level level1, Level level2, int flipNum = 1, std::uint64_t first = 0,
                   bool check = true, int threads = 1);

// The position in a few lines, for failure reports and regression tests.
std::string DescribePosition(const Game& g);

} // namespace tandrel::selfplay
