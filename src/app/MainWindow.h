#pragma once
// The main window: its client area is the card table, its menu bar carries
// every command, and it owns the game, the table view, the speakers and the
// alarm and music timers.
// Every action runs to its end before the next input is taken: input that
// arrives meanwhile is dropped, and a close request waits for the move.
#include <QMainWindow>
#include <QTime>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/InputGate.h"
#include "app/Menus.h"
#include "app/Music.h"
#include "app/PlayAids.h"
#include "app/ProgramExit.h"
#include "app/WindowTable.h"
#include "engine/Game.h"
#include "engine/HeadlessView.h"
#include "input/Mouse.h"
#include "sound/Mixer.h"

namespace tandrel {

class TableWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder: the program's own folder. Its default pictures, sounds
    // and handbook lie beside it (a build folder) or, installed, in
    // ../share/tandrel (DefaultFilesFolder); Form_Load finds out which.
    explicit MainWindow(const std::string& programFolder);
    ~MainWindow() override;

    // The start-up sequence: settings, the window shown, then the saved game
    // or a new deal.
    void Form_Load();

    Game& game() { return *game_; }
    WindowTable& table() { return *table_; }
    TableWidget& tableWidget() { return *tableWidget_; }
    MouseState& mouse() { return mouse_; }
    ProgramExit& programExit() { return *exit_; }

    // Runs one action of the player or a timer; nothing else runs meanwhile.
    void RunAction(const std::function<void()>& action);

    // The play-time alarm: goes off after minutes of play counted from start.
    void SetAlarm(int minutes, QTime start);
    void tmrAlarm_Timer();

    Mixer& mixer() { return mixer_; }
    Music& music() { return *music_; }

    // Mouse events of the table, already in table pixels.
    void TableMousePress(int button, float x, float y);
    void TableMouseMove(float x, float y);
    void TableMouseRelease(int button, float x, float y);
    void TableDoubleClick(int button, float x, float y);
    void TableLostMouse();
    void TableKeyPress(tandrel::TableKey key);
    PlayAids& aids() { return aids_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void ConnectTable();
    void ConnectMenus();
    void FollowGame();
    void ShowMainWindow();
    void KeepProgress(int wins, int losses, int computerTurns);
    // The stored game (Save or Snap) back on the table, or a new deal when it cannot be.
    void RestoreOrDeal(const char* prefix);

    void mnuNew_Click();
    void ShowGameSettings();
    void mnuRestart_Click();
    void mnuUndo_Click();
    void mnuSnap_Click();
    void mnuRestore_Click();
    void mnuHelpTopics_Click();
    void mnuQuick_Click();
    void mnuAbout_Click();
    void mnuAlarm_Click();
    void mnuHint_Click();
    void mnuFitTable_Click();
    void mnuMusic_Click();

    Mixer mixer_; // outlives the table that plays through it
    HeadlessView bootView_;
    std::unique_ptr<Game> game_;
    TableWidget* tableWidget_ = nullptr;
    std::unique_ptr<WindowTable> table_;
    MouseState mouse_;
    PlayAids aids_;
    std::string programFolder_;

    bool suppressClick_ = false;

    QTimer tmrAlarm_;
    int AlarmMinutes = 0;
    QTime AlarmStart;
    // Children of the window; they go before the game they point at.
    std::unique_ptr<InputGate> gate_;
    std::unique_ptr<ProgramExit> exit_;
    std::unique_ptr<Music> music_;
    std::unique_ptr<Menus> menus_;
};

} // namespace tandrel
