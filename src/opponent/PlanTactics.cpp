// The computer's single-card moves and tableau tactics as parts of its plan:
// moving whole runs between piles, taking a card back down from a foundation
// so a run or the waste top can follow it, and digging out a buried card that
// a foundation waits for.
#include <algorithm>

#include "opponent/ComputerPlan.h"
#include "opponent/Levels.h"
#include "opponent/TableauReads.h"

namespace tandrel::plan {

using namespace tactics;

namespace {

// Pause, the run from slot j of pile p if it goes anywhere, pause; whether it went.
Steps PlayRunFrom(const Game& g, int side, int p, int j)
{
    co_yield Pause;
    const auto run = AutoPlayRun(g, side, p, j);
    if (run) co_yield *run;
    co_yield Pause;
    co_return run.has_value();
}

// Pause, pile p's waiting card turned up, pause; false when nothing waits.
Steps TurnUpAfterRun(const Game& g, int side, int p)
{
    if (!WaitsForTurnUp(g, p)) co_return false;
    co_yield Pause;
    co_yield TurnUpMove(side, p);
    co_yield Pause;
    co_return true;
}

// Foundation f's top card down onto pile r, between pauses.
Steps LowerFoundationCard(const Game& g, int side, int f, int r)
{
    co_yield Pause;
    co_yield Move{MoveKind::FoundationToPile, side, f, 0, r, g.Foundation(f, FoundTop)};
    co_yield Pause;
    co_return true;
}

} // namespace

std::optional<Move> PlayWasteTop(const Game& g, int side)
{
    if (g.WasteCount(side) < 1) return std::nullopt;
    const int w = g.Waste(side, g.WasteCount(side));
    if (!IsCard(w)) return std::nullopt;
    for (int q = 1; q <= PileCount; ++q)
        if (FitsTableau(g, w, q)) return Move{MoveKind::WasteToPile, side, 0, 0, q, w};
    const int f = FoundationFor(g, w);
    if (f == 0) return std::nullopt;
    return Move{MoveKind::WasteToFoundation, side, 0, 0, f, w};
}

// The level decides for either side: the player's own right-click may always
// load, but a side played by the computer loads only from Intermediate up.
std::optional<Move> ComputerLoads(const Game& g, int side)
{
    if (!LevelAllows(g, Tactic::LoadOpponentWaste) || g.WasteCount(side) < 1) return std::nullopt;
    const Move load{MoveKind::Load, side, 0, 0, 0, g.Waste(side, g.WasteCount(side))};
    if (!IsLegal(g, load)) return std::nullopt;
    return load;
}

std::optional<Move> AutoPlayRun(const Game& g, int side, int p, int j)
{
    const int k = FaceUpCount(g, p);
    if (j == k) {
        const int top = PileTop(g, p);
        if (const int f = FoundationFor(g, top)) return Move{MoveKind::PileToFoundation, side, p, 0, f, top};
    }
    if (j < 1 || k == 0 || j > k) return std::nullopt;
    const int card = g.Tableau(p, j);
    for (int q = 1; q <= PileCount; ++q)
        if (q != p && FitsTableau(g, card, q)) return Move{MoveKind::RunToPile, side, p, j, q, card};
    return std::nullopt;
}

// Every part below first looks for something to do and hands back a part with
// nothing to do when it finds none, which costs no coroutine frame: the search
// asks for every kind after every move, and most find nothing.

namespace {

Steps RaiseTableauTops(const Game& g, int side)
{
    bool moved = false;
    for (int p = 1; p <= PileCount; ++p) {
        const int t = PileTop(g, p);
        const int f = FoundationFor(g, t);
        if (f == 0) continue;
        co_yield Move{MoveKind::PileToFoundation, side, p, 0, f, t};
        moved = true;
        if (PileTop(g, p) == TurnUpPending) {
            co_yield Pause;
            co_yield TurnUpMove(side, p);
        }
    }
    co_return moved;
}

} // namespace

Steps TableauToFoundation(const Game& g, int side)
{
    for (int p = 1; p <= PileCount; ++p)
        if (FoundationFor(g, PileTop(g, p)) != 0) return RaiseTableauTops(g, side);
    return Steps(false);
}

namespace {

enum class Shift { None, KingToEmptyPile, MakeRoomForKing, FreeFaceDown };

// Whether the run of pile p, led by b when the shifting began, moves for pile q's top, and why.
Shift ShiftFor(const Game& g, int side, bool kingWaiting, const PileTops& tops, int p, int b, int q)
{
    if (tops.color[q] == ColorClass(b)) return Shift::None;
    if (tops.top[q] == EmptyPileCode) {
        // A king over face-down cards moves to the empty pile to free them.
        return CardRank(b) == 13 && g.TableauFaceDown(p) > 0 ? Shift::KingToEmptyPile : Shift::None;
    }
    if (tops.rank[q] != CardRank(b) + 1) return Shift::None;
    // Empty pile p to make room for a king the side can place.
    if (g.TableauFaceDown(p) == 0)
        return KingToPlace(g, side, kingWaiting) && !AnyPileEmpty(g) ? Shift::MakeRoomForKing : Shift::None;
    return Shift::FreeFaceDown;
}

// All sixteen pairs of piles in turn, the tops read again after every move.
Steps ShiftRuns(const Game& g, int side, bool kingWaiting)
{
    bool result = false;
    PileTops tops(g);
    for (int p = 1; p <= PileCount; ++p) {
        const int b = g.Tableau(p, 1);
        for (int q = 1; q <= PileCount; ++q) {
            const Shift shift = ShiftFor(g, side, kingWaiting, tops, p, b, q);
            if (shift == Shift::None) continue;
            co_await PlayRunFrom(g, side, p, 1);
            if (co_await TurnUpAfterRun(g, side, p) || shift == Shift::MakeRoomForKing) result = true;
            tops.Read(g);
        }
    }
    co_return result;
}

} // namespace

Steps ShiftTableauRuns(const Game& g, int side)
{
    if (!LevelAllows(g, Tactic::ShiftTableauRuns)) return Steps(false);
    const bool kingWaiting = KingWaiting(g);
    const PileTops tops(g);
    for (int p = 1; p <= PileCount; ++p) {
        const int b = g.Tableau(p, 1);
        for (int q = 1; q <= PileCount; ++q)
            if (ShiftFor(g, side, kingWaiting, tops, p, b, q) != Shift::None) return ShiftRuns(g, side, kingWaiting);
    }
    return Steps(false);
}

namespace {

// Foundation f's top down onto the first pile that takes it, if one does; then the runs.
Steps LowerForRun(const Game& g, int side, int f)
{
    const int r = FirstPileTaking(g, g.Foundation(f, FoundTop));
    if (r != 0) co_await LowerFoundationCard(g, side, f, r);
    const bool result = co_await ShiftTableauRuns(g, side);
    co_yield Pause;
    co_return result;
}

} // namespace

Steps LowerFoundationForRun(const Game& g, int side)
{
    if (!LevelAllows(g, Tactic::LowerFoundationForRun)) return Steps(false);
    // A run led by b over face-down cards could follow onto t if the card
    // between them came down.
    const PileTops tops(g);
    int b = 0, t = 0;
    for (int p = 1; p <= PileCount && t == 0; ++p) {
        if (g.TableauFaceDown(p) <= 0) continue;
        const int lead = g.Tableau(p, 1);
        const int color = ColorClass(lead), rank = CardRank(lead) + 2;
        for (int q = 1; q <= PileCount; ++q) {
            if (tops.color[q] == color && tops.rank[q] == rank) {
                b = lead;
                t = tops.top[q];
                break;
            }
        }
    }
    if (t == 0 || IsAce(t) || IsAce(b)) return Steps(false);

    int f = 0;
    for (int i = 1; i <= FoundationCount && f == 0; ++i) {
        const int top = g.Foundation(i, FoundTop);
        // The foundation's card, once down, would go on t.
        if (!IsAce(top) && GoesOnCard(top, t)) f = i;
    }
    if (f == 0 || CardRank(g.Foundation(f, FoundTop)) < 3) return Steps(false);
    return LowerForRun(g, side, f);
}

namespace {

// Foundation f's top (none when f is 0) down onto the first pile that takes it; then the waste top.
Steps LowerForWaste(const Game& g, int side, int f, int top)
{
    if (f != 0) {
        const int r = FirstPileTaking(g, top);
        if (r != 0) co_await LowerFoundationCard(g, side, f, r);
    }
    const auto waste = PlayWasteTop(g, side);
    if (waste) co_yield *waste;
    co_yield Pause;
    co_return waste.has_value();
}

} // namespace

Steps LowerFoundationForWaste(const Game& g, int side)
{
    if (!LevelAllows(g, Tactic::LowerFoundationForWaste)) return Steps(false);
    if (g.WasteCount(side) < 1) return Steps(false);
    const int w = g.Waste(side, g.WasteCount(side));
    for (int i = 1; i <= FoundationCount; ++i)
        if (w - g.Foundation(i, FoundTop) == 1) return Steps(false); // it fits a foundation as it is

    // The last foundation looked at decides the rank test when none takes w.
    int f = 0, top = 0;
    for (int i = 1; i <= FoundationCount && f == 0; ++i) {
        top = g.Foundation(i, FoundTop);
        if (!IsAce(top) && GoesOnCard(w, top)) f = i;
    }
    if (CardRank(top) < 3) return Steps(false);
    return LowerForWaste(g, side, f, top);
}

Steps UncoverFoundationCard(const Game& g, int side)
{
    if (!LevelAllows(g, Tactic::UncoverFoundationCard)) return Steps(false);
    // The card each foundation waits for; those showing only an ace are left alone.
    int wanted[FoundationCount + 1] = {};
    bool any = false;
    for (int f = 1; f <= FoundationCount; ++f) {
        const int top = g.Foundation(f, FoundTop);
        if (CardRank(top) <= 1 || !IsCard(top + 1)) continue;
        wanted[f] = top + 1;
        any = true;
    }
    if (!any) return Steps(false);
    const TableauIndex where = IndexTableau(g);
    for (int f = 1; f <= FoundationCount; ++f) {
        const int k = wanted[f];
        if (k == 0 || where.pile[k] == 0) continue;
        const int p = where.pile[k], s = where.slot[k];
        // The card lying on k leads the run to move. With none (k is the top),
        // a pile topped by an ace answers the rank test, and k itself is played.
        const int a = s < PileSlots ? g.Tableau(p, s + 1) : 0;
        for (int q = 1; q <= PileCount; ++q) {
            const int top = PileTop(g, q);
            if (a == 0 ? CardRank(top) == 1 && IsCard(top) : FitsTableau(g, a, q))
                return PlayRunFrom(g, side, p, std::min(s + 1, FaceUpCount(g, p)));
        }
    }
    return Steps(false);
}

} // namespace tandrel::plan
