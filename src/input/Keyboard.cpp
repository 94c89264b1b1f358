#include "input/Keyboard.h"

#include <algorithm>

namespace tandrel {

namespace {

constexpr TablePlace Stock{PlaceKind::PlayerStock}, Waste{PlaceKind::PlayerWaste};
constexpr TablePlace TheirWaste{PlaceKind::ComputerWaste}, Board{PlaceKind::ScoreBoard};

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
    case PlaceKind::Foundation: return i > FoundationCount ? TheirWaste : FoundationAt(std::max(1, i));
    case PlaceKind::Pile: return i > PileCount ? Board : PileAt(std::max(1, i));
    case PlaceKind::ComputerWaste: return step < 0 ? FoundationAt(FoundationCount) : at;
    case PlaceKind::ScoreBoard: return step < 0 ? PileAt(PileCount) : at;
    case PlaceKind::PlayerStock: return step < 0 ? PileAt(PileCount) : Waste;
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

} // namespace

TablePlace FocusAfter(const Game& g, const TablePlace& focus, TableKey key, bool holding)
{
    switch (key) {
    case TableKey::Left: return Sideways(focus, -1);
    case TableKey::Right: return Sideways(focus, 1);
    case TableKey::Up: return Vertical(g, focus, -1, holding);
    case TableKey::Down: return Vertical(g, focus, 1, holding);
    case TableKey::Next: return Tabbed(focus, 1);
    case TableKey::Previous: return Tabbed(focus, -1);
    case TableKey::Act:
    case TableKey::Back: break;
    }
    return focus;
}

} // namespace tandrel
