// The menu bar, its shortcuts and the window's life: start-up, resizing,
// closing, the second copy, and input that arrives while a move runs.
#include <QApplication>
#include <QBackingStore>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QSignalSpy>
#include <QSlider>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "app/SingleInstance.h"
#include "dialogs/Alarm.h"
#include "engine/Deal.h"
#include "gui/GuiFixture.h"
#include "store/GamesDealt.h"
#include "store/Players.h"
#include "store/SavedGame.h"
#include "support/qt/Modal.h"

using namespace tandrel;
using namespace tandrel::testing;

TEST_F(GuiTest, FirstStartDealsPresetZeroUnderThePlayersNameAndRedrawsWhenResized)
{
    MainWindow& w = Start();
    std::string name = GetLoginName();
    if (name.find_first_not_of(' ') == std::string::npos) name = "Default";
    EXPECT_EQ(w.windowTitle().toStdString(), "Tandrel - " + name);
    const int back = game().cfg.CardBack; // a stock three backs thick at (388, 300)
    for (auto [card, x, y, height] : {std::array{12, 10, 120, 95}, {16, 100, 125, 95}, {37, 190, 130, 95}, {5, 280, 135, 95},
                                      {back, 280, 120, 5}, {back, 388, 300, 95}, {back, 388, 25, 95}})
        EXPECT_TRUE(Shows(card, x, y, height));
    EXPECT_EQ(game().GamesDealt, 1);
    EXPECT_EQ(LoadGamesDealt(game().GamesDealtFile), 1);
    EXPECT_TRUE(messages.empty());
    w.tableWidget().resize(700, 500);
    EXPECT_EQ(screen().size(), QSize(700, 500));
    EXPECT_TRUE(Shows(12, 10, 120));
    w.tableWidget().resize(800, 600);
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 300));
}

// The table is drawn straight into the memory the window is shown from: no
// picture of its own beside it, and a card drawn is there before any paint.
TEST_F(GuiTest, TheTableIsDrawnWhereTheWindowIsShownFrom)
{
    MainWindow& w = Start();
    ASSERT_TRUE(w.table().Lendable()); // the start waits for the table's first paint
    auto* store = dynamic_cast<QImage*>(table()->backingStore()->paintDevice());
    ASSERT_TRUE(store);
    const QPoint at = table()->mapTo(&w, QPoint(0, 0));
    const QRect area(at, table()->size());
    EXPECT_TRUE(w.table().DrawsInto(store->constBits() + at.y() * store->bytesPerLine() + 4 * at.x()));
    w.table().DrawCard(Surface::Window, 500, 300, 20);
    EXPECT_EQ(store->copy(area).copy(500, 300, CardWidth, CardHeight), screen().copy(500, 300, CardWidth, CardHeight));
    EXPECT_TRUE(Shows(20, 500, 300));

    // Fitted, the table is copied to the screen scaled: it takes its pixels
    // back before the store is made anew for a smaller window.
    Command("mnuFitTable")->trigger();
    ASSERT_TRUE(game().cfg.FitTable);
    EXPECT_FALSE(w.table().DrawsInto(store->constBits() + at.y() * store->bytesPerLine() + 4 * at.x()));
    w.resize(420, 330);
    QApplication::processEvents();
    w.table().DrawCard(Surface::Window, 10, 300, 21);
    EXPECT_TRUE(Shows(20, 500, 300) && Shows(21, 10, 300));
}

