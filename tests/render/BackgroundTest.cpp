// The bare table: tiled picture, solid colour and the 64-band gradient.
#include <QFile>
#include <QTemporaryDir>

#include "RenderFixture.h"

namespace tandrel::testing {
namespace {

using Background = RenderTest;

TEST_F(Background, BackImageIsTakenOnlyWhenItLoads)
{
    const QImage builtin = table->BackgroundPicture();
    QTemporaryDir dir;
    EXPECT_FALSE(table->LoadBackImage((dir.path() + "/missing.bmp").toStdString()));
    EXPECT_FALSE(table->LoadBackImage(""));
    QFile damaged(dir.path() + "/damaged.bmp");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("BM not really a picture");
    damaged.close();
    EXPECT_FALSE(table->LoadBackImage(damaged.fileName().toStdString()));
    EXPECT_EQ(table->BackgroundPicture(), builtin);

    QImage picture(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) picture.setPixel(x, y, qRgb(8 * x, 12 * y, 100));
    const QString file = dir.path() + "/odd name.bmp";
    ASSERT_TRUE(picture.save(file, "BMP"));
    EXPECT_TRUE(table->LoadBackImage(file.toStdString()));
    table->RedrawTable();
    const QImage bare = table->BareTable();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(bare.pixel(x, y), picture.pixel(x % 30, y % 20)) << x << "," << y;
}

TEST_F(Background, SolidColourReplacesEveryTileAndABlackGradientBecomesTheDefault)
{
    table->DrawTableBackground();
    game.cfg.TableBackground = tandrel::Background::Colour, game.cfg.ColourFill = Fill::Solid;
    game.cfg.TableColor = 0x336699; // red in the lowest byte
    table->DrawTableBackground();
    QImage solid(640, 480, QImage::Format_RGB32);
    solid.fill(qRgb(0x99, 0x66, 0x33));
    EXPECT_EQ(table->BareTable(), solid);

    game.cfg.TableColor = 0;
    table->DrawTableBackground();
    solid.fill(Qt::black);
    EXPECT_EQ(window(), solid);
    EXPECT_EQ(game.cfg.TableColor, 0);
    game.cfg.ColourFill = Fill::Gradient;
    table->DrawTableBackground();
    EXPECT_EQ(game.cfg.TableColor, 16711808);
    EXPECT_EQ(window().pixel(5, 0), qRgb(128, 0, 255));
}

// The colours down the left edge, one per run of equal rows: (colour, rows).
std::vector<std::pair<QRgb, int>> Bands(const QImage& image)
{
    std::vector<std::pair<QRgb, int>> bands;
    for (int y = 0; y < image.height(); ++y) {
        if (bands.empty() || bands.back().first != image.pixel(0, y)) bands.push_back({image.pixel(0, y), 0});
        ++bands.back().second;
    }
    return bands;
}

TEST_F(Background, GradientHasSixtyFourBandsLighteningDownwards)
{
    game.cfg.TableBackground = tandrel::Background::Colour;
    game.cfg.TableColor = 200 | (10 << 8) | (100 << 16);
    for (int height : {480, 256, 300}) {
        table->Resize(640, height);
        table->DrawTableBackground();
        const auto bands = Bands(table->BareTable());
        ASSERT_EQ(bands.size(), 64u) << height;
        for (int band = 0; band < 64; ++band) {
            const int i = 2 * band;
            EXPECT_EQ(bands[band].first, qRgb(std::min(200 + i, 255), 10 + i, 100 + i)) << band;
            EXPECT_NEAR(bands[band].second, height / 64.0, 1.0);
        }
        for (int y = 0; y < height; y += 7) EXPECT_EQ(window().pixel(639, y), window().pixel(0, y));
    }
}

} // namespace
} // namespace tandrel::testing
