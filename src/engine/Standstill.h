#pragma once
// A game where neither side gets anywhere: two whole passes through both
// stocks with no card leaving a hand and none reaching a foundation. The
// player hears of it once a game; the notice goes when a card moves again.
// Nothing ends and nothing is counted.
#include <array>
#include <string>

#include "engine/Game.h"

namespace tandrel {

class StandstillWatch {
public:
    // Looks at the game after an action; true while the notice should show.
    bool Update(const Game& g);

private:
    void Restart(const Game& g);

    std::string deal_;
    int dealt_ = -1;
    std::array<int, 2> left_{}, passes_{};
    int home_ = 0;
    std::array<int, 11> tops_{};
    bool told_ = false;
    bool showing_ = false;
};

} // namespace tandrel
