// The Alarm command: the window remembers the alarm set, and Cancel switches it off.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSlider>

#include "dialogs/Alarm.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

TEST_F(GuiTest, AlarmRemembersItsMinutesAndCancelSwitchesItOff)
{
    MainWindow& w = Start();
    QAction* alarm = w.findChild<QAction*>("mnuAlarm");
    ASSERT_TRUE(alarm->isEnabled());
    int shown = 0;
    // Runs the command; act answers the window once it is up.
    auto open = [&](const std::function<void(frmAlarm&)>& act) {
        QTimer::singleShot(0, [&] {
            auto* frm = qobject_cast<frmAlarm*>(QApplication::activeModalWidget());
            ASSERT_NE(frm, nullptr);
            shown = frm->Minutes();
            act(*frm);
            if (frm->isVisible()) frm->reject();
        });
        alarm->trigger();
    };

    open([](frmAlarm& f) {
        f.hscAlarm->setValue(20);
        QTest::keyClick(f.hscAlarm, Qt::Key_Return);
    });
    EXPECT_EQ(shown, 5);
    open([](frmAlarm& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); });
    EXPECT_EQ(shown, 20);
    open([](frmAlarm& f) { QTest::keyClick(f.hscAlarm, Qt::Key_Escape); });
    EXPECT_EQ(shown, 5); // no alarm set: the design value
}
