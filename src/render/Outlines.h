#pragma once
// The desktop colours of the wells and panels, and their pixel-exact lines.
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

namespace tandrel {

inline QColor ButtonFace() { return QGuiApplication::palette().color(QPalette::Button); }
inline QColor ButtonShadow() { return QGuiApplication::palette().color(QPalette::Dark); }
inline QColor ButtonHighlight() { return QGuiApplication::palette().color(QPalette::Light); }
inline QColor WindowText() { return QGuiApplication::palette().color(QPalette::WindowText); }

// The device pixels per table pixel when level and upright one-pixel lines
// in colour may be filled as thin boxes: a one-pixel pen lights device row
// (or column) k * y from k * x1 to k * x2, the same pixels, but a finer
// surface takes the pen's slow path. 0 when the painter is not so simple.
inline int ThinBoxScale(const QPainter& p, const QColor& colour)
{
    const QTransform& t = p.deviceTransform();
    if (colour.alpha() != 255 || t.type() > QTransform::TxScale || t.m11() != t.m22() || t.dx() != 0 ||
        t.dy() != 0 || p.compositionMode() != QPainter::CompositionMode_SourceOver ||
        p.testRenderHint(QPainter::Antialiasing))
        return 0;
    const int k = static_cast<int>(t.m11());
    return k >= 1 && k == t.m11() ? k : 0;
}

// The pixels from (x1, y1) to (x2, y2), both included, of a level or upright line.
inline void ThinBox(QPainter& p, const QColor& colour, int k, int x1, int y1, int x2, int y2)
{
    const qreal step = 1.0 / k;
    p.fillRect(QRectF(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + step, std::abs(y2 - y1) + step), colour);
}

// A one-pixel line from (x1, y1) up to but not including (x2, y2); the lines
// here are level, upright or at 45 degrees, so the last pixel is one step back.
inline void Segment(QPainter& p, const QColor& colour, int x1, int y1, int x2, int y2)
{
    const int sx = (x2 > x1) - (x2 < x1), sy = (y2 > y1) - (y2 < y1);
    if (sx == 0 && sy == 0) return;
    p.setPen(QPen(colour, 0));
    const int k = sx == 0 || sy == 0 ? ThinBoxScale(p, colour) : 0;
    if (k)
        ThinBox(p, colour, k, x1, y1, x2 - sx, y2 - sy);
    else
        p.drawLine(x1, y1, x2 - sx, y2 - sy);
}

// An outlined box whose outline covers both corner points, filled inside.
inline void OutlinedBox(QPainter& p, int x1, int y1, int x2, int y2, const QColor& fill)
{
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), fill);
    const QColor black(Qt::black);
    p.setPen(QPen(black, 0));
    p.setBrush(Qt::NoBrush);
    if (const int k = ThinBoxScale(p, black)) {
        ThinBox(p, black, k, x1, y1, x2, y1);
        ThinBox(p, black, k, x1, y2, x2, y2);
        ThinBox(p, black, k, x1, y1, x1, y2);
        ThinBox(p, black, k, x2, y1, x2, y2);
    } else {
        p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    }
}

} // namespace tandrel
