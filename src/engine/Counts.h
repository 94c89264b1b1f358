#pragma once
// Counts of games (won, lost, dealt) are 16-bit in the settings file; they stop
// at the top instead of wrapping round to a negative count.
namespace tandrel {

inline constexpr int MaxGameCount = 32767;

// The count after one more game.
constexpr int CountOneMore(int count)
{
    return count < 0 ? 1 : count >= MaxGameCount ? MaxGameCount : count + 1;
}

} // namespace tandrel
