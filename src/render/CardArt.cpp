#include "render/CardArt.h"

#include <QFile>

namespace tandrel {

namespace {

QImage LoadPicture(const QString& name)
{
    const QString path = ":/builtin/" + name;
    if (!QFile::exists(path)) return {};
    return QImage(path);
}

} // namespace

CardArt LoadBuiltinArt(int scale)
{
    CardArt art;
    art.scale = scale;
    const QString at = scale > 1 ? QString("@%1x").arg(scale) : QString();
    for (int i = 0; i < 4; ++i) art.sheets[i] = LoadPicture(QString("cards%1%2.png").arg(i).arg(at));
    art.shadow = LoadPicture("shadow" + at + ".png");
    art.tile = LoadPicture("tile" + at + ".png");
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

QImage KeyedCopy(const QImage& picture)
{
    if (picture.isNull()) return {};
    // Any alpha in the file is ignored, as a plain bitmap copy would.
    QImage keyed = picture.convertToFormat(QImage::Format_RGB32)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    KeyOut(keyed, keyed.rect());
    return keyed;
}

} // namespace tandrel
