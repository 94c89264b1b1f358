#pragma once
// The places that would take the card or run in hand, by the rules a drop
// asks: lit up while the player carries it.
#include <vector>

#include "engine/Places.h"
#include "input/Mouse.h"

namespace tandrel {

std::vector<TablePlace> DropTargets(const Game& g, const MouseState& m);

} // namespace tandrel
