#include "render/PreparedText.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <system_error>

#include "render/Fonts.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

// Fonts here differ only by family, size and weight: all come from the table font.
QString FontKey(const QFont& font)
{
    return font.family() + '|' + QString::number(font.pointSizeF(), 'g', 10) + (font.bold() ? "|b" : "|r");
}

QString LineKey(const QFont& font, const QString& text) { return FontKey(font) + '\n' + text; }

QString FitKey(const QFont& font, const QString& text, int room)
{
    return LineKey(font, text) + '\n' + QString::number(room);
}

QString PictureKey(const QFont& font, const QString& text, const QColor& ink, const QColor& face)
{
    return LineKey(font, text) + '\n' + QString::number(ink.rgba()) + '\n' + QString::number(face.rgba());
}

// The table measures text on an image: its dots per inch are an image's.
const QImage& MeasuringSurface()
{
    thread_local const QImage surface(1, 1, QImage::Format_RGB32);
    return surface;
}

} // namespace

TextPicture DrawLine(const QFont& font, const QString& text, const QColor& ink, const QColor& face, int scale)
{
    const QFontMetrics m(font, &MeasuringSurface());
    // Drawn with room around the ink the metrics promise (hinting at a finer
    // scale may reach a little further), then cut to what the drawing changed.
    const QRect room = m.boundingRect(text).adjusted(-3, -3, 3, 3);
    QImage image(room.size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(face);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPoint(-room.left(), -room.top()), text);
    p.end();
    QRect changed; // in table pixels from the room's corner
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] != face.rgb()) changed |= QRect(x / scale, y / scale, 1, 1);
    }
    // Nothing shown, or ink at the edge that may go on past it: drawn as text then.
    if (changed.isEmpty() || !QRect(QPoint(0, 0), room.size()).adjusted(1, 1, -1, -1).contains(changed))
        return {{}, {}, face};
    QImage cut = image.copy(QRect(changed.topLeft() * scale, changed.size() * scale));
    cut.setDevicePixelRatio(scale);
    return {cut, room.topLeft() + changed.topLeft() + QPoint(0, m.ascent()), face};
}

// The work writes into this object: it is waited for before anything here goes.
PreparedText::~PreparedText()
{
    if (work_.valid()) work_.wait();
}

void PreparedText::Start(const QString& family, double points, std::vector<TextOrder> orders, int scale)
{
    if (work_.valid() || taken_) return; // once
    try {
        work_ = std::async(std::launch::async, [this, family, points, orders = std::move(orders), scale] {
            Work(family, points, orders, scale);
        });
    } catch (const std::system_error&) {
        // No thread: the table measures and draws its text itself.
    }
}

bool PreparedText::Take(std::chrono::milliseconds wait)
{
    if (taken_) return true;
    if (!work_.valid() || work_.wait_for(wait) != std::future_status::ready) return false;
    work_.get();
    taken_ = true;
    return true;
}

// On the worker: nothing here is read by the thread that asks until Take.
void PreparedText::Work(const QString& family, double points, const std::vector<TextOrder>& orders, int scale)
{
    const QImage& surface = MeasuringSurface();
    const QFont table = TableFont(surface, family, points);
    for (const TextOrder& order : orders) {
        QFont font = table;
        font.setBold(order.bold);
        if (order.room > 0) {
            const QFont fitted = FittingFont(font, surface, order.text, order.room);
            fitted_.insert(FitKey(font, order.text, order.room), fitted.pointSizeF());
            font = fitted;
        }
        const QFontMetrics m(font, &surface);
        facts_.insert(FontKey(font), {m.ascent(), m.height()});
        advances_.insert(LineKey(font, order.text), m.horizontalAdvance(order.text));
        if (order.ink.isValid())
            pictures_.insert(PictureKey(font, order.text, order.ink, order.face),
                             DrawLine(font, order.text, order.ink, order.face, scale));
    }
    points_ = table.pointSizeF();
}

bool PreparedText::Fitted(const QFont& font, const QString& text, int room, double& points)
{
    if (!Take()) return false;
    const auto found = fitted_.constFind(FitKey(font, text, room));
    if (found == fitted_.constEnd()) return false;
    points = *found;
    return true;
}

bool PreparedText::Facts(const QFont& font, LineFacts& facts)
{
    if (!Take()) return false;
    const auto found = facts_.constFind(FontKey(font));
    if (found == facts_.constEnd()) return false;
    facts = *found;
    return true;
}

bool PreparedText::Advance(const QFont& font, const QString& text, int& advance)
{
    if (!Take()) return false;
    const auto found = advances_.constFind(LineKey(font, text));
    if (found == advances_.constEnd()) return false;
    advance = *found;
    return true;
}

const TextPicture* PreparedText::Picture(const QFont& font, const QString& text, const QColor& ink, const QColor& face)
{
    if (!Take()) return nullptr;
    const auto found = pictures_.constFind(PictureKey(font, text, ink, face));
    return found == pictures_.constEnd() ? nullptr : &*found;
}

} // namespace tandrel
