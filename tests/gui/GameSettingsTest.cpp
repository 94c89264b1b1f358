// The game settings dialog from F4 with mouse and keyboard, what it stores, the
// access keys of every control and command, and music.
#include <SDL.h>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <fstream>
#include <map>
#include <set>

#include "dialogs/AskText.h"
#include "dialogs/GameSettings.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "gui/GuiFixture.h"
#include "store/Players.h"
#include "store/SettingsFile.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

std::string Name(const QWidget* w)
{
    auto* b = qobject_cast<const QAbstractButton*>(w);
    return !w ? "nothing" : b ? b->text().toStdString() : w->objectName().toStdString();
}

// What Alt+key reaches: the button that shows the key, else where the key puts the focus.
std::string Reached(GameSettingsDialog& f, char key)
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

class GameSettingsTest : public GuiTest {
protected:
    // F4, with act as the player's hand in the dialog.
    void OpenSettings(const std::function<void(GameSettingsDialog&)>& act)
    {
        hands.push_back([act](QDialog& d) { act(dynamic_cast<GameSettingsDialog&>(d)); });
        QTest::keyClick(window.get(), Qt::Key_F4);
        ASSERT_TRUE(hands.empty());
    }
    std::vector<std::string> Listed(const GameSettingsDialog& f)
    {
        std::vector<std::string> names;
        for (int i = 0; i < f.lstPlayers->count(); ++i) names.push_back(f.lstPlayers->item(i)->text().toStdString());
        return names;
    }
    std::string InFolder(const char* name) const { return folder.filePath(name).toStdString(); }
    MainWindow& StartWith(const std::string& keys)
    {
        WriteSettings("[Options]\nPlayer=Ann\n[Ann]\n" + keys);
        return Start();
    }
    // The choice in memory, on the menu and in the file, and whether the tune sounds.
    std::tuple<int, bool, std::string, bool> Music()
    {
        return {game().cfg.MusicOn, Command("mnuMusic")->isChecked(), Stored("PlayMIDI"), window->mixer().MusicPlaying()};
    }
};
using SoundAndMusic = GameSettingsTest;

} // namespace

// Cancel keeps what takes effect at once (the card back) and nothing OK would read.
TEST_F(GameSettingsTest, TheControlsShowTheSettingsCancelKeepsTheBackAndOKStoresThemForAFreshDeal)
{
    Start();
    const std::string deal = game().DealString;
    OpenSettings([](GameSettingsDialog& f) {
        f.hscCardBack->setValue(5);
        f.optDraw[2]->click();
        f.optBack[1]->click();
        f.cmdCancel->click();
    });
    EXPECT_EQ(std::tuple(game().cfg.CardBack, game().cfg.FlipNum, game().cfg.TableBackground),
              std::tuple(61, 1, Background::Picture));
    EXPECT_EQ(game().DealString, deal);
    EXPECT_TRUE(Shows(61, 280, 120, 5)); // the table shows the new back at once

    OpenSettings([](GameSettingsDialog& f) {
        EXPECT_EQ(std::tuple(f.hscPlaySpeed->value(), f.hscSpeed->value(), f.hscCardBack->value()),
                  std::tuple(250, 13, 5));
        EXPECT_TRUE(f.optStyle[2]->isChecked() && f.optDraw[0]->isChecked() && f.optBack[0]->isChecked());
        EXPECT_FALSE(f.chkSolid->isEnabled() || f.cmdColor->isEnabled() || !f.cmdBack->isEnabled());
        f.show();
        QTest::keyClick(f.hscPlaySpeed, Qt::Key_End); // the fastest computer
        for (QWidget* w : std::initializer_list<QWidget*>{f.optDraw[2], f.optStyle[0], f.optBack[1], f.chkAutoSave})
            QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_TRUE(f.chkSolid->isEnabled() && f.cmdColor->isEnabled() && !f.cmdBack->isEnabled());
        QTest::keyClick(&f, Qt::Key_Return); // OK, the default button
    });
    for (auto [key, value] : {std::pair("PlaySpeed", "0"), {"FlipNum", "3"}, {"Style", "0"}, {"Bkgrd", "0"},
                              {"Gradiant", "1"}, {"AutoSave", "1"}, {"CardBack", "61"}})
        EXPECT_EQ(Stored(key), value) << key;
    EXPECT_EQ(game().GamesDealt, 2); // OK deals afresh
}

