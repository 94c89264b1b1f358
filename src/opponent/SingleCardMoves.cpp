// The computer's tableau tops to the foundations; its waste-top moves are the
// rules' own (engine/WasteMoves.cpp), shared with the player's right-click.

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/ShowMove.h"
#include "opponent/Computer.h"

namespace tandrel {

namespace {

// Takes pile p's top card t up to foundation f, showing the card below it, or
// the back of the next face-down card, or the bare table.
void RaiseTableauTop(Game& g, int p, int t, int f)
{
    TableView& v = *g.view;
    const int x = g.TableauTop(p, TopX), y = g.TableauTop(p, TopY);
    ShowComputerMove(
        g, t, Place{x, y},
        [&] {
            RemoveTableauTop(g, p);
            v.RestoreBackground(Surface::TableBuffer, x, y, CardWidth, CardHeight);
            const int top = g.TableauTop(p, TopCard), newY = g.TableauTop(p, TopY);
            if (top == TurnUpPending)
                v.DrawCard(Surface::TableBuffer, x, newY, g.cfg.CardBack);
            else if (IsCard(top))
                v.DrawCard(Surface::TableBuffer, x, newY, top);
            return Place{x, newY};
        },
        Place{FoundationX(f) - RaiseAimOffset, FoundationY - RaiseAimOffset}, FoundationPlace(f),
        [&] { PlaceOnFoundation(g, f, t); });
}

} // namespace

bool TableauToFoundation(Game& g, int side)
{
    (void)side; // the foundations and the tableau are shared
    bool moved = false;
    for (int p = 1; p <= 4; ++p) {
        const int t = g.TableauTop(p, TopCard);
        if (!IsCard(t)) continue;
        const int f = FoundationFor(g, t);
        if (f == 0) continue;
        RaiseTableauTop(g, p, t, f);
        moved = true;
        if (g.TableauTop(p, TopCard) == TurnUpPending) {
            ComputerPause(g);
            TurnUpPile(g, p);
        }
    }
    return moved;
}

} // namespace tandrel
