#pragma once
// Hit tests: pure tests of the state and a point against the table's layout.
#include "engine/Game.h"
#include "engine/TableauPlays.h"

namespace tandrel {

int HitFoundation(Game& g, float x, float y);                 // 0..4, leaves DragRect
int HitTableauTop(Game& g, float x, float y, int& pile);       // top code or 0, leaves DragRect
int HitTableauCard(Game& g, float x, float y, int pile);       // slot or 0, leaves DragRect
int OverFoundationRow(const Game& g);                          // 0..4

} // namespace tandrel
