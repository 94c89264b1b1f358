#pragma once
// Where everything lies on the table: pure tests of the state and a point.
#include "engine/Game.h"

namespace tandrel {

int HitFoundation(Game& g, float x, float y);                 // 0..4, leaves DragRect
int HitTableauTop(Game& g, float x, float y, int& pile);       // top code or 0, leaves DragRect
int HitTableauCard(Game& g, float x, float y, int pile);       // slot or 0, leaves DragRect
int OverFoundationRow(const Game& g);                          // 0..4
int PileColumnAt(float x);                                     // 1..4 for the column ranges, else 0
Rect PileTopRect(const Game& g, int p);                        // top card's 71 x 95 rectangle
int TopSlot(const Game& g, int p);                             // slot of the pile's top card, 0 if none

} // namespace tandrel
