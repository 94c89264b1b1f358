#include "render/CardArt.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "engine/Layout.h"

namespace tandrel {

QString BuiltinFileName(const QString& name, int scale)
{
    return name + (scale > 1 ? QString("@%1x.png").arg(scale) : QString(".png"));
}

QImage LoadBuiltinPicture(const QString& name, int scale)
{
    const QString path = ":/builtin/" + BuiltinFileName(name, scale);
    if (!QFile::exists(path)) return {};
    return QImage(path);
}

QImage LoadBuiltinCard(int card, int scale)
{
    if (!GetCardImage(card)) return {};
    return LoadBuiltinPicture(QString("card%1").arg(card), scale);
}

CardArt LoadBuiltinArt(int scale)
{
    CardArt art;
    art.scale = scale;
    for (int card = FirstPictured; card <= LastPictured; ++card) {
        const QImage picture = LoadBuiltinCard(card, scale).convertToFormat(QImage::Format_RGB32);
        if (picture.isNull()) continue;
        const CardCell cell = *GetCardImage(card);
        QImage& sheet = art.sheets[cell.sheet];
        if (sheet.isNull()) {
            sheet = QImage(4 * CardWidth * scale, 4 * CardHeight * scale, QImage::Format_RGB32);
            sheet.fill(TransparentKey);
        }
        const int x = cell.x * scale, y = cell.y * scale;
        const int w = std::min(picture.width(), sheet.width() - x), h = std::min(picture.height(), sheet.height() - y);
        for (int row = 0; row < h; ++row)
            std::memcpy(sheet.scanLine(y + row) + 4 * x, picture.constScanLine(row), 4 * size_t(w));
    }
    art.shadow = LoadBuiltinPicture("shadow", scale);
    art.tile = LoadBuiltinPicture("tile", scale);
    return art;
}

int ArtScaleFor(double devicePixelRatio)
{
    if (devicePixelRatio <= 1.0) return 1;
    return devicePixelRatio <= 2.0 ? 2 : 3;
}

std::optional<CardCell> GetCardImage(int card)
{
    if (card >= 2 && card <= 53) {
        const int suit = (card - 2) / 13;      // sheet column: clubs, hearts, spades, diamonds
        const int value = card - 13 * suit;    // 2..14, the ace last
        if (value == 14) return CardCell{3, 71 * suit, 0};
        return CardCell{(value - 2) / 4, 71 * suit, 95 * ((value - 2) % 4)};
    }
    if (card >= 54 && card <= 65) {            // jokers and backs share the ace sheet
        const int k = card - 54;
        return CardCell{3, 71 * (k % 4), 95 * (1 + k / 4)};
    }
    return std::nullopt;
}

void KeyOut(QImage& image, const QRect& r)
{
    const QRect area = r & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (line[x] == TransparentKey) line[x] = 0;
    }
}

QImage KeyedCopy(QImage picture)
{
    if (picture.isNull()) return {};
    // Any alpha in the file is ignored, as a plain bitmap copy would. A picture
    // handed over whole is converted where it lies, without a second buffer.
    picture.convertTo(QImage::Format_RGB32);
    picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    KeyOut(picture, picture.rect());
    return picture;
}

} // namespace tandrel
