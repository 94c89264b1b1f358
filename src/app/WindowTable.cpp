#include "app/WindowTable.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace tandrel {

WindowTable::WindowTable(Game& g, QWidget& surface) : QtTable(g), game_(g), surface_(surface) {}

void WindowTable::RunEventsFor(int ms)
{
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void WindowTable::Pause(int ms)
{
    RunEventsFor(static_cast<int>(ms * timeScale));
}

void WindowTable::DoEvents()
{
    QCoreApplication::processEvents();
}

void WindowTable::FrameDelay()
{
    // Frames at a steady pace: wait out what is left of this frame's interval.
    const int interval = static_cast<int>(frameIntervalMs * timeScale);
    if (!lastFrame_.isValid()) lastFrame_.start();
    const qint64 left = interval - lastFrame_.elapsed();
    RunEventsFor(left > 0 ? static_cast<int>(left) : 0);
    lastFrame_.restart();
    if (framePainted) framePainted();
}

void WindowTable::PlayWave(int index)
{
    if (!mixer || index < 0 || index >= static_cast<int>(game_.cfg.WavFiles.size())) return;
    mixer->PlaySoundFile(game_.cfg.WavFiles[static_cast<std::size_t>(index)]);
}

MsgAnswer WindowTable::ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                   const std::string& title)
{
    if (answerer) return answerer(text, icon, buttons, title);
    QMessageBox box(icon == MsgIcon::Question      ? QMessageBox::Question
                    : icon == MsgIcon::Exclamation ? QMessageBox::Warning
                                                   : QMessageBox::Information,
                    QString::fromStdString(title), QString::fromStdString(text),
                    buttons == MsgButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    surface_.window());
    box.setTextFormat(Qt::PlainText); // a player's name is shown as typed, never as markup
    const int answer = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void WindowTable::SetBusyCursor(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyCursors_;
    } else if (busyCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyCursors_;
    }
}

void WindowTable::Changed(const QRect& r)
{
    if (toSurface.isIdentity())
        surface_.update(r);
    else
        surface_.update(toSurface.mapRect(r).adjusted(-1, -1, 1, 1)); // smoothing reaches a pixel further
}

} // namespace tandrel
