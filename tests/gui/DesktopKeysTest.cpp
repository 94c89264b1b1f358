// What a desktop player reaches for: F1, Ctrl+Q, and music switched from the menu.
#include <SDL.h>
#include <QMenuBar>
#include <QListWidget>
#include <fstream>
#include <set>

#include "dialogs/GameSettings.h"
#include "dialogs/HelpWindow.h"
#include "gui/GuiFixture.h"
#include "store/Profile.h"

namespace tandrel::testing {
namespace {

TEST_F(GuiTest, F1OpensHelpTopicsCtrlQExitsAndNoKeyServesTwoCommands)
{
    MainWindow& w = Start();
    // Access keys are each used once in their menu, shortcuts once in the window.
    std::set<QString> shortcuts;
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
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, 30000));
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(w.Exited());
}

class MusicMenu : public GuiTest {
protected:
    void TearDown() override
    {
        GuiTest::TearDown();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    // Ann without music and Bob with it, both with the sounds off.
    MainWindow& StartAnnAndBob(const char* driver)
    {
        setenv("SDL_AUDIODRIVER", driver, 1);
        const std::string tune = "MIDI=" TANDREL_ASSETS "/rag.mid\nSound=0\n";
        std::ofstream(folder.filePath("duelpat.ini").toStdString())
            << "[Options]\nPlayer=Ann\n[Ann]\nPlayMIDI=0\n" << tune << "[Bob]\nPlayMIDI=1\n" << tune;
        return Start();
    }
    QAction* music() { return Command("mnuMusic"); }
    // The choice in memory, on the menu and in the file, and whether the tune sounds.
    std::tuple<int, bool, std::string, bool> Music()
    {
        const Settings& c = game().cfg;
        return {c.PlayMIDI, music()->isChecked(), ReadProfileString(c.SettingsFile, c.CurrentPlayer, "PlayMIDI", ""),
                window->mixer().MusicPlaying()};
    }
};

TEST_F(MusicMenu, MusicPlaysWithSoundsOffFollowsThePlayerAndGoesOffWithTheDevice)
{
    MainWindow& w = StartAnnAndBob("dummy");
    EXPECT_EQ(Music(), std::tuple(0, false, "0", false));
    music()->trigger();
    EXPECT_EQ(Music(), std::tuple(1, true, "1", true));
    EXPECT_TRUE(w.MusicTimerOn());
    EXPECT_EQ(game().cfg.SoundOn, 0);
    music()->trigger();
    EXPECT_EQ(Music(), std::tuple(0, false, "0", false));
    EXPECT_FALSE(w.MusicTimerOn());

    hands.push_back([](QDialog& d) {
        auto& f = dynamic_cast<frmNewGame&>(d);
        f.lstPlayers->setCurrentRow(1);
        f.cmdCancel->click();
    });
    QTest::keyClick(&w, Qt::Key_F4);
    ASSERT_EQ(game().cfg.CurrentPlayer, "Bob");
    EXPECT_EQ(Music(), std::tuple(1, true, "1", true));

    SDL_Event e{};
    e.type = SDL_AUDIODEVICEREMOVED;
    SDL_PushEvent(&e);
    w.tmrMidi_Timer();
    EXPECT_EQ(Music(), std::tuple(0, false, "0", false));
}

// Without a device this run is silent, but the player's choice stays in the file.
TEST_F(MusicMenu, WithoutADeviceMusicIsSilentButTheChoiceIsKept)
{
    MainWindow& w = StartAnnAndBob("no-such-driver");
    music()->trigger();
    EXPECT_EQ(Music(), std::tuple(1, true, "1", false));
    EXPECT_FALSE(w.MusicTimerOn());
    w.close();
    EXPECT_EQ(ReadProfileString(game().cfg.SettingsFile, "Ann", "PlayMIDI", ""), "1");
}

} // namespace
} // namespace tandrel::testing
