// What a desktop player reaches for: F1, Ctrl+Q, and music from the Options menu.
#include <QListWidget>
#include <QMenuBar>
#include <set>

#include "dialogs/GameSettings.h"
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

class MusicMenu : public GuiTest {
protected:
    // The choice in memory, on the menu and in the file, and whether the tune sounds.
    std::tuple<int, bool, std::string, bool> Music()
    {
        return {game().cfg.PlayMIDI, Command("mnuMusic")->isChecked(), Stored("PlayMIDI"), window->mixer().MusicPlaying()};
    }
};

TEST_F(MusicMenu, MusicPlaysWithSoundsOffFollowsThePlayerAndKeepsTheChoiceWithoutADevice)
{
    const std::string tune = "MIDI=" TANDREL_ASSETS "/rag.mid\nSound=0\n";
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nPlayMIDI=0\n" + tune + "[Bob]\nPlayMIDI=1\n" + tune);
    MainWindow& w = Start();
    EXPECT_EQ(Music(), std::tuple(0, false, "0", false));
    for (const int on : {1, 0}) {
        Command("mnuMusic")->trigger();
        EXPECT_EQ(Music(), std::tuple(on, on == 1, std::to_string(on), on == 1));
        EXPECT_EQ(w.MusicTimerOn(), on == 1);
    }
    hands.push_back([](QDialog& d) { // Bob's music comes with Bob
        dynamic_cast<frmNewGame&>(d).lstPlayers->setCurrentRow(1);
        d.reject();
    });
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_EQ(Music(), std::tuple(1, true, "1", true));

    window.reset();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Start();
    Command("mnuMusic")->trigger();
    Command("mnuMusic")->trigger(); // off and on again: silent, but chosen
    EXPECT_EQ(Music(), std::tuple(1, true, "1", false));
    window->close();
    EXPECT_EQ(Stored("PlayMIDI", "Bob"), "1");
}

} // namespace
} // namespace tandrel::testing