// The table reaches the screen before the deal begins; the deal's count
// reaches the file right after its first card is on the screen, before the next.
TEST_F(GuiTest, TheTableShowsBeforeTheDealWhoseCountIsStoredRightAfterItsFirstCard)
{
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\n");
    struct Paint {
        bool beforeDeal;
        int countInFile;
    };
    std::vector<Paint> paints;
    struct Watch : QObject {
        std::function<void()> paint;
        bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::Paint && (paint(), false); }
    } watch;
    watch.paint = [&] { paints.push_back({game().GameOver, LoadGamesDealt(game().GamesDealtFile)}); };
    beforeLoad = [&](MainWindow& w) { w.tableWidget().installEventFilter(&watch); };
    Start();
    ASSERT_FALSE(paints.empty());
    EXPECT_TRUE(paints.front().beforeDeal);
    const auto firstCard = std::find_if(paints.begin(), paints.end(), [](const Paint& p) { return !p.beforeDeal; });
    ASSERT_GE(paints.end() - firstCard, 2);
    EXPECT_EQ(firstCard[0].countInFile, 0) << "the first card is not held up by the write";
    EXPECT_EQ(firstCard[1].countInFile, 1) << "the count is stored before the deal goes on";
    EXPECT_EQ(LoadGamesDealt(game().GamesDealtFile), 1);
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

    game().DealString.clear();
    EXPECT_FALSE(Offered("mnuFile", "mnuRestart"));
}

TEST_F(GuiTest, UndoAndTheSnapshotFromTheMenu)
{
    MainWindow& w = Start();
    EXPECT_FALSE(Offered("mnuOpt", "mnuUndo"));
    EXPECT_FALSE(Command("mnuRestore")->isEnabled());
    Click(400, 340);
    ASSERT_TRUE(Offered("mnuOpt", "mnuUndo"));
    Command("mnuUndo")->trigger();
    EXPECT_EQ(game().WasteCount(1), 0);
    EXPECT_EQ(game().StockPos(1), 0);
    EXPECT_TRUE(Shows(game().cfg.CardBack, 388, 300));
    EXPECT_FALSE(Command("mnuUndo")->isEnabled());
    Click(400, 340);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game().WasteCount(1), 0);
    EXPECT_FALSE(game().Undo);

    Click(400, 340);
    Command("mnuSnap")->trigger();
    const QImage taken = screen().copy();
    const Game before = game();
    Click(400, 340); // refused: the flipped card is still on top
    game().FlippedCard = 0;
    Click(400, 340);
    ASSERT_EQ(game().WasteCount(1), 2);
    ASSERT_TRUE(Offered("mnuOpt", "mnuRestore"));
    Command("mnuRestore")->trigger();
    EXPECT_TRUE(SameTable(game(), before));
    EXPECT_EQ(screen(), taken);
    QTest::keyClick(&w, Qt::Key_F2); // a new game forgets the snapshot
    EXPECT_FALSE(Offered("mnuOpt", "mnuRestore"));
}

// Three moves of a turn taken back and put back, pixel for pixel (as the whole
// table is drawn after each); a new move ends the redoing, and the computer's
// turn closes the player's.
TEST_F(GuiTest, UndoAndRedoWalkTheTurnBackAndForth)
{
    MainWindow& w = Start();
    Craft("9s | Th | - | - ; ; Kd 7c 8h (2)", [](Game& g) { SetStock(g, 1, {Card("2c"), Card("3c")}); });
    std::vector<QImage> shown;
    const auto keep = [&] {
        window->table().RedrawTable();
        shown.push_back(screen().copy());
    };
    keep();
    Drag(QPoint(490, 340), QPoint(40, 160)); // 8h onto 9s
    keep();
    Drag(QPoint(475, 340), QPoint(40, 160)); // 7c onto 8h
    keep();
    Drag(QPoint(40, 130), QPoint(130, 160)); // 9s 8h 7c onto Th
    keep();
    ASSERT_EQ(Table(game()), "- | Th 9s 8h 7c | - | - ; - - - - ; Kd (1) ; - (1)");
    EXPECT_FALSE(Offered("mnuOpt", "mnuRedo"));

    for (int back = 2; back >= 0; --back) {
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(screen(), shown[static_cast<std::size_t>(back)]) << "undo to move " << back;
    }
    EXPECT_FALSE(Offered("mnuOpt", "mnuUndo"));
    EXPECT_EQ(Table(game()), "9s | Th | - | - ; - - - - ; Kd 7c 8h (2) ; - (1)");
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(screen(), shown[2]);
    EXPECT_TRUE(Sound());
    ASSERT_TRUE(Offered("mnuOpt", "mnuRedo"));

    Click(400, 340); // a flip: nothing is left to redo
    EXPECT_FALSE(Offered("mnuOpt", "mnuRedo"));
    EXPECT_TRUE(Offered("mnuOpt", "mnuUndo"));
    Command("mnuSnap")->trigger();
    Command("mnuRestore")->trigger(); // the snapshot's record: the flip alone comes back
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Table(game()), "9s 8h 7c | Th | - | - ; - - - - ; Kd (1) ; - (1)");

    EndTurnPoking({});
    ASSERT_FALSE(game().ComputerBusy);
    EXPECT_FALSE(Offered("mnuOpt", "mnuUndo"));
    EXPECT_FALSE(Offered("mnuOpt", "mnuRedo"));
}

