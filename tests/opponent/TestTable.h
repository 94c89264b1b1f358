#pragma once
// The soak test's older way of laying out a table, kept as a thin layer over
// support/Positions.h until that test moves to it.
#include "engine/Position.h"
#include "support/Positions.h"

namespace tandrel::test {

using testing::Card;
constexpr int Black1 = testing::Clubs, Red2 = testing::Diamonds, Red3 = testing::Hearts, Black4 = testing::Spades;

struct TestTable : testing::TestGame {
    TestTable() { g.cfg.Animate = 1; }
    void SetPile(int p, const std::vector<int>& down, const std::vector<int>& up) { testing::SetPile(g, p, down, up); }
    void SetWaste(int side, const std::vector<int>& cards, int fan = 1) { testing::SetWaste(g, side, cards, fan); }
    void SetFoundation(int f, int suit, int top) { testing::SetFoundation(g, f, Card(suit, top)); }
    void DealRest()
    {
        testing::ParkRest(g);
        EXPECT_TRUE(testing::Sound(g));
    }
};

} // namespace tandrel::test
