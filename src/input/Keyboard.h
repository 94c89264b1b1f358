#pragma once
// The table played from the keyboard: a focus that moves between the places a
// player acts on, and a key that acts there as the mouse would. Every act goes
// through the mouse's own handlers, so the rules and the table are the same.
#include "engine/Places.h"
#include "input/Mouse.h"

namespace tandrel {

enum class TableKey { Left, Right, Up, Down, Next, Previous, Act, Back };

struct KeyboardState {
    TablePlace focus{PlaceKind::PlayerStock};
    bool shown = false; // the focus shows once a key is used, until the mouse is
};

// Moves the focus, or acts on the focused place: a click there, or a card
// picked up, or the card in hand dropped there (Back puts it home).
void Form_KeyDown(Game& g, MouseState& m, KeyboardState& k, TableKey key);

} // namespace tandrel
