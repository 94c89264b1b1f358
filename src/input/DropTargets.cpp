#include "input/DropTargets.h"

#include "engine/Moves.h"

namespace tandrel {

std::vector<TablePlace> DropTargets(const Game& g, const MouseState& m)
{
    std::vector<TablePlace> places;
    if (!m.Dragging()) return places;
    const int card = m.DragCard;
    // A run goes home only when it is the pile's top card alone.
    const bool homeward = m.DragFromWaste || (m.DragFromTableau && card == PileTop(g, m.DragSource));
    if (homeward)
        if (const int f = FoundationFor(g, card)) places.push_back(FoundationAt(f));
    for (int q = 1; q <= PileCount; ++q)
        if (!(m.DragFromTableau && q == m.DragSource) && FitsTableau(g, card, q)) places.push_back(PileAt(q));
    const int top = g.WasteCount(2) >= 1 ? g.Waste(2, g.WasteCount(2)) : 0;
    if (m.DragFromWaste && g.WasteCount(2) < HandSlots && FitsOpponentWaste(card, top))
        places.push_back({PlaceKind::ComputerWaste});
    return places;
}

} // namespace tandrel