// The Master is the fourth level, after the Expert, read and written as 3; it takes no
// access key of its own (the frame's key and the arrows reach it), so every key stays single.
TEST_F(GameSettingsTest, TheMasterIsTheFourthLevelAndStoredAsThree)
{
    StartWith("Style=3\n");
    EXPECT_EQ(game().cfg.ComputerLevel, Level::Master);
    OpenSettings([](GameSettingsDialog& f) {
        EXPECT_TRUE(f.optStyle[3]->isChecked());
        EXPECT_EQ(f.optStyle[3]->text(), "Master");
        f.optStyle[2]->click();
        f.cmdOK->click();
    });
    EXPECT_EQ(Stored("Style"), "2");
    OpenSettings([](GameSettingsDialog& f) {
        f.optStyle[3]->click();
        f.cmdOK->click();
    });
    EXPECT_EQ(std::pair(Stored("Style"), game().cfg.ComputerLevel), std::pair(std::string("3"), Level::Master));
}

// A table colour of 0: black when solid, the default under the gradient, as on the table.
TEST_F(GameSettingsTest, APreviewOfTableColourZeroIsWhatTheTableShows)
{
    StartWith("Bkgrd=0\nGradiant=0\nTableColor=0\n");
    const int bottom = screen().height() - 1;
    ASSERT_EQ(screen().pixel(2, 0), qRgb(0, 0, 0));
    QImage gradient;
    OpenSettings([&](GameSettingsDialog& f) {
        EXPECT_EQ(f.Preview().pixel(2, 0), screen().pixel(2, 0));
        EXPECT_EQ(f.Preview().pixel(2, f.Preview().height() - 1), screen().pixel(2, bottom));
        f.chkSolid->click();
        gradient = f.Preview();
        f.cmdOK->click();
    });
    EXPECT_EQ(gradient.pixel(2, 0), qRgb(128, 0, 255));
    EXPECT_EQ(gradient.pixel(2, 0), screen().pixel(2, 0));
    EXPECT_EQ(gradient.pixel(2, gradient.height() - 1), screen().pixel(2, bottom));
    EXPECT_EQ(game().cfg.TableColor, 16711808);
}

