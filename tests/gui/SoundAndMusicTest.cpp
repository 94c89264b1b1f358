// Music through the main window: its menu and timer, the way music that cannot
// play turns itself off, and a machine with no audio at all.
#include <SDL.h>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <fstream>

#include "dialogs/GameSettings.h"
#include "gui/GuiFixture.h"

namespace tandrel::testing {
namespace {

class SoundAndMusic : public GuiTest {
protected:
    std::string InFolder(const char* name) const { return folder.filePath(name).toStdString(); }
    MainWindow& StartWith(const std::string& keys)
    {
        WriteSettings("[Options]\nPlayer=Ann\n[Ann]\n" + keys);
        return Start();
    }
    // The choice in memory, on the menu and in the file, and whether the tune sounds.
    std::tuple<int, bool, std::string, bool> Music()
    {
        return {game().cfg.PlayMIDI, Command("mnuMusic")->isChecked(), Stored("PlayMIDI"), window->mixer().MusicPlaying()};
    }
};

TEST_F(SoundAndMusic, MusicFromAPathWithBlanksLoops)
{
    QDir(folder.path()).mkdir("my music");
    QFile::copy(TANDREL_ASSETS "/rag.mid", folder.filePath("my music/a tune.mid"));
    MainWindow& w = StartWith("Sound=0\nPlayMIDI=1\nMIDI=" + InFolder("my music/a tune.mid") + "\n");
    EXPECT_TRUE(w.mixer().MusicPlaying());
    w.tmrMidi_Timer();
    EXPECT_TRUE(w.MusicTimerOn());
    EXPECT_TRUE(w.mixer().MusicPlaying());
}

TEST_F(SoundAndMusic, MusicThatCannotPlayTurnsItselfOff)
{
    std::ofstream(InFolder("junk.mid")) << std::string(100, 'x');
    const struct {
        const char* what;
        std::string midi;
        bool lostDevice;
        bool timerAfterStart;
        int playMidiAfterTick; // in memory and in the file
    } cases[] = {
        {"an empty MIDI key", "", false, true, 0},
        {"a junk tune", InFolder("junk.mid"), false, false, 1},
        {"a device that went away", TANDREL_ASSETS "/rag.mid", true, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindow& w = StartWith("PlayMIDI=1\nMIDI=" + c.midi + "\n");
        EXPECT_EQ(w.mixer().TuneLoaded(), c.lostDevice);
        EXPECT_EQ(w.MusicTimerOn(), c.timerAfterStart);
        if (c.lostDevice) {
            SDL_Event e{};
            e.type = SDL_AUDIODEVICEREMOVED;
            SDL_PushEvent(&e);
        }
        if (w.MusicTimerOn()) w.tmrMidi_Timer();
        EXPECT_FALSE(w.MusicTimerOn());
        EXPECT_FALSE(w.mixer().MusicPlaying());
        EXPECT_FALSE(w.mixer().TuneLoaded());
        EXPECT_EQ(game().cfg.PlayMIDI, c.playMidiAfterTick);
        EXPECT_EQ(Stored("PlayMIDI"), c.playMidiAfterTick ? "1" : "0");
        window.reset();
    }
}

TEST_F(SoundAndMusic, TheMenusMusicPlaysWithSoundsOffAndFollowsThePlayer)
{
    const std::string tune = "MIDI=" TANDREL_ASSETS "/rag.mid\nSound=0\n";
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nPlayMIDI=0\n" + tune + "[Bob]\nPlayMIDI=1\n" + tune);
    MainWindow& w = Start();
    EXPECT_FALSE(w.mixer().IsOpen()); // with sound and music off
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
}

// The player's choices are kept: a start without a device is a passing condition.
TEST_F(SoundAndMusic, NoAudioDeviceStartsAndPlaysSilentlyAndKeepsThePlayersChoice)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MainWindow& w = StartWith("Sound=1\nPlayMIDI=1\nMIDI=" TANDREL_ASSETS "/rag.mid\n");
    EXPECT_TRUE(w.mixer().Failed());
    EXPECT_FALSE(w.MusicTimerOn());
    EXPECT_FALSE(game().GameOver) << "a game is dealt";
    Click(StockX, HandRowY(1) + 10); // a flip, with its sound
    EXPECT_EQ(game().WasteCount(1), 1);
    for (int i = 0; i < 2; ++i) Command("mnuMusic")->trigger(); // off and on again: silent, but chosen
    EXPECT_EQ(Music(), std::tuple(1, true, "1", false));
    bool soundShown = false;
    hands.push_back([&](QDialog& d) {
        soundShown = d.findChild<QCheckBox*>("chkSound")->isChecked();
        d.findChild<QPushButton*>("cmdOK")->click();
    });
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_TRUE(soundShown) << "Game Settings shows what the player chose";
    w.close(); // the exit sequence stores the settings
    EXPECT_EQ(std::pair(Stored("Sound"), Stored("PlayMIDI")), std::pair(std::string("1"), std::string("1")));
}

} // namespace
} // namespace tandrel::testing
