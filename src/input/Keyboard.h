#pragma once
// The table played from the keyboard: a focus that moves between the places a
// player acts on. Acting there is the table's (show/PlayerKeys.h).
#include <array>

#include "engine/Places.h"

namespace tandrel {

enum class TableKey { Left, Right, Up, Down, Next, Previous, Act, Back };

// Every place the focus can reach, in the order Tab goes round them, which is
// the order of a turn (flip, play, end) and the order a screen reader reads them.
inline constexpr std::array<TablePlace, 12> TabOrder{
    TablePlace{PlaceKind::PlayerStock},   TablePlace{PlaceKind::PlayerWaste},  TablePlace{PlaceKind::Pile, 1},
    TablePlace{PlaceKind::Pile, 2},       TablePlace{PlaceKind::Pile, 3},      TablePlace{PlaceKind::Pile, 4},
    TablePlace{PlaceKind::Foundation, 1}, TablePlace{PlaceKind::Foundation, 2}, TablePlace{PlaceKind::Foundation, 3},
    TablePlace{PlaceKind::Foundation, 4}, TablePlace{PlaceKind::ComputerWaste}, TablePlace{PlaceKind::ScoreBoard}};

struct KeyboardState {
    TablePlace focus{PlaceKind::PlayerStock};
    bool shown = false; // the focus shows once a key is used, until the mouse is
};

// Where a key moves the focus; keys that act leave it where it is. With a card
// in hand, Up and Down go from row to row instead of walking a pile's cards.
TablePlace FocusAfter(const Game& g, const TablePlace& focus, TableKey key, bool holding);

} // namespace tandrel