TEST_F(GameSettingsTest, PlayersAreAddedSwitchedAndRemovedAndTheGameKeepsOne)
{
    StartWith("Win=3\nCardBack=60\n");
    OpenSettings([this](GameSettingsDialog& f) {
        EXPECT_EQ(Listed(f), std::vector<std::string>{"Ann"});
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        hands.push_back([](QDialog& d) {
            auto& in = dynamic_cast<AskTextDialog&>(d);
            in.show();
            QTest::keyClicks(in.txtInput, QString(40, 'x'));
            EXPECT_EQ(in.txtInput->text().size(), 35);
            // Names the file cannot hold, or a player already there, are refused in the prompt.
            for (const char* refused : {"Bo[b", "ANN"}) {
                in.txtInput->setText(refused);
                in.findChild<QPushButton*>("cmdOK")->click();
                EXPECT_EQ(in.result(), QDialog::Rejected) << refused;
                EXPECT_TRUE(in.lblMessage->text().contains(refused[0] == 'B' ? "[" : "already")) << refused;
            }
            in.txtInput->setText(" Bob ");
            QTest::keyClick(in.txtInput, Qt::Key_Return);
        });
        f.cmdAdd->click();
        EXPECT_EQ(Listed(f), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(game().cfg.CurrentPlayer, "Bob");
        EXPECT_EQ(f.hscCardBack->value(), 0); // a new player's own settings
        EXPECT_TRUE(f.cmdRemove->isEnabled());

        f.lstPlayers->setCurrentRow(0); // Remove only off the first entry
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        EXPECT_EQ(std::pair(game().cfg.CurrentPlayer, game().Wins), std::pair(std::string("Ann"), 3));
        EXPECT_EQ(f.hscCardBack->value(), 4);
        f.lstPlayers->setCurrentRow(1);
        f.cmdRemove->click();
        EXPECT_EQ(Listed(f), std::vector<std::string>{"Ann"});
        EXPECT_EQ(game().cfg.CurrentPlayer, "Ann");
        EXPECT_TRUE(f.cmdRemove->isEnabled());
        // The last player gone, a fresh one takes the table.
        f.cmdRemove->click();
        EXPECT_EQ(Listed(f), std::vector<std::string>{FirstPlayerName()});
        EXPECT_EQ(game().cfg.CurrentPlayer, FirstPlayerName());
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        f.cmdCancel->click();
    });
    EXPECT_EQ(messages, (std::vector<std::string>{"Are you sure you want to remove Bob?",
                                                  "Are you sure you want to remove Ann?"}));
    EXPECT_EQ(ListPlayers(game().cfg.SettingsFile, "").names, std::vector<std::string>{FirstPlayerName()});
    EXPECT_EQ(window->windowTitle().toStdString(), "Tandrel - " + FirstPlayerName());
}

// The picture, the win sound and the colour from their choosers hold after Cancel.
TEST_F(GameSettingsTest, ThePreviewShowsEachKindOfBackgroundFromItsChooserWithTheCardBack)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(picture.save(folder.filePath("table.png")));
    ASSERT_TRUE(QFile::copy(QString(TANDREL_ASSETS) + "/win.wav", folder.filePath("ding.wav")));
    Start();
    const auto pick = [](QListWidget* list, const char* name, QPushButton* button) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.empty()) << name;
        list->setCurrentItem(found.front());
        button->click();
    };
    for (auto [tiled, gradient] : {std::pair(true, true), {false, false}, {false, true}}) {
        game().cfg.TableBackground = tiled ? Background::Picture : Background::Colour;
        game().cfg.ColourFill = gradient ? Fill::Gradient : Fill::Solid;
        OpenSettings([&](GameSettingsDialog& f) {
            if (tiled) {
                hands.push_back([&](QDialog& d) { auto& c = dynamic_cast<PictureChooser&>(d); pick(c.lstFiles, "table.png", c.cmdOK); });
                f.cmdBack->click();
                hands.push_back([&](QDialog& d) { auto& c = dynamic_cast<SoundChooser&>(d); pick(c.lstFiles, "ding.wav", c.cmdAssign); });
                f.cmdWin->click();
            } else {
                hands.push_back([](QDialog& d) {
                    dynamic_cast<QColorDialog&>(d).setCurrentColor(QColor(0x20, 0x40, 0x60));
                    d.accept();
                });
                f.cmdColor->click();
            }
            const QImage p = f.Preview();
            const QRgb colour = tiled ? qRgb(10, 200, 30) : qRgb(0x20, 0x40, 0x60);
            EXPECT_EQ(p.pixel(2, 0), colour);
            EXPECT_EQ(p.pixel(2, p.height() - 1), !tiled && gradient ? qRgb(0x20 + 126, 0x40 + 126, 0x60 + 126) : colour);
            QImage back(71, 95, QImage::Format_RGB32);
            window->table().DrawCardOn(back, 0, 0, game().cfg.CardBack);
            EXPECT_EQ(p.copy(48, 20, 71, 95).copy(10, 10, 50, 70), back.copy(10, 10, 50, 70)) << tiled << gradient;
            f.cmdCancel->click();
        });
        EXPECT_TRUE(!tiled || screen().pixel(630, 5) == qRgb(10, 200, 30)) << "the table itself";
    }
    EXPECT_EQ(game().cfg.TableColor, 0x604020);
    EXPECT_EQ(game().cfg.BackImage, folder.filePath("table.png").toStdString());
    EXPECT_EQ(Stored("BackImage"), game().cfg.BackImage); // written at once
    EXPECT_EQ(game().cfg.WavFiles[0], folder.filePath("ding.wav").toStdString());
}

