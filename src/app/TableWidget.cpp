#include "app/TableWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>

#include "app/MainWindow.h"
#include "app/WindowTable.h"

namespace tandrel {

namespace {

int ButtonOf(const QMouseEvent* e)
{
    switch (e->button()) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    default: return 0;
    }
}

} // namespace

void TableWidget::keyPressEvent(QKeyEvent* e)
{
    // Keys with Ctrl or Alt belong to the menus.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return QWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Left: return owner_.TableKeyPress(TableKey::Left);
    case Qt::Key_Right: return owner_.TableKeyPress(TableKey::Right);
    case Qt::Key_Up: return owner_.TableKeyPress(TableKey::Up);
    case Qt::Key_Down: return owner_.TableKeyPress(TableKey::Down);
    case Qt::Key_Tab: return owner_.TableKeyPress(TableKey::Next);
    case Qt::Key_Backtab: return owner_.TableKeyPress(TableKey::Previous);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return owner_.TableKeyPress(TableKey::Act);
    case Qt::Key_Escape: return owner_.TableKeyPress(TableKey::Back);
    default: return QWidget::keyPressEvent(e);
    }
}

TableWidget::TableWidget(MainWindow& owner) : QWidget(&owner), owner_(owner)
{
    // Clicks act where the pointer last moved, so the table follows it without a button too.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setFocus(); // the keys play on the table from the start
}

void TableWidget::paintEvent(QPaintEvent* e)
{
    if (!table_) return;
    QPainter p(this);
    p.drawImage(e->rect(), table_->WindowImage(), e->rect());
    owner_.aids().Paint(p, table_->TextFont());
}

void TableWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!table_) return;
    table_->Resize(width(), height());
    table_->RedrawTable();
}

bool TableWidget::IsSecondPressOfDoubleClick(const QMouseEvent* e) const
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    return e->button() == lastButton_ && lastPressTime_ != 0 &&
           e->timestamp() - lastPressTime_ < static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
           (e->position() - lastPressPos_).manhattanLength() <= hints->mouseDoubleClickDistance();
}

void TableWidget::mousePressEvent(QMouseEvent* e)
{
    const int b = ButtonOf(e);
    if (!b) return;
    // The table sees a double-click as press, release, click, double-click,
    // release: the second press belongs to the double-click event that follows.
    const bool second = IsSecondPressOfDoubleClick(e);
    lastButton_ = e->button();
    lastPressTime_ = e->timestamp();
    lastPressPos_ = e->position();
    if (second) {
        doubleClickPending_ = true;
        return;
    }
    owner_.TableMousePress(b, e->position().x(), e->position().y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* e)
{
    owner_.TableMouseMove(e->position().x(), e->position().y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* e)
{
    const int b = ButtonOf(e);
    if (!b) return;
    if (doubleClickPending_) {
        // No double-click came after all: the press counts as a press of its own.
        doubleClickPending_ = false;
        owner_.TableMousePress(b, e->position().x(), e->position().y());
    }
    owner_.TableMouseRelease(b, e->position().x(), e->position().y());
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    doubleClickPending_ = false;
    lastPressTime_ = 0; // a third press starts afresh
    if (const int b = ButtonOf(e)) owner_.TableDoubleClick(b, e->position().x(), e->position().y());
}

bool TableWidget::event(QEvent* e)
{
    // A drag whose release will never come puts its cards back.
    if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::FocusOut) owner_.TableLostMouse();
    return QWidget::event(e);
}

} // namespace tandrel
