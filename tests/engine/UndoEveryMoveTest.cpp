// Undo as a property: from positions that real games reach, every legal move
// of the player followed by undo gives back the position before.

#include "engine/Moves.h"
#include "engine/Turn.h"
#include "engine/Undo.h"
#include "input/AutoPlay.h"
#include "input/Geometry.h"
#include "support/Positions.h"
#include "support/SoakPositions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

using PlayerMove = std::function<void(Game&)>;

// Every move the player could make in g, as the mouse would make it.
std::vector<PlayerMove> PlayerMoves(const Game& g)
{
    std::vector<PlayerMove> moves;
    const int top = g.WasteCount(1) > 0 ? g.Waste(1, g.WasteCount(1)) : 0;
    if (top) {
        if (FoundationFor(g, top))
            moves.push_back([](Game& c) {
                DragWasteTopTo(c, 10, 10);
                PlayToFoundation(c, 0, c.DragCard, 1);
            });
        for (int p = 1; p <= 4; ++p)
            if (FitsTableau(g, top, p))
                moves.push_back([=](Game& c) {
                    DragWasteTopTo(c, PileX(p), c.TableauTop(p, TopY));
                    if (FindDropTarget(c, true)) PlayWasteToTableau(c, 1);
                });
        if (g.WasteCount(2) > 0 && FitsOpponentWaste(top, g.Waste(2, g.WasteCount(2))))
            moves.push_back([](Game& c) {
                DragWasteTopTo(c, 495, 25);
                PlayOnOpponentWaste(c, 1);
            });
    }
    for (int p = 1; p <= 4; ++p) {
        const int k = TopSlot(g, p);
        if (k > 0 && FoundationFor(g, g.TableauTop(p, TopCard)))
            moves.push_back([=](Game& c) { AutoPlay(c, p, PileX(p) + 30.f, c.TableauTop(p, TopY) + 40.f); });
        for (int j = 1; j <= k; ++j)
            for (int q = 1; q <= 4; ++q)
                if (q != p && FitsTableau(g, g.Tableau(p, j), q))
                    moves.push_back([=](Game& c) {
                        c.PickPile = p, c.PickFirst = j, c.PickLast = k;
                        c.TargetRect = PileTopRect(c, q);
                        MoveTableauStack(c);
                    });
    }
    for (int f = 1; f <= 4; ++f) {
        const int card = FoundationTopCard(g, f);
        if (CardRank(card) < 2) continue;
        for (int q = 1; q <= 4; ++q)
            if (FitsTableau(g, card, q))
                moves.push_back([=](Game& c) {
                    c.DragCard = card;
                    c.TargetRect = PileTopRect(c, q);
                    PlayFoundationToTableau(c);
                });
    }
    if (!(top && top == g.FlippedCard)) moves.push_back([](Game& c) { FlipCards(c, 1); });
    return moves;
}

} // namespace

TEST(UndoEveryMove, GivesBackThePositionBeforeForEveryKindOfMove)
{
    HeadlessView view;
    view.record = false;
    const std::vector<Game> positions = SoakPositions(view, 60);
    ASSERT_GT(positions.size(), 1500u);
    std::array<int, 7> undoneByKind{};
    int failures = 0;
    for (const Game& before : positions) {
        for (const PlayerMove& move : PlayerMoves(before)) {
            Game g = before;
            g.UndoRecord.clear();
            move(g);
            ASSERT_TRUE(Sound(g)) << "the move itself broke the position";
            if (g.UndoRecord.empty() || g.GameOver) continue; // nothing to take back
            const int kind = g.UndoRecord[0] - '0';
            if (kind == 4 && CardRank(g.Foundation(g.UndoRecord.back() - '0', FoundTop) + 13) == 1) continue; // an ace
            const std::string record = g.UndoRecord;
            UndoMove(g);
            const auto same = SamePosition(g, before), sound = Sound(g);
            if ((!same || !sound) && ++failures <= 5)
                ADD_FAILURE() << "undo of " << record << ": " << (same ? sound : same).message() << "\n"
                              << selfplay::DescribePosition(before);
            if (kind >= 1 && kind <= 6) ++undoneByKind[kind];
        }
    }
    for (int kind = 1; kind <= 6; ++kind) EXPECT_GT(undoneByKind[kind], 10) << "record kind " << kind;
}
