#pragma once
// The mouse's own state and what a press, a drop or a right-click means by
// the rules: a move, or nothing. Showing it is the table's.
#include <optional>

#include "engine/Move.h"

namespace tandrel {

enum MouseButton { LeftButton = 1, RightButton = 2 };

// Where the press began: 0 none, 1..4 a tableau pile, the player's waste,
// a foundation (9..12 for foundation 1..4), a right-button press.
enum PressSource { WasteSource = 8, FirstFoundationSource = 8, RightPress = 25 };

struct MouseState {
    bool DragFromWaste = false;
    bool DragFromTableau = false;
    bool DragFromFoundation = false;
    int DragSource = 0;
    float GrabOffsetX = 0, GrabOffsetY = 0;
    float LastMouseX = 0, LastMouseY = 0;

    // The cards in hand: the first card, the run lifted (pile and slots), and
    // where their picture lies now and was lifted from.
    int DragCard = 0;
    int PickPile = 0, PickFirst = 0, PickLast = 0;
    Rect DragRect;
    Rect PickupRect;
    int DragWidth = OneCardDragWidth;
    int DragHeight = 0;

    bool Dragging() const { return DragFromWaste || DragFromTableau || DragFromFoundation; }
    int Foundation() const { return DragFromFoundation ? DragSource - FirstFoundationSource : 0; }
};

// What releasing the cards in hand plays, or nothing (they go home).
std::optional<Move> DropMove(const Game& g, const MouseState& m);
// A side's waste top to the first pile, else the foundation, that takes it.
std::optional<Move> WasteTopPlay(const Game& g, int side);
// The right-click on the player's waste: a play, or else a load onto the computer's waste.
std::optional<Move> WasteAutoMove(const Game& g);
// The right-click on pile p at (x, y): the top card to its foundation when the
// point is on it, else the run under the point onto the first other pile that takes it.
std::optional<Move> AutoPlayMove(const Game& g, int p, float x, float y);

} // namespace tandrel
