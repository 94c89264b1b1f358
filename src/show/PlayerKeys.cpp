#include "show/PlayerKeys.h"

#include <algorithm>

#include "show/PlayerHand.h"

namespace tandrel {

namespace {

// Where a press acts on a place: inside the card's visible strip, clear of its edges.
constexpr long PressInset = 10;

void PressPoint(const Game& g, const TablePlace& place, float& x, float& y)
{
    const Rect r = PlaceRect(g, place);
    x = static_cast<float>(r.left + CardWidth / 2);
    y = static_cast<float>(r.top + PressInset);
}

// Where the card in hand is carried over a place (its picture's top left): on
// a pile where it would land, on the computer's full fan, on a foundation
// clear of the piles below, elsewhere on the place itself.
void CarryPoint(const Game& g, const MouseState& m, const TablePlace& place, long& left, long& top)
{
    const Rect r = PlaceRect(g, place);
    left = r.left;
    top = r.top;
    switch (place.kind) {
    case PlaceKind::Pile:
        left = PileX(place.index);
        top = PileTopY(g, place.index) + FaceUpStep;
        break;
    case PlaceKind::Foundation: top = std::min<long>(FoundationY, EmptyPileY - m.DragHeight); break;
    case PlaceKind::ComputerWaste:
        left = FullFanTopRect(2).left;
        top = FullFanTopRect(2).top;
        break;
    default: break;
    }
}

void Carry(Game& g, MouseState& m, const TablePlace& place)
{
    long left = 0, top = 0;
    CarryPoint(g, m, place, left, top);
    Form_MouseMove(g, m, static_cast<float>(left) + m.GrabOffsetX, static_cast<float>(top) + m.GrabOffsetY);
}

void Act(Game& g, MouseState& m, const TablePlace& place)
{
    if (m.Dragging()) {
        Carry(g, m, place);
        Form_MouseUp(g, m);
        Form_Click(g, m);
        return;
    }
    // A press on the computer's hand row would end the turn: nothing to act on there.
    if (place.kind == PlaceKind::ComputerWaste) return;
    float x = 0, y = 0;
    PressPoint(g, place, x, y);
    Form_MouseMove(g, m, x, y);
    Form_MouseDown(g, m, LeftButton, x, y);
    if (m.Dragging()) return; // held until the next act
    Form_MouseUp(g, m);
    Form_Click(g, m);
}

} // namespace

void Form_KeyDown(Game& g, MouseState& m, KeyboardState& k, TableKey key)
{
    if (g.ComputerBusy || g.FlipInProgress) return;
    // The first key only brings the focus into view, where it was left.
    if (!k.shown && key != TableKey::Back) {
        k.shown = true;
        return;
    }
    // The mouse keeps its own idea of where the pointer is.
    const float mouseX = m.LastMouseX, mouseY = m.LastMouseY;
    const bool holding = m.Dragging();
    const TablePlace to = FocusAfter(g, k.focus, key, holding);
    if (key == TableKey::Act) Act(g, m, k.focus);
    if (key == TableKey::Back && holding) CancelDrag(g, m);
    k.shown = true;
    if (!(to == k.focus)) {
        k.focus = to;
        if (holding) Carry(g, m, to);
    }
    if (!m.Dragging()) m.LastMouseX = mouseX, m.LastMouseY = mouseY;
}

} // namespace tandrel
