#include "app/AlarmClock.h"

#include "app/InputGate.h"
#include "engine/Game.h"
#include "engine/Texts.h"
#include "show/Sound.h"

namespace tandrel {

AlarmClock::AlarmClock(Game& g, const InputGate& gate, QObject* parent) : QObject(parent), game_(g), gate_(gate)
{
    tmrAlarm_.setObjectName("tmrAlarm");
    tmrAlarm_.setInterval(1000);
    connect(&tmrAlarm_, &QTimer::timeout, this, &AlarmClock::tmrAlarm_Timer);
}

void AlarmClock::SetAlarm(int minutes, QTime start)
{
    AlarmMinutes = minutes;
    AlarmStart = start;
    if (minutes > 0) tmrAlarm_.start();
    else tmrAlarm_.stop();
}

void AlarmClock::tmrAlarm_Timer()
{
    // A tick in the middle of a move waits for the next one.
    if (gate_.Busy() || !tmrAlarm_.isActive() || AlarmMinutes == 0) return;
    int seconds = AlarmStart.secsTo(QTime::currentTime());
    if (seconds < 0) seconds += 24 * 60 * 60; // played past midnight
    if (seconds / 60 < AlarmMinutes) return;
    tmrAlarm_.stop();
    emit due();
}

void AlarmClock::GoOff()
{
    Game& g = game_;
    PlayCardSound(g);
    if (g.GameOver) {
        g.view->ShowMessage(Translate("Alarm", "The alarm time is up?"), MsgIcon::Exclamation, MsgButtons::Ok,
                            ProgramTitle);
        emit exitWanted();
    } else if (g.view->ShowMessage(Translate("Alarm", "The alarm time is up. Do you want to finish this game?"),
                                   MsgIcon::Question, MsgButtons::YesNo, ProgramTitle) == MsgAnswer::No) {
        emit exitWanted();
    }
}

} // namespace tandrel
