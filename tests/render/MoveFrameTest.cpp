// The surfaces of a card move: the drag image with its shadow, and the frames
// of a slide composed from the table buffer and the drag image.
#include "RenderFixture.h"

namespace tandrel::testing {
namespace {

class MoveFrame : public RenderTest {
protected:
    MoveFrame()
    {
        game.Tableau(1, 1) = 12;
        game.Tableau(1, 2) = 20;
        game.Tableau(1, 3) = 35;
        table->RedrawTable();
        shadow = KeyedCopy(SampleArt().shadow);
    }
    QImage shadow;
};

TEST_F(MoveFrame, DragImageIsTheCardsOverTheShadowAlsoDownTheSideOfARun)
{
    table->CaptureDragImage(10, 120, 73, 97);
    const QImage* drag = table->DragImagePicture();
    ASSERT_EQ(drag->size(), QSize(73, 97));
    for (int y = 0; y < 97; ++y)
        for (int x = 0; x < 73; ++x) {
            const QRgb expected = x < 71 && y < 95 ? window().pixel(10 + x, 120 + y) : shadow.pixel(x, y);
            ASSERT_EQ(drag->pixel(x, y), expected) << x << "," << y;
        }

    table->CaptureDragImage(10, 120, 73, 95 + 2 * 10 + 2); // a run taller than a card
    drag = table->DragImagePicture();
    for (int y = 0; y < 115; ++y) {
        const int from = y < 48 ? y : std::max(48, y - 20);
        EXPECT_EQ(drag->pixel(71, y), shadow.pixel(71, from)) << y;
        EXPECT_EQ(drag->pixel(72, y), shadow.pixel(72, from)) << y;
    }
    for (int x = 0; x < 73; ++x) {
        EXPECT_EQ(drag->pixel(x, 115), shadow.pixel(x, 95)) << x;
        EXPECT_EQ(drag->pixel(x, 116), shadow.pixel(x, 96)) << x;
    }
}

TEST_F(MoveFrame, YellowOnTheTableIsNeverDrawn)
{
    game.cfg.TableBackground = Background::Colour, game.cfg.ColourFill = Fill::Solid;
    game.cfg.TableColor = 0x00FFFF; // pure yellow
    table->DrawTableBackground();
    table->CaptureDragImage(300, 300, 73, 97);
    const QImage& drag = *table->DragImagePicture();
    EXPECT_EQ(qAlpha(drag.pixel(10, 10)), 0);
    EXPECT_EQ(qAlpha(drag.pixel(70, 94)), 0);
    EXPECT_EQ(drag.pixel(72, 50), shadow.pixel(72, 50));
}

TEST_F(MoveFrame, FrameIsTheBufferWithTheCardsOverItAndLeavesNoTrail)
{
    table->SnapshotTable();
    table->CaptureDragImage(10, 120, 73, 117);
    table->RestoreBackground(Surface::TableBuffer, 10, 120, 71, 135); // the cards leave the pile
    const QImage before = window().copy();
    table->changed = {};

    table->DrawMoveFrame(200.5f, 150.f, 73, 117); // halves go to the even pixel: 200
    const QRect frame(150, 100, 73 + 100, 117 + 150);
    EXPECT_EQ(table->changed, frame);
    QImage expected = table->TableBufferImage()->copy();
    {
        QPainter p(&expected);
        p.drawImage(200, 150, *table->DragImagePicture());
    }
    EXPECT_EQ(AreaDiff(window(), expected, frame), "");
    // Outside the frame the window is as it was: the cards still show on their pile.
    EXPECT_EQ(AreaDiff(window(), before, {0, 0, 150, 480}), "");

    // Near the corner the frame is clipped to the window; the picture it jumped from is wiped.
    table->changed = {};
    table->DrawMoveFrame(600, 440, 73, 117);
    EXPECT_EQ(table->changed, QRect(550, 390, 90, 90) | QRect(200, 150, 73, 117));
    table->ShowTableBuffer();
    EXPECT_EQ(window(), *table->TableBufferImage());

    // A jump of 200 pixels, past the 50-pixel margin, leaves no trail.
    table->DrawMoveFrame(100, 200, 73, 117);
    table->DrawMoveFrame(300, 200, 73, 117);
    EXPECT_EQ(window().copy(100, 200, 73, 117), table->TableBufferImage()->copy(100, 200, 73, 117));
    EXPECT_NE(window().copy(300, 200, 71, 95), table->TableBufferImage()->copy(300, 200, 71, 95));
    table->ReleaseBuffers();
    EXPECT_FALSE(table->HasTableBuffer() || table->HasDragImage());
}

// A frame rewrites only what it changes; at scale 2 every frame must still be
// the plain repaint: the buffer over the margin area and over the last
// picture, the drag image over that, also where the buffer or the window was
// drawn on between frames.
TEST_F(MoveFrame, FramesAtScaleTwoAreTheBufferRepaintedWithTheCardsOverIt)
{
    CardArt art = SampleArt();
    art.scale = 2;
    for (QImage* picture : {&art.sheets[0], &art.sheets[1], &art.sheets[2], &art.sheets[3], &art.shadow, &art.tile})
        *picture = picture->scaled(picture->size() * 2);
    MakeTable(art);
    table->RedrawTable();
    table->CaptureDragImage(10, 120, 73, 117);
    table->SnapshotTable();
    table->RestoreBackground(Surface::TableBuffer, 10, 120, 71, 135);
    table->DrawCard(Surface::TableBuffer, 500, 350, 40); // shown once a frame comes near

    QImage expected = window().copy();
    QRect last;
    const auto frame = [&](int x, int y) {
        table->DrawMoveFrame(float(x), float(y), 73, 117);
        QPainter p(&expected);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (const QRect& r : {last, QRect(x - 50, y - 50, 173, 267)})
            if (!r.isNull()) p.drawImage(r.topLeft(), *table->TableBufferImage(), QRect(r.topLeft() * 2, r.size() * 2));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(x, y, *table->DragImagePicture());
        last = QRect(x, y, 73, 117);
    };
    // Down to the right, then back: the clear corner of the shadow comes over the cards.
    for (int step = 0; step < 40; ++step) {
        const int k = step < 24 ? step : 46 - step;
        frame(20 + 20 * k, 120 + 10 * k);
        if (step == 5) {
            table->DrawCard(Surface::Window, 450, 200, 41);
            table->DrawCardOn(expected, 450, 200, 41);
        }
        if (step == 8) table->DrawCard(Surface::TableBuffer, 400, 240, 42);
        ASSERT_EQ(AreaDiff(window(), expected, expected.rect()), "") << "frame " << step;
    }
    frame(100, 20); // past the margin
    EXPECT_EQ(AreaDiff(window(), expected, expected.rect()), "");
}

} // namespace
} // namespace tandrel::testing
