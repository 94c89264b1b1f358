// The about box, the rules window and the handbook with its window.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "dialogs/HelpWindow.h"
#include "dialogs/AboutBox.h"
#include "dialogs/RulesWindow.h"

using namespace tandrel;

TEST(AboutBox, ShowsTheProjectVersionItsAddressAndIcon)
{
    AboutBox frm;
    const QStringList v = QString(TANDREL_PROJECT_VERSION).split('.');
    EXPECT_EQ(frm.lblVer->text().toStdString(), ("Version " + v[0] + "." + v[1]).toStdString());
    // The address the desktop's software centre shows (the package test holds the package's to it too).
    QFile metainfo(TANDREL_METAINFO);
    ASSERT_TRUE(metainfo.open(QIODevice::ReadOnly));
    const auto url = QRegularExpression(R"(<url type="homepage">([^<]+)</url>)").match(QString::fromUtf8(metainfo.readAll()));
    ASSERT_TRUE(url.hasMatch());
    EXPECT_TRUE(frm.lblEMail->text().endsWith(" " + url.captured(1))) << frm.lblEMail->text().toStdString();
    EXPECT_FALSE(frm.imgIcon->pixmap().isNull());
}

TEST(RulesWindow, ScrollsItsTextAndClosesByOkEnterOrEscape)
{
    using Close = void (*)(RulesWindow&);
    for (Close close : {+[](RulesWindow& f) { f.okButton->click(); }, +[](RulesWindow& f) { QTest::keyClick(&f, Qt::Key_Return); },
                        +[](RulesWindow& f) { QTest::keyClick(&f, Qt::Key_Escape); }}) {
        RulesWindow frm;
        EXPECT_EQ(frm.heading->text(), "A Quick Look At The Rules");
        EXPECT_TRUE(frm.heading->font().bold());
        EXPECT_TRUE(frm.rules->text().startsWith("The play of the game is much the same"));
        EXPECT_TRUE(frm.rules->text().contains("see the help file.\n\nAlso, it may be helpful"));
        // The text is taller than its window: the bar's far end shows its last line.
        ASSERT_TRUE(frm.scrollBar->isEnabled());
        EXPECT_EQ(frm.scrollBar->pageStep(), frm.scrollBar->maximum() / 10);
        frm.scrollBar->setValue(frm.scrollBar->maximum());
        EXPECT_EQ(frm.page->geometry().bottom(), frm.viewport->contentsRect().bottom());
        frm.show();
        close(frm);
        EXPECT_FALSE(frm.isVisible());
    }
}

// Every link and picture of the handbook is one of its own pages, anchors or
// pictures, and every page is linked from another; in German and French too,
// page for page as in English.
TEST(Handbook, EveryLinkResolvesInsideTheHandbookInEveryLanguage)
{
    const QStringList english = QDir(TANDREL_HANDBOOK).entryList({"*.html"});
    for (const QString language : {"", "de", "fr"}) {
        SCOPED_TRACE(language.toStdString());
        const QDir dir(QString(TANDREL_HANDBOOK) + "/" + language);
        const QStringList pages = dir.entryList({"*.html"});
        ASSERT_TRUE(pages.contains("index.html"));
        EXPECT_EQ(pages, english);
        QSet<QString> linked;
        const QRegularExpression ref(R"re((href|src)="([^"]*)")re");
        for (const QString& page : pages) {
            QFile f(dir.filePath(page));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            for (const auto& m : ref.globalMatch(QString::fromUtf8(f.readAll()))) {
                const QString target = m.captured(2).section('#', 0, 0), anchor = m.captured(2).section('#', 1);
                const QString file = dir.filePath(target.isEmpty() ? page : target);
                SCOPED_TRACE((page + ": " + m.captured(2)).toStdString());
                ASSERT_FALSE(target.contains(':'));
                ASSERT_TRUE(QFileInfo(file).isFile());
                QFile t(file);
                if (m.captured(1) == "src") {
                    EXPECT_FALSE(QImage(file).isNull());
                } else if (!anchor.isEmpty() && t.open(QIODevice::ReadOnly)) {
                    const QByteArray text = t.readAll();
                    EXPECT_TRUE(text.contains(("name=\"" + anchor + "\"").toUtf8()) ||
                                text.contains(("id=\"" + anchor + "\"").toUtf8()));
                }
                if (target != page) linked.insert(target);
            }
        }
        for (const QString& page : pages) EXPECT_TRUE(page == "index.html" || linked.contains(page)) << page.toStdString();
    }
}

TEST(HelpWindowTest, BackForwardAndHomeWalkThePagesRead)
{
    HelpWindow w(TANDREL_HANDBOOK);
    w.ShowContents();
    const QUrl contents = w.txtHelp->source();
    EXPECT_FALSE(w.cmdBack->isEnabled());
    w.txtHelp->setSource(contents.resolved(QUrl("rules.html#example")));
    const QUrl rules = w.txtHelp->source();
    w.cmdBack->click();
    EXPECT_EQ(w.txtHelp->source(), contents);
    ASSERT_TRUE(w.cmdForward->isEnabled());
    w.cmdForward->click();
    EXPECT_EQ(w.txtHelp->source(), rules);
    w.cmdHome->click();
    EXPECT_EQ(w.txtHelp->source(), contents);
    EXPECT_TRUE(w.txtHelp->toPlainText().contains("Playing with the mouse"));
}

TEST(HelpWindowTest, AMissingHandbookIsSaidInTheWindowAndAFifoIsNeverWaitedOn)
{
    QTemporaryDir empty;
    HelpWindow w(empty.path());
    w.ShowContents();
    EXPECT_TRUE(w.txtHelp->toPlainText().contains("The handbook is missing"));
    EXPECT_FALSE(w.cmdHome->isEnabled());
    // A page that is a FIFO shows empty; reading it would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(empty.filePath("rules.html")).constData(), 0600), 0);
    w.txtHelp->setSource(QUrl::fromLocalFile(empty.filePath("rules.html")));
    EXPECT_TRUE(w.txtHelp->toPlainText().isEmpty());
}
