#pragma once
// The table played from the keyboard: a focus that moves between the places a
// player acts on. Acting there is the table's (show/PlayerKeys.h).
#include "engine/Places.h"

namespace tandrel {

enum class TableKey { Left, Right, Up, Down, Next, Previous, Act, Back };

struct KeyboardState {
    TablePlace focus{PlaceKind::PlayerStock};
    bool shown = false; // the focus shows once a key is used, until the mouse is
};

// Where a key moves the focus; keys that act leave it where it is. With a card
// in hand, Up and Down go from row to row instead of walking a pile's cards.
TablePlace FocusAfter(const Game& g, const TablePlace& focus, TableKey key, bool holding);

} // namespace tandrel
