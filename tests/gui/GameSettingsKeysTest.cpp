// The keyboard alone: F1 and Ctrl+Q, each key serving one command; in Game
// Settings Tab walks the controls as they are laid out, an option group is one
// stop at its checked button, and every control has an access key of its own.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <map>
#include <set>

#include "dialogs/GameSettings.h"
#include "dialogs/HelpWindow.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

std::string Name(const QWidget* w)
{
    auto* b = qobject_cast<const QAbstractButton*>(w);
    return !w ? "nothing" : b ? b->text().toStdString() : w->objectName().toStdString();
}

// What Alt+key reaches: the button that shows the key, else where the key puts the focus.
std::string Reached(frmNewGame& f, char key)
{
    for (auto* b : f.findChildren<QAbstractButton*>())
        if (b->isEnabled() && QKeySequence::mnemonic(b->text()) == QKeySequence(Qt::ALT | (Qt::Key_A + key - 'a')))
            return Name(b);
    f.cmdCancel->setFocus();
    QTest::keyClick(&f, key, Qt::AltModifier);
    return Name(f.focusWidget());
}

// How often each access key is shown in the window, on buttons, labels and frames.
std::map<QString, int> AccessKeysShown(const QWidget& f)
{
    QStringList captions;
    for (auto* b : f.findChildren<QAbstractButton*>()) captions << b->text();
    for (auto* l : f.findChildren<QLabel*>()) captions << l->text();
    for (auto* g : f.findChildren<QGroupBox*>()) captions << g->title();
    std::map<QString, int> shown;
    for (const QString& c : captions)
        if (const QKeySequence key = QKeySequence::mnemonic(c); !key.isEmpty()) ++shown[key.toString()];
    return shown;
}

} // namespace

TEST_F(GuiTest, GameSettingsTabsThroughTheLayoutAndEveryControlHasItsOwnAccessKey)
{
    WriteSettings("[Options]\nPlayer=Bob\n[Ann]\n[Bob]\nFlipNum=2\nStyle=2\nBkgrd=1\n");
    Start();
    hands.push_back([](QDialog& d) {
        auto& f = dynamic_cast<frmNewGame&>(d);
        f.show();
        f.activateWindow(); // access keys work in the active window only
        ASSERT_TRUE(QTest::qWaitFor([&f] { return QApplication::activeWindow() == &f; }, 30000));
        // In layout order; an option group by the button it has chosen (Two, Expert).
        const std::vector<std::pair<QWidget*, char>> controls = {
            {f.lstPlayers, 'p'}, {f.cmdAdd, 'a'}, {f.cmdRemove, 'r'}, {f.optDraw[1], 'd'}, {f.optStyle[2], 'n'},
            {f.hscPlaySpeed, 'y'}, {f.chkAnimate, 'm'}, {f.hscSpeed, 'e'}, {f.chkSound, 'u'}, {f.cmdWin, 'w'},
            {f.cmdLose, 'l'}, {f.optBack[0], 'b'}, {f.cmdBack, 'i'}, {f.optBack[1], 'g'}, {f.chkSolid, 's'},
            {f.cmdColor, 'h'}, {f.hscCardBack, 'k'}, {f.chkShowStats, 't'}, {f.chkAutoSave, 'v'}, {f.cmdOK, 'o'},
            {f.cmdCancel, 'c'}};
        const auto shown = AccessKeysShown(f);
        EXPECT_EQ(shown.size(), controls.size());
        for (auto [key, times] : shown) EXPECT_EQ(times, 1) << key.toStdString();
        for (QWidget* w : f.findChildren<QWidget*>()) // every control is in the table, an option by its group
            EXPECT_TRUE(w->focusPolicy() == Qt::NoFocus || std::any_of(controls.begin(), controls.end(), [w](auto c) {
                            return c.first == w || (qobject_cast<QRadioButton*>(w) && c.first->parent() == w->parent());
                        })) << Name(w);

        for (const bool coloured : {false, true}) { // the picture's controls enabled, then the colour's
            SCOPED_TRACE(coloured ? "coloured background" : "background picture");
            if (coloured) f.optBack[1]->click();
            std::vector<std::string> expected, seen;
            for (auto [w, key] : controls) {
                auto* option = qobject_cast<QRadioButton*>(w);
                if (w->isEnabled() && (!option || option->isChecked())) expected.push_back(Name(w));
            }
            expected.push_back(Name(f.lstPlayers)); // and round again
            f.lstPlayers->setFocus();
            for (seen.push_back(Name(f.focusWidget())); seen.size() < expected.size(); seen.push_back(Name(f.focusWidget())))
                QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(seen, expected);
            for (auto [w, key] : controls) {
                if (!w->isEnabled()) continue;
                EXPECT_EQ(Reached(f, key), Name(w)) << "Alt+" << key;
            }
        }
        f.cmdCancel->click();
    });
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_TRUE(hands.empty());
}

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
