#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>
#include <utility>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/Demo.h"
#include "app/TableWidget.h"
#include "dialogs/Alarm.h"
#include "dialogs/CenterForm.h"
#include "dialogs/FolderFiles.h"
#include "dialogs/GameSettings.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "dialogs/ShowModal.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/AboutBox.h"
#include "dialogs/RulesWindow.h"
#include "dialogs/StatisticsWindow.h"
#include "engine/Deal.h"
#include "show/NewGame.h"
#include "show/PlayerHand.h"
#include "show/PlayerKeys.h"
#include "show/ShowMoves.h"
#include "engine/Undo.h"
#include "store/GamesDealt.h"
#include "store/SavedGame.h"
#include "store/SettingsFile.h"
#include "store/StorePaths.h"

namespace tandrel {

namespace {

constexpr int InitialTableWidth = 640;
constexpr int InitialTableHeight = 480;
// Long enough for an expose on a loaded machine; a window that is never
// exposed (minimised at once) only delays the game by this much.
constexpr int FirstPaintWaitMs = 2000;

} // namespace

MainWindow::MainWindow(const std::string& programFolder)
    : aids_([this] { tableWidget_->update(); }), programFolder_(programFolder)
{
    setObjectName("frmMain");
    setWindowTitle(ProgramTitle);
    game_ = std::make_unique<Game>(NoScreen());
    InstallTableAccessibility(); // before the table widget is first asked for
    tableWidget_ = new TableWidget(this);
    setCentralWidget(tableWidget_);
    table_ = std::make_unique<WindowTable>(*game_, *tableWidget_);
    game_->view = table_.get();
    ReadSettingsAhead();
    // The writes wait for the first card on the screen (their fsyncs cost more
    // than a frame), then go in the deal's order before the deal goes on: a
    // crash later never deals the same game twice.
    game_->hooks.GamesDealtChanged = [this](Game&) { dealWrites_.push_back(KeepGamesDealt); };
    game_->hooks.ClearSnapshot = [this](Game&) { dealWrites_.push_back(ClearStoredSnapshot); };
    table_->framePainted = [this] {
        KeepDealWrites();
        OpenSoundOnce();
    };
    table_->mixer = &mixer_;
    tableWidget_->SetTable(table_.get());
    tableWidget_->SetAids(&aids_);
    speaker_ = std::make_unique<TableSpeaker>(*game_, aids_);
    tableWidget_->SetSpeaker(speaker_.get());
    table_->said = [this](const std::string& words) { speaker_->Say(*tableWidget_, QString::fromStdString(words)); };

    gate_ = std::make_unique<InputGate>(*this);
    exit_ = std::make_unique<ProgramExit>(*this, *gate_, *game_, mouse_);
    music_ = std::make_unique<Music>(*game_, mixer_, this);
    alarm_ = std::make_unique<AlarmClock>(*game_, *gate_, this);
    menus_ = std::make_unique<Menus>(*menuBar(), *game_);
    ConnectTable();
    ConnectMenus();
    connect(alarm_.get(), &AlarmClock::due, this, [this] { RunAction([this] { alarm_->GoOff(); }); });
    connect(alarm_.get(), &AlarmClock::exitWanted, exit_.get(), &ProgramExit::RequestExit);
    connect(music_.get(), &Music::stoppedForPlayer, menus_->mnuMusic, [this] { menus_->mnuMusic->setChecked(false); });
    connect(exit_.get(), &ProgramExit::exiting, alarm_.get(), &AlarmClock::Stop);
    connect(exit_.get(), &ProgramExit::exiting, music_.get(), &Music::Close);
    exit_->beforeStore = [this] {
        KeepDealWrites();
        mixer_.Settle(); // the opening silences standard error, which an exit may need
    };
    tableWidget_->setMinimumSize(1, 1);
    resize(InitialTableWidth, InitialTableHeight + menuBar()->sizeHint().height());
}

MainWindow::~MainWindow()
{
    // The table's last events (a focus lost as it goes) find nobody to act on.
    tableWidget_->disconnect(this);
    // The speaker goes before the table widget that a screen reader may still ask.
    tableWidget_->SetSpeaker(nullptr);
    table_->said = nullptr;
    // The table view goes before the game that points at it.
    game_->view = &NoScreen();
}

void MainWindow::ConnectTable()
{
    connect(tableWidget_, &TableWidget::pressed, this, &MainWindow::TableMousePress);
    connect(tableWidget_, &TableWidget::moved, this, &MainWindow::TableMouseMove);
    connect(tableWidget_, &TableWidget::released, this, &MainWindow::TableMouseRelease);
    connect(tableWidget_, &TableWidget::doubleClicked, this, &MainWindow::TableDoubleClick);
    connect(tableWidget_, &TableWidget::lostMouse, this, &MainWindow::TableLostMouse);
    connect(tableWidget_, &TableWidget::keyPressed, this, &MainWindow::TableKeyPress);
}

// Each command runs as an action. Exit is no action: it waits for the one in
// hand, as a close of the window does.
void MainWindow::ConnectMenus()
{
    const Menus& m = *menus_;
    const auto command = [this](QAction* item, void (MainWindow::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { RunAction([this, handler] { (this->*handler)(); }); });
    };
    command(m.mnuNew, &MainWindow::mnuNew_Click);
    command(m.mnuRestart, &MainWindow::mnuRestart_Click);
    command(m.mnuSave, &MainWindow::ShowGameSettings);
    command(m.mnuStatistics, &MainWindow::mnuStatistics_Click);
    connect(m.mnuExit, &QAction::triggered, exit_.get(), &ProgramExit::RequestExit);
    command(m.mnuUndo, &MainWindow::mnuUndo_Click);
    command(m.mnuRedo, &MainWindow::mnuRedo_Click);
    command(m.mnuDemo, &MainWindow::mnuDemo_Click);
    command(m.mnuSnap, &MainWindow::mnuSnap_Click);
    command(m.mnuRestore, &MainWindow::mnuRestore_Click);
    command(m.mnuHint, &MainWindow::mnuHint_Click);
    command(m.mnuAlarm, &MainWindow::mnuAlarm_Click);
    command(m.mnuFitTable, &MainWindow::mnuFitTable_Click);
    command(m.mnuMusic, &MainWindow::mnuMusic_Click);
    command(m.mnuHelpTopics, &MainWindow::mnuHelpTopics_Click);
    command(m.mnuQuick, &MainWindow::mnuQuick_Click);
    command(m.mnuAbout, &MainWindow::mnuAbout_Click);
}

// After every action, so a player switched in Game Settings brings their own fit.
void MainWindow::FollowGame()
{
    menus_->Update();
    tableWidget_->SetFit(game_->cfg.FitTable, {InitialTableWidth, InitialTableHeight});
}

void MainWindow::RunAction(const std::function<void()>& action)
{
    if (gate_->Busy() || exit_->Exited()) return;
    gate_->SetBusy(true);
    const Game& g = *game_;
    const int wins = g.Wins, losses = g.Losses, turns = g.ComputerTurnsPlayed;
    const bool over = g.GameOver;
    action();
    KeepDealWrites(); // a deal without slides shows its cards at the end
    KeepProgress(wins, losses, turns);
    // Told once the move that ended the game has drawn all it draws, with the
    // totals as stored (the file may hold games counted elsewhere).
    if (g.GameOver && !over) table_->DrawEndNotice();
    gate_->SetBusy(false);
    aids_.Refresh(*game_, mouse_);
    speaker_->Update(*tableWidget_);
    FollowGame();
    if (gate_->ClosePending()) close();
}

// What a lost display or a power cut must not take: the statistics as soon as
// a game ends and, with AutoSave, the game each time the turn comes back to
// the player. One atomic write, as on exit.
void MainWindow::KeepProgress(int wins, int losses, int computerTurns)
{
    Game& g = *game_;
    const bool ended = g.Wins != wins || g.Losses != losses;
    const bool turnBack = g.cfg.AutoSave && g.ComputerTurnsPlayed != computerTurns;
    if (exit_->Exited() || g.cfg.SettingsFile.empty() || (!ended && !turnBack)) return;
    const int counted = g.Wins + g.Losses;
    exit_->ReportStoreFailure(StoreOnExit(g));
    // The file's totals may hold games counted elsewhere (another copy, a hand edit).
    if (g.Wins + g.Losses != counted) g.view->ScoreBoard(true);
}

void MainWindow::ShowMainWindow()
{
    table_->showingWindow = true;
    const int redraws = table_->Redraws();
    tableWidget_->installEventFilter(this);
    show();
    // The busy pointer after the window is on its way: reading the theme's
    // (animated) one takes a few milliseconds, spent while the display maps
    // the window rather than before it is asked to.
    table_->SetBusyCursor(true);
    // Showing has sized and drawn the table already, unless the size did not change.
    if (table_->Redraws() == redraws) {
        if (!tableWidget_->Fit() && QSize(table_->TableWidth(), table_->TableHeight()) != tableWidget_->size())
            table_->Resize(tableWidget_->width(), tableWidget_->height());
        table_->RedrawTable();
    }
    // The table reaches the screen before anything else the start does; the
    // expose may come late on a busy display, so one look at the events is
    // not enough. The player's input waits meanwhile.
    if (!tablePainted_) {
        QEventLoop loop;
        firstPaint_ = &loop;
        QTimer::singleShot(FirstPaintWaitMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        firstPaint_ = nullptr;
    }
    tableWidget_->removeEventFilter(this);
    table_->SetBusyCursor(false);
    table_->showingWindow = false;
}

// The settings as soon as there is a table: the table picture and the first
// picture's text are then made on other threads while the rest of the window
// is built and shown, not while the window is shown only.
void MainWindow::ReadSettingsAhead()
{
    Game& g = *game_;
    SetStorePaths(g, programFolder_);
    settingsStored_ = LoadSettings(g);
    // The screen's scale first, so the picture is read once, at the size it is shown.
    table_->SetScale(ArtScaleFor(tableWidget_->devicePixelRatioF()));
    table_->LoadBackImageAhead(g.cfg.BackImage);
    table_->PrepareText();
}

void MainWindow::Form_Load()
{
    Game& g = *game_;
    g.GameOver = true;
    // Until the game is restored or dealt an exit waits: it would store the empty table.
    gate_->SetStarting(true);
    setWindowTitle(QString::fromStdString(MainCaption(g.cfg)));
    FollowGame();
    CenterForm(*this);
    ShowMainWindow();
    if (!gate_->ClosePending()) exit_->ReportStoreFailure(settingsStored_);
    gate_->SetStarting(false);
    // Music's device opens after the deal's first card, or once a restored
    // game shows; the tune starts when it is open.
    soundWaits_ = true;
    RunAction([this, &g] {
        if (g.cfg.AutoSave) {
            RestoreOrDeal("Save");
        } else if (!gate_->ClosePending()) {
            OpenSoundOnce(); // the tune plays while the player chooses
            // Cancelled, the table stays empty and the game over until F2.
            ShowGameSettings();
        }
    });
    OpenSoundOnce();
#ifdef __GLIBC__
    // What the start freed (the decoded pictures, the deal's buffers) goes back
    // to the system instead of staying with the heap for good.
    malloc_trim(0);
#endif
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == tableWidget_ && e->type() == QEvent::Paint) {
        tablePainted_ = true;
        // Ends the wait once this paint is done and on its way to the screen.
        if (firstPaint_) firstPaint_->quit();
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainWindow::KeepDealWrites()
{
    // Taken first, so that no write runs twice.
    const auto writes = std::exchange(dealWrites_, {});
    for (const auto write : writes) write(*game_);
}

void MainWindow::OpenSoundOnce()
{
    if (!std::exchange(soundWaits_, false)) return;
    music_->OpenSound();
}

void MainWindow::mnuFitTable_Click()
{
    Settings& c = game_->cfg;
    c.FitTable = !c.FitTable;
    exit_->ReportStoreFailure(WriteFitTable(c));
    FollowGame();
}

// Music does not wait for Sound. Without a device the choice is still kept:
// this run stays silent, and a start with a device plays.
void MainWindow::mnuMusic_Click()
{
    Settings& c = game_->cfg;
    c.MusicOn = !c.MusicOn;
    exit_->ReportStoreFailure(WriteMusicOn(c));
    music_->MusicBySettings();
}

void MainWindow::mnuNew_Click()
{
    QCoreApplication::processEvents();
    NewGame(*game_, true);
}

// Game Settings (the item mnuSave), then what it changed takes effect.
void MainWindow::ShowGameSettings()
{
    Game& g = *game_;
    const std::string player = g.cfg.CurrentPlayer;
    SettingsChoosers choosers;
    // The game's own files first: beside a build-folder program, in share/tandrel for an installed one.
    const std::string& defaults = g.cfg.ProgramFolder;
    choosers.picture = [this, defaults] { return ChooseBackgroundPicture(this, PictureFolders(defaults)); };
    choosers.sound = [this, defaults](const std::string& current) {
        return ChooseSoundFile(this, mixer_, SoundFolders(defaults), current);
    };
    GameSettingsDialog dlg(this, g, *table_, choosers);
    ShowModal(dlg);
    QCoreApplication::processEvents();
    // Player changes, the card back and the table colour hold even after Cancel.
    setWindowTitle(QString::fromStdString(MainCaption(g.cfg)));
    music_->OpenSound();
    if (g.cfg.CurrentPlayer != player) music_->MusicBySettings();
    exit_->ReportStoreFailure(dlg.Stored());
    if (dlg.NewGameConfirmed)
        NewGame(g, true);
    else
        table_->RedrawTable();
}

// A reset shows at once on the score board and, after a game, in the notice over the table.
void MainWindow::mnuStatistics_Click()
{
    exit_->ReportStoreFailure(ShowStatistics(this, *game_));
    table_->RedrawTable();
}

void MainWindow::mnuRestart_Click()
{
    Game& g = *game_;
    if (g.DealString.empty()) return;
    g.FlippedCard = 0;
    DeckFromDealString(g);
    NewGame(g, false);
}

void MainWindow::mnuUndo_Click()
{
    CancelDrag(*game_, mouse_);
    UndoMove(*game_);
    table_->RedrawTable();
}

// A card in hand goes home first: the table it was picked from is about to change.
void MainWindow::mnuDemo_Click()
{
    CancelDrag(*game_, mouse_);
    PlayDemo(*game_, *gate_, *exit_, aids_, mouse_);
}

// The move comes back as the table shows any move, sound and all.
void MainWindow::mnuRedo_Click()
{
    CancelDrag(*game_, mouse_);
    RedoMove(*game_, PlayShown);
    table_->RedrawTable();
}

void MainWindow::mnuSnap_Click()
{
    game_->SnapshotTaken = true;
    exit_->ReportStoreFailure(SaveGame(*game_, "Snap"));
}

void MainWindow::mnuRestore_Click()
{
    RestoreOrDeal("Snap");
}

void MainWindow::RestoreOrDeal(const char* prefix)
{
    if (!RestoreGame(*game_, prefix)) {
        NewGame(*game_, true);
        return;
    }
    table_->ScoreBoard(true);
    table_->StatusPanel(false);
    table_->RedrawTable();
}

// The handbook stays open beside the table; the rules and the about box are modal.
void MainWindow::mnuHelpTopics_Click()
{
    ShowHelpTopics(*this, game_->cfg.ProgramFolder);
}

void MainWindow::mnuQuick_Click()
{
    ShowRules(this);
}

void MainWindow::mnuAbout_Click()
{
    ShowAbout(this);
}

void MainWindow::mnuHint_Click()
{
    if (!game_->GameOver && !mouse_.Dragging()) aids_.ShowHint(*game_);
}

void MainWindow::mnuAlarm_Click()
{
    const int minutes = AskAlarmMinutes(this, alarm_->Minutes());
    const QTime now = QTime::currentTime();
    alarm_->SetAlarm(minutes, QTime(now.hour(), now.minute(), now.second()));
}

void MainWindow::TableMousePress(int button, float x, float y)
{
    suppressClick_ = false;
    aids_.keys.shown = false;
    // The device opens while the player's first move is under way, in time
    // for the card's sound.
    if (game_->cfg.SoundOn) mixer_.OpenInBackground();
    // Clicks act where the pointer last moved; a press under a pointer that has
    // not moved since the window appeared brings no move of its own.
    if (x != mouse_.LastMouseX || y != mouse_.LastMouseY) TableMouseMove(x, y);
    RunAction([&] { Form_MouseDown(*game_, mouse_, button, x, y); });
}

void MainWindow::TableMouseMove(float x, float y)
{
    RunAction([&] { Form_MouseMove(*game_, mouse_, x, y); });
}

void MainWindow::TableMouseRelease(int, float, float)
{
    RunAction([&] {
        Form_MouseUp(*game_, mouse_);
        // The release that ends a double-click is not a click of its own.
        if (!suppressClick_) Form_Click(*game_, mouse_);
        suppressClick_ = false;
    });
}

void MainWindow::TableDoubleClick(int button, float x, float y)
{
    if (button != LeftButton) {
        // Quick right-clicks each play automatically.
        TableMousePress(button, x, y);
        return;
    }
    suppressClick_ = true;
    RunAction([&] { Form_DblClick(*game_, mouse_); });
}

void MainWindow::TableLostMouse()
{
    if (mouse_.Dragging()) RunAction([&] { CancelDrag(*game_, mouse_); });
}

void MainWindow::TableKeyPress(tandrel::TableKey key)
{
    if (game_->cfg.SoundOn) mixer_.OpenInBackground();
    RunAction([&] { Form_KeyDown(*game_, mouse_, aids_.keys, key); });
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    e->setAccepted(exit_->Closing());
}

} // namespace tandrel
