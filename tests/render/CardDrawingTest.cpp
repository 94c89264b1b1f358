// Card pictures: which cell a code comes from, the transparent corners, and
// which surface a card lands on.
#include <QFile>
#include <array>

#include "RenderFixture.h"

namespace tandrel::testing {
namespace {

TEST(CardImage, CodesMapToTheirSheetCells)
{
    // Aces of clubs and diamonds, king of clubs, two of diamonds, seven of hearts, the backs and a joker.
    const std::pair<int, CardCell> cells[] = {{14, {3, 0, 0}},   {53, {3, 213, 0}},  {13, {2, 0, 285}},
                                              {41, {0, 213, 0}}, {20, {1, 71, 95}},  {56, {3, 142, 95}},
                                              {65, {3, 213, 285}}, {54, {3, 0, 95}}};
    for (const auto& [code, cell] : cells) EXPECT_EQ(GetCardImage(code), cell) << code;
    for (int code : {0, 1, 66, 100, -1}) EXPECT_FALSE(GetCardImage(code)) << code;
    // Every code has a cell of its own.
    std::vector<CardCell> seen;
    for (int code = 2; code <= 65; ++code) {
        const auto cell = GetCardImage(code);
        ASSERT_TRUE(cell) << code;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), *cell), 0) << code;
        seen.push_back(*cell);
    }
}

TEST(CardImage, BuiltinPicturesHaveTheirSizes)
{
    if (!QFile::exists(":/builtin/cards0.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    const CardArt art = LoadBuiltinArt();
    for (const QImage& sheet : art.sheets) EXPECT_EQ(sheet.size(), QSize(284, 380));
    EXPECT_EQ(art.shadow.size(), QSize(73, 97));
    EXPECT_EQ(art.tile.size(), QSize(239, 177));
    EXPECT_EQ(art.sheets[0].pixel(0, 0), TransparentKey);
}

// The build cuts the sheets into cards: each card is its own cell, at every scale.
TEST(CardImage, EachBuiltinCardIsItsCellOfTheSheets)
{
    if (!QFile::exists(":/builtin/cards0.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    for (int k = 1; k <= 3; ++k) {
        std::array<QImage, 4> sheets;
        for (int i = 0; i < 4; ++i) sheets[i] = QImage(":/builtin/" + BuiltinFileName(QString("cards%1").arg(i), k));
        for (int card = FirstPictured; card <= LastPictured; ++card) {
            const auto cell = GetCardImage(card);
            const QImage want = sheets[cell->sheet].copy(k * cell->x, k * cell->y, k * 71, k * 95);
            ASSERT_EQ(LoadBuiltinCard(card, k).convertToFormat(QImage::Format_RGB32), want) << card << " at " << k;
        }
    }
}

// A built-in table decodes a card when it is first drawn, and no other; a
// change of scale lets them go.
TEST(CardImage, OnlyTheCardsDrawnAreDecoded)
{
    if (!QFile::exists(":/builtin/card2@2x.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    HeadlessView headless;
    Game game(headless);
    OffscreenTable table(game);
    table.SetScale(2);
    table.Resize(640, 480);
    EXPECT_EQ(table.CardPicturesHeld(), 0);
    for (const int card : {30, 30, 65}) table.DrawCard(Surface::Window, 200, 150, card);
    EXPECT_EQ(table.CardPicturesHeld(), 2);
    table.SetScale(1);
    table.Resize(640, 480);
    EXPECT_EQ(table.CardPicturesHeld(), 0);
    table.DrawCard(Surface::Window, 200, 150, 30);
    EXPECT_EQ(table.CardPicturesHeld(), 1);
}

using CardDrawing = RenderTest;

TEST_F(CardDrawing, CornersShowWhatWasThere)
{
    const CardArt art = SampleArt();
    for (QColor background : {QColor(Qt::blue), QColor(TransparentKey)}) {
        QImage image(100, 120, QImage::Format_RGB32);
        image.fill(background);
        table->DrawCardOn(image, 10, 20, 13);
        // Outside the card and in its four corners: the background.
        for (QPoint p : {QPoint(9, 20), QPoint(10, 20), QPoint(80, 20), QPoint(10, 114), QPoint(80, 114),
                         QPoint(11, 21), QPoint(81, 20)})
            EXPECT_EQ(image.pixel(p), background.rgb()) << p.x() << "," << p.y();
        // Elsewhere the card's own cell, pixel for pixel.
        const auto cell = GetCardImage(13);
        for (int y = 0; y < 95; ++y)
            for (int x = 0; x < 71; ++x) {
                const QRgb source = art.sheets[cell->sheet].pixel(cell->x + x, cell->y + y);
                const QRgb expected = source == TransparentKey ? background.rgb() : source;
                ASSERT_EQ(image.pixel(10 + x, 20 + y), expected) << x << "," << y;
            }
    }
}

TEST_F(CardDrawing, SurfacesAreKeptApartAndMissingPicturesDrawNothing)
{
    table->RedrawTable();
    table->SnapshotTable();
    const QImage before = window().copy();
    table->changes = 0;

    table->DrawCard(Surface::TableBuffer, 200, 150, 30);
    EXPECT_EQ(window(), before);
    EXPECT_EQ(table->changes, 0);
    EXPECT_NE(*table->TableBufferImage(), before);

    table->changed = {};
    table->DrawCard(Surface::Window, 200, 150, 30);
    EXPECT_EQ(AreaDiff(window(), *table->TableBufferImage(), window().rect()), "");
    EXPECT_EQ(table->changed, QRect(200, 150, 71, 95));

    // Without a buffer or with a code that has no picture nothing happens.
    table->ReleaseBuffers();
    const QImage after = window().copy();
    table->DrawCard(Surface::TableBuffer, 0, 0, 30);
    table->DrawCard(Surface::DragImage, 0, 0, 30);
    table->DrawCard(Surface::Window, 0, 0, 100);
    table->DrawCard(Surface::Window, 0, 0, -1);
    EXPECT_EQ(window(), after);
    EXPECT_FALSE(table->HasTableBuffer());

    // Missing pictures draw nothing and do not fail.
    MakeTable(CardArt{});
    game.TableauFaceDown(2) = 1;
    game.Tableau(1, 1) = 12;
    game.StockLevel(1) = 42;
    game.Stock(1, 1) = 13;
    table->RedrawTable();
    table->SnapshotTable();
    table->CaptureDragImage(10, 120, 73, 97);
    table->DrawMoveFrame(100, 100, 73, 97);
    EXPECT_EQ(window().pixel(40, 170), window().pixel(40, 300)); // no card, only the table
}

} // namespace
} // namespace tandrel::testing
