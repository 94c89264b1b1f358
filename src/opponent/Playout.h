#pragma once
// A short game played on from a position by the Expert on both sides, and how
// good its end looks for one side.
#include <optional>

#include "engine/Move.h"

namespace tandrel {

// Applies first (none: the side ends its turn now), lets the Expert finish the
// side's turn, then plays turns whole turns more, and scores the end for side:
// a win or loss outweighs any count of cards; otherwise the cards the other
// side holds less those the side holds.
int PlayOut(Game& sim, int side, const std::optional<Move>& first, int turns);

// The score of a won game; a lost one scores its negative.
constexpr int WinScore = 1000;

} // namespace tandrel
