#pragma once
// The Master: the fourth level, which looks ahead. For each move it may make
// (and for ending its turn, where the rules allow it) it plays many short games
// on from the position, each over a fresh deal of the cards it has not seen,
// the Expert playing both sides, and it takes the move that did best. It reads
// nothing hidden, and the same position always gives the same move.
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Move.h"
#include "opponent/Steps.h"

namespace tandrel {

// How hard the Master thinks: a fixed count of play-outs, never a time.
// The figures are tuned against the Expert (bench/master): more deals help, a
// longer look dilutes; a move takes about two milliseconds here.
struct MasterBudget {
    int deals = 48;         // deals of the unseen cards tried for each move
    int turns = 4;          // whole turns played on after the Master's own
    double margin = 0.2;    // cards a deal, on average, by which another move must beat the Expert's
    std::uint64_t seed = 0; // mixed with the position into every deal
};

// The budget the Master plays with; a program may lower it (the soak does).
MasterBudget& MasterPlayBudget();
// The budget the hint asks with: it must answer while the player waits.
MasterBudget MasterHintBudget();

// What the Master remembers within one turn, so that it never goes round in circles.
class MasterTurn {
public:
    MasterTurn(const Game& g, int side);
    // After each move the Master made in this turn.
    void After(const Game& g, const Move& m);
    bool Seen(std::uint64_t key) const;
    bool MayFlip() const;
    bool Flipped() const { return flipped_; }
    int moves() const { return moves_; }

private:
    int side_;
    std::vector<std::uint64_t> seen_; // the positions of this turn
    bool flipped_ = false;            // a card came from the stock in this turn
    int flipsInRound_ = 0;            // flips since the hand last lost a card
    int roundFlips_ = 0;              // flips that take the whole hand round once
    int handAtLast_ = 0;
    int moves_ = 0;
};

// The Master's next move in its turn; none: the turn is over.
std::optional<Move> ChooseMasterMove(const Game& g, int side, const MasterTurn& turn, const MasterBudget& budget);
// The Master's next move from this position, as if its turn were under way; none: end the turn.
std::optional<Move> NextMasterMove(const Game& g, int side, const MasterBudget& budget);
// Whether the side may end its turn here: it flipped (or cannot need to), and the other side can start.
bool MasterMayEndTurn(const Game& g, int side, bool flipped);

namespace plan {
// The Master's whole turn: the waiting cards turned up, then its moves, each followed by a pause.
Steps MasterTurn(const Game& g, int side);
} // namespace plan

} // namespace tandrel
