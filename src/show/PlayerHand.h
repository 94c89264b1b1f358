#pragma once
// The player's mouse on the table: picking cards up, carrying them, dropping
// them, clicks on the stock and on waiting cards, double-clicks and the
// right-click. What a press or a drop means comes from input/ as a move; this
// is where it is carried out and shown.
#include "input/Mouse.h"

namespace tandrel {

void Form_MouseDown(Game& g, MouseState& m, int button, float x, float y);
void Form_MouseMove(Game& g, MouseState& m, float x, float y);
void Form_MouseUp(Game& g, MouseState& m);
void Form_Click(Game& g, MouseState& m);
void Form_DblClick(Game& g, MouseState& m);
// A drag that will never see its release (the window lost the mouse): the cards go home.
void CancelDrag(Game& g, MouseState& m);
// The score-board press: refuse with "You must flip a card." or hand over to the computer.
void EndPlayerTurn(Game& g);

} // namespace tandrel
