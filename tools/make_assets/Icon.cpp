// The game's icon: two cards fanned over a green table disc, written as SVG
// text and rendered from that same text for every fixed size.
#include "Assets.h"

#include <QPainter>
#include <QSvgRenderer>

namespace assets {

QByteArray IconSvg()
{
  return QByteArrayLiteral(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
      "  <circle cx=\"128\" cy=\"128\" r=\"120\" fill=\"#1d6b3a\" stroke=\"#0e3d20\" stroke-width=\"8\"/>\n"
      "  <g transform=\"rotate(-14 128 150)\">\n"
      "    <rect x=\"58\" y=\"52\" width=\"92\" height=\"128\" rx=\"10\" fill=\"#ffffff\" stroke=\"#202020\" stroke-width=\"5\"/>\n"
      "    <path d=\"M104 84 l22 30 l-22 30 l-22 -30 z\" fill=\"#c8102e\"/>\n"
      "  </g>\n"
      "  <g transform=\"rotate(12 128 150)\">\n"
      "    <rect x=\"108\" y=\"60\" width=\"92\" height=\"128\" rx=\"10\" fill=\"#ffffff\" stroke=\"#202020\" stroke-width=\"5\"/>\n"
      "    <path d=\"M154 92 c-10 16 -30 24 -30 40 c0 12 14 18 26 8 l-6 20 h20 l-6 -20 c12 10 26 4 26 -8 c0 -16 -20 -24 -30 -40 z\" fill=\"#111111\"/>\n"
      "  </g>\n"
      "</svg>\n");
}

QImage IconPng(int size)
{
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QSvgRenderer svg(IconSvg());
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  svg.render(&p, QRectF(0, 0, size, size));
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace assets
