#include "input/Keyboard.h"

#include <algorithm>
#include <array>

namespace tandrel {

namespace {

constexpr TablePlace Stock{PlaceKind::PlayerStock}, Waste{PlaceKind::PlayerWaste};
constexpr TablePlace TheirWaste{PlaceKind::ComputerWaste}, Board{PlaceKind::ScoreBoard};

// Tab goes round in the order of a turn: flip, play, end.
constexpr std::array<TablePlace, 12> TabOrder{
    Stock, Waste, TablePlace{PlaceKind::Pile, 1}, TablePlace{PlaceKind::Pile, 2}, TablePlace{PlaceKind::Pile, 3},
    TablePlace{PlaceKind::Pile, 4}, TablePlace{PlaceKind::Foundation, 1}, TablePlace{PlaceKind::Foundation, 2},
    TablePlace{PlaceKind::Foundation, 3}, TablePlace{PlaceKind::Foundation, 4}, TheirWaste, Board};

TablePlace Tabbed(const TablePlace& at, int step)
{
    const TablePlace here{at.kind, at.index};
    const auto it = std::find(TabOrder.begin(), TabOrder.end(), here);
    const int i = it == TabOrder.end() ? 0 : static_cast<int>(it - TabOrder.begin());
    const int n = static_cast<int>(TabOrder.size());
    return TabOrder[static_cast<std::size_t>((i + step + n) % n)];
}

// The arrows follow the table's rows: foundations and the computer's waste,
// piles and the score board, the player's stock and waste.
TablePlace Sideways(const TablePlace& at, int step)
{
    const int i = at.index + step;
    switch (at.kind) {
    case PlaceKind::Foundation: return i > 4 ? TheirWaste : FoundationAt(std::max(1, i));
    case PlaceKind::Pile: return i > 4 ? Board : PileAt(std::max(1, i));
    case PlaceKind::ComputerWaste: return step < 0 ? FoundationAt(4) : at;
    case PlaceKind::ScoreBoard: return step < 0 ? PileAt(4) : at;
    case PlaceKind::PlayerStock: return step < 0 ? PileAt(4) : Waste;
    case PlaceKind::PlayerWaste: return step < 0 ? Stock : at;
    case PlaceKind::None: break;
    }
    return Stock;
}

// Up and Down also walk a pile's face-up cards, unless a card is in hand.
TablePlace Vertical(const Game& g, const TablePlace& at, int step, bool holding)
{
    switch (at.kind) {
    case PlaceKind::Foundation: return step > 0 ? PileAt(at.index) : at;
    case PlaceKind::Pile: {
        const int s = SlotOf(g, at), k = FaceUpCount(g, at.index);
        if (!holding && s + step >= 1 && s + step <= k) return PileAt(at.index, s + step);
        return step < 0 ? FoundationAt(at.index) : Stock;
    }
    case PlaceKind::ComputerWaste: return step > 0 ? Board : at;
    case PlaceKind::ScoreBoard: return step < 0 ? TheirWaste : Stock;
    case PlaceKind::PlayerStock:
    case PlaceKind::PlayerWaste: return step < 0 ? Board : at;
    case PlaceKind::None: break;
    }
    return Stock;
}

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
void CarryPoint(const Game& g, const TablePlace& place, long& left, long& top)
{
    const Rect r = PlaceRect(g, place);
    left = r.left;
    top = r.top;
    switch (place.kind) {
    case PlaceKind::Pile:
        left = PileX(place.index);
        top = g.TableauTop(place.index, TopY) + FaceUpStep;
        break;
    case PlaceKind::Foundation: top = std::min<long>(FoundationY, EmptyPileY - g.DragHeight); break;
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
    CarryPoint(g, place, left, top);
    Form_MouseMove(g, m, static_cast<float>(left) + m.GrabOffsetX, static_cast<float>(top) + m.GrabOffsetY);
}

void Act(Game& g, MouseState& m, const TablePlace& place)
{
    if (m.Dragging()) {
        Carry(g, m, place);
        Form_MouseUp(g, m, LeftButton, m.LastMouseX, m.LastMouseY);
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
    Form_MouseUp(g, m, LeftButton, x, y);
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
    TablePlace to = k.focus;
    switch (key) {
    case TableKey::Left: to = Sideways(k.focus, -1); break;
    case TableKey::Right: to = Sideways(k.focus, 1); break;
    case TableKey::Up: to = Vertical(g, k.focus, -1, holding); break;
    case TableKey::Down: to = Vertical(g, k.focus, 1, holding); break;
    case TableKey::Next: to = Tabbed(k.focus, 1); break;
    case TableKey::Previous: to = Tabbed(k.focus, -1); break;
    case TableKey::Act: Act(g, m, k.focus); break;
    case TableKey::Back:
        if (holding) CancelDrag(g, m);
        break;
    }
    k.shown = true;
    if (!(to == k.focus)) {
        k.focus = to;
        if (holding) Carry(g, m, to);
    }
    if (!m.Dragging()) m.LastMouseX = mouseX, m.LastMouseY = mouseY;
}

} // namespace tandrel
