// The computer's tableau tactics: moving whole runs between piles, taking a
// card back down from a foundation so a run or the waste top can follow it,
// and digging out a buried card that a foundation waits for.
#include <algorithm>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/ShowMove.h"
#include "engine/TableauPlays.h"
#include "opponent/Computer.h"
#include "opponent/Levels.h"
#include "opponent/TableauReads.h"

namespace tandrel {

using namespace tactics;

namespace {

// Pause, play the run from slot j of pile p, pause.
void PlayRunFrom(Game& g, int p, int j)
{
    ComputerPause(g);
    AutoPlayRun(g, p, j);
    ComputerPause(g);
}

// Pause, turn up pile p's waiting card, pause; false when nothing waits.
bool TurnUpAfterRun(Game& g, int p)
{
    if (!WaitsForTurnUp(g, p)) return false;
    ComputerPause(g);
    TurnUpPile(g, p);
    ComputerPause(g);
    return true;
}

} // namespace

bool ShiftTableauRuns(Game& g, int side)
{
    if (!LevelAllows(g, Tactic::ShiftTableauRuns)) return false;
    bool result = false;
    const bool kingWaiting = KingWaiting(g);
    PileTops tops(g);
    for (int p = 1; p <= 4; ++p) {
        const int b = g.Tableau(p, 1);
        g.DragCard = b;
        const int colorB = ColorClass(b), rankB = CardRank(b);
        for (int q = 1; q <= 4; ++q) {
            if (tops.color[q] == colorB) continue;
            if (tops.top[q] == EmptyPileCode) {
                // A king over face-down cards moves to the empty pile to free them.
                if (rankB == 13 && g.TableauFaceDown(p) > 0) {
                    PlayRunFrom(g, p, 1);
                    if (TurnUpAfterRun(g, p)) result = true;
                    tops.Read(g);
                }
            } else if (tops.rank[q] != rankB + 1) {
                continue;
            } else if (g.TableauFaceDown(p) == 0) {
                // Empty pile p to make room for a king the side can place.
                if (KingToPlace(g, side, kingWaiting) && !AnyPileEmpty(g)) {
                    PlayRunFrom(g, p, 1);
                    result = true;
                    TurnUpAfterRun(g, p);
                    tops.Read(g);
                }
            } else {
                PlayRunFrom(g, p, 1);
                if (TurnUpAfterRun(g, p)) result = true;
                tops.Read(g);
            }
        }
    }
    return result;
}

void LowerFoundationCard(Game& g, int f, int r)
{
    const int card = g.Foundation(f, FoundTop);
    const Place from = FoundationPlace(f);
    const int x = g.TableauTop(r, TopX), y = g.TableauTop(r, TopY);
    ComputerPause(g);
    ShowComputerMove(
        g, card, from,
        [&] {
            --g.Foundation(f, FoundTop);
            g.view->DrawCard(Surface::TableBuffer, from.x, from.y, FoundationTopCard(g, f));
            return from;
        },
        Place{x, y + LoweredCardAim}, Place{x, y + FaceUpStep},
        [&] {
            LayOnPile(g, r, card);
        });
    ComputerPause(g);
}

bool LowerFoundationForRun(Game& g, int side)
{
    if (!LevelAllows(g, Tactic::LowerFoundationForRun)) return false;
    // A run led by b over face-down cards could follow onto t if the card
    // between them came down.
    const PileTops tops(g);
    int b = 0, t = 0;
    for (int p = 1; p <= 4 && t == 0; ++p) {
        if (g.TableauFaceDown(p) <= 0) continue;
        const int lead = g.Tableau(p, 1);
        const int color = ColorClass(lead), rank = CardRank(lead) + 2;
        for (int q = 1; q <= 4; ++q) {
            if (tops.color[q] == color && tops.rank[q] == rank) {
                b = lead;
                t = tops.top[q];
                break;
            }
        }
    }
    if (t == 0 || IsAce(t) || IsAce(b)) return false;

    int f = 0;
    for (int i = 1; i <= 4 && f == 0; ++i) {
        const int top = g.Foundation(i, FoundTop);
        // The foundation's card, once down, would go on t.
        if (!IsAce(top) && GoesOnCard(top, t)) f = i;
    }
    if (f == 0 || CardRank(g.Foundation(f, FoundTop)) < 3) return false;

    const int r = FirstPileTaking(g, g.Foundation(f, FoundTop));
    if (r != 0) LowerFoundationCard(g, f, r);
    const bool result = ShiftTableauRuns(g, side);
    g.view->ScoreBoard(false);
    ComputerPause(g);
    return result;
}

bool LowerFoundationForWaste(Game& g, int side)
{
    if (!LevelAllows(g, Tactic::LowerFoundationForWaste)) return false;
    if (g.WasteCount(side) < 1) return false;
    const int w = g.Waste(side, g.WasteCount(side));
    for (int i = 1; i <= 4; ++i)
        if (w - g.Foundation(i, FoundTop) == 1) return false; // it fits a foundation as it is

    // The last foundation looked at decides the rank test when none takes w.
    int f = 0, top = 0;
    for (int i = 1; i <= 4 && f == 0; ++i) {
        top = g.Foundation(i, FoundTop);
        if (!IsAce(top) && GoesOnCard(w, top)) f = i;
    }
    if (CardRank(top) < 3) return false;
    if (f != 0) {
        const int r = FirstPileTaking(g, top);
        if (r != 0) LowerFoundationCard(g, f, r);
    }
    const bool result = PlayWasteTop(g, side);
    g.view->ScoreBoard(false);
    ComputerPause(g);
    return result;
}

void UncoverFoundationCard(Game& g, int side)
{
    (void)side; // the foundations and the tableau are shared
    if (!LevelAllows(g, Tactic::UncoverFoundationCard)) return;
    // The card each foundation waits for; those showing only an ace are left alone.
    int wanted[5] = {0, 0, 0, 0, 0};
    bool any = false;
    for (int f = 1; f <= 4; ++f) {
        const int top = g.Foundation(f, FoundTop);
        if (CardRank(top) <= 1 || !IsCard(top + 1)) continue;
        wanted[f] = top + 1;
        any = true;
    }
    if (!any) return;
    const TableauIndex where = IndexTableau(g);
    for (int f = 1; f <= 4; ++f) {
        const int k = wanted[f];
        if (k == 0 || where.pile[k] == 0) continue;
        const int p = where.pile[k], s = where.slot[k];
        // The card lying on k leads the run to move. With none (k is the top),
        // a pile topped by an ace answers the rank test, and k itself is played.
        const int a = s < 12 ? g.Tableau(p, s + 1) : 0;
        for (int q = 1; q <= 4; ++q) {
            const int top = g.TableauTop(q, TopCard);
            if (a == 0 ? CardRank(top) == 1 && IsCard(top) : FitsTableau(g, a, q)) {
                PlayRunFrom(g, p, std::min(s + 1, TopSlot(g, p)));
                return;
            }
        }
    }
}

} // namespace tandrel
