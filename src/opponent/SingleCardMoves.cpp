// The computer's single-card moves: its waste top to a tableau pile or a
// foundation, its waste top onto the opponent's waste, and tableau tops to the
// foundations. The player's right-click on the waste uses the first two too.
#include <algorithm>
#include <string>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "opponent/Computer.h"
#include "opponent/Levels.h"
#include "opponent/ShowMove.h"

namespace tandrel {

namespace {

int WasteTop(const Game& g, int side) { return g.Waste(side, g.WasteCount(side)); }

void PlayWasteTopToPile(Game& g, int side, int card, int q)
{
    const Place from = WasteTopPlace(g, side);
    const int x = g.TableauTop(q, 2), y = g.TableauTop(q, 3);
    g.DragCard = card;
    ShowComputerMove(
        g, card, from,
        [&] {
            RemoveWasteTop(g, side);
            return from;
        },
        Place{x - 15, y + 15}, Place{x, y + 20},
        [&] {
            AddToTableau(g, q, card);
            g.TableauTop(q, 1) = card;
            g.TableauTop(q, 3) = y + 20;
            g.UndoRecord = "3" + std::to_string(q) + Digits(card, 2);
            LowerWasteFan(g, side);
            --g.CardsLeft(side);
        });
    g.DragCard = 0;
}

void PlayWasteTopToFoundation(Game& g, int side, int card, int f)
{
    const Place from = WasteTopPlace(g, side);
    g.DragCard = card;
    ShowComputerMove(
        g, card, from,
        [&] {
            RemoveWasteTop(g, side);
            return from;
        },
        FoundationPlace(f), FoundationPlace(f),
        [&] {
            PlaceOnFoundation(g, f, card);
            g.UndoRecord = "40" + std::to_string(f);
            LowerWasteFan(g, side);
            --g.CardsLeft(side);
        });
    g.DragCard = 0;
}

// Takes pile p's top card t up to foundation f, showing the card below it, or
// the back of the next face-down card, or the bare table.
void RaiseTableauTop(Game& g, int p, int t, int f)
{
    TableView& v = *g.view;
    const int x = g.TableauTop(p, 2), y = g.TableauTop(p, 3);
    ShowComputerMove(
        g, t, Place{x, y},
        [&] {
            RemoveTableauTop(g, p);
            v.RestoreBackground(Surface::TableBuffer, x, y, CardWidth, CardHeight);
            const int top = g.TableauTop(p, 1), newY = g.TableauTop(p, 3);
            if (top == TurnUpPending)
                v.DrawCard(Surface::TableBuffer, x, newY, g.cfg.CardBack);
            else if (IsCard(top))
                v.DrawCard(Surface::TableBuffer, x, newY, top);
            return Place{x, newY};
        },
        Place{FoundationX(f) - 5, 5}, FoundationPlace(f), [&] { PlaceOnFoundation(g, f, t); });
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
    if (side == 2 && !unchecked && !LevelAllows(g, MoveKind::LoadOpponentWaste)) return false;
    // Undo gives a loaded card back even when the load had emptied the waste it came from.
    if (g.WasteCount(side) < 1 || (g.WasteCount(o) < 1 && !unchecked)) return false;
    const int w = WasteTop(g, side);
    if (!IsCard(w)) return false;
    if (!unchecked && !FitsOpponentWaste(w, WasteTop(g, o))) return false;
    if (g.WasteCount(o) >= 42) return false; // no slot left above the opponent's top

    if (side == 1) g.UndoRecord = "6";
    const Place from = WasteTopPlace(g, side), to = WasteTopPlace(g, o);
    g.DragCard = w;
    ShowComputerMove(
        g, w, from,
        [&] {
            RemoveWasteTop(g, side);
            return from;
        },
        to, to,
        [&] {
            LowerWasteFan(g, side);
            TakeOnWaste(g, o, w);
            --g.CardsLeft(side);
            ++g.CardsLeft(o);
            g.FlippedCard = 0;
        });
    g.DragCard = 0;
    return true;
}

bool TableauToFoundation(Game& g, int side)
{
    (void)side; // the foundations and the tableau are shared
    bool moved = false;
    for (int p = 1; p <= 4; ++p) {
        const int t = g.TableauTop(p, 1);
        if (!IsCard(t)) continue;
        const int f = FoundationFor(g, t);
        if (f == 0) continue;
        RaiseTableauTop(g, p, t, f);
        moved = true;
        if (g.TableauTop(p, 1) == TurnUpPending) {
            ComputerPause(g);
            TurnUpCard(g, static_cast<float>(PileX(p) + 1),
                       static_cast<float>(121 + 5 * (g.TableauFaceDown(p) - 1)), p);
        }
    }
    return moved;
}

} // namespace tandrel
