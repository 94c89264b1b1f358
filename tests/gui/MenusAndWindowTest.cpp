// The menu bar, its shortcuts and the window's life: start-up, resizing,
// closing, the second copy, and input that arrives while a move runs.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>

#include "app/SingleInstance.h"
#include "engine/Deal.h"
#include "gui/GuiFixture.h"
#include "store/GamesDealt.h"
#include "store/Players.h"
#include "store/Profile.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

QAction* Command(MainWindow& w, const char* name)
{
    return w.findChild<QAction*>(name);
}

} // namespace

TEST_F(GuiTest, FirstStartDealsPresetZeroUnderThePlayersName)
{
    MainWindow& w = Start();
    std::string name = GetLoginName();
    if (name.find_first_not_of(' ') == std::string::npos) name = "Default";
    EXPECT_EQ(w.windowTitle().toStdString(), "Tandrel - " + name);
    EXPECT_TRUE(Shows(12, 10, 120));
    EXPECT_TRUE(Shows(16, 100, 125));
    EXPECT_TRUE(Shows(37, 190, 130));
    EXPECT_TRUE(Shows(5, 280, 135));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 280, 120, 5));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 300)); // a stock three backs thick
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 25));
    EXPECT_EQ(game().GamesDealt, 1);
    EXPECT_EQ(LoadGamesDealt(game().GamesDealtFile), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Sound());
}

TEST_F(GuiTest, ResizingRedrawsTheTableFromTheState)
{
    MainWindow& w = Start();
    w.tableWidget().resize(420, 260);
    EXPECT_EQ(screen().size(), QSize(420, 260));
    EXPECT_TRUE(Shows(12, 10, 120));
    EXPECT_EQ(game().TableauTop(1, TopY), 120);
    w.tableWidget().resize(800, 600);
    EXPECT_TRUE(Shows(5, 280, 135));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 300));
}

TEST_F(GuiTest, NewGameRestartAndTheGameMenu)
{
    MainWindow& w = Start();
    Click(400, 340); // a flip, so the table differs from the deal
    ASSERT_EQ(game().WasteCount(1), 1);
    const std::string deal = game().DealString;

    QTest::keyClick(&w, Qt::Key_F3); // Restart: the same deal from the start
    EXPECT_EQ(game().DealString, deal);
    EXPECT_EQ(game().WasteCount(1), 0);
    EXPECT_EQ(game().GamesDealt, 1);
    EXPECT_TRUE(Shows(12, 10, 120));

    QTest::keyClick(&w, Qt::Key_F2); // New Game: the next preset
    EXPECT_EQ(game().GamesDealt, 2);
    EXPECT_EQ(game().DealString, PresetDeals[1]);
    EXPECT_TRUE(Shows(32, 10, 120));
    EXPECT_TRUE(Sound());

    game().DealString.clear();
    emit w.findChild<QMenu*>("mnuFile")->aboutToShow();
    EXPECT_FALSE(Command(w, "mnuRestart")->isEnabled());
    // Every command has its window now.
    for (const char* name : {"mnuSave", "mnuAlarm", "mnuHelpTopics", "mnuQuick", "mnuAbout"})
        EXPECT_TRUE(Command(w, name)->isEnabled()) << name;
    EXPECT_EQ(Command(w, "mnuExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(Command(w, "mnuQuick")->text(), "&Quick look at the rules");
}

TEST_F(GuiTest, UndoFromTheMenuAndWithCtrlZ)
{
    MainWindow& w = Start();
    QMenu* options = w.findChild<QMenu*>("mnuOpt");
    emit options->aboutToShow();
    EXPECT_FALSE(Command(w, "mnuUndo")->isEnabled());
    Click(400, 340);
    emit options->aboutToShow();
    ASSERT_TRUE(Command(w, "mnuUndo")->isEnabled());
    Command(w, "mnuUndo")->trigger();
    EXPECT_EQ(game().WasteCount(1), 0);
    EXPECT_EQ(game().StockPos(1), 0);
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 300));
    EXPECT_FALSE(Command(w, "mnuUndo")->isEnabled());

    Click(400, 340);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().WasteCount(1), 0);
    EXPECT_EQ(game().UndoRecord, "");
    EXPECT_TRUE(Sound());
}

