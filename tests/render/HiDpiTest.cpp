// On a finer screen the table is drawn from the finer art, pixel for pixel,
// while places stay in table pixels.
#include <QFile>
#include <QTemporaryDir>

#include "RenderFixture.h"

namespace tandrel::testing {

class FinerTable : public RenderTest {
protected:
    void SetUp() override
    {
        if (!QFile::exists(":/builtin/cards0@2x.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
        table = std::make_unique<OffscreenTable>(game); // the built-in art
        // First drawn on a plain screen, then moved to a finer one.
        table->Resize(640, 480);
        table->DrawCard(Surface::Window, 13, 120, 2);
        ASSERT_TRUE(table->SetScale(2));
        table->Resize(640, 480);
        game.cfg.TableBackground = Background::Colour, game.cfg.ColourFill = Fill::Solid;
        table->DrawTableBackground();
    }

    // Every pixel of the card's 2x cell at (x, y) in table pixels: the sheet's
    // own where it is not the key, the bare table where it is.
    ::testing::AssertionResult ShowsCard(int card, int x, int y)
    {
        const auto cell = GetCardImage(card);
        const QImage sheet = QImage(QString(":/builtin/cards%1@2x.png").arg(cell->sheet)).convertToFormat(QImage::Format_RGB32);
        const QImage& shown = window();
        const QImage bare = table->BareTable();
        for (int dy = 0; dy < 2 * CardHeight; ++dy)
            for (int dx = 0; dx < 2 * CardWidth; ++dx) {
                const QRgb want = sheet.pixel(2 * cell->x + dx, 2 * cell->y + dy);
                const QRgb seen = shown.pixel(2 * x + dx, 2 * y + dy);
                if (seen != (want == TransparentKey ? bare.pixel(2 * x + dx, 2 * y + dy) : want))
                    return ::testing::AssertionFailure() << "card " << card << " differs at device pixel (" << dx << ", " << dy << ")";
            }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(FinerTable, CardsAndSlidesShowTheTwiceFinerSheetsPixelForPixel)
{
    EXPECT_EQ(window().size(), QSize(1280, 960));
    for (const int card : {2, 14, 27, 53, 54, 56, 65}) {
        table->RestoreBackground(Surface::Window, 13, 120, CardWidth, CardHeight);
        table->DrawCard(Surface::Window, 13, 120, card);
        EXPECT_TRUE(ShowsCard(card, 13, 120));
    }
    // A slide: the drag image keeps its fine pixels, the earlier frame leaves no trail.
    table->SnapshotTable();
    table->CaptureDragImage(13, 120, OneCardDragWidth, OneCardDragHeight);
    table->RestoreBackground(Surface::TableBuffer, 13, 120, OneCardDragWidth, OneCardDragHeight);
    table->DrawMoveFrame(150, 130, OneCardDragWidth, OneCardDragHeight);
    table->DrawMoveFrame(300, 200, OneCardDragWidth, OneCardDragHeight);
    EXPECT_TRUE(ShowsCard(65, 300, 200));
    EXPECT_EQ(AreaDiff(window(), table->BareTable(), {300, 260, 146, 194}), ""); // device pixels
}

TEST_F(FinerTable, TheTablePictureIsReadAgainWhenTheScreenChanges)
{
    QTemporaryDir dir;
    QImage plain(30, 20, QImage::Format_RGB32), finer(60, 40, QImage::Format_RGB32);
    plain.fill(Qt::red);
    finer.fill(Qt::blue);
    // The finer copy in the picture's own format before a PNG.
    QImage png = finer;
    png.fill(Qt::green);
    ASSERT_TRUE(plain.save(dir.path() + "/p.bmp") && finer.save(dir.path() + "/p@2x.bmp") &&
                png.save(dir.path() + "/p@2x.png"));
    ASSERT_TRUE(table->LoadBackImage((dir.path() + "/p.bmp").toStdString()));
    EXPECT_EQ(table->BackgroundPicture().pixel(0, 0), qRgb(0, 0, 255));
    ASSERT_TRUE(QFile::remove(dir.path() + "/p@2x.bmp"));
    ASSERT_TRUE(table->LoadBackImage((dir.path() + "/p.bmp").toStdString()));
    EXPECT_EQ(table->BackgroundPicture().pixel(0, 0), qRgb(0, 255, 0));
    ASSERT_TRUE(table->SetScale(1));
    table->Resize(640, 480);
    EXPECT_EQ(table->BackgroundPicture().pixel(0, 0), qRgb(255, 0, 0));
}

} // namespace tandrel::testing
