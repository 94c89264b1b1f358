#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/DisplayCheck.h"
#include "app/ExitSignals.h"
#include "app/Language.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/StartAhead.h"
#include "app/WindowGone.h"
#include "store/AtomicFile.h"
#include "store/StorePaths.h"

namespace {

// The window whose files a lost display must still store (see StoreOnLostDisplay).
tandrel::MainWindow* liveWindow = nullptr;

void StoreBeforeTheEnd()
{
    if (liveWindow) liveWindow->programExit().StoreOnLostDisplay();
}

// The game runs on another display with these settings: said here, on this
// display too, and nothing is written. A signal closes the box.
int TellRunningElsewhere(const std::string& display, const std::string& settingsFolder, tandrel::ExitSignals& exitSignals)
{
    const QString text = QCoreApplication::translate("Start", "Tandrel is already running on display %1, with the settings in %2.")
                             .arg(QString::fromStdString(display), QString::fromStdString(settingsFolder));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    QMessageBox box(QMessageBox::Information, "Tandrel", text, QMessageBox::Ok);
    QObject::connect(&exitSignals, &tandrel::ExitSignals::exitRequested, &box, &QMessageBox::reject);
    box.exec();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // First of all: from here on a signal waits for the event loop instead of
    // ending a start half done.
    tandrel::InstallExitSignals();
    if (const std::string problem = tandrel::DisplayProblem(argc, argv); !problem.empty()) {
        tandrel::TellNoDisplay(problem);
        return 1;
    }
    // What needs no toolkit runs on another core while the toolkit connects.
    tandrel::StartAhead ahead;
    auto startErrors = std::make_unique<tandrel::StartErrors>();
    QApplication app(argc, argv);
    startErrors.reset();
    QApplication::setApplicationName("Tandrel");
    tandrel::InstallTranslations();
    QGuiApplication::setDesktopFileName("io.github.tandrel.Tandrel"); // the menu entry's icon on Wayland
    tandrel::ExitSignals exitSignals;

    const std::string programFolder = tandrel::ExecutableFolder();
    const std::string settingsFolder = tandrel::SettingsFolder(programFolder);
    tandrel::SingleInstance instance(tandrel::SingleInstance::For(settingsFolder));
    switch (instance.ActivatePrevInstance()) {
    case tandrel::SingleInstance::Start::Run:
        break;
    case tandrel::SingleInstance::Start::Activated:
        return 0;
    case tandrel::SingleInstance::Start::Unanswered:
        std::fputs("Tandrel is already running.\n", stderr);
        return 0;
    case tandrel::SingleInstance::Start::OtherDisplay:
        return TellRunningElsewhere(instance.RunningDisplay(), settingsFolder, exitSignals);
    }
    // Temporary files whose writer has died are what a crash in a write left.
    tandrel::RemoveStaleTemporaries(settingsFolder);

    ahead.Wait(); // the window's first text then finds the font configuration read
    tandrel::MainWindow frmMain(programFolder);
    // A broken display connection ends the process from inside the toolkit
    // (exit), past the exit sequence: the files are stored on the way out.
    liveWindow = &frmMain;
    std::atexit(StoreBeforeTheEnd);
    struct Forget {
        ~Forget() { liveWindow = nullptr; }
    } forget;
    QObject::connect(&instance, &tandrel::SingleInstance::activationRequested, &frmMain, [&frmMain] {
        frmMain.setWindowState((frmMain.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        frmMain.show();
        frmMain.raise();
        frmMain.activateWindow();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &instance, &tandrel::SingleInstance::StopListening);
    tandrel::WindowGone windowGone(frmMain, [&frmMain] { frmMain.programExit().WindowDestroyed(); });
    // Heard whenever events run, the start-up dialog's too; one that came
    // before waited in the pipe.
    QObject::connect(&exitSignals, &tandrel::ExitSignals::exitRequested, &frmMain.programExit(),
                     &tandrel::ProgramExit::EndFromOutside);
    frmMain.Form_Load();
    if (frmMain.programExit().Exited()) return 0; // ended during the start
    return app.exec();
}
