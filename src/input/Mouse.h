#pragma once
// The table's mouse handlers: picking cards up, dragging them, dropping them,
// clicks on the stock and on face-down cards, and double-clicks.
#include "engine/Game.h"

namespace tandrel {

enum MouseButton { LeftButton = 1, RightButton = 2 };

// Where the press began: 0 none, 1..4 a tableau pile, 8 the player's waste,
// 9..12 foundation 1..4, 25 a right-button press.
enum PressSource { WasteSource = 8, FoundationSource = 8, RightPress = 25 };
struct MouseState {
    bool DragFromWaste = false;
    bool DragFromTableau = false;
    bool DragFromFoundation = false;
    int DragSource = 0;
    float GrabOffsetX = 0, GrabOffsetY = 0;
    float LastMouseX = 0, LastMouseY = 0;

    bool Dragging() const { return DragFromWaste || DragFromTableau || DragFromFoundation; }
};

void Form_MouseDown(Game& g, MouseState& m, int button, float x, float y);
void Form_MouseMove(Game& g, MouseState& m, float x, float y);
void Form_MouseUp(Game& g, MouseState& m, int button, float x, float y);
void Form_Click(Game& g, MouseState& m);
void Form_DblClick(Game& g, MouseState& m);
// A drag that will never see its release (the window lost the mouse): the cards go home.
void CancelDrag(Game& g, MouseState& m);

int PickUpTableau(Game& g, float x, float y, int pile, float& offsetX, float& offsetY);
void PickUpFoundation(Game& g, int f, float x, float y);

} // namespace tandrel
