// The bare table: a tiled picture, a solid colour or a gradient, painted
// wherever the table is erased.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <system_error>

#include "engine/RegularFile.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

constexpr long DefaultGradientColour = 16711808; // red 128, green 0, blue 255

QColor FromColourLong(long colour)
{
    return QColor(QtTable::ColorPart(colour, 1), QtTable::ColorPart(colour, 2), QtTable::ColorPart(colour, 3));
}

// 64 bands, each a sixty-fourth of the table's height and 2 lighter in every
// component than the one above, the top band in the table colour. Over area;
// beyond the table (the margins of a fitted table) the first and last bands
// reach on.
void GradientBands(QPainter& p, long colour, int height, const QRectF& area)
{
    const int r = QtTable::ColorPart(colour, 1), g = QtTable::ColorPart(colour, 2), b = QtTable::ColorPart(colour, 3);
    const auto bandTop = [height](int i) { return static_cast<int>(std::nearbyint(i * height / 128.0)); };
    for (int i = 0; i <= 126; i += 2) {
        const double top = i == 0 ? std::min(area.top(), 0.0) : bandTop(i);
        const double bottom = i == 126 ? std::max(area.bottom(), double(height)) : bandTop(i + 2);
        const QColor band(std::min(r + i, 255), std::min(g + i, 255), std::min(b + i, 255));
        p.fillRect(QRectF(area.left(), top, area.width(), bottom - top), band);
    }
}

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Copies of the source from the table's top left, in both directions, over area.
void Tiles(QPainter& p, const QImage& source, const QRect& area)
{
    const QSizeF tile = source.deviceIndependentSize();
    const int tw = std::max(1, static_cast<int>(tile.width())), th = std::max(1, static_cast<int>(tile.height()));
    for (int j = FloorDiv(area.left(), tw); j <= FloorDiv(area.right(), tw); ++j)
        for (int k = FloorDiv(area.top(), th); k <= FloorDiv(area.bottom(), th); ++k) p.drawImage(j * tw, k * th, source);
}

// The tiles as Tiles draws them, copied row by row: for a picture at the
// target's own scale, whose tiles start every tile-size device pixels, a
// device pixel shows the tile's pixel at its position modulo that size.
// False when the pictures are not such.
bool CopyTiles(QImage& target, const QImage& source, const QRect& area)
{
    const int k = static_cast<int>(target.devicePixelRatio());
    if (source.format() != QImage::Format_RGB32 || target.format() != QImage::Format_RGB32 ||
        source.devicePixelRatio() != target.devicePixelRatio() || k < 1)
        return false;
    const QSizeF tile = source.deviceIndependentSize();
    const int tw = std::max(1, static_cast<int>(tile.width())) * k, th = std::max(1, static_cast<int>(tile.height())) * k;
    if (tw > source.width() || th > source.height()) return false;
    const QRect device = QRect(area.x() * k, area.y() * k, area.width() * k, area.height() * k) & target.rect();
    if (device.isEmpty()) return true;
    uchar* const bits = target.bits();
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y % th));
        auto* to = reinterpret_cast<QRgb*>(bits + y * target.bytesPerLine());
        for (int x = device.left(); x <= device.right();) {
            const int column = x % tw, n = std::min(tw - column, device.right() + 1 - x);
            std::memcpy(to + x, from + column, sizeof(QRgb) * size_t(n));
            x += n;
        }
    }
    return true;
}

} // namespace

void QtTable::PaintGradient(QImage& target, long colour, const QRect& clip)
{
    if (target.isNull()) return;
    const QSizeF size = target.deviceIndependentSize();
    QPainter p(&target);
    if (!clip.isNull()) p.setClipRect(clip);
    GradientBands(p, colour, static_cast<int>(size.height()), QRectF(QPointF(0, 0), size));
}

void QtTable::FillColour(QImage& target, long colour, const QRect& clip)
{
    if (clip.isNull()) {
        target.fill(FromColourLong(colour));
        return;
    }
    QPainter p(&target);
    p.fillRect(clip, FromColourLong(colour));
}

void QtTable::RepairTableColour(long& colour, bool gradient)
{
    if (gradient && colour == 0) colour = DefaultGradientColour;
}

int QtTable::ColorPart(long colour, int n)
{
    if (n < 1 || n > 4) return 0;
    return static_cast<int>((static_cast<unsigned long>(colour) >> (8 * (n - 1))) & 0xFF);
}

// Copies of the source from the top left, the last column and row cut off by
// the target's edges; sizes in table pixels, whatever either picture's scale.
void QtTable::TileBackground(const QImage& source, QImage& target, const QRect& clip)
{
    if (target.isNull() || source.isNull()) return;
    const QRect area = clip.isNull() ? QRect(QPoint(0, 0), target.deviceIndependentSize().toSize()) : clip;
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setClipRect(area);
    Tiles(p, source, area);
}

