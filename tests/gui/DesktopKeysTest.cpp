// What a desktop player reaches for: F1 and Ctrl+Q, each key serving one command.
#include <QMenuBar>
#include <set>

#include "dialogs/HelpWindow.h"
#include "gui/GuiFixture.h"

namespace tandrel::testing {
namespace {

TEST_F(GuiTest, F1OpensHelpTopicsCtrlQExitsAndNoKeyServesTwoCommands)
{
    MainWindow& w = Start();
    std::set<QString> shortcuts; // once in the window; access keys once in their menu
    for (QAction* title : w.menuBar()->actions()) {
        std::set<QString> keys;
        for (QAction* a : title->menu()->actions()) {
            if (a->isSeparator()) continue;
            EXPECT_TRUE(keys.insert(QKeySequence::mnemonic(a->text()).toString()).second) << a->text().toStdString();
            for (const QKeySequence& k : a->shortcuts())
                EXPECT_TRUE(shortcuts.insert(k.toString()).second) << k.toString().toStdString();
        }
    }
    QTest::keyClick(&w, Qt::Key_F1);
    auto* help = w.findChild<HelpWindow*>("frmHelp");
    ASSERT_TRUE(help && help->isVisible());
    help->close();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; }, 30000));
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(w.Exited());
}

} // namespace
} // namespace tandrel::testing
