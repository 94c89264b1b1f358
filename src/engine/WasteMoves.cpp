// A side's waste top played by the rules' own choice of target: onto a
// tableau pile or a foundation, or onto the other side's waste. The computer
// plays its waste this way, and so does the player's right-click.
#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/ShowMove.h"
#include "engine/Slide.h"

namespace tandrel {

namespace {

int WasteTop(const Game& g, int side) { return g.Waste(side, g.WasteCount(side)); }

// The side's waste top slides to slideTo and lands at drawAt; putOn() lays it
// on its target in the state, and the side holds one card fewer.
template <class PutOn>
void SlideWasteTop(Game& g, int side, int card, Place slideTo, Place drawAt, PutOn&& putOn)
{
    const Place from = WasteTopPlace(g, side);
    g.DragCard = card;
    ShowComputerMove(
        g, card, from,
        [&] {
            RemoveWasteTop(g, side);
            return from;
        },
        slideTo, drawAt,
        [&] {
            putOn();
            LowerWasteFan(g, side);
            --g.CardsLeft(side);
        });
    g.DragCard = 0;
}

void PlayWasteTopToPile(Game& g, int side, int card, int q)
{
    const int x = g.TableauTop(q, TopX), y = g.TableauTop(q, TopY);
    SlideWasteTop(g, side, card, Place{x - WasteToPileAim, y + WasteToPileAim}, Place{x, y + FaceUpStep}, [&] {
        LayOnPile(g, q, card);
    });
}

void PlayWasteTopToFoundation(Game& g, int side, int card, int f)
{
    SlideWasteTop(g, side, card, FoundationPlace(f), FoundationPlace(f), [&] {
        PlaceOnFoundation(g, f, card);
    });
}

} // namespace

bool PlayWasteTop(Game& g, int side)
{
    if (g.WasteCount(side) < 1) return false;
    const int w = WasteTop(g, side);
    if (!IsCard(w)) return false;
    for (int q = 1; q <= 4; ++q) {
        if (FitsTableau(g, w, q)) {
            PlayWasteTopToPile(g, side, w, q);
            return true;
        }
    }
    const int f = FoundationFor(g, w);
    if (f == 0) return false;
    PlayWasteTopToFoundation(g, side, w, f);
    return true;
}

bool LoadOpponentWaste(Game& g, int side, bool unchecked)
{
    const int o = OtherSide(side);
    // Undo gives a loaded card back even when the load had emptied the waste it came from.
    if (g.WasteCount(side) < 1 || (g.WasteCount(o) < 1 && !unchecked)) return false;
    const int w = WasteTop(g, side);
    if (!IsCard(w)) return false;
    if (!unchecked && !FitsOpponentWaste(w, WasteTop(g, o))) return false;
    if (g.WasteCount(o) >= 42) return false; // no slot left above the opponent's top

    const Place to = WasteTopPlace(g, o);
    SlideWasteTop(g, side, w, to, to, [&] {
        TakeOnWaste(g, o, w);
        ++g.CardsLeft(o);
        g.FlippedCard = 0;
    });
    return true;
}

} // namespace tandrel
