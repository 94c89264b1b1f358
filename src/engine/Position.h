#pragma once
// Consistency of a position, one region at a time: the hand row of each side
// (stock, waste and their counters), each tableau pile, and the foundations.
// Each region must agree with itself (counts, tops, indexes, sequences), and
// together the regions must hold every card exactly once. Used to vet a stored
// game before it is played, and by the self-play soak after every action,
// where only the regions the action touched are looked at again.
#include <cstdint>
#include <string>

#include "engine/Game.h"

namespace tandrel {

// Deck position of face-down card k (counted from the bottom) of pile p; 0 if none.
int FaceDownPosition(int pile, int k);

// True when the position is sound; otherwise false with the first fault in why.
bool CheckPosition(const Game& g, std::string* why = nullptr);

// The regions, numbered for RegionCheck::changed().
constexpr int HandRegion(int side) { return side - 1; }
constexpr int PileRegion(int pile) { return pile + 1; }
constexpr int FoundationRegion = 6;
constexpr int RegionCount = 7;

// Checks one game over and over, each time only the regions that changed since
// the last look, against a copy of each region kept from then. The cards of the
// regions not looked at are known from then, so the whole position is still
// checked to hold every card exactly once.
class RegionCheck {
public:
    // Looks at every region. False with the first fault in why.
    bool Start(const Game& g, std::string* why = nullptr);
    // Looks at the regions changed since the last look; after a fault, Start again.
    bool Recheck(const Game& g, std::string* why = nullptr);
    // The regions the last look found changed, bit HandRegion(1) and so on.
    unsigned changed() const { return changed_; }

private:
    struct Counters {
        int stockPos, stockLevel, stockEmpty, stockPasses, wasteCount, wasteFan;
        bool operator==(const Counters&) const = default;
    };
    static Counters CountersOf(const Game& g, int side);
    bool Look(const Game& g, std::string* why);

    // The game's arrays as they stood at the last look. Most looks find
    // nothing changed, and whole arrays compare fastest.
    Bounded2<int, 1, 2, 1, 42> stock_, waste_;
    Counters counters_[2]{};
    Bounded2<int, 1, 4, 1, 12> tableau_;
    Bounded<int, 1, 4> faceDown_;
    Bounded<int, 3, 10> faceDownDeck_; // where the deck holds the face-down cards
    Bounded2<int, 1, 4, 1, 2> foundation_;

    // What a row of the hand holds: its cards, one bit per code; how many;
    // and the slot past the last of them.
    struct Row {
        std::uint64_t cards = 0;
        int count = 0, end = 0;
    };
    static bool Follow(const int* now, int* slots, Row& row);
    Row stockRows_[2], wasteRows_[2];
    // The cards of each region.
    std::uint64_t cards_[RegionCount]{};
    unsigned changed_ = 0;
    unsigned rowsChanged_ = 0; // the stocks of side 1 and 2, then their wastes
};

} // namespace tandrel