// The demo deals a game of its own and plays both sides until a key; then the
// game in progress is back byte for byte: its saved records, the counts, the
// stored snapshot, the move to take back and the picture.
TEST_F(GuiTest, DemoEndsOnAKeyAndTheGameInProgressComesBackAsItWas)
{
    MainWindow& w = Start();
    Click(400, 340);
    Command("mnuSnap")->trigger();
    const auto records = [this] {
        EXPECT_TRUE(SaveGame(game(), "Save"));
        std::string all;
        for (int n = 1; n <= 9; ++n) all += Stored("Save" + std::to_string(n)) + "\n";
        return all;
    };
    const std::string saved = records();
    window->table().RedrawTable();
    const QImage shown = screen().copy();
    const Game before = game();

    game().cfg.PlaySpeed = 0;
    window->table().timeScale = 0.02;
    bool noticed = false, gaveUp = false;
    std::string demoDeal;
    QElapsedTimer waited;
    waited.start();
    QTimer poke;
    poke.setInterval(5);
    QObject::connect(&poke, &QTimer::timeout, [&] {
        noticed |= window->aids().Overlay().line1 == "Demo: any key or click";
        const bool played = game().DealString != before.DealString && game().ComputerTurnsPlayed >= before.ComputerTurnsPlayed + 2;
        gaveUp = !played && waited.elapsed() > 120000;
        if (played) demoDeal = game().DealString, game().cfg.MusicOn = !before.cfg.MusicOn; // as if the music failed
        if (played || gaveUp) QTest::keyClick(&w, Qt::Key_Space);
    });
    poke.start();
    Command("mnuDemo")->trigger();
    poke.stop();
    ASSERT_FALSE(gaveUp) << "the demo did not play two turns";
    EXPECT_TRUE(noticed);

    EXPECT_EQ(records(), saved);
    EXPECT_TRUE(SameTable(game(), before));
    EXPECT_EQ(std::tuple(game().GamesDealt, game().Wins, game().Losses, game().ComputerTurnsPlayed),
              std::tuple(before.GamesDealt, before.Wins, before.Losses, before.ComputerTurnsPlayed));
    EXPECT_FALSE(Stored("Snap1").empty());
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(Offered("mnuOpt", "mnuUndo"));
    EXPECT_TRUE(window->aids().Overlay().line1.isEmpty());
    EXPECT_NE(game().cfg.MusicOn, before.cfg.MusicOn) << "a setting changed meanwhile stays";
    QTest::keyClick(&w, Qt::Key_F2); // the player's next deal is not the one the demo showed
    EXPECT_NE(game().DealString, demoDeal);
}

