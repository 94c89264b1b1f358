// Verifies the generated pictures against what the game relies on, and lays
// them out on one preview picture for a quick look.
#include "Assets.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace assets {

namespace {

int faults = 0;

void Fault(const QString& what)
{
  std::fprintf(stderr, "FAULT: %s\n", qPrintable(what));
  ++faults;
}

QString CellName(int sheet, int row, int col)
{
  return QString("cards%1.png cell (row %2, col %3)").arg(sheet).arg(row).arg(col);
}

void CheckCell(const QImage& sheet, int s, int row, int col, QHash<QByteArray, QString>& seen)
{
  const QImage cell = sheet.copy(col * CardWidth, row * CardHeight, CardWidth, CardHeight);
  for (const QPoint c : {QPoint(0, 0), QPoint(CardWidth - 1, 0), QPoint(0, CardHeight - 1),
                         QPoint(CardWidth - 1, CardHeight - 1)})
    if (cell.pixel(c) != TransparentKey)
      Fault(CellName(s, row, col) + QString(": corner (%1, %2) is not yellow").arg(c.x()).arg(c.y()));
  int stray = 0;
  for (int y = 0; y < CardHeight; ++y)
    for (int x = 0; x < CardWidth; ++x)
      stray += cell.pixel(x, y) == TransparentKey && !InCornerBox(x, y);
  if (stray) Fault(CellName(s, row, col) + QString(": %1 yellow pixels inside the card").arg(stray));
  const QByteArray bytes(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes());
  if (seen.contains(bytes)) Fault(CellName(s, row, col) + " repeats " + seen[bytes]);
  seen.insert(bytes, CellName(s, row, col));
}

// Mean colour step across the wrap-around edge against the mean step inside:
// a seamless tile has no larger step at its edges than anywhere else.
double SeamRatio(const QImage& img, bool across)
{
  auto step = [&](int a, int b, int i) {
    const QRgb p = across ? img.pixel(a, i) : img.pixel(i, a), q = across ? img.pixel(b, i) : img.pixel(i, b);
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
  };
  const int n = across ? img.width() : img.height(), m = across ? img.height() : img.width();
  double inside = 0, edge = 0;
  for (int i = 0; i < m; ++i) {
    edge += step(n - 1, 0, i);
    for (int a = 0; a + 1 < n; ++a) inside += step(a, a + 1, i);
  }
  return (edge / m) / (inside / (double(m) * (n - 1)));
}

void CheckTile(const QImage& img, const QString& name)
{
  const double across = SeamRatio(img, true), down = SeamRatio(img, false);
  std::printf("%s: %d x %d, edge steps %.2f (left/right) and %.2f (top/bottom) of the inner mean\n",
              qPrintable(name), img.width(), img.height(), across, down);
  if (across > 1.5 || down > 1.5) Fault(name + ": the tile shows a seam when repeated");
}

int BmpBitsPerPixel(const QString& path)
{
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray head = f.read(30);
  return head.size() == 30 && head.startsWith("BM") ? uchar(head[28]) | uchar(head[29]) << 8 : 0;
}

} // namespace

int CheckAssets(const QString& folder)
{
  faults = 0;
  QHash<QByteArray, QString> seen;
  for (int s = 0; s < SheetCount; ++s) {
    const QString name = QString("cards%1.png").arg(s);
    const QImage sheet = QImage(folder + "/builtin/" + name).convertToFormat(QImage::Format_RGB32);
    if (sheet.size() != QSize(4 * CardWidth, 4 * CardHeight)) { Fault(name + ": missing or not 284 x 380"); continue; }
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 4; ++col) CheckCell(sheet, s, row, col, seen);
  }

  const QImage shadow = QImage(folder + "/builtin/shadow.png").convertToFormat(QImage::Format_RGB32);
  if (shadow.size() != QSize(CardWidth + 2, CardHeight + 2)) Fault("shadow.png: missing or not 73 x 97");
  else {
    for (int y = 0; y < CardHeight; ++y)
      for (int x = 0; x < CardWidth; ++x)
        if (shadow.pixel(x, y) != TransparentKey) { Fault("shadow.png: the field under the card is not all yellow"); y = CardHeight; break; }
    if (shadow.pixel(CardWidth + 1, CardHeight + 1) != TransparentKey) Fault("shadow.png: far corner is not yellow");
    if (qGray(shadow.pixel(CardWidth, CardHeight / 2)) > 128 || qGray(shadow.pixel(CardWidth / 2, CardHeight)) > 128)
      Fault("shadow.png: the edges are not dark");
  }

  const QImage tile(folder + "/builtin/tile.png");
  if (tile.size() != QSize(239, 177)) Fault("tile.png: missing or not 239 x 177");
  else CheckTile(tile, "tile.png");

  const QString bmp = folder + "/beside/back7.bmp";
  const QImage back(bmp, "BMP");
  if (back.isNull() || back.width() < 200 || back.width() > 260 || back.height() < 200 || back.height() > 260)
    Fault("back7.bmp: missing or not about 200..260 pixels square");
  else {
    if (BmpBitsPerPixel(bmp) != 24) Fault("back7.bmp: not a 24-bit BMP");
    CheckTile(back, "back7.bmp");
  }
  return faults;
}

QImage ContactSheet(const QString& folder)
{
  // Yellow shows as see-through, the way the game draws these pictures.
  auto keyed = [](const QString& path) {
    QImage img = QImage(path).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
      for (int x = 0; x < img.width(); ++x)
        if (line[x] == TransparentKey) line[x] = 0;
    }
    return img;
  };
  const int zoom = 2, gap = 12;
  const QSize sheetSize(4 * CardWidth * zoom, 4 * CardHeight * zoom);
  QImage out(2 * sheetSize.width() + 3 * gap, 2 * sheetSize.height() + 3 * gap + 240, QImage::Format_RGB32);
  QPainter p(&out);
  p.fillRect(out.rect(), QImage(folder + "/builtin/tile.png"));
  QImage sheets[SheetCount];
  for (int s = 0; s < SheetCount; ++s) {
    sheets[s] = keyed(folder + QString("/builtin/cards%1.png").arg(s));
    const QPoint at(gap + (s % 2) * (sheetSize.width() + gap), gap + (s / 2) * (sheetSize.height() + gap));
    p.drawImage(QRect(at, sheetSize), sheets[s]);
  }
  // The default background with a few cards lifted off it, shadow and all.
  const int y = 2 * sheetSize.height() + 2 * gap;
  p.fillRect(QRect(0, y, out.width(), out.height() - y), QImage(folder + "/beside/back7.bmp"));
  const QImage shadow = keyed(folder + "/builtin/shadow.png");
  for (int i = 0; i < 6; ++i) {
    const QRect at(gap + i * 90 * zoom, y + gap + (i % 2) * 20, (CardWidth + 2) * zoom, (CardHeight + 2) * zoom);
    p.drawImage(at, shadow);
    const int sheet = i % SheetCount, row = (i / 2) % 4, col = i % 4;
    p.drawImage(QRect(at.topLeft(), QSize(CardWidth * zoom, CardHeight * zoom)), sheets[sheet],
                QRect(col * CardWidth, row * CardHeight, CardWidth, CardHeight));
  }
  return out;
}

} // namespace assets
