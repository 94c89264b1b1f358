#pragma once
// The real main window offscreen: a fresh folder per test, no waits, messages recorded.
#include <QDir>
#include <QDialog>
#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/TableWidget.h"
#include "dialogs/AboutBox.h"
#include "dialogs/Alarm.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/RulesWindow.h"
#include "dialogs/ShowModal.h"
#include "dialogs/SoundChooser.h"
#include "dialogs/StatisticsWindow.h"
#include "store/Profile.h"
#include "support/Positions.h"

namespace tandrel::testing {

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // The player's hand at every window: the next of hands, else a press of OK.
        SetModalHand([this](QDialog& d) {
            if (!hands.empty()) {
                const auto hand = hands.front();
                hands.erase(hands.begin());
                hand(d);
            } else if (auto* ok = d.findChild<QPushButton*>("cmdOK")) {
                ok->click();
            }
            return d.result();
        });
    }
    void TearDown() override
    {
        window.reset();
        SetModalHand({});
        setenv("SDL_AUDIODRIVER", "dummy", 1); // a test may have taken the device away
    }

    // Starts the program in the test's folder (or in programFolder), as a player would see it.
    MainWindow& Start(const std::string& programFolder = {})
    {
        window = std::make_unique<MainWindow>(programFolder.empty() ? folder.path().toStdString() : programFolder);
        window->table().timeScale = 0;
        window->table().answerer = [this](const std::string& text, MsgIcon, MsgButtons buttons,
                                          const std::string& title) {
            if (!text.empty()) messages.push_back(text);
            lastTitle = title;
            return ScriptedAnswer(answers, buttons);
        };
        if (beforeLoad) beforeLoad(*window);
        window->Form_Load();
        return *window;
    }
    // The audio device has opened (or failed) and the tune has followed.
    void SoundSettles()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->music().SoundSettled(); }, 30000));
    }

    Game& game() { return window->game(); }
    // The settings file the next start reads, and what it holds (for the current player by default).
    void WriteSettings(const std::string& text) const { std::ofstream(folder.filePath("duelpat.ini").toStdString()) << text; }
    std::string Stored(const std::string& key, const std::string& section = {})
    {
        return ReadProfileString(game().cfg.SettingsFile, section.empty() ? game().cfg.CurrentPlayer : section, key, "");
    }

    // Lays out a position by hand (as Lay writes it, and more) and shows it, as a repaint would.
    void Craft(const std::string& layout, const std::function<void(Game&)>& more = {})
    {
        Lay(game(), layout);
        if (more) more(game());
        ParkRest(game(), 2);
        ASSERT_TRUE(Sound());
        window->table().RedrawTable();
    }
    QWidget* table() { return &window->tableWidget(); }
    // Every window of the game but the main one and Game Settings, made as its command makes it.
    std::vector<std::unique_ptr<QDialog>> OtherWindows()
    {
        MainWindow& w = *window;
        std::vector<std::unique_ptr<QDialog>> windows;
        windows.push_back(std::make_unique<HelpWindow>(folder.path()));
        windows.push_back(std::make_unique<StatisticsWindow>(&w, w.game()));
        windows.push_back(std::make_unique<SoundChooser>(&w, w.mixer(), std::vector<SearchFolder>{}, ""));
        windows.push_back(std::make_unique<PictureChooser>(&w, std::vector<SearchFolder>{}));
        windows.push_back(std::make_unique<AlarmDialog>(&w, 1));
        windows.push_back(std::make_unique<AboutBox>(&w));
        windows.push_back(std::make_unique<RulesWindow>(&w));
        return windows;
    }
    QAction* Command(const char* name) { return window->findChild<QAction*>(name); }
    // Whether a command is on offer once its menu opens.
    bool Offered(const char* menu, const char* name)
    {
        emit window->findChild<QMenu*>(menu)->aboutToShow();
        return Command(name)->isEnabled();
    }
    QImage screen() { return window->table().WindowImage(); }

    void Move(int x, int y) { QTest::mouseMove(table(), QPoint(x, y)); }
    void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton)
    {
        Move(x, y);
        QTest::mousePress(table(), b, {}, QPoint(x, y));
    }
    void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(table(), b, {}, QPoint(x, y)); }
    void Click(int x, int y, Qt::MouseButton b = Qt::LeftButton)
    {
        Press(x, y, b);
        Release(x, y, b);
    }
    void DoubleClick(int x, int y)
    {
        Move(x, y);
        QTest::mouseDClick(table(), Qt::LeftButton, {}, QPoint(x, y));
    }
    // Presses at from, moves there in steps as a hand would, releases at to.
    void Drag(QPoint from, QPoint to)
    {
        Press(from.x(), from.y());
        for (int i = 1; i <= 8; ++i) Move(from.x() + (to.x() - from.x()) * i / 8, from.y() + (to.y() - from.y()) * i / 8);
        Release(to.x(), to.y());
    }

    // Ends the turn with short real pauses; poke runs every millisecond while the computer plays.
    void EndTurnPoking(const std::function<void()>& poke)
    {
        game().cfg.PlaySpeed = 0;
        window->table().timeScale = 0.02;
        QTimer timer;
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (game().ComputerBusy && poke) poke();
        });
        timer.start();
        Click(480, 250);
    }

    // Every pixel of card's visible height at (x, y) but the rounded corners is the card's own.
    ::testing::AssertionResult Shows(int card, int x, int y, int visibleHeight = 95)
    {
        QImage ref(71, 95, QImage::Format_ARGB32_Premultiplied);
        ref.fill(Qt::transparent);
        window->table().DrawCardOn(ref, 0, 0, card);
        const QImage& img = screen();
        for (int dy = 0; dy < visibleHeight; ++dy)
            for (int dx = 0; dx < 71; ++dx) {
                if (qAlpha(ref.pixel(dx, dy)) != 255) continue; // a corner
                if (img.pixel(x + dx, y + dy) != ref.pixel(dx, dy))
                    return ::testing::AssertionFailure() << "card " << card << " not at (" << x << ", " << y
                                                         << "): pixel (" << x + dx << ", " << y + dy << ") differs";
            }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult Sound() { return testing::Sound(game()); }

    QTemporaryDir folder;
    std::vector<std::function<void(QDialog&)>> hands; // for the windows to come, in order
    std::function<void(MainWindow&)> beforeLoad;       // the window made, the start not begun
    std::unique_ptr<MainWindow> window;
    std::vector<std::string> messages;
    std::vector<MsgAnswer> answers;
    std::string lastTitle;
};

} // namespace tandrel::testing