// A display lost while the demo plays stores the game in progress and the player's own level, not the demo's.
TEST_F(GuiTest, ALostDisplayDuringTheDemoStoresTheGameInProgress)
{
    MainWindow& w = Start();
    game().cfg.AutoSave = true;
    Click(400, 340);
    ASSERT_TRUE(StoreOnExit(game()));
    const std::string saved = Stored("Save1") + Stored("Save2") + Stored("Save5") + " " + Stored("Style");
    game().cfg.PlaySpeed = 0;
    window->table().timeScale = 0.02;
    const std::string deal = game().DealString;
    QElapsedTimer waited;
    waited.start();
    QTimer poke; // at every look at the events, so the deal's frames are seen
    QObject::connect(&poke, &QTimer::timeout, [&] { // the demo's deal on the table, no move under way
        if (waited.elapsed() > 120000) QTest::keyClick(&w, Qt::Key_Space); // never seen: fails below
        if (game().DealString == deal || game().ComputerBusy || window->programExit().Exited()) return;
        window->programExit().StoreOnLostDisplay();
        QTest::keyClick(&w, Qt::Key_Space);
    });
    poke.start();
    Command("mnuDemo")->trigger();
    ASSERT_TRUE(window->programExit().Exited());
    EXPECT_EQ(Stored("Save1") + Stored("Save2") + Stored("Save5") + " " + Stored("Style"), saved); // not the demo's Master
}

TEST_F(GuiTest, AutoSavedGameComesBackPixelForPixelAndEachTurnIsStored)
{
    Start();
    game().cfg.AutoSave = 1;
    Click(400, 340);
    Drag(QPoint(45, 150), QPoint(300, 420)); // a refused drop, nothing changes
    const QImage shown = screen().copy();
    const auto undo = game().Undo;
    window->close();
    window.reset();

    Start();
    EXPECT_EQ(game().Undo, undo);
    EXPECT_EQ(screen(), shown);
    EXPECT_TRUE(Sound());
    const std::string before = Stored("Save1");
    Click(400, 340);
    Click(480, 250);
    ASSERT_FALSE(game().ComputerBusy);
    EXPECT_NE(Stored("Save1"), before);
}

TEST_F(GuiTest, CloseOrExitDuringTheComputersTurnWaitsForItsEnd)
{
    const std::function<void(MainWindow&)> ends[] = {
        [](MainWindow& w) { w.close(); },
        [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier); },
        [](MainWindow& w) { w.findChild<QAction*>("mnuExit")->trigger(); },
    };
    for (const auto& end : ends) {
        Start().alarm().SetAlarm(60, QTime::currentTime());
        Click(400, 340);
        bool sawBusy = false;
        EndTurnPoking([&] {
            sawBusy = true;
            end(*window);
        });
        EXPECT_TRUE(sawBusy);
        // The end came after the turn, through the whole exit sequence.
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->findChild<QTimer*>("tmrAlarm")->isActive());
        EXPECT_EQ(Stored("Player", "Options"), game().cfg.CurrentPlayer);
        EXPECT_TRUE(Sound());
        window.reset();
    }
}

// Presses that would count now, made while the computer plays: the turn ends as
// it does untouched, on the table and on the screen, and no menu is left open.
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
            QTest::keyClick(window.get(), Qt::Key_F2);
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

// A stranger or a folder at the socket's name neither stops a start nor lets two copies run.
TEST(SingleInstance, OneCopyRunsWhateverSitsAtTheSocketsName)
{
    QTemporaryDir dir;
    for (const bool folder : {false, true}) {
        const std::string socket = dir.path().toStdString() + (folder ? "/folder" : "/stranger");
        const int stranger = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{AF_UNIX, {}};
        socket.copy(addr.sun_path, sizeof addr.sun_path - 1);
        if (folder) std::filesystem::create_directory(socket);
        else ::bind(stranger, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), ::listen(stranger, 4);
        SingleInstance first({socket + ".lock", socket});
        ASSERT_EQ(first.ActivatePrevInstance(), SingleInstance::Start::Run) << folder;
        QSignalSpy forward(&first, &SingleInstance::activationRequested);
        SingleInstance second({socket + ".lock", socket});
        EXPECT_EQ(second.ActivatePrevInstance(),
                  folder ? SingleInstance::Start::Unanswered : SingleInstance::Start::Activated);
        EXPECT_TRUE(folder || forward.wait(2000));
        ::close(stranger);
    }
}

