// The bare table: a tiled picture, a solid colour or a gradient, painted into
// picTemp, from which every erase on the table is copied.
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/RegularFile.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

constexpr long DefaultGradientColour = 16711808; // red 128, green 0, blue 255

QColor FromColourLong(long colour)
{
    return QColor(QtTable::ColorPart(colour, 1), QtTable::ColorPart(colour, 2), QtTable::ColorPart(colour, 3));
}

} // namespace

// 64 bands, each a sixty-fourth of the height and 2 lighter in every
// component than the one above, the top band in the table colour.
void QtTable::PaintGradient(QImage& target, long colour)
{
    const int r = QtTable::ColorPart(colour, 1), g = QtTable::ColorPart(colour, 2), b = QtTable::ColorPart(colour, 3);
    const int height = static_cast<int>(target.deviceIndependentSize().height());
    const auto bandTop = [height](int i) { return static_cast<int>(std::nearbyint(i * height / 128.0)); };
    QPainter p(&target);
    for (int i = 0; i <= 126; i += 2) {
        const QColor band(std::min(r + i, 255), std::min(g + i, 255), std::min(b + i, 255));
        p.fillRect(QRectF(0, bandTop(i), target.deviceIndependentSize().width(), bandTop(i + 2) - bandTop(i)), band);
    }
}

void QtTable::FillColour(QImage& target, long colour)
{
    target.fill(FromColourLong(colour));
}

int QtTable::ColorPart(long colour, int n)
{
    if (n < 1 || n > 4) return 0;
    return static_cast<int>((static_cast<unsigned long>(colour) >> (8 * (n - 1))) & 0xFF);
}

// Copies of the source from the top left, the last column and row cut off by
// the target's edges; sizes in table pixels, whatever either picture's scale.
void QtTable::TileBackground(const QImage& source, QImage& target)
{
    if (target.isNull() || source.isNull()) return;
    const QSizeF tile = source.deviceIndependentSize(), area = target.deviceIndependentSize();
    const int tw = std::max(1, static_cast<int>(tile.width())), th = std::max(1, static_cast<int>(tile.height()));
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int j = 0; j <= static_cast<int>(area.width()) / tw; ++j)
        for (int k = 0; k <= static_cast<int>(area.height()) / th; ++k) p.drawImage(j * tw, k * th, source);
}

bool QtTable::LoadBackImage(const std::string& path)
{
    // Read by us, not by the image reader: a FIFO or a device named as the
    // picture must neither block the start nor be taken as a picture.
    std::string bytes;
    if (ReadRegularFile(path, bytes) != FileRead::Read) return false;
    QImage picture = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    if (picture.isNull()) return false;
    backImagePath_ = path;
    // On a finer screen a finer version beside it, "name@2x.png", when there is one.
    if (scale_ > 1) {
        const QFileInfo file(QFile::decodeName(path.c_str()));
        const QString finerName = file.path() + "/" + file.completeBaseName() + QString("@%1x.png").arg(scale_);
        QImage finer;
        if (ReadRegularFile(QFile::encodeName(finerName).toStdString(), bytes) == FileRead::Read)
            finer = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
        if (!finer.isNull()) {
            picture = finer;
            picture.setDevicePixelRatio(scale_);
        }
    }
    const qreal ratio = picture.devicePixelRatio();
    picBackGrd_ = picture.convertToFormat(QImage::Format_RGB32);
    picBackGrd_.setDevicePixelRatio(ratio);
    return true;
}

void QtTable::DrawBackground()
{
    if (picTemp_.isNull()) return;
    Settings& cfg = g_.cfg;
    const bool gradient = cfg.Bkgrd == 0 && cfg.Gradiant == 1;
    if (gradient && cfg.TableColor == 0) cfg.TableColor = DefaultGradientColour; // and it stays so

    const BackgroundKey key{cfg.Bkgrd, cfg.Gradiant, cfg.TableColor, picBackGrd_.cacheKey(), picTemp_.size()};
    if (key == painted_) return;
    painted_ = key;

    if (cfg.Bkgrd != 0 && !picBackGrd_.isNull())
        TileBackground(picBackGrd_, picTemp_);
    else if (cfg.Bkgrd != 0 || !gradient)
        FillColour(picTemp_, cfg.TableColor); // also when the table picture is missing
    else
        PaintGradient(picTemp_, cfg.TableColor);
}

void QtTable::DrawTableBackground()
{
    DrawBackground();
    CopyFromPicTemp(window_, TableRect());
    WindowChanged(TableRect());
}

} // namespace tandrel
