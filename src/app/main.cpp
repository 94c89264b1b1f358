#include <QApplication>

#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "store/StorePaths.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tandrel");
    QGuiApplication::setDesktopFileName("io.github.tandrel.Tandrel"); // the menu entry's icon on Wayland

    tandrel::SingleInstance instance(tandrel::SingleInstance::DefaultName());
    if (instance.ActivatePrevInstance()) return 0;

    tandrel::MainWindow frmMain(tandrel::ExecutableFolder());
    QObject::connect(&instance, &tandrel::SingleInstance::activationRequested, &frmMain, [&frmMain] {
        frmMain.setWindowState((frmMain.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        frmMain.show();
        frmMain.raise();
        frmMain.activateWindow();
    });
    frmMain.Form_Load();
    return app.exec();
}
