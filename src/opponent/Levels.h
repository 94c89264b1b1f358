#pragma once
// Which move kinds the computer uses at each level. A kind the level does not
// use does nothing.
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

inline Level LowestLevelFor(Tactic tactic)
{
    switch (tactic) {
    case Tactic::PlayWasteTop:
    case Tactic::TableauToFoundation: return Level::Beginner;
    case Tactic::LoadOpponentWaste:
    case Tactic::ShiftTableauRuns:
    case Tactic::LowerFoundationForRun: return Level::Intermediate;
    case Tactic::LowerFoundationForWaste:
    case Tactic::UncoverFoundationCard: break;
    }
    return Level::Expert;
}

inline bool LevelAllows(const Game& g, Tactic tactic) { return g.cfg.ComputerLevel >= LowestLevelFor(tactic); }

} // namespace tandrel
