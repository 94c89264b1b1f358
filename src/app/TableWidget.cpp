#include "app/TableWidget.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleHints>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/PlayAids.h"
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

std::optional<TableKey> TableKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return TableKey::Left;
    case Qt::Key_Right: return TableKey::Right;
    case Qt::Key_Up: return TableKey::Up;
    case Qt::Key_Down: return TableKey::Down;
    case Qt::Key_Tab: return TableKey::Next;
    case Qt::Key_Backtab: return TableKey::Previous;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: return TableKey::Act;
    case Qt::Key_Escape: return TableKey::Back;
    default: return std::nullopt;
    }
}

// Platforms whose backing store keeps its pixels from one paint to the next in
// the same memory, which the table can then draw into between paints. Others
// (a Wayland compositor's buffers change hands every frame) get a copy.
bool StoreKeepsItsMemory()
{
    const QString platform = QGuiApplication::platformName();
    return platform == "xcb" || platform == "offscreen";
}

} // namespace

void TableWidget::keyPressEvent(QKeyEvent* e)
{
    // Keys with Ctrl or Alt belong to the menus.
    const std::optional<TableKey> key =
        e->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ? std::nullopt : TableKeyOf(e->key());
    if (key) emit keyPressed(*key);
    else QWidget::keyPressEvent(e);
}

TableWidget::TableWidget(QWidget* parent) : QWidget(parent)
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
    if (PaintInPlace(p, e->region())) return;
    if (!fit_) {
        const QImage& table = table_->WindowImage();
        // A screen between two art scales (1.5) gets the finer picture smoothly reduced.
        if (devicePixelRatioF() != table.devicePixelRatio()) p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect r = e->rect();
        const int k = table_->Scale();
        p.drawImage(r, table, QRect(r.x() * k, r.y() * k, r.width() * k, r.height() * k));
    } else {
        PaintFitted(p, e->region());
        p.setTransform(toWidget_); // the aids are drawn in table pixels too
    }
    if (aids_) aids_->Paint(p, table_->TextFont());
}

// The backing store's memory where this paint goes, when the table can be drawn
// there: this widget's part of it, at the table's own scale.
bool TableWidget::PaintsStore(QPainter& p) const
{
    QBackingStore* store = backingStore();
    QPaintDevice* device = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    return store && device && device == store->paintDevice();
}

uchar* TableWidget::StoreMemory(QPainter& p, qsizetype& bytesPerLine) const
{
    if (!PaintsStore(p)) return nullptr;
    QPaintDevice* device = p.paintEngine()->paintDevice();
    if (device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QPointF origin = p.deviceTransform().map(QPointF(0, 0));
    const QPoint at = origin.toPoint();
    const int k = table_->Scale();
    // An opaque window's store may be kept premultiplied, every pixel opaque:
    // the same 32 bits a pixel as the table's.
    const QWindow* shown = window()->windowHandle();
    const bool opaque = image->format() == QImage::Format_RGB32 ||
                        (image->format() == QImage::Format_ARGB32_Premultiplied && shown && !shown->format().hasAlpha());
    if (!opaque || QPointF(at) != origin || p.deviceTransform().m11() != k ||
        !image->rect().contains(QRect(at, QSize(table_->TableWidth() * k, table_->TableHeight() * k))))
        return nullptr;
    bytesPerLine = image->bytesPerLine();
    return const_cast<uchar*>(image->constBits()) + at.y() * bytesPerLine + 4 * at.x();
}

// A table drawn into the backing store is there already: what this paint adds
// is the aids, painted over it.
bool TableWidget::PaintInPlace(QPainter& p, const QRegion& exposed)
{
    if (!table_->Lendable()) return false;
    qsizetype bytesPerLine = 0;
    uchar* memory = StoreMemory(p, bytesPerLine);
    if (!memory) {
        // A store that cannot take the table was made anew (a size or ratio
        // this widget was not told of): the memory lent before is not read again.
        if (PaintsStore(p)) table_->ForgetWindow();
        return false;
    }
    if (!table_->DrawsInto(memory)) {
        table_->LendWindow(memory, bytesPerLine);
        // Carried over or drawn afresh beyond this paint's region too.
        const QRegion rest = QRegion(rect()) - exposed;
        if (!rest.isEmpty()) update(rest);
    }
    if (aids_) table_->PaintOver(aids_->Reach(), [this](QPainter& over) { aids_->Paint(over, table_->TextFont()); });
    return true;
}

// The table at its art's scale, smoothly reduced only when the fitted scale
// lies between two art scales; the margins in the table's own background.
void TableWidget::PaintFitted(QPainter& p, const QRegion& exposed)
{
    const QImage& table = table_->WindowImage();
    const QRectF shown = toWidget_.mapRect(QRectF(0, 0, table_->TableWidth(), table_->TableHeight()));
    if (std::abs(shown.width() * devicePixelRatioF() - table.width()) > 0.01)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRegion margins = exposed - shown.toRect().adjusted(1, 1, -1, -1);
    if (!margins.isEmpty()) {
        p.setClipRegion(margins);
        p.setTransform(toWidget_);
        table_->PaintBareTableOn(p, toWidget_.inverted().mapRect(QRectF(margins.boundingRect())).toAlignedRect());
        p.resetTransform();
    }
    p.setClipRegion(exposed);
    p.drawImage(shown, table);
}

void TableWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!table_) return;
    SizeTable();
}

