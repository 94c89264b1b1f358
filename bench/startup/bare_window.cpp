// The floor of the start-up measurement: a bare Qt window with a menu bar and
// a painted client area of the game's size, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace {

class Filled : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(26, 112, 58)); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Tandrel - bare window");
    w.menuBar()->addMenu("&File")->addAction("E&xit", &app, &QApplication::quit);
    w.menuBar()->addMenu("&Options")->addAction("&Undo");
    w.menuBar()->addMenu("&Help")->addAction("&About");
    w.setCentralWidget(new Filled);
    w.resize(640, 480 + w.menuBar()->sizeHint().height());
    w.show();
    return app.exec();
}