TEST_F(GameSettingsTest, GameSettingsTabsThroughTheLayoutAndEveryControlHasItsOwnAccessKey)
{
    WriteSettings("[Options]\nPlayer=Bob\n[Ann]\n[Bob]\nFlipNum=2\nStyle=2\nBkgrd=1\n");
    Start();
    OpenSettings([](GameSettingsDialog& f) {
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
    EXPECT_TRUE(w.programExit().Exited());
}

TEST_F(SoundAndMusic, MusicFromAPathWithBlanksLoopsUntilTheExit)
{
    QDir(folder.path()).mkdir("my music");
    QFile::copy(TANDREL_ASSETS "/rag.mid", folder.filePath("my music/a tune.mid"));
    MainWindow& w = StartWith("Sound=0\nPlayMIDI=1\nMIDI=" + InFolder("my music/a tune.mid") + "\n");
    SoundSettles();
    EXPECT_TRUE(w.mixer().MusicPlaying());
    w.music().tmrMidi_Timer();
    EXPECT_TRUE(w.music().TimerOn());
    EXPECT_TRUE(w.mixer().MusicPlaying());
    w.close();
    EXPECT_FALSE(w.music().TimerOn() || w.mixer().MusicPlaying());
}

TEST_F(SoundAndMusic, MusicThatCannotPlayTurnsItselfOff)
{
    std::ofstream(InFolder("junk.mid")) << std::string(100, 'x');
    const struct {
        const char* what;
        std::string midi;
        bool lostDevice;
        bool timerAfterStart;
        int musicOnAfterTick; // in memory and in the file
    } cases[] = {
        {"an empty MIDI key", "", false, true, 0},
        {"a junk tune", InFolder("junk.mid"), false, false, 1},
        {"a device that went away", TANDREL_ASSETS "/rag.mid", true, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindow& w = StartWith("PlayMIDI=1\nMIDI=" + c.midi + "\n");
        SoundSettles();
        EXPECT_EQ(w.mixer().TuneLoaded(), c.lostDevice);
        EXPECT_EQ(w.music().TimerOn(), c.timerAfterStart);
        if (c.lostDevice) {
            SDL_Event e{};
            e.type = SDL_AUDIODEVICEREMOVED;
            SDL_PushEvent(&e);
        }
        if (w.music().TimerOn()) w.music().tmrMidi_Timer();
        EXPECT_FALSE(w.music().TimerOn());
        EXPECT_FALSE(w.mixer().MusicPlaying());
        EXPECT_FALSE(w.mixer().TuneLoaded());
        EXPECT_EQ(game().cfg.MusicOn, c.musicOnAfterTick);
        EXPECT_EQ(Command("mnuMusic")->isChecked(), c.musicOnAfterTick == 1);
        EXPECT_EQ(Stored("PlayMIDI"), c.musicOnAfterTick ? "1" : "0");
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
        SoundSettles();
        EXPECT_EQ(Music(), std::tuple(on, on == 1, std::to_string(on), on == 1));
        EXPECT_EQ(w.music().TimerOn(), on == 1);
    }
    OpenSettings([](GameSettingsDialog& f) { // Bob's music comes with Bob
        f.lstPlayers->setCurrentRow(1);
        f.reject();
    });
    SoundSettles();
    EXPECT_EQ(Music(), std::tuple(1, true, "1", true));
}

// No audio library at the start; the player's first press opens the device.
TEST_F(SoundAndMusic, EffectsOpenTheDeviceAtThePlayersFirstPressNotAtTheStart)
{
    MainWindow& w = StartWith("Sound=1\nPlayMIDI=0\n");
    EXPECT_FALSE(w.mixer().IsOpen() || w.mixer().Opening());
    Click(StockX, HandRowY(1) + 10);
    SoundSettles();
    EXPECT_TRUE(w.mixer().IsOpen());
}

// The player's choices are kept: a start without a device is a passing condition.
TEST_F(SoundAndMusic, NoAudioDeviceStartsAndPlaysSilentlyAndKeepsThePlayersChoice)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MainWindow& w = StartWith("Sound=1\nPlayMIDI=1\nMIDI=" TANDREL_ASSETS "/rag.mid\n");
    SoundSettles();
    EXPECT_TRUE(w.mixer().Failed());
    EXPECT_FALSE(w.music().TimerOn());
    EXPECT_FALSE(game().GameOver) << "a game is dealt";
    Click(StockX, HandRowY(1) + 10); // a flip, with its sound
    EXPECT_EQ(game().WasteCount(1), 1);
    for (int i = 0; i < 2; ++i) Command("mnuMusic")->trigger(); // off and on again: silent, but chosen
    EXPECT_EQ(Music(), std::tuple(1, true, "1", false));
    bool soundShown = false;
    OpenSettings([&](GameSettingsDialog& f) {
        soundShown = f.chkSound->isChecked();
        f.cmdOK->click();
    });
    EXPECT_TRUE(soundShown) << "Game Settings shows what the player chose";
    w.close(); // the exit sequence stores the settings
    EXPECT_EQ(std::pair(Stored("Sound"), Stored("PlayMIDI")), std::pair(std::string("1"), std::string("1")));
}
