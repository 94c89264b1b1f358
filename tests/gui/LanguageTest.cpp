// The game in the player's language: the catalogue picked from the locale, the
// words reaching every layer, access keys single in every window of every
// language, and the longer German and Russian texts within their controls.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <map>
#include <set>

#include "app/Language.h"
#include "dialogs/GameSettings.h"
#include "engine/Layout.h"
#include "gui/GuiFixture.h"
#include "opponent/HintWords.h"
#include "render/Fonts.h"
#include "render/QtTable.h"
#include "store/Players.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

TEST(PickLanguage, FollowsTheLocaleAsGettextDoes)
{
    const std::vector<std::string> available{"de", "fr", "pt_BR", "ru"};
    const auto pick = [&](std::map<std::string, std::string> vars) {
        return PickLanguage([&vars](const char* name) { return vars[name]; }, available);
    };
    EXPECT_EQ(pick({{"LANG", "de_AT.UTF-8"}}), "de");
    EXPECT_EQ(pick({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}), "ru");
    EXPECT_EQ(pick({{"LC_ALL", "de_DE@euro"}, {"LC_MESSAGES", "ru_RU"}}), "de");
    EXPECT_EQ(pick({{"LANG", "pt_PT.UTF-8"}}), "pt_BR"); // the Portuguese there is
    // LANGUAGE is a list in order, English ends it, a language without a catalogue is passed over.
    EXPECT_EQ(pick({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv:fr_CA:de"}}), "fr");
    EXPECT_EQ(pick({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}), "");
    EXPECT_EQ(pick({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv"}}), "de");
    // The C locale speaks English whatever LANGUAGE says; so does none at all.
    EXPECT_EQ(pick({{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}), "");
    EXPECT_EQ(pick({}), "");
    EXPECT_EQ(pick({{"LANG", "ja_JP.UTF-8"}}), "");
}

class LanguageTest : public GuiTest {
protected:
    void TearDown() override
    {
        GuiTest::TearDown();
        UseLanguage({});
    }
    QString Said(const char* context, const char* source) { return QCoreApplication::translate(context, source); }
    // The window's menus, titles and items, each in its own group.
    std::vector<QStringList> MenuGroups(MainWindow& w)
    {
        std::vector<QStringList> groups(1);
        for (QAction* title : w.menuBar()->actions()) {
            groups[0] << title->text();
            QStringList items;
            for (QAction* a : title->menu()->actions())
                if (!a->isSeparator()) items << a->text();
            groups.push_back(items);
        }
        return groups;
    }
};

QStringList Captions(const QWidget& window)
{
    QStringList captions;
    for (auto* b : window.findChildren<QAbstractButton*>()) captions << b->text();
    for (auto* l : window.findChildren<QLabel*>()) captions << l->text();
    for (auto* g : window.findChildren<QGroupBox*>()) captions << g->title();
    return captions;
}

// The access keys a group of captions shows more than once.
std::set<QString> SharedKeys(const QStringList& captions)
{
    std::map<QString, int> shown;
    for (const QString& c : captions)
        if (const QKeySequence key = QKeySequence::mnemonic(c); !key.isEmpty()) ++shown[key.toString()];
    std::set<QString> shared;
    for (const auto& [key, times] : shown)
        if (times > 1) shared.insert(key);
    return shared;
}

std::string Joined(const std::set<QString>& keys)
{
    std::string s;
    for (const QString& k : keys) s += k.toStdString() + " ";
    return s;
}

// Each layer speaks the language: the menus, a dialog, the table's panels, the
// rules' and the computer's words, and the rules window.
TEST_F(LanguageTest, EveryLanguageReachesTheMenusTheDialogsTheTableAndTheRules)
{
    const std::vector<std::string> languages = CatalogueLanguages();
    EXPECT_EQ(languages.size(), 8u);
    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(UseLanguage(language));
        MainWindow& w = Start();
        const QString game = Said("Menus", "&Game");
        EXPECT_NE(game, "&Game");
        EXPECT_EQ(w.menuBar()->actions().value(0)->text(), game);
        EXPECT_EQ(StatusLines(w.game(), true).line1, Said("Table", "Press F2 to start a new game."));
        EXPECT_NE(StatusLines(w.game(), true).line1, "Press F2 to start a new game.");
        EXPECT_EQ(PlayerNameProblem(""), Said("Players", "Please type a name for the player.").toStdString());
        EXPECT_NE(PlayerNameProblem(""), "Please type a name for the player.");
        const std::string card = CardName(40);
        EXPECT_NE(card, "ace of spades");
        EXPECT_NE(HintWords(w.game(), tandrel::Move{MoveKind::Load, 1, 0, 0, 0, 40}).first.find(card), std::string::npos);
        hands.push_back([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), Said("tandrel::GameSettingsDialog", "Game Settings"));
            d.reject();
        });
        QTest::keyClick(&w, Qt::Key_F4);
        EXPECT_TRUE(hands.empty());
        window.reset();
    }
}

TEST_F(LanguageTest, AccessKeysStaySingleInEveryWindowInEveryLanguage)
{
    for (const std::string& language : CatalogueLanguages()) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(UseLanguage(language));
        MainWindow& w = Start();
        for (const QStringList& group : MenuGroups(w))
            EXPECT_EQ(Joined(SharedKeys(group)), "") << group.join(", ").toStdString();
        std::vector<std::unique_ptr<QDialog>> windows = OtherWindows();
        for (const auto& d : windows) EXPECT_EQ(Joined(SharedKeys(Captions(*d))), "") << d->objectName().toStdString();
        hands.push_back([&](QDialog& d) {
            const QStringList captions = Captions(d);
            EXPECT_EQ(Joined(SharedKeys(captions)), "");
            int keyed = 0;
            for (const QString& c : captions) keyed += !QKeySequence::mnemonic(c).isEmpty();
            EXPECT_EQ(keyed, 21); // none lost in translation
            d.reject();
        });
        QTest::keyClick(&w, Qt::Key_F4);
        windows.clear(); // before the window they belong to
        window.reset();
    }
}

// A German player reads the German handbook; one whose language it lacks, the English.
TEST_F(LanguageTest, TheHandbookOpensInTheLanguageSpokenWhereItHasIt)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath("handbook/de"));
    std::ofstream(folder.filePath("handbook/index.html").toStdString()) << "<p>English</p>";
    std::ofstream(folder.filePath("handbook/de/index.html").toStdString()) << "<p>Deutsch</p>";
    for (auto [language, page] :
         {std::pair("de", "/handbook/de/index.html"), {"ru", "/handbook/index.html"}, {"", "/handbook/index.html"}}) {
        ASSERT_TRUE(UseLanguage(language));
        HelpWindow w(folder.filePath("handbook"));
        w.ShowContents();
        EXPECT_TRUE(w.txtHelp->source().toLocalFile().endsWith(page)) << language;
    }
}

// What a control cannot show of its text, in pixels: none when the text fits.
int Cut(const QWidget& w)
{
    if (!w.isVisible()) return 0;
    if (auto* l = qobject_cast<const QLabel*>(&w); l && l->text().isEmpty()) return 0; // a picture
    if (auto* g = qobject_cast<const QGroupBox*>(&w)) return std::max(0, g->minimumSizeHint().width() - g->width());
    if (auto* l = qobject_cast<const QLabel*>(&w); l && l->wordWrap())
        return std::max(0, l->heightForWidth(l->width()) - l->height());
    return std::max(0, w.sizeHint().width() - w.width());
}

TEST_F(LanguageTest, EveryLanguagesTextsFitTheirControlsAndPanels)
{
    for (const std::string& language : CatalogueLanguages()) {
        SCOPED_TRACE(language);
        ASSERT_TRUE(UseLanguage(language));
        MainWindow& w = Start();
        w.show();
        const auto within = [](const QWidget& top) {
            for (const QWidget* c : top.findChildren<QWidget*>()) {
                if (qobject_cast<const QLabel*>(c) || qobject_cast<const QAbstractButton*>(c) ||
                    qobject_cast<const QGroupBox*>(c)) {
                    EXPECT_EQ(Cut(*c), 0) << top.objectName().toStdString() << ": " << c->objectName().toStdString();
                }
            }
        };
        hands.push_back([&](QDialog& d) {
            d.show();
            within(d);
            d.reject();
        });
        QTest::keyClick(&w, Qt::Key_F4);
        std::vector<std::unique_ptr<QDialog>> windows = OtherWindows();
        for (const auto& d : windows) {
            d->show();
            within(*d);
        }
        windows.clear();
        // The table's panels: every line within its panel at the table's font.
        const QImage surface(1, 1, QImage::Format_RGB32);
        const QFontMetricsF m(TableFont(surface), &surface);
        for (const QString& line : StatusPanelLines())
            EXPECT_LE(m.horizontalAdvance(line), StatusPanelArea.right - StatusPanelArea.left - 2 * PanelTextMargin)
                << line.toStdString();
        EXPECT_LE(ScoreLabelX + ScoreColumnWidth(m) + m.horizontalAdvance("00"), ScoreBoardArea.right - PanelInnerEdge);
        // A question of the game's own, in a real box.
        // The box is looked for until it shows, then read and closed.
        bool seen = false;
        QTimer look;
        look.setInterval(10);
        QObject::connect(&look, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(top);
                if (!box || !box->isVisible()) continue;
                look.stop();
                seen = true;
                within(*box);
                box->reject();
            }
        });
        look.start();
        w.table().answerer = nullptr;
        w.table().ShowMessage(Said("Alarm", "The alarm time is up. Do you want to finish this game?").toStdString(),
                              MsgIcon::Question, MsgButtons::YesNo, "Tandrel");
        EXPECT_TRUE(seen);
        window.reset();
    }
}

} // namespace
