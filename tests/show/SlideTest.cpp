// The slide walk: which frames a card move draws, by its shape and the speed.
#include "show/Slide.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

using Frames = std::vector<std::pair<float, float>>;

Frames Walk(TestGame& t, float x, float y, float tx, float ty, int speed)
{
    t.g.cfg.Animate = 1;
    t.g.cfg.Speed = speed;
    t.view.Clear();
    SlideCards(t.g, x, y, tx, ty, OneCardDragWidth, OneCardDragHeight);
    return t.view.frames;
}

} // namespace

TEST(SlideCards, FramesFollowTheShapeOfTheMoveAndNoneAreDrawnWithAnimationOff)
{
    TestGame t;
    // Wide and shallow: 200 steps across, a frame every 2 x 13 of them, a pixel down every 20.
    EXPECT_EQ(Walk(t, 100, 50, 300, 60, 13),
              (Frames{{126, 51}, {152, 52}, {178, 53}, {204, 55}, {230, 56}, {256, 57}, {282, 59}}));
    EXPECT_FALSE(t.g.FlipInProgress);
    // Short and straight down: 60 steps, a frame every 6.
    EXPECT_EQ(Walk(t, 200, 100, 200, 160, 3), (Frames{{200, 106}, {200, 112}, {200, 118}, {200, 124}, {200, 130},
                                                        {200, 136}, {200, 142}, {200, 148}, {200, 154}, {200, 160}}));
    // Diagonal: a pixel along the longer side per step, 100 steps, a frame every 10.
    const Frames down = Walk(t, 0, 0, 200, 100, 10);
    ASSERT_EQ(down.size(), 10u);
    EXPECT_EQ(down.front(), std::pair(20.f, 10.f));
    EXPECT_EQ(down.back(), std::pair(200.f, 100.f));
    const Frames up = Walk(t, 300, 300, 200, 100, 10); // taller than wide: 100 steps across
    ASSERT_EQ(up.size(), 10u);
    EXPECT_EQ(up.front(), std::pair(290.f, 280.f));
    // Short and wider than tall: only its height is walked, a step sideways per step down: 12 steps.
    t.g.cfg.Speed = 3;
    float x = 10, y = 10;
    t.view.Clear();
    SlideCards(t.g, x, y, 60, 22, OneCardDragWidth, OneCardDragHeight);
    EXPECT_EQ(std::pair(x, y), std::pair(22.f, 22.f));
    EXPECT_EQ(t.view.frames.size(), 2u);
    // With animation off nothing is drawn and the card stays where it was.
    t.g.cfg.Animate = 0;
    t.view.Clear();
    SlideCards(t.g, x, y, 300, 300, OneCardDragWidth, OneCardDragHeight);
    EXPECT_TRUE(t.view.frames.empty() && t.view.slides.empty());
    EXPECT_EQ(x, 22);
}
