#include "dialogs/CenterForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tandrel {

void CenterForm(QWidget& frm)
{
    const QScreen* s = frm.screen() ? frm.screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    frm.move(area.x() + (area.width() - frm.frameGeometry().width()) / 2,
             area.y() + (area.height() - frm.frameGeometry().height()) / 2);
}

} // namespace tandrel
