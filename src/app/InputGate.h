#pragma once
// One action at a time: while a move, a command or a timer's action runs, the
// player's input for the main window and its menus is dropped, and a close
// request waits until the action (or the start) is over.
#include <QObject>

class QWidget;

namespace tandrel {

class InputGate : public QObject {
    Q_OBJECT
public:
    // A child of window; watches the whole application's input for what is meant for it.
    explicit InputGate(QWidget& window);
    ~InputGate() override;

    bool Busy() const { return busy_; }
    void SetBusy(bool busy) { busy_ = busy; }
    // Settings read, the game not yet restored or dealt: a close would store the empty table.
    bool Starting() const { return starting_; }
    void SetStarting(bool starting) { starting_ = starting; }

    // A close asked now: true when it has to wait, and it is then kept until
    // the action in hand or the start is over.
    bool HoldClose();
    bool ClosePending() const { return closePending_; }

    // While an action that the player may end runs (a demo): a key or a click
    // for the window, or a close, asks it to stop. The input itself is dropped.
    void WatchForStop(bool on) { watching_ = on, stopAsked_ = false; }
    bool StopAsked() const { return stopAsked_ || closePending_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget& window_;
    bool busy_ = false;
    bool starting_ = false;
    bool closePending_ = false;
    bool watching_ = false;
    bool stopAsked_ = false;
};

} // namespace tandrel
