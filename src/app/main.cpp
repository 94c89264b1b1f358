#include <QApplication>
#include <cstdio>

#include "app/DisplayCheck.h"
#include "app/ExitSignals.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/WindowGone.h"
#include "store/AtomicFile.h"
#include "store/StorePaths.h"

int main(int argc, char** argv)
{
    if (const std::string problem = tandrel::DisplayProblem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "Tandrel needs a graphical display; none could be opened (%s).\n", problem.c_str());
        return 1;
    }
    tandrel::InstallExitSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tandrel");
    QGuiApplication::setDesktopFileName("io.github.tandrel.Tandrel"); // the menu entry's icon on Wayland

    const std::string programFolder = tandrel::ExecutableFolder();
    const std::string settingsFolder = tandrel::SettingsFolder(programFolder);
    tandrel::SingleInstance instance(tandrel::SingleInstance::For(settingsFolder));
    if (instance.ActivatePrevInstance()) return 0;
    // Temporary files whose writer has died are what a crash in a write left.
    tandrel::RemoveStaleTemporaries(settingsFolder);

    tandrel::MainWindow frmMain(programFolder);
    QObject::connect(&instance, &tandrel::SingleInstance::activationRequested, &frmMain, [&frmMain] {
        frmMain.setWindowState((frmMain.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        frmMain.show();
        frmMain.raise();
        frmMain.activateWindow();
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &instance, &tandrel::SingleInstance::StopListening);
    tandrel::WindowGone windowGone(frmMain, [&frmMain] { frmMain.WindowDestroyed(); });
    // Heard whenever events run, the start-up dialog's too; one that came
    // before waited in the pipe.
    tandrel::ExitSignals exitSignals;
    QObject::connect(&exitSignals, &tandrel::ExitSignals::exitRequested, &frmMain,
                     &tandrel::MainWindow::EndFromOutside);
    frmMain.Form_Load();
    if (frmMain.Exited()) return 0; // ended during the start
    return app.exec();
}
