// Undo as a property: from positions that real games reach, every legal move
// of the player (as the rules list them) followed by undo gives back the
// position before; and a turn's moves come back one at a time and go again.

#include <algorithm>

#include "engine/Move.h"
#include "engine/TurnRules.h"
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
            g.History.Clear(); // the saved record's undo, as a restored game has it
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

namespace {

// Up to n of the player's moves, each chosen from what the rules list, with the game before each.
std::vector<Game> PlayTurn(Game& g, int n, unsigned seed)
{
    std::vector<Game> before;
    for (int i = 0; i < n && !g.GameOver; ++i) {
        std::vector<Move> moves = LegalMoves(g, 1);
        std::erase_if(moves, [](const Move& m) { return m.kind == MoveKind::TurnUp; });
        if (moves.empty()) break;
        seed = seed * 1103515245u + 12345u;
        before.push_back(g);
        Apply(g, moves[(seed >> 8) % moves.size()]);
    }
    return before;
}

} // namespace

TEST(UndoEveryMove, TakesBackTheTurnOneMoveAtATimeAndRedoesItUntilANewMove)
{
    HeadlessView view;
    view.record = false;
    const std::vector<Game> positions = SoakPositions(view, 20);
    int deepest = 0, failures = 0;
    for (std::size_t i = 0; i < positions.size() && failures < 5; i += 3) {
        Game g = positions[i];
        g.History.Clear(), g.Undo.reset();
        const std::vector<Game> before = PlayTurn(g, 6, static_cast<unsigned>(i));
        const Game after = g;
        const int kept = static_cast<int>(g.History.done.size()), played = static_cast<int>(before.size());
        deepest = std::max(deepest, kept);
        for (int k = 1; k <= kept; ++k) {
            UndoMove(g);
            const Game& expected = before[static_cast<std::size_t>(played - k)];
            if (!SamePosition(g, expected) || g.Undo != expected.Undo || g.FlipsThisTurn != expected.FlipsThisTurn)
                ++failures, ADD_FAILURE() << "undo " << k << " of " << kept << "\n" << selfplay::DescribePosition(positions[i]);
        }
        if (kept < played) { // an ace went home or the game ended: nothing before it comes back
            const Game stays = g;
            UndoMove(g);
            EXPECT_TRUE(SamePosition(g, stays));
        }
        for (int k = 1; k <= kept; ++k) ASSERT_TRUE(RedoMove(g).done);
        EXPECT_FALSE(RedoMove(g).done);
        if (!SamePosition(g, after)) ++failures, ADD_FAILURE() << "redone\n" << selfplay::DescribePosition(positions[i]);
        if (kept < 2) continue;

        Game restored = g; // the record alone, as a restored game has it: taken back, nothing is left to redo
        UndoMove(restored);
        restored.History.done.clear();
        UndoMove(restored);
        EXPECT_FALSE(RedoMove(restored).done);

        UndoMove(g), UndoMove(g); // a new move of its own ends the redoing
        const Move other = LegalMoves(g, 1).back();
        if (other.kind != MoveKind::TurnUp && Apply(g, other).done) {
            EXPECT_TRUE(g.History.undone.empty());
        }
        // The computer's turn closes the player's.
        const Game handedOver = (FinishTurn(g, 2), g);
        UndoMove(g);
        EXPECT_TRUE(SamePosition(g, handedOver));
        EXPECT_FALSE(RedoMove(g).done);
    }
    EXPECT_GE(deepest, 4) << "no turn long enough to take back several moves";
}
