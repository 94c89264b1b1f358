#pragma once
// The play-time alarm: a bar of 1 to 60 minutes, OK to set it, Cancel to
// switch it off.
#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

namespace tandrel {

// Shows the alarm window modally, starting at alarmMinutes when an alarm is
// set: the minutes chosen with OK, or 0 (no alarm) when cancelled.
int AskAlarmMinutes(QWidget* parent, int alarmMinutes);

class AlarmDialog : public QDialog {
    Q_OBJECT
public:
    AlarmDialog(QWidget* parent, int alarmMinutes);

    int Minutes() const;

    QSlider* hscAlarm = nullptr;
    QLabel* lblAlarm = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void hscAlarm_Change(int value);
};

} // namespace tandrel
