#pragma once
// The play-time alarm: the timer tmrAlarm looks once a second whether the
// minutes set have passed since the alarm was set, then it goes off once.
#include <QObject>
#include <QTime>
#include <QTimer>

namespace tandrel {

struct Game;
class InputGate;

class AlarmClock : public QObject {
    Q_OBJECT
public:
    AlarmClock(Game& g, const InputGate& gate, QObject* parent);

    // Goes off after minutes of play counted from start; 0 switches it off.
    void SetAlarm(int minutes, QTime start);
    int Minutes() const { return AlarmMinutes; }
    void tmrAlarm_Timer();
    // The alarm's action, run as every action is: the sound and the question.
    void GoOff();
    void Stop() { tmrAlarm_.stop(); }

signals:
    // The time is up: the window runs GoOff as an action.
    void due();
    // The player ends the program, as Exit does.
    void exitWanted();

private:
    Game& game_;
    const InputGate& gate_;
    QTimer tmrAlarm_{this};
    int AlarmMinutes = 0;
    QTime AlarmStart;
};

} // namespace tandrel
