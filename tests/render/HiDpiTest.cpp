// On a finer screen the table is drawn from the finer art, pixel for pixel,
// while places stay in table pixels.
#include <QFile>
#include <functional>
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

// The first table picture read on another thread is taken when the bare
// table is first painted, as if it had been read at once: at the scale the
// table has by then; a missing one leaves the built-in picture, and one chosen
// meanwhile wins.
TEST(PictureReadAhead, IsTakenAsThePictureReadAtOnce)
{
    if (!QFile::exists(":/builtin/cards0@2x.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    QTemporaryDir dir;
    QImage plain(30, 20, QImage::Format_RGB32), finer(60, 40, QImage::Format_RGB32), other(30, 20, QImage::Format_RGB32);
    plain.fill(Qt::red), finer.fill(Qt::blue), other.fill(Qt::green);
    const std::string path = (dir.path() + "/p.bmp").toStdString(), otherPath = (dir.path() + "/o.bmp").toStdString();
    ASSERT_TRUE(plain.save(dir.path() + "/p.bmp") && finer.save(dir.path() + "/p@2x.bmp") && other.save(dir.path() + "/o.bmp"));
    HeadlessView view;
    Game g(view);
    // As the start goes: the scale, the picture named, then sized and drawn.
    const auto start = [&g](int scale, const std::function<void(QtTable&)>& name) {
        auto table = std::make_unique<OffscreenTable>(g);
        table->SetScale(scale);
        name(*table);
        table->Resize(640, 480);
        table->RedrawTable();
        return table;
    };
    const auto ahead = [](const std::string& file) { return [file](QtTable& t) { t.LoadBackImageAhead(file); }; };
    for (const int scale : {1, 2}) {
        const auto read = start(scale, ahead(path));
        EXPECT_EQ(read->WindowImage(), start(scale, [&](QtTable& t) { t.LoadBackImage(path); })->WindowImage());
        EXPECT_EQ(read->BackgroundPicture().pixel(0, 0), scale == 1 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    }
    const QImage builtin = start(1, [](QtTable&) {})->WindowImage();
    EXPECT_EQ(start(1, ahead(dir.path().toStdString() + "/missing.bmp"))->WindowImage(), builtin);
    EXPECT_EQ(start(1, ahead(""))->WindowImage(), builtin);
    // Chosen before the first paint.
    const auto chosen = start(1, [&](QtTable& t) { t.LoadBackImageAhead(path), t.LoadBackImage(otherPath); });
    EXPECT_EQ(chosen->BackgroundPicture().pixel(0, 0), qRgb(0, 255, 0));
    // A screen change before the first paint: read again at the new scale.
    const auto moved = start(2, [&](QtTable& t) { t.SetScale(1), t.LoadBackImageAhead(path), t.SetScale(2); });
    EXPECT_EQ(moved->BackgroundPicture().pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(moved->BackgroundPicture().devicePixelRatio(), 2);
    // Dropped unread: the thread is waited for.
    OffscreenTable(g).LoadBackImageAhead(path);
}

} // namespace tandrel::testing
