#pragma once
// Counts of games (won, lost, dealt) are 16-bit in the settings file; they stop
// at the top instead of wrapping round to a negative count.
#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/Settings.h"

namespace tandrel {

inline constexpr int MaxGameCount = 32767;

// The count after one more game.
constexpr int CountOneMore(int count)
{
    return count < 0 ? 1 : count >= MaxGameCount ? MaxGameCount : count + 1;
}

inline constexpr std::size_t LevelCount = 4; // Beginner .. Master

// A player's figures besides the plain win and loss counts.
struct Statistics {
    std::array<int, LevelCount> WinsAt{};   // by the computer's level the game was played at
    std::array<int, LevelCount> LossesAt{};
    int Streak = 0;                         // games won since the last loss
    int LongestStreak = 0;

    bool operator==(const Statistics&) const = default;
};

// One finished game, won or lost, at the computer's level.
constexpr void CountGameEnd(Statistics& s, Level level, bool won)
{
    const auto at = static_cast<std::size_t>(level);
    if (won) {
        if (at < LevelCount) s.WinsAt[at] = CountOneMore(s.WinsAt[at]);
        s.Streak = CountOneMore(s.Streak);
        s.LongestStreak = std::max(s.LongestStreak, s.Streak);
    } else {
        if (at < LevelCount) s.LossesAt[at] = CountOneMore(s.LossesAt[at]);
        s.Streak = 0;
    }
}

} // namespace tandrel
