// Undo as a property: from positions that real games reach, every legal move
// of the player (as the rules list them) followed by undo gives back the
// position before.

#include "engine/Move.h"
#include "engine/Undo.h"
#include "support/Positions.h"
#include "support/SoakPositions.h"

using namespace tandrel;
using namespace tandrel::testing;

TEST(UndoEveryMove, GivesBackThePositionBeforeForEveryKindOfMove)
{
    HeadlessView view;
    view.record = false;
    const std::vector<Game> positions = SoakPositions(view, 60);
    ASSERT_GT(positions.size(), 1500u);
    std::array<int, 7> undoneByKind{};
    int failures = 0;
    for (const Game& before : positions) {
        for (const Move& move : LegalMoves(before, 1)) {
            Game g = before;
            g.Undo.reset();
            ASSERT_TRUE(Apply(g, move).done);
            ASSERT_TRUE(Sound(g)) << "the move itself broke the position";
            if (!g.Undo || g.GameOver) continue; // nothing to take back
            const int kind = static_cast<int>(g.Undo->kind);
            if (kind == 4 && CardRank(g.Foundation(g.Undo->foundation, FoundTop) + 13) == 1) continue; // an ace
            UndoMove(g);
            const auto same = SamePosition(g, before), sound = Sound(g);
            if ((!same || !sound) && ++failures <= 5)
                ADD_FAILURE() << "undo of move kind " << static_cast<int>(move.kind) << " from " << move.from << " to " << move.to << ": " << (same ? sound : same).message() << "\n"
                              << selfplay::DescribePosition(before);
            if (kind >= 1 && kind <= 6) ++undoneByKind[kind];
        }
    }
    for (int kind = 1; kind <= 6; ++kind) EXPECT_GT(undoneByKind[kind], 10) << "record kind " << kind;
}
