#pragma once
// Positions the self-play soak reaches: whole games played by the computer's
// plan on both sides, sampled at the start of the player's turns, before and
// after the player's flip. For tests that link the self-play library.
#include <vector>

#include "engine/Deal.h"
#include "opponent/ComputerPlan.h"
#include "selfplay/SelfPlay.h"

namespace tandrel::testing {

inline std::vector<Game> SoakPositions(TableView& view, int games, int turnsPerGame = 120)
{
    std::vector<Game> positions;
    for (int n = 0; n < games; ++n) {
        Game g(view);
        g.cfg.Animate = 0;
        g.cfg.ComputerLevel = Level(n % 3);
        g.cfg.FlipNum = 1 + n % 3;
        selfplay::DealNumberedGame(g, 7000 + static_cast<unsigned>(n));
        DealNewGame(g, false);
        for (int turn = 0; turn < turnsPerGame && !g.GameOver; ++turn) {
            const int side = 1 + turn % 2;
            if (side == 1) {
                positions.push_back(g);
                Apply(g, FlipMove(1));
                if (!g.GameOver) positions.push_back(g);
            }
            PlayComputerTurn(g, side, [](const Applied&) {});
        }
    }
    return positions;
}

} // namespace tandrel::testing
