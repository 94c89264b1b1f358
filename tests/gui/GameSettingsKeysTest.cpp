// Game Settings from the keyboard alone: Tab walks the controls as they are laid
// out, an option group is one stop at its checked button, and every control has
// an access key of its own.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <fstream>
#include <map>

#include "dialogs/GameSettings.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Takes the access key's press meant for a button, so nothing is pressed, and
// tells which button it was.
class ButtonKeys : public QObject {
public:
    ButtonKeys() { qApp->installEventFilter(this); }
    ~ButtonKeys() override { qApp->removeEventFilter(this); }
    QWidget* pressed = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Shortcut || !qobject_cast<QAbstractButton*>(o)) return false;
        pressed = static_cast<QWidget*>(o);
        return true;
    }
};

// The control Alt+key reaches: the button it would press, else where the focus goes.
QWidget* Reached(frmNewGame& f, char key)
{
    f.cmdCancel->setFocus();
    ButtonKeys buttons;
    QTest::keyClick(&f, key, Qt::AltModifier);
    return buttons.pressed ? buttons.pressed : f.focusWidget();
}

std::string Name(const QWidget* w)
{
    if (!w) return "nothing";
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text().toStdString();
    return w->objectName().toStdString();
}

// How often each access key is shown in the window: on buttons, labels and frames.
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

bool TabStop(const QWidget* w)
{
    auto* option = qobject_cast<const QRadioButton*>(w);
    return w->isEnabled() && (!option || option->isChecked());
}

} // namespace

TEST_F(GuiTest, GameSettingsTabsThroughTheLayoutAndEveryControlHasItsOwnAccessKey)
{
    std::ofstream(folder.filePath("duelpat.ini").toStdString())
        << "[Options]\nPlayer=Bob\n[Ann]\n[Bob]\nFlipNum=2\nStyle=2\nBkgrd=1\n";
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
        // Every control the keyboard can reach is in the table, an option by its group.
        for (QWidget* w : f.findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus) continue;
            EXPECT_TRUE(std::any_of(controls.begin(), controls.end(), [w](auto c) {
                return c.first == w || (qobject_cast<QRadioButton*>(w) && c.first->parent() == w->parent());
            })) << Name(w);
        }

        for (const bool coloured : {false, true}) { // the background picture's controls, then the colour's
            SCOPED_TRACE(coloured ? "coloured background" : "background picture");
            if (coloured) f.optBack[1]->click();
            std::vector<std::string> expected, seen;
            for (auto [w, key] : controls)
                if (TabStop(w)) expected.push_back(Name(w));
            expected.push_back(Name(f.lstPlayers)); // round again
            f.lstPlayers->setFocus();
            seen.push_back(Name(f.focusWidget()));
            while (seen.size() < expected.size()) {
                QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
                seen.push_back(Name(f.focusWidget()));
            }
            EXPECT_EQ(seen, expected);

            for (auto [w, key] : controls) {
                if (!w->isEnabled()) continue;
                EXPECT_EQ(Name(Reached(f, key)), Name(w)) << "Alt+" << key;
            }
        }
        f.cmdCancel->click();
    });
    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_TRUE(hands.empty());
}