void TableWidget::SetFit(bool fit, QSize fitSize)
{
    const bool changed = fit != fit_ || (fit && fitSize != fitSize_);
    fit_ = fit;
    fitSize_ = fitSize;
    // Unfitted, the table is never cut off: the window is at least its size.
    setMinimumSize(fit ? QSize(1, 1) : fitSize);
    if (!changed || !table_) return;
    SizeTable();
    update();
}

double TableWidget::FitFactor() const
{
    if (!fit_ || fitSize_.isEmpty()) return 1;
    return std::min(double(width()) / fitSize_.width(), double(height()) / fitSize_.height());
}

// A fitted table is drawn at the screen's ratio times the fit factor, from the art for that.
int TableWidget::WantedScale() const { return ArtScaleFor(devicePixelRatioF() * FitFactor()); }

void TableWidget::SizeTable()
{
    const bool rescaled = table_->SetScale(WantedScale());
    // Fitted or between two art scales the table is copied to the screen scaled.
    table_->SetLendable(StoreKeepsItsMemory() && !fit_ && devicePixelRatioF() == table_->Scale() &&
                        !testAttribute(Qt::WA_NativeWindow));
    if (!fit_ || fitSize_.isEmpty()) {
        toWidget_ = {};
        table_->toSurface = {};
        table_->Resize(width(), height());
        table_->RedrawTable();
        return;
    }
    const double scale = FitFactor(), ratio = devicePixelRatioF();
    // Centred on a whole device pixel, so a table at its art's scale is copied pixel for pixel.
    const auto margin = [ratio](double room) { return std::floor(room / 2 * ratio) / ratio; };
    toWidget_ = QTransform::fromTranslate(margin(width() - scale * fitSize_.width()),
                                          margin(height() - scale * fitSize_.height()))
                    .scale(scale, scale);
    table_->toSurface = toWidget_;
    if (rescaled || table_->TableWidth() != fitSize_.width() || table_->TableHeight() != fitSize_.height()) {
        table_->Resize(fitSize_.width(), fitSize_.height());
        table_->RedrawTable();
    }
    update();
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
    const QPointF t = ToTable(e->position());
    emit pressed(b, t.x(), t.y());
}

void TableWidget::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF t = ToTable(e->position());
    emit moved(t.x(), t.y());
}

void TableWidget::mouseReleaseEvent(QMouseEvent* e)
{
    const int b = ButtonOf(e);
    if (!b) return;
    const QPointF t = ToTable(e->position());
    if (doubleClickPending_) {
        // No double-click came after all: the press counts as a press of its own.
        doubleClickPending_ = false;
        emit pressed(b, t.x(), t.y());
    }
    emit released(b, t.x(), t.y());
}

void TableWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    doubleClickPending_ = false;
    lastPressTime_ = 0; // a third press starts afresh
    const QPointF t = ToTable(e->position());
    if (const int b = ButtonOf(e)) emit doubleClicked(b, t.x(), t.y());
}

bool TableWidget::event(QEvent* e)
{
    // Moved to a screen of another ratio: the table at that screen's own resolution.
    bool newStore = e->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    newStore = newStore || e->type() == QEvent::DevicePixelRatioChange;
#endif
    if (newStore && table_) {
        // The backing store is made anew for the new screen.
        table_->ReturnWindow();
        if (WantedScale() != table_->Scale() || table_->Lendable()) SizeTable();
    }
    // A drag whose release will never come puts its cards back.
    if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::FocusOut) emit lostMouse();
    return QWidget::event(e);
}

} // namespace tandrel
