#pragma once
// What a side may know of a position, and the rest dealt afresh. Everything
// face up is known (both wastes whole, since every waste card was seen when it
// came there; the tableau's face-up cards; the foundations), and every count;
// the face-down tableau cards and the order of both stocks are not.
#include <cstdint>

#include "engine/Game.h"

namespace tandrel {

// A key of the position as a player sees it: equal for two positions that
// differ only in their hidden cards. It leaves out how often the stocks went round.
std::uint64_t VisibleKey(const Game& g);

// Gives the face-down tableau cards and the cards of both stocks a fresh random
// order among themselves, drawn from seed; the rest of the game stays.
void DealUnseen(Game& g, std::uint64_t seed);

// A small fast generator with a fixed sequence on every platform.
struct SplitMix {
    std::uint64_t state;
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
};

} // namespace tandrel
