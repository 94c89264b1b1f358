#pragma once
// Whether two positions are the same for the player: every card in the same
// place, the same counts and tops. The stock is compared as the cards still to
// come in their order, because a flip taken back may put them in other slots.
#include <gtest/gtest.h>

#include "engine/Game.h"

namespace tandrel::testing {

::testing::AssertionResult SamePosition(const Game& a, const Game& b);

} // namespace tandrel::testing
