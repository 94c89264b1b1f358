// The computer's move search as a whole: when it stops, what each level may
// do, and that the same position always gives the same moves.
#include "engine/Deal.h"
#include "engine/Turn.h"
#include "opponent/Computer.h"
#include "selfplay/SelfPlay.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

bool Computer(Game& g) { return PlayComputerMoves(g, 2); }
// What the search returns tells whether the waste was played; here any move counts.
bool AnyMove(Game& g)
{
    PlayComputerMoves(g, 2);
    return !ViewOf(g).slides.empty();
}
// The self-play soak lets the computer play the player's side too.
bool ForThePlayer(Game& g) { return PlayComputerMoves(g, 1); }

// Three tables, each offering one move that the Beginner must not make: a load
// onto the player's waste, a run move, and a card taken down from a foundation.
const std::string OffersLoad = "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; ; 7c ; 6h";
const std::string OffersRun = "9d | [3d] 6h | [4d 6d] 2s | [7d 8d Kh] 5c ; ; ; Qs";
const std::string OffersLowering = "Js | [Qs] 4d | - | [Kd] 9c ; Th ; ; 2s";

const MoveCase Cases[] = {
    Before([](Game& g) { g.GameOver = true; }, {"GameAlreadyOverMovesNothing", "7c | - | - | - ; ; 7s ; 6h", Computer, {}}),
    // The ace would go up, but only after the waste has been played.
    {"ReturnsAtOnceWhenTheWasteRunsEmpty", "7c | [2c] 9d | As | [3c 4c 5c] Qd ; ; ; 6h", Computer,
     {{465, 25, PileX(1) - 15, 120 + 15}}, "7c 6h | [2c] 9d | As | [3c 4c 5c] Qd ; - - - - ; - (1) ; - (1)",
     [](const Game& g) { EXPECT_FALSE(g.GameOver); }},
    {"NothingToPlayReturnsFalse", "9d | - | - | - ; ; ; Qs", Computer, {}},
    AtLevel(0, {"BeginnerNeverLoads", OffersLoad, Computer, {}}),
    AtLevel(0, {"BeginnerNeverShiftsARun", OffersRun, Computer, {}}),
    AtLevel(0, {"BeginnerNeverLowers", OffersLowering, Computer, {}}),
    // The same tables at Intermediate: the move comes first of all.
    AtLevel(1, {"IntermediateLoads", OffersLoad, AnyMove, {{465, 25, 465, 300}},
                "9d | [3s] Qc | [4s 5s] 5d | [6s 8s 9s] Th ; - - - - ; 7c 6h (1) ; - (1)"}),
    AtLevel(1, {"IntermediateShiftsARun", OffersRun, AnyMove,
                {{PileX(4) - 2, 136 - 3, PileX(2) - 10, 125 + 30}, {465, 25, PileX(4) - 15, 125 + 20}},
                "9d | [3d] 6h 5c | [4d 6d] 2s | [7d 8d] Kh Qs ; - - - - ; - (1) ; - (1)"}),
    AtLevel(1, {"IntermediateLowers", OffersLowering, AnyMove,
                {{FoundationX(1), FoundationY, PileX(1), 120 + 25}, {PileX(4) - 2, 126 - 3, PileX(1) - 10, 140 + 30}},
                "Js Th 9c | [Qs] 4d | - | Kd ; 9h - - - ; - (1) ; 2s (1)"}),
    AtLevel(0, {"BeginnerNeverLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", ForThePlayer, {}}),
    AtLevel(1, {"IntermediateLoadsForThePlayer", "9d | - | - | - ; ; 6h ; 7c", ForThePlayer, {{465, 300, 465, 25}},
                "9d | - | - | - ; - - - - ; - (1) ; 7c 6h (1)"}),
};

class ComputerMoves : public MoveTest {};

TEST_P(ComputerMoves, LeaveWhatTheyShould) { PlayCase(); }

INSTANTIATE_TEST_SUITE_P(Computer, ComputerMoves, ::testing::ValuesIn(Cases), CaseName);

// ---- The same position and level always make the same moves ----

struct Record {
    std::vector<Slide> slides;
    std::vector<int> sounds;
    Game end;
};

Record PlayTurns(TestGame& t, int level, std::uint64_t deal)
{
    t.g.cfg.Animate = 1;
    selfplay::DealNumberedGame(t.g, deal);
    t.g.cfg.FlipNum = 3;
    NewGame(t.g, false);
    t.g.cfg.Style = level;
    for (int turn = 0; turn < 16 && !t.g.GameOver; ++turn) {
        if (turn % 2 == 0)
            selfplay::PlayComputerSideTurn(t.g, 1);
        else
            ComputerTurn(t.g, 2);
    }
    return {Slides(t.view), t.view.sounds, t.g};
}

TEST(PlayComputerMoves, SamePositionAndLevelMakeTheSameMoves)
{
    for (const int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        TestGame first, second;
        const Record a = PlayTurns(first, level, 7), b = PlayTurns(second, level, 7);
        ASSERT_GT(a.slides.size(), 20u);
        EXPECT_EQ(a.slides, b.slides);
        EXPECT_EQ(a.sounds, b.sounds);
        EXPECT_TRUE(Unchanged(a.end, b.end));
    }
}

} // namespace
} // namespace tandrel::testing
