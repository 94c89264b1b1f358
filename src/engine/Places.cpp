#include "engine/Places.h"

#include "engine/Cards.h"

namespace tandrel {

int SlotOf(const Game& g, const TablePlace& place)
{
    if (place.kind != PlaceKind::Pile) return 0;
    const int k = FaceUpCount(g, place.index);
    return place.slot >= 1 && place.slot <= k ? place.slot : k;
}

Rect PlaceRect(const Game& g, const TablePlace& place)
{
    switch (place.kind) {
    case PlaceKind::PlayerStock: return RectAt(StockX, HandRowY(1), CardWidth + 2 * StockDepthStep, CardHeight);
    case PlaceKind::PlayerWaste: return RectAt(WasteTopX(g, 1), HandRowY(1), CardWidth, CardHeight);
    case PlaceKind::ComputerWaste: return RectAt(WasteTopX(g, 2), HandRowY(2), CardWidth, CardHeight);
    case PlaceKind::Foundation: return FoundationRect(place.index);
    case PlaceKind::ScoreBoard: return ScoreBoardArea;
    case PlaceKind::Pile: {
        // The top lies where the pile says; the cards under it by the pile's step, as the hit test reads them.
        const int p = place.index, k = FaceUpCount(g, p), fd = g.TableauFaceDown(p);
        if (k == 0) return RectAt(PileX(p), fd > 0 ? FaceDownY(fd) : TableauY, CardWidth, CardHeight);
        const long top = PileTopY(g, p);
        return {PileX(p), top - FaceUpStep * (k - SlotOf(g, place)), PileX(p) + CardWidth, top + CardHeight};
    }
    case PlaceKind::None: break;
    }
    return {};
}

} // namespace tandrel
