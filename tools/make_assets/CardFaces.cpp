// Card faces from the KDE "Standard" SVG deck, which is drawn on a 71 x 96
// pixel grid; the jokers come from the "Nicu White" deck (Standard has none).
#include "Assets.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cstring>

namespace assets {

namespace {

const char* const SuitNames[] = {"club", "heart", "spade", "diamond"};

QString FaceElement(int code)
{
  const int suit = (code - 2) / 13;
  const int value = code - 13 * suit; // 2..14, 14 the ace
  static const char* const courts[] = {"jack", "queen", "king"};
  QString rank = value == 14 ? QStringLiteral("1")
               : value > 10  ? QString::fromLatin1(courts[value - 11])
                             : QString::number(value);
  return rank + '_' + SuitNames[suit];
}

QImage Transparent(int w, int h)
{
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

// The deck is 96 pixels tall; drop one row that repeats its neighbour,
// the one nearest the middle, so nothing is resampled.
QImage DropOneRow(const QImage& tall)
{
  const int h = tall.height();
  auto same = [&](int y) {
    return memcmp(tall.constScanLine(y), tall.constScanLine(y - 1), tall.bytesPerLine()) == 0;
  };
  int drop = h / 2;
  for (int d = 0; d < h / 2 - 8; ++d) {
    if (same(h / 2 + d)) { drop = h / 2 + d; break; }
    if (same(h / 2 - d)) { drop = h / 2 - d; break; }
  }
  QImage out = Transparent(tall.width(), h - 1);
  for (int y = 0, src = 0; y < h - 1; ++y, ++src) {
    if (src == drop) ++src;
    memcpy(out.scanLine(y), tall.constScanLine(src), tall.bytesPerLine());
  }
  return out;
}

} // namespace

int CodeInCell(int sheet, int row, int col)
{
  if (sheet < 3) return 13 * col + 2 + 4 * sheet + row;
  if (row == 0) return 13 * col + 14;
  return 54 + 4 * (row - 1) + col;
}

bool InCornerBox(int x, int y)
{
  return (x < CornerBox || x >= CardWidth - CornerBox) && (y < CornerBox || y >= CardHeight - CornerBox);
}

QImage FinishCell(const QImage& card, int scale)
{
  const QImage src = card.convertToFormat(QImage::Format_ARGB32);
  QImage out(CardWidth * scale, CardHeight * scale, QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = src.pixel(x, y);
      const bool corner = InCornerBox(x / scale, y / scale);
      const bool key = corner && qAlpha(p) < 128;
      QRgb c = key ? TransparentKey
             : corner ? (p | 0xff000000)
             // inside the card anything see-through sits on white card
             : qRgb(255 - (255 - qRed(p)) * qAlpha(p) / 255, 255 - (255 - qGreen(p)) * qAlpha(p) / 255,
                    255 - (255 - qBlue(p)) * qAlpha(p) / 255);
      if (!key && c == TransparentKey) c = qRgb(255, 254, 0);
      out.setPixel(x, y, c);
    }
  }
  return out;
}

QImage BlankCard(int scale)
{
  QImage img = Transparent(CardWidth * scale, CardHeight * scale);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, CardWidth - 1, CardHeight - 1), 3, 3);
  return img;
}

CardFaces::CardFaces(const QString& deckFolder)
  : faces(std::make_unique<QSvgRenderer>(deckFolder + "/svg-standard/standard.svgz")),
    jokers(std::make_unique<QSvgRenderer>(deckFolder + "/svg-nicu-white/white.svgz"))
{
}

CardFaces::~CardFaces() = default;

bool CardFaces::Loaded() const
{
  return faces->isValid() && jokers->isValid() && faces->elementExists("1_club")
      && jokers->elementExists("red_joker");
}

QImage CardFaces::Face(int code, int scale) const
{
  if (scale > 1) {
    // Enough pixels that the one-unit squeeze of 96 into 95 does not show.
    QImage img = Transparent(CardWidth * scale, CardHeight * scale);
    QPainter p(&img);
    faces->render(&p, FaceElement(code), QRectF(0, 0, img.width(), img.height()));
    return img;
  }
  QImage tall = Transparent(CardWidth, CardHeight + 1);
  QPainter p(&tall);
  faces->render(&p, FaceElement(code), QRectF(0, 0, CardWidth, CardHeight + 1));
  p.end();
  return DropOneRow(tall);
}

QImage CardFaces::Joker(int code, int scale) const
{
  // A Nicu joker element is its card (135 x 185 units, corner radius 16) plus a
  // one-unit rim above and left and a three-unit shadow below and right. Only
  // the card's inside and its art are kept, fitted inside our own outline.
  const QRectF card(1, 1, CardWidth - 2, CardHeight - 2);
  const double sx = card.width() / 135, sy = card.height() / 185;
  QImage art = Transparent(CardWidth * scale, CardHeight * scale);
  QPainter p(&art);
  p.scale(scale, scale);
  // 54 is the first joker (red), 55 the second (black).
  jokers->render(&p, code == 54 ? "red_joker" : "black_joker",
                 QRectF(card.x() - sx, card.y() - sy, 139 * sx, 189 * sy));
  QPainterPath inside;
  inside.addRoundedRect(card.adjusted(1, 1, -1, -1), 16 * sx - 1, 16 * sy - 1);
  QImage mask = Transparent(CardWidth * scale, CardHeight * scale);
  QPainter m(&mask);
  m.setRenderHint(QPainter::Antialiasing);
  m.scale(scale, scale);
  m.fillPath(inside, Qt::black);
  m.end();
  p.resetTransform();
  p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
  p.drawImage(0, 0, mask);
  p.end();
  QImage img = BlankCard(scale);
  QPainter(&img).drawImage(0, 0, art);
  return img;
}

QImage CardFaces::Cell(int code, int scale) const
{
  if (code >= 2 && code <= 53) return FinishCell(Face(code, scale), scale);
  if (code == 54 || code == 55) return FinishCell(Joker(code, scale), scale);
  return FinishCell(CardBack(code - 56, scale), scale);
}

QImage MakeSheet(const CardFaces& faces, int sheet, int scale)
{
  const int w = CardWidth * scale, h = CardHeight * scale;
  QImage img(4 * w, 4 * h, QImage::Format_RGB32);
  QPainter p(&img);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col)
      p.drawImage(col * w, row * h, faces.Cell(CodeInCell(sheet, row, col), scale));
  return img;
}

} // namespace assets
