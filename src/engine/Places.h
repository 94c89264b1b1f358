#pragma once
// The places a player acts on, named rather than hit by a point: the keyboard
// moves between them, drops and hints point at them, and each has the
// rectangle the table shows it in now.
#include "engine/Game.h"

namespace tandrel {

enum class PlaceKind { None, PlayerStock, PlayerWaste, Pile, Foundation, ComputerWaste, ScoreBoard };

// index: the pile or foundation (1..4). slot: a face-up card of a pile, 0 for
// its top (or its waiting back, or the empty place).
struct TablePlace {
    PlaceKind kind = PlaceKind::None;
    int index = 0;
    int slot = 0;
    bool operator==(const TablePlace&) const = default;
};

inline TablePlace PileAt(int p, int slot = 0) { return {PlaceKind::Pile, p, slot}; }
inline TablePlace FoundationAt(int f) { return {PlaceKind::Foundation, f, 0}; }

// The slot a place means now: a pile's top for 0 or a slot no longer there.
int SlotOf(const Game& g, const TablePlace& place);
// What the place shows: a card (and on a pile everything above it), a waiting
// back, an empty place, a panel.
Rect PlaceRect(const Game& g, const TablePlace& place);

} // namespace tandrel
