#pragma once
// The keys acting on the table: a key moves the focus (input/Keyboard.h) or
// acts on the focused place through the mouse's own handlers, so the rules and
// the pictures are those of the mouse.
#include "input/Keyboard.h"
#include "input/Mouse.h"

namespace tandrel {

// Moves the focus, or acts on the focused place: a click there, or a card
// picked up, or the card in hand dropped there (Back puts it home).
void Form_KeyDown(Game& g, MouseState& m, KeyboardState& k, TableKey key);

} // namespace tandrel
