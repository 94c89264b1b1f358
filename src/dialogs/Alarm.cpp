#include "dialogs/Alarm.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "dialogs/CenterForm.h"
#include "dialogs/DialogParts.h"
#include "dialogs/ShowModal.h"

namespace tandrel {

namespace {

constexpr int DefaultAlarmMinutes = 5;

} // namespace

AlarmDialog::AlarmDialog(QWidget* parent, int alarmMinutes) : QDialog(parent)
{
    setObjectName("frmAlarm");
    setWindowTitle(tr("Alarm"));

    hscAlarm = new QSlider(Qt::Horizontal, this);
    NameForReaders(*hscAlarm, tr("Minutes of play"));
    hscAlarm->setObjectName("hscAlarm");
    hscAlarm->setRange(1, 60);
    hscAlarm->setPageStep(5);
    hscAlarm->setFocusPolicy(Qt::StrongFocus);
    hscAlarm->setMinimumWidth(260);
    lblAlarm = new QLabel(this);
    lblAlarm->setObjectName("lblAlarm");

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblAlarm);
    column->addWidget(hscAlarm);
    column->addWidget(OkCancelBox(this, cmdOK, cmdCancel));
    column->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(hscAlarm, cmdOK);

    connect(hscAlarm, &QSlider::valueChanged, this, &AlarmDialog::hscAlarm_Change);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    // Cancel, Escape and the close box all switch the alarm off.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    hscAlarm->setValue(alarmMinutes > 0 ? alarmMinutes : DefaultAlarmMinutes);
    hscAlarm_Change(hscAlarm->value()); // the label, also when the value did not change
    hscAlarm->setFocus();
    adjustSize();
    CenterForm(*this);
}

int AlarmDialog::Minutes() const
{
    return hscAlarm->value();
}

void AlarmDialog::hscAlarm_Change(int value)
{
    // The plural apart, for languages with more than two forms.
    lblAlarm->setText(value == 1 ? tr("Alert me when I've played for 1 Minute.")
                                 : tr("Alert me when I've played for %n Minutes.", nullptr, value));
}

int AskAlarmMinutes(QWidget* parent, int alarmMinutes)
{
    AlarmDialog frm(parent, alarmMinutes);
    return ShowModal(frm) == QDialog::Accepted ? frm.Minutes() : 0;
}

} // namespace tandrel
