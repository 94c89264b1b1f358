// Fit Table to Window: the whole table scaled to the window, shape kept and
// centred, the mouse mapped back to table pixels; kept per player.
#include <QAction>
#include <QFile>
#include <algorithm>

#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Where a table point shows in a widget of the given size.
QPoint Shown(const QWidget& w, int x, int y)
{
    const double scale = std::min(w.width() / 640.0, w.height() / 480.0);
    return {int((w.width() - 640 * scale) / 2 + x * scale), int((w.height() - 480 * scale) / 2 + y * scale)};
}

} // namespace

TEST_F(GuiTest, FitTableToWindowScalesTheTableAndTheMouseFollows)
{
    MainWindow& w = Start();
    QAction* fit = w.findChild<QAction*>("mnuFitTable");
    ASSERT_TRUE(fit && fit->isCheckable());
    fit->trigger();
    EXPECT_TRUE(fit->isChecked());
    EXPECT_EQ(Stored("FitTable"), "1");

    for (const QSize size : {QSize(1480, 960), QSize(700, 1000)}) {
        w.tableWidget().resize(size);
        EXPECT_EQ(QSize(w.table().TableWidth(), w.table().TableHeight()), QSize(640, 480));
        QTest::keyClick(&w, Qt::Key_F3); // the deal again, its stock untouched
        const QPoint stock = Shown(w.tableWidget(), 400, 340);
        Click(stock.x(), stock.y());
        EXPECT_EQ(game().WasteCount(1), 1) << size.width();
    }
    // A drag in the maximised window: the eight of spades from the waste onto the red nine.
    w.showMaximized();
    QCoreApplication::processEvents();
    Craft("9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s ; Qc 7d",
          [](Game& g) { SetStock(g, 1, {Card(3, 2), Card(3, 3), Card(3, 4)}); });
    Drag(Shown(w.tableWidget(), 500, 347), Shown(w.tableWidget(), 45, 190));
    EXPECT_EQ(game().Tableau(1, 2), Card(4, 8));
    const int before = game().WasteCount(1);

    // Off: absolute again, the table the window's size.
    fit->trigger();
    EXPECT_FALSE(fit->isChecked());
    EXPECT_EQ(w.table().TableWidth(), w.tableWidget().width());
    Click(400, 340);
    EXPECT_EQ(game().WasteCount(1), before + 1);

    // The next start of the same player comes up fitted.
    fit->trigger();
    Start();
    EXPECT_TRUE(window->tableWidget().Fit());
    EXPECT_EQ(window->table().TableWidth(), 640);
}

namespace {

// Device pixels from the bare table to the card's border colour, along a row
// going right into the card: 0 when the edge is sharp.
int EdgeBlur(const QImage& shown, QPoint at, QRgb border)
{
    const QRgb bare = shown.pixel(at);
    while (shown.pixel(at) == bare) at.rx()++;
    int blur = 0;
    while (shown.pixel(at + QPoint(blur, 0)) != border && blur < 8) ++blur;
    return blur;
}

} // namespace

TEST_F(GuiTest, AFittedTableIsDrawnAtItsOwnScaleWithItsBackgroundAround)
{
    MainWindow& w = Start();
    if (!QFile::exists(":/builtin/cards0@2x.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    w.findChild<QAction*>("mnuFitTable")->trigger();
    Settings& cfg = game().cfg;
    cfg.TableColor = 0x996633;
    const QRgb colour = qRgb(0x33, 0x66, 0x99), lastBand = qRgb(0x33 + 126, 0x66 + 126, 255);
    const QRgb border = w.table().WindowImage().pixel(10, 167); // the dealt card at (10, 120), mid-height
    struct Case {
        QSize size;
        int art;      // the art scale drawn from
        double ratio; // device pixels per table pixel
        QPoint margin;
        int bkgrd, gradient;
    };
    for (const Case c : {Case{{801, 480}, 1, 1, {80, 0}, 1, 0}, Case{{1000, 720}, 2, 1.5, {20, 0}, 0, 0},
                         Case{{1280, 1100}, 2, 2, {0, 70}, 0, 1}}) {
        SCOPED_TRACE(c.ratio);
        w.resize(c.size + QSize(0, w.tableWidget().y()));
        ASSERT_EQ(w.tableWidget().size(), c.size);
        cfg.Bkgrd = c.bkgrd;
        cfg.Gradiant = c.gradient;
        w.table().RedrawTable();
        const QImage table = w.table().WindowImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = w.tableWidget().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect area(c.margin, QSize(640, 480) * c.ratio);
        EXPECT_EQ(table.size(), QSize(640, 480) * c.art);
        EXPECT_TRUE(c.art != c.ratio || shown.copy(area) == table);
        EXPECT_EQ(c.bkgrd ? 0 : EdgeBlur(shown, c.margin + QPoint(0, int(167 * c.ratio)), border), 0);
        // The margins: the tiles reach on (at 1x), the colour, the gradient's end bands.
        const QImage& tile = w.table().BackgroundPicture();
        for (int y = 0; y < shown.height(); y += 7)
            for (int x = 0; x < shown.width(); x += 5) {
                if (area.contains(x, y)) continue;
                const QPoint t = QPoint(x, y) - c.margin + QPoint(tile.width(), tile.height()) * 4;
                const QRgb want = c.bkgrd      ? tile.pixel(t.x() % tile.width(), t.y() % tile.height())
                                  : c.gradient ? (y < area.top() ? colour : lastBand)
                                               : colour;
                ASSERT_EQ(shown.pixel(x, y), want) << x << ", " << y;
            }
    }
}

TEST_F(GuiTest, UnfittedTheWindowKeepsTheWholeTable)
{
    MainWindow& w = Start();
    QAction* fit = w.findChild<QAction*>("mnuFitTable");
    const auto tableFits = [&w] { return w.table().TableWidth() >= 640 && w.table().TableHeight() >= 480; };
    w.resize(300, 200);
    EXPECT_TRUE(tableFits());
    fit->trigger(); // fitted, the window may be smaller
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.minimumWidth() < 640; }, 20000));
    w.resize(320, 300);
    EXPECT_EQ(w.tableWidget().width(), 320);
    fit->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return tableFits() && w.tableWidget().width() >= 640; }, 20000));
}
