#pragma once
// Which move kinds the computer uses at each level (Style 0 Beginner,
// 1 Intermediate, 2 Expert). A kind the level does not use does nothing.
#include "engine/Game.h"

namespace tandrel {

enum class Tactic {
    PlayWasteTop,
    TableauToFoundation,
    LoadOpponentWaste,
    ShiftTableauRuns,
    LowerFoundationForRun,
    LowerFoundationForWaste,
    UncoverFoundationCard,
};

inline int LowestLevelFor(Tactic kind)
{
    switch (kind) {
    case Tactic::PlayWasteTop:
    case Tactic::TableauToFoundation: return 0;
    case Tactic::LoadOpponentWaste:
    case Tactic::ShiftTableauRuns:
    case Tactic::LowerFoundationForRun: return 1;
    case Tactic::LowerFoundationForWaste:
    case Tactic::UncoverFoundationCard: return 2;
    }
    return 3;
}

inline bool LevelAllows(const Game& g, Tactic kind) { return g.cfg.Style >= LowestLevelFor(kind); }

} // namespace tandrel