TEST(SingleInstance, TheSocketLivesInAPrivateFolderNamedByDisplayAndSettings)
{
    QTemporaryDir dir;
    const std::string home = dir.path().toStdString(), shared = home + "/shared";
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(shared, std::filesystem::perms::all);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), display = qgetenv("DISPLAY");
    qputenv("XDG_RUNTIME_DIR", shared.c_str());
    qputenv("DISPLAY", ":5.0");
    const SingleInstance::Names a = SingleInstance::For(home), b = SingleInstance::For(shared);
    EXPECT_EQ(SingleInstance::DisplayName(), ":5"); // another screen of the same display is the same display
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("DISPLAY", display);
    EXPECT_EQ(a.socketFile.rfind(shared, 0), std::string::npos); // not in a folder others may enter
    EXPECT_EQ(a.lockFile, home + "/.tandrel.lock");
    EXPECT_NE(a.socketFile, b.socketFile);
}

// A lock file another user made is not honoured: that copy runs.
TEST(SingleInstance, ALockOfAnotherUsersIsNotHonoured)
{
    if (::geteuid() != 0) GTEST_SKIP() << "a lock of another user's is tried only as root";
    QTemporaryDir dir;
    const std::string lock = dir.path().toStdString() + "/.tandrel.lock";
    std::ofstream(lock) << ":9\n";
    ASSERT_EQ(::chown(lock.c_str(), 65534, 65534), 0);
    const int held = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    SingleInstance mine({lock, dir.path().toStdString() + "/socket"});
    EXPECT_EQ(mine.ActivatePrevInstance(), SingleInstance::Start::Run);
    ::close(held);
}

TEST_F(GuiTest, AlarmAsksAndNoEndsTheProgramAsExitDoes)
{
    MainWindow& w = Start();
    game().cfg.AutoSave = 1;
    w.alarm().SetAlarm(5, QTime::currentTime().addSecs(-4 * 60 - 50));
    w.alarm().tmrAlarm_Timer();
    EXPECT_TRUE(messages.empty()); // not yet five minutes
    w.alarm().SetAlarm(5, QTime::currentTime().addSecs(-5 * 60 - 1));
    answers = {MsgAnswer::Yes};
    w.alarm().tmrAlarm_Timer();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "The alarm time is up. Do you want to finish this game?");
    EXPECT_TRUE(w.isVisible());
    w.alarm().tmrAlarm_Timer(); // one-shot: it stays off
    EXPECT_EQ(messages.size(), 1u);

    w.alarm().SetAlarm(60, QTime::currentTime().addSecs(-3600));
    answers = {MsgAnswer::No};
    w.alarm().tmrAlarm_Timer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_NE(Stored("Save1"), "");

    Start().alarm().SetAlarm(1, QTime::currentTime().addSecs(-61)); // after the game ended it only tells and closes
    game().GameOver = true;
    window->alarm().tmrAlarm_Timer();
    EXPECT_EQ(messages.back(), "The alarm time is up?");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GuiTest, AlarmRemembersItsMinutesAndCancelSwitchesItOff)
{
    QAction* alarm = Start().findChild<QAction*>("mnuAlarm");
    SetModalHand({}); // the real modal loop
    const std::pair<std::function<void(AlarmDialog&)>, int> steps[] = {
        {[](AlarmDialog& f) { f.hscAlarm->setValue(20), QTest::keyClick(f.hscAlarm, Qt::Key_Return); }, 5},
        {[](AlarmDialog& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }, 20},
        {[](AlarmDialog& f) { QTest::keyClick(f.hscAlarm, Qt::Key_Escape); }, 5}}; // no alarm: the design value
    for (const auto& [act, shows] : steps) {
        int shown = 0;
        WhenModal<AlarmDialog>([&](AlarmDialog& f) { shown = f.Minutes(), act(f); });
        alarm->trigger();
        EXPECT_EQ(shown, shows);
    }
}