TEST_F(GuiTest, SnapshotTakenAndRestored)
{
    MainWindow& w = Start();
    QMenu* options = w.findChild<QMenu*>("mnuOpt");
    emit options->aboutToShow();
    EXPECT_FALSE(Command(w, "mnuRestore")->isEnabled());
    Click(400, 340);
    Command(w, "mnuSnap")->trigger();
    const QImage taken = screen().copy();
    const Game before = game();
    Click(400, 340); // refused: the flipped card is still on top
    game().FlippedCard = 0;
    Click(400, 340);
    ASSERT_EQ(game().WasteCount(1), 2);
    emit options->aboutToShow();
    ASSERT_TRUE(Command(w, "mnuRestore")->isEnabled());
    Command(w, "mnuRestore")->trigger();
    EXPECT_EQ(game().Waste, before.Waste);
    EXPECT_EQ(game().Stock, before.Stock);
    EXPECT_EQ(game().StockPos, before.StockPos);
    EXPECT_EQ(screen(), taken);
    // A new game forgets the snapshot.
    QTest::keyClick(&w, Qt::Key_F2);
    emit options->aboutToShow();
    EXPECT_FALSE(Command(w, "mnuRestore")->isEnabled());
}

TEST_F(GuiTest, AutoSavedGameComesBackPixelForPixel)
{
    Start();
    game().cfg.AutoSave = 1;
    Click(400, 340);
    Drag(QPoint(45, 150), QPoint(300, 420)); // a refused drop, nothing changes
    const QImage shown = screen().copy();
    const std::string undo = game().UndoRecord;
    window->close();
    EXPECT_FALSE(window->isVisible());
    window.reset();

    Start();
    EXPECT_EQ(game().UndoRecord, undo);
    EXPECT_EQ(game().WasteCount(1), 1);
    EXPECT_EQ(game().CardsLeft(1), 21);
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(Sound());
}

TEST_F(GuiTest, InputDuringTheComputersTurnIsDroppedAndCloseOrExitWaits)
{
    // A close of the window, Ctrl+X and the Exit item all wait for the turn's end.
    const std::function<void(MainWindow&)> ends[] = {
        [](MainWindow& w) { w.close(); },
        [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier); },
        [](MainWindow& w) { Command(w, "mnuExit")->trigger(); },
    };
    for (const auto& end : ends) {
        Start();
        Click(400, 340);
        const int playersStockPos = game().StockPos(1), dealt = game().GamesDealt;
        auto stockCards = [this] {
            int n = 0;
            for (int i = 1; i <= 42; ++i) n += game().Stock(1, i) != 0;
            return n;
        };
        const int playersStock = stockCards();
        bool sawBusy = false;
        EndTurnPoking([&] {
            sawBusy = true;
            // A flip on the player's stock, a menu shortcut and the end of the program.
            QTest::mouseClick(table(), Qt::LeftButton, {}, QPoint(400, 340));
            QTest::keyClick(window.get(), Qt::Key_F2);
            end(*window);
        });
        EXPECT_TRUE(sawBusy);
        EXPECT_EQ(game().GamesDealt, dealt);
        EXPECT_EQ(game().StockPos(1), playersStockPos); // the player's stock was never flipped
        EXPECT_EQ(stockCards(), playersStock);
        // The end came after the turn, through the whole exit sequence.
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(ReadProfileString(game().cfg.SettingsFile, "Options", "Player", ""), game().cfg.CurrentPlayer);
        EXPECT_TRUE(Sound());
        window.reset();
    }
}

// Presses the player could make count now, made while the computer plays: a
// right-click playing a pile's card, a drag and a right-click of the waste top,
// a double-click, a flip, and the menu bar. The turn ends exactly as it does
// untouched, on the table and on the screen, and no menu is left open.
TEST_F(GuiTest, TableInputDuringTheComputersTurnChangesNothing)
{
    Start();
    const auto turn = [this](bool poke) {
        Craft("9h | 8c | - | - ; ; 6s 7d ; Qs");
        int pokes = 0;
        EndTurnPoking([&] {
            if (!poke || pokes++ > 0) return;
            Click(135, 160, Qt::RightButton);
            Drag(QPoint(500, 347), QPoint(135, 200));
            Click(500, 347, Qt::RightButton);
            DoubleClick(45, 160);
            Click(400, 340);
            QMenuBar* bar = window->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().front()).center());
        });
        EXPECT_EQ(pokes > 0, poke);
        return std::pair(Game(game()), screen().copy());
    };
    const auto [untouched, untouchedScreen] = turn(false);
    const auto [poked, pokedScreen] = turn(true);
    EXPECT_TRUE(Unchanged(poked, untouched));
    EXPECT_TRUE(pokedScreen == untouchedScreen);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

namespace {

// A socket someone else listens on at path; closed with the returned descriptor.
int ListenAt(const std::string& path)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    path.copy(addr.sun_path, sizeof addr.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    ::listen(fd, 4);
    return fd;
}

} // namespace

