// Ten card backs drawn from scratch: a white-margined panel on a blank card,
// each with its own pattern, colours and frame.
#include "Assets.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace assets {

namespace {

const QRectF Panel(4, 4, CardWidth - 8, CardHeight - 8);
const QPointF Centre = Panel.center();

void Frame(QPainter& p, const QColor& c, double inset, double width = 1)
{
  p.setPen(QPen(c, width));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(Panel.adjusted(inset, inset, -inset, -inset), 2, 2);
}

void Lattice(QPainter& p)
{
  p.fillRect(Panel, QColor(28, 56, 150));
  p.setPen(QPen(QColor(200, 215, 255), 0.8));
  for (double d = -100; d < 100; d += 6) {
    p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
    p.drawLine(QPointF(d, 100), QPointF(d + 100, 0));
  }
  Frame(p, Qt::white, 2.5);
}

void Argyle(QPainter& p)
{
  p.fillRect(Panel, QColor(150, 16, 28));
  p.setPen(Qt::NoPen);
  const double w = 10.5, h = 14.5;
  for (int j = 0; j < 8; ++j)
    for (int i = 0; i < 7; ++i) {
      const QPointF c(Panel.left() + i * w, Panel.top() + j * h + ((i % 2) ? h / 2 : 0));
      const QPointF pts[] = {{c.x(), c.y() - h / 2}, {c.x() + w / 2, c.y()}, {c.x(), c.y() + h / 2}, {c.x() - w / 2, c.y()}};
      p.setBrush(((i + j) % 2) ? QColor(205, 45, 50) : QColor(105, 8, 20));
      p.drawPolygon(pts, 4);
    }
  p.setPen(QPen(QColor(235, 205, 150), 0.6, Qt::DashLine));
  for (double d = -120; d < 120; d += 2 * w) {
    p.drawLine(QPointF(d, 0), QPointF(d + w * 10, h * 10));
    p.drawLine(QPointF(d, h * 10), QPointF(d + w * 10, 0));
  }
  Frame(p, QColor(235, 205, 150), 1.5);
}

void Tartan(QPainter& p)
{
  p.fillRect(Panel, QColor(22, 92, 52));
  const struct { double at, width; QColor colour; } bands[] = {
    {0, 7, QColor(12, 28, 70, 150)}, {9, 1, QColor(200, 30, 30, 200)},
    {12, 2, QColor(10, 40, 20, 140)}, {15, 1, QColor(240, 230, 200, 170)}};
  for (double base = Panel.left() - 4; base < Panel.right(); base += 18)
    for (const auto& b : bands) {
      p.fillRect(QRectF(base + b.at, Panel.top(), b.width, Panel.height()), b.colour);
      p.fillRect(QRectF(Panel.left(), base + 2 + b.at, Panel.width(), b.width), b.colour);
      p.fillRect(QRectF(Panel.left(), base + 20 + b.at, Panel.width(), b.width), b.colour);
    }
  Frame(p, QColor(10, 40, 20), 0.5);
}

void Sunburst(QPainter& p)
{
  p.fillRect(Panel, QColor(80, 26, 112));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(128, 60, 170));
  for (int i = 0; i < 32; i += 2) {
    QPainterPath ray(Centre);
    ray.arcTo(QRectF(Centre - QPointF(80, 80), QSizeF(160, 160)), i * 11.25, 11.25);
    p.drawPath(ray);
  }
  p.setBrush(QColor(225, 175, 45));
  p.drawEllipse(Centre, 11, 11);
  p.setBrush(QColor(80, 26, 112));
  p.drawEllipse(Centre, 8, 8);
  p.setBrush(QColor(225, 175, 45));
  p.drawEllipse(Centre, 3.5, 3.5);
  Frame(p, QColor(225, 175, 45), 2, 1.5);
}

void FishScales(QPainter& p)
{
  p.fillRect(Panel, QColor(0, 90, 100));
  p.setPen(QPen(QColor(150, 225, 225), 0.8));
  const double r = 5.5;
  for (int j = 22; j >= 0; --j)
    for (int i = -1; i < 8; ++i) {
      const QPointF c(Panel.left() + i * 2 * r + ((j % 2) ? r : 0), Panel.top() + j * r * 0.8);
      QRadialGradient g(c - QPointF(0, r * 0.4), r * 1.2);
      g.setColorAt(0, QColor(40, 170, 175));
      g.setColorAt(1, QColor(0, 95, 105));
      p.setBrush(g);
      p.drawEllipse(c, r, r);
    }
  Frame(p, Qt::white, 2);
}

