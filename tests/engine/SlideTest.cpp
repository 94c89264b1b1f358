#include <gtest/gtest.h>

#include <cmath>

#include "engine/Slide.h"
#include "support/Positions.h"

using namespace tandrel;
using tandrel::testing::TestGame;

namespace {

std::vector<std::pair<float, float>> Slide(TestGame& t, float x, float y, float tx, float ty, int speed)
{
    t.g.cfg.Animate = 1;
    t.g.cfg.Speed = speed;
    t.view.frames.clear();
    AnimateMove(t.g, x, y, tx, ty);
    return t.view.frames;
}

} // namespace

TEST(AnimateMove, WideShallowMoveFramesEvery26PixelsAndDropsEvery20)
{
    TestGame t;
    const auto frames = Slide(t, 100, 50, 300, 60, 13);
    // 200 steps across, a frame every 2 x 13 of them.
    ASSERT_EQ(frames.size(), 7u);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const float across = 26.0f * static_cast<float>(k + 1);
        EXPECT_FLOAT_EQ(frames[k].first, 100 + across);
        EXPECT_FLOAT_EQ(frames[k].second, 50 + std::floor(across / 20));
    }
    EXPECT_FALSE(t.g.FlipInProgress);
}

TEST(AnimateMove, ShortVerticalMoveWalksStraightDown)
{
    TestGame t;
    const auto frames = Slide(t, 200, 100, 200, 160, 3);
    ASSERT_EQ(frames.size(), 10u); // 60 steps, a frame every 6
    for (std::size_t k = 0; k < frames.size(); ++k) {
        EXPECT_FLOAT_EQ(frames[k].first, 200);
        EXPECT_FLOAT_EQ(frames[k].second, 100 + 6.0f * static_cast<float>(k + 1));
    }
}

TEST(AnimateMove, ShortMoveWiderThanTallWalksOnlyItsHeight)
{
    TestGame t;
    t.g.cfg.Animate = 1;
    t.g.cfg.Speed = 3;
    float x = 10, y = 10;
    AnimateMove(t.g, x, y, 60, 22);
    EXPECT_FLOAT_EQ(x, 22); // one step sideways per step down, 12 steps
    EXPECT_FLOAT_EQ(y, 22);
    ASSERT_EQ(t.view.frames.size(), 2u);
}

TEST(AnimateMove, DiagonalMovesAPixelAlongTheLongerSidePerStep)
{
    TestGame t;
    const auto frames = Slide(t, 0, 0, 200, 100, 10);
    ASSERT_EQ(frames.size(), 10u); // 100 steps down, a frame every 10
    EXPECT_FLOAT_EQ(frames[0].first, 20);
    EXPECT_FLOAT_EQ(frames[0].second, 10);
    EXPECT_FLOAT_EQ(frames.back().first, 200);
    EXPECT_FLOAT_EQ(frames.back().second, 100);
    const auto up = Slide(t, 300, 300, 200, 100, 10);
    ASSERT_EQ(up.size(), 10u); // taller than wide: 100 steps across
    EXPECT_FLOAT_EQ(up[0].first, 290);
    EXPECT_FLOAT_EQ(up[0].second, 280);
}

TEST(AnimateMove, AnimationOffDrawsNothing)
{
    TestGame t;
    t.g.cfg.Animate = 0;
    float x = 0, y = 0;
    AnimateMove(t.g, x, y, 300, 300);
    EXPECT_TRUE(t.view.frames.empty());
    EXPECT_TRUE(t.view.slides.empty());
    EXPECT_EQ(x, 0);
}