// The second start brings the first forward; whatever sits at the socket's
// name (a crashed copy's socket, a stranger listening, a folder) neither stops
// a start nor lets two copies run.
TEST(SingleInstance, OneCopyRunsWhateverSitsAtTheSocketsName)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    const std::pair<const char*, std::function<int(const std::string&)>> squatters[] = {
        {"nothing", [](const std::string&) { return -1; }},
        {"a stranger listening", ListenAt},
        {"a crashed copy's socket",
         [](const std::string& p) {
             ::close(ListenAt(p));
             return -1;
         }},
        {"a folder",
         [](const std::string& p) {
             std::filesystem::create_directory(p);
             return -1;
         }},
    };
    int n = 0;
    for (const auto& [what, squat] : squatters) {
        const SingleInstance::Names names{base + "/lock" + std::to_string(n), base + "/socket" + std::to_string(n)};
        ++n;
        const int squatter = squat(names.socketFile);
        SingleInstance first(names);
        ASSERT_FALSE(first.ActivatePrevInstance()) << what;
        QSignalSpy forward(&first, &SingleInstance::activationRequested);
        SingleInstance second(names);
        EXPECT_TRUE(second.ActivatePrevInstance()) << what;
        if (std::string(what) != "a folder") {
            EXPECT_TRUE(forward.wait(2000)) << what;
        }
        if (squatter >= 0) ::close(squatter);
    }
}

TEST(SingleInstance, TheSocketLivesInAPrivateFolderNamedByDisplayAndSettings)
{
    QTemporaryDir dir;
    const std::string shared = dir.path().toStdString() + "/shared";
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared, std::filesystem::perms::all);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), display = qgetenv("DISPLAY");
    qputenv("XDG_RUNTIME_DIR", shared.c_str());
    qputenv("DISPLAY", ":5.0");
    const SingleInstance::Names a = SingleInstance::For(dir.path().toStdString());
    qputenv("DISPLAY", ":6");
    const SingleInstance::Names b = SingleInstance::For(dir.path().toStdString());
    const SingleInstance::Names c = SingleInstance::For(shared);
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("DISPLAY", display);
    ASSERT_FALSE(a.socketFile.empty());
    EXPECT_EQ(a.socketFile.rfind(shared, 0), std::string::npos); // not in a folder others may enter
    EXPECT_EQ(a.lockFile, dir.path().toStdString() + "/.tandrel-:5.lock");
    EXPECT_NE(a.socketFile, b.socketFile);
    EXPECT_NE(b.socketFile, c.socketFile);
    EXPECT_NE(a.lockFile, b.lockFile);
}

TEST_F(GuiTest, AlarmAsksAndNoEndsTheProgramAsExitDoes)
{
    MainWindow& w = Start();
    game().cfg.AutoSave = 1;
    w.SetAlarm(5, QTime::currentTime().addSecs(-4 * 60 - 50));
    w.tmrAlarm_Timer();
    EXPECT_TRUE(messages.empty()); // not yet five minutes
    w.SetAlarm(5, QTime::currentTime().addSecs(-5 * 60 - 1));
    answers = {MsgAnswer::Yes};
    w.tmrAlarm_Timer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The alarm time is up. Do you want to finish this game?");
    EXPECT_TRUE(w.isVisible());
    w.tmrAlarm_Timer(); // one-shot: it stays off
    EXPECT_EQ(messages.size(), 1u);

    w.SetAlarm(60, QTime::currentTime().addSecs(-3600));
    answers = {MsgAnswer::No};
    w.tmrAlarm_Timer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_NE(ReadProfileString(game().cfg.SettingsFile, game().cfg.CurrentPlayer, "Save1", ""), "");
}

TEST_F(GuiTest, AlarmAfterTheGameEndedOnlyTellsAndCloses)
{
    MainWindow& w = Start();
    game().GameOver = true;
    w.SetAlarm(1, QTime::currentTime().addSecs(-61));
    w.tmrAlarm_Timer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The alarm time is up?");
    EXPECT_FALSE(w.isVisible());
}

TEST_F(GuiTest, ASettingsFileThatCannotBeWrittenIsReportedOnce)
{
    // A folder where the settings file should be: nothing can be written there.
    ASSERT_TRUE(QDir(folder.path()).mkdir("duelpat.ini"));
    MainWindow& w = Start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("cannot be written"), std::string::npos);
    Click(400, 340);
    w.findChild<QAction*>("mnuSnap")->trigger();
    w.close();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(w.isVisible());
}
