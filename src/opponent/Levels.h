#pragma once
// Which move kinds the computer uses at each level (Style 0 Beginner,
// 1 Intermediate, 2 Expert). A kind the level does not use does nothing.
#include "engine/Game.h"

namespace tandrel {

enum class MoveKind {
    PlayWasteTop,
    TableauToFoundation,
    LoadOpponentWaste,
    ShiftTableauRuns,
    LowerFoundationForRun,
    LowerFoundationForWaste,
    UncoverFoundationCard,
};

inline int LowestLevelFor(MoveKind kind)
{
    switch (kind) {
    case MoveKind::PlayWasteTop:
    case MoveKind::TableauToFoundation: return 0;
    case MoveKind::LoadOpponentWaste:
    case MoveKind::ShiftTableauRuns:
    case MoveKind::LowerFoundationForRun: return 1;
    case MoveKind::LowerFoundationForWaste:
    case MoveKind::UncoverFoundationCard: return 2;
    }
    return 3;
}

inline bool LevelAllows(const Game& g, MoveKind kind) { return g.cfg.Style >= LowestLevelFor(kind); }

} // namespace tandrel
