// The Alarm command: the window shows the alarm set, and Cancel switches it off.
#include <QAction>
#include <QPushButton>
#include <QSlider>

#include "dialogs/Alarm.h"
#include "gui/GuiFixture.h"
#include "support/qt/Modal.h"

using namespace tandrel;
using namespace tandrel::testing;

TEST_F(GuiTest, AlarmRemembersItsMinutesAndCancelSwitchesItOff)
{
    QAction* alarm = Start().findChild<QAction*>("mnuAlarm");
    SetModalHand({}); // the real modal loop
    const std::pair<std::function<void(frmAlarm&)>, int> steps[] = {
        {[](frmAlarm& f) { f.hscAlarm->setValue(20), QTest::keyClick(f.hscAlarm, Qt::Key_Return); }, 5},
        {[](frmAlarm& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }, 20},
        {[](frmAlarm& f) { QTest::keyClick(f.hscAlarm, Qt::Key_Escape); }, 5}}; // no alarm: the design value
    for (const auto& [act, shows] : steps) {
        int shown = 0;
        WhenModal<frmAlarm>([&](frmAlarm& f) { shown = f.Minutes(), act(f); });
        alarm->trigger();
        EXPECT_EQ(shown, shows);
    }
}