namespace {

// The picture in bytes; null when they hold none.
QImage DecodePicture(const std::string& bytes)
{
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
}

// A finer version of a picture beside it, "name@2x.<ext>" of "name.<ext>" (an
// uncompressed one decodes in a fraction of a PNG's time), else "name@2x.png";
// null when there is none.
QImage FinerPicture(const std::string& path, int scale)
{
    const QFileInfo file(QFile::decodeName(path.c_str()));
    const QString finer = file.path() + "/" + file.completeBaseName() + QString("@%1x.").arg(scale);
    QStringList names{finer + file.suffix()};
    if (file.suffix() != "png") names << finer + "png";
    std::string bytes;
    for (const QString& name : names) {
        if (ReadRegularFile(QFile::encodeName(name).toStdString(), bytes) != FileRead::Read) continue;
        QImage picture = DecodePicture(bytes);
        if (!picture.isNull()) return picture;
    }
    return {};
}

// The picture at path for a scale, ready to tile; null when there is none to
// take. It touches nothing else, so another thread may read it.
QImage ReadBackImage(const std::string& path, int scale)
{
    // Read by us, not by the image reader: a FIFO or a device named as the
    // picture must neither block the start nor be taken as a picture.
    std::string bytes;
    if (ReadRegularFile(path, bytes) != FileRead::Read) return {};
    // On a finer screen the finer version is decoded instead, when there is
    // one; the picture named need only be one.
    QImage picture = scale > 1 ? FinerPicture(path, scale) : QImage();
    if (!picture.isNull()) {
        QBuffer named;
        named.setData(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (!QImageReader(&named).canRead()) return {};
        picture.setDevicePixelRatio(scale);
    } else {
        picture = DecodePicture(bytes);
        if (picture.isNull()) return {};
    }
    // Held once: a picture shared while its ratio is set would be copied whole.
    picture.convertTo(QImage::Format_RGB32);
    return picture;
}

} // namespace

bool QtTable::LoadBackImage(const std::string& path)
{
    TakeBackImage(); // one read ahead is over before another picture is read
    QImage picture = ReadBackImage(path, scale_);
    if (picture.isNull()) return false;
    backImagePath_ = path;
    backImageScale_ = scale_;
    picBackGrd_ = std::move(picture);
    return true;
}

void QtTable::LoadBackImageAhead(const std::string& path)
{
    // Only the first picture: a later one replaces a picture shown, at once.
    if (!backImagePath_.empty() || !picBackGrd_.isNull() || backImageRead_.valid()) {
        LoadBackImage(path);
        return;
    }
    try {
        backImageRead_ = std::async(std::launch::async, ReadBackImage, path, scale_);
    } catch (const std::system_error&) {
        LoadBackImage(path);
        return;
    }
    // Named already, so that sizing the table keeps it instead of the built-in one.
    backImagePath_ = path;
    backImageScale_ = scale_;
}

void QtTable::TakeBackImage()
{
    if (!backImageRead_.valid()) return;
    if (QImage picture = backImageRead_.get(); !picture.isNull()) {
        picBackGrd_ = std::move(picture);
        return;
    }
    // Nothing to take: the built-in picture, as if none had been named.
    backImagePath_.clear();
    backImageScale_ = 0;
    if (builtinArt_ && artScale_ == scale_ && picBackGrd_.isNull()) LoadBuiltinTile();
}

// r in table pixels, on a picture of the table's size (the window or the table
// buffer); none of skip, which the caller covers.
void QtTable::PaintBareTable(QImage& target, const QRect& r, const QRegion& skip)
{
    const QRect area = r & TableRect();
    if (target.isNull() || area.isEmpty()) return;
    const QRegion pieces = QRegion(area) - skip;
    TakeBackImage();
    if (g_.cfg.TableBackground == Background::Picture && !picBackGrd_.isNull()) {
        bool copied = true;
        for (const QRect& piece : pieces) copied = copied && CopyTiles(target, picBackGrd_, piece);
        if (copied) return;
    }
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& piece : pieces) {
        p.setClipRect(piece);
        PaintBareTableOn(p, piece);
    }
}

void QtTable::PaintBareTableOn(QPainter& p, const QRect& area)
{
    TakeBackImage();
    Settings& cfg = g_.cfg;
    const bool picture = cfg.TableBackground == Background::Picture;
    const bool gradient = !picture && cfg.ColourFill == Fill::Gradient;
    RepairTableColour(cfg.TableColor, gradient);

    if (picture && !picBackGrd_.isNull())
        Tiles(p, picBackGrd_, area);
    else if (!gradient)
        p.fillRect(area, FromColourLong(cfg.TableColor)); // also when the table picture is missing
    else
        GradientBands(p, cfg.TableColor, tableHeight_, area);
}

QImage QtTable::BareTable()
{
    if (tableWidth_ < 1 || tableHeight_ < 1) return {};
    QImage table(tableWidth_ * scale_, tableHeight_ * scale_, QImage::Format_RGB32);
    table.setDevicePixelRatio(scale_);
    PaintBareTable(table, TableRect());
    return table;
}

void QtTable::DrawTableBackground()
{
    PaintBareTable(Window(), TableRect());
    WindowChanged(TableRect());
}

} // namespace tandrel
