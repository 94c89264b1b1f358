#pragma once
// The main window: its client area is the card table and its menu bar carries
// every command. It owns the game and the table view and wires the window's
// jobs together: the menus, the input gate, the music, the alarm and the exit.
// Every action runs to its end before the next input is taken.
#include <QEventLoop>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/AlarmClock.h"
#include "app/InputGate.h"
#include "app/Menus.h"
#include "app/Music.h"
#include "app/PlayAids.h"
#include "app/ProgramExit.h"
#include "app/TableAccessible.h"
#include "app/WindowTable.h"
#include "engine/Game.h"
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
    Mixer& mixer() { return mixer_; }
    Music& music() { return *music_; }
    AlarmClock& alarm() { return *alarm_; }
    ProgramExit& programExit() { return *exit_; }

    // Runs one action of the player or a timer; nothing else runs meanwhile.
    void RunAction(const std::function<void()>& action);

    // Mouse events of the table, already in table pixels.
    void TableMousePress(int button, float x, float y);
    void TableMouseMove(float x, float y);
    void TableMouseRelease(int button, float x, float y);
    void TableDoubleClick(int button, float x, float y);
    void TableLostMouse();
    void TableKeyPress(tandrel::TableKey key);
    PlayAids& aids() { return aids_; }
    TableSpeaker& speaker() { return *speaker_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void ReadSettingsAhead();
    void ConnectTable();
    void ConnectMenus();
    void FollowGame();
    void ShowMainWindow();
    // The deal's writes, held until its first card is on the screen, in the
    // order the deal asked for them.
    void KeepDealWrites();
    // Music's device starts opening once the start has shown its game.
    void OpenSoundOnce();
    void KeepProgress(int wins, int losses, int computerTurns);
    // The stored game (Save or Snap) back on the table, or a new deal when it cannot be.
    void RestoreOrDeal(const char* prefix);

    void mnuNew_Click();
    void ShowGameSettings();
    void mnuStatistics_Click();
    void mnuRestart_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuDemo_Click();
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
    std::unique_ptr<Game> game_;
    TableWidget* tableWidget_ = nullptr;
    std::unique_ptr<WindowTable> table_;
    MouseState mouse_;
    PlayAids aids_;
    std::unique_ptr<TableSpeaker> speaker_;
    std::string programFolder_;
    bool settingsStored_ = true; // the settings read at the start were kept (a first start writes)
    bool suppressClick_ = false;
    std::vector<void (*)(Game&)> dealWrites_;
    bool soundWaits_ = false;          // the start has not asked for the device yet
    bool tablePainted_ = false;        // the table reached the screen once
    QEventLoop* firstPaint_ = nullptr; // waits for that

    // The window's jobs; they go before the game they point at. The QObjects
    // are the window's children, so findChild finds the timers.
    std::unique_ptr<InputGate> gate_;
    std::unique_ptr<ProgramExit> exit_;
    std::unique_ptr<Music> music_;
    std::unique_ptr<AlarmClock> alarm_;
    std::unique_ptr<Menus> menus_;
};

} // namespace tandrel
