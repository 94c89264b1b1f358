// Fit Table to Window: the whole table scaled to the window, shape kept and
// centred, the mouse mapped back to table pixels; kept per player.
#include <QAction>
#include <algorithm>

#include "gui/GuiFixture.h"
#include "store/Profile.h"

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
    EXPECT_EQ(ReadProfileString(game().cfg.SettingsFile, game().cfg.CurrentPlayer, "FitTable", ""), "1");

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