void Chevrons(QPainter& p)
{
  p.fillRect(Panel, QColor(120, 55, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(215, 120, 40));
  const double step = 6, rise = 5, thick = 4;
  for (double y = Panel.top() - rise; y < Panel.bottom(); y += 9) {
    QPolygonF band;
    for (int k = -2; k * step <= Panel.width() + 2 * step; ++k)
      band << QPointF(Panel.left() + k * step, y + (k % 2 ? 0 : rise));
    for (int k = band.size() - 1; k >= 0; --k)
      band << band[k] + QPointF(0, thick);
    p.drawPolygon(band);
  }
  Frame(p, QColor(250, 225, 180), 1.5);
  Frame(p, QColor(120, 55, 20), 3);
}

void PolkaDots(QPainter& p)
{
  p.fillRect(Panel, QColor(112, 18, 52));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 222, 200));
  for (int j = 0; j < 14; ++j)
    for (int i = 0; i < 10; ++i)
      p.drawEllipse(QPointF(Panel.left() + 3.5 + i * 7 + (j % 2) * 3.5, Panel.top() + 3.5 + j * 7), 1.6, 1.6);
  Frame(p, QColor(245, 222, 200), 3.5);
  Frame(p, QColor(245, 222, 200), 1.5);
}

void Concentric(QPainter& p)
{
  const QColor colours[] = {QColor(20, 32, 96), QColor(92, 152, 222)};
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 13; ++k) {
    p.setBrush(colours[k % 2]);
    const double d = k * 2.7;
    p.drawRoundedRect(Panel.adjusted(d, d, -d, -d), 3, 3);
  }
}

void Checkers(QPainter& p)
{
  for (int j = 0; j * 5 < Panel.height(); ++j)
    for (int i = 0; i * 5 < Panel.width(); ++i)
      p.fillRect(QRectF(Panel.left() + i * 5 - 1, Panel.top() + j * 5 - 1, 5, 5),
                 (i + j) % 2 ? QColor(20, 20, 20) : QColor(190, 25, 30));
  p.setPen(QPen(QColor(190, 25, 30), 2));
  p.setBrush(Qt::white);
  p.drawEllipse(Centre, 16, 24);
  p.setPen(QPen(QColor(20, 20, 20), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(Centre, 12, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 25, 30));
  const QPointF diamond[] = {Centre + QPointF(0, -10), Centre + QPointF(6, 0), Centre + QPointF(0, 10), Centre + QPointF(-6, 0)};
  p.drawPolygon(diamond, 4);
}

void Guilloche(QPainter& p)
{
  p.fillRect(Panel, QColor(10, 66, 58));
  p.setPen(QPen(QColor(150, 230, 200), 0.6));
  p.setBrush(Qt::NoBrush);
  for (int ring = 0; ring < 3; ++ring) {
    const double R = 27 - ring * 7, r = 5 + ring, spin = ring * 0.4;
    QPolygonF curve;
    for (int t = 0; t <= 720; ++t) {
      const double a = t * M_PI / 360;
      const double rad = R + r * std::sin(9 * a + spin);
      curve << Centre + QPointF(rad * std::cos(a) * 0.8, rad * std::sin(a) * 1.05);
    }
    p.drawPolyline(curve);
  }
  QPolygonF wave;
  for (int t = 0; t <= 400; ++t) {
    const double a = t * 2 * M_PI / 400;
    const double k = 1 + 0.03 * std::sin(28 * a);
    wave << Centre + QPointF(std::cos(a) * 30 * k, std::sin(a) * 42 * k);
  }
  p.drawPolygon(wave);
  Frame(p, QColor(150, 230, 200), 1.5);
}

} // namespace

QImage CardBack(int index, int scale)
{
  using Design = void (*)(QPainter&);
  static const Design designs[] = {Lattice, Argyle, Tartan, Sunburst, FishScales,
                                   Chevrons, PolkaDots, Concentric, Checkers, Guilloche};
  QImage card = BlankCard(scale);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QPainterPath clip;
  clip.addRoundedRect(Panel, 2, 2);
  p.setClipPath(clip);
  designs[index](p);
  return card;
}

} // namespace assets
