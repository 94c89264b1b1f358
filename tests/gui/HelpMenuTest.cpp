// The Help menu opens the handbook beside the table and the two modal windows.
#include <QAction>
#include <QApplication>
#include <QTextBrowser>

#include "dialogs/HelpWindow.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

// Opened again after reading on and closing, it is the same window, back at the contents.
TEST_F(GuiTest, HelpTopicsOpensTheHandbookBesideTheProgramAtItsContents)
{
    const QDir from(QString(TANDREL_ASSETS) + "/../handbook");
    QDir(folder.path()).mkdir("handbook");
    for (const QString& f : from.entryList(QDir::Files)) QFile::copy(from.filePath(f), folder.filePath("handbook/" + f));
    MainWindow& w = Start();
    for (int opening = 0; opening < 2; ++opening) {
        w.findChild<QAction*>("mnuHelpTopics")->trigger();
        auto* help = w.findChild<HelpWindow*>("frmHelp");
        ASSERT_TRUE(help && help->isVisible());
        EXPECT_EQ(w.findChildren<HelpWindow*>().size(), 1);
        EXPECT_EQ(help->txtHelp->source().fileName(), "index.html");
        EXPECT_TRUE(help->txtHelp->toPlainText().contains("Contents"));
        help->txtHelp->setSource(help->txtHelp->source().resolved(QUrl("rules.html")));
        help->close();
    }
}

// The modal windows take their keys although the main window drops input while a command runs.
TEST_F(GuiTest, QuickLookAndAboutOpenModallyAndCloseWithEscape)
{
    MainWindow& w = Start();
    SetModalHand({}); // the real modal loop, as the player meets it
    for (const auto& [command, caption] : {std::pair{"mnuQuick", "The Rules"}, std::pair{"mnuAbout", "About Tandrel"}}) {
        QString seen;
        int tries = 0;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                seen = m->windowTitle();
                if (++tries > 50) m->close(); // Escape did nothing: no hang
                else QTest::keyClick(m, Qt::Key_Escape);
            }
        });
        poll.start(10);
        w.findChild<QAction*>(command)->trigger();
        EXPECT_EQ(seen, caption);
        EXPECT_EQ(tries, 1);
    }
}
