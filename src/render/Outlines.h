#pragma once
// The desktop colours of the wells and panels, and their pixel-exact lines.
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace tandrel {

inline QColor ButtonFace() { return QGuiApplication::palette().color(QPalette::Button); }
inline QColor ButtonShadow() { return QGuiApplication::palette().color(QPalette::Dark); }
inline QColor ButtonHighlight() { return QGuiApplication::palette().color(QPalette::Light); }
inline QColor WindowText() { return QGuiApplication::palette().color(QPalette::WindowText); }

// A one-pixel line from (x1, y1) up to but not including (x2, y2); the lines
// here are level, upright or at 45 degrees, so the last pixel is one step back.
inline void Segment(QPainter& p, const QColor& colour, int x1, int y1, int x2, int y2)
{
    const int sx = (x2 > x1) - (x2 < x1), sy = (y2 > y1) - (y2 < y1);
    if (sx == 0 && sy == 0) return;
    p.setPen(QPen(colour, 0));
    p.drawLine(x1, y1, x2 - sx, y2 - sy);
}

// An outlined box whose outline covers both corner points, filled inside.
inline void OutlinedBox(QPainter& p, int x1, int y1, int x2, int y2, const QColor& fill)
{
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), fill);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

} // namespace tandrel
