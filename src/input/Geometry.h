#pragma once
// Hit tests: pure tests of the state and a point against the table's layout.
// Each gives the rectangle it hit in `hit`.
#include "engine/Game.h"

namespace tandrel {

int HitFoundation(const Game& g, float x, float y, Rect& hit);             // 0..4
int HitTableauTop(const Game& g, float x, float y, int& pile, Rect& hit);   // top code or 0
int HitTableauCard(const Game& g, float x, float y, int pile, Rect& hit);  // slot or 0
int OverFoundationRow(const Rect& dragRect);                                // 0..4

} // namespace tandrel
