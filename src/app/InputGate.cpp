#include "app/InputGate.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace tandrel {

InputGate::InputGate(QWidget& window) : QObject(&window), window_(window)
{
    qApp->installEventFilter(this);
}

InputGate::~InputGate()
{
    qApp->removeEventFilter(this);
}

bool InputGate::HoldClose()
{
    closePending_ = busy_ || starting_;
    return closePending_;
}

bool InputGate::eventFilter(QObject* o, QEvent* e)
{
    if (!busy_) return false;
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
        break;
    default:
        return false;
    }
    // Input for this window (table, menu bar, its menus) waits for no one: it is
    // dropped. A message box asked by the move still takes its answer.
    const QWidget* w = qobject_cast<QWidget*>(o);
    if (!w) return false;
    const QWidget* top = w->window();
    const bool mine = top == &window_ ||
                      (qobject_cast<const QMenu*>(top) && top->parentWidget() && top->parentWidget()->window() == &window_);
    if (mine && watching_ && (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress)) stopAsked_ = true;
    return mine;
}

} // namespace tandrel
