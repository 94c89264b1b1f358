#pragma once
// The pictures the table is drawn from: the cards, the drop shadow and the
// background tile. The art is drawn as four sheets of 71 x 95 cells whose
// rounded corners are pure yellow; that colour is the key that is never drawn.
// The build cuts the sheets into one picture per card, so the game decodes only
// the cards it shows.
#include <QImage>
#include <array>
#include <optional>

namespace tandrel {

constexpr QRgb TransparentKey = 0xFFFFFF00; // RGB(255, 255, 0), opaque

struct CardArt {
    int scale = 1;                // pixels per table pixel: 1, 2 or 3 (each size times scale)
    std::array<QImage, 4> sheets; // 284 x 380, a 4 x 4 grid of cells
    QImage shadow;                // 73 x 97, yellow field with a shadow on the right and bottom
    QImage tile;                  // the built-in table picture
};

// The card codes with a picture: the 52 cards, the jokers and the backs.
constexpr int FirstPictured = 2, LastPictured = 65;

// All the built-in art at once, its sheets laid out of the card pictures; a
// picture that is missing stays null (a card: its cell stays the key) and
// simply draws nothing.
CardArt LoadBuiltinArt(int scale = 1);
// A built-in picture by its name without ".png" ("card30", "shadow", "tile"),
// at scale 2 or 3 its "@2x"/"@3x" version; null when there is none.
QImage LoadBuiltinPicture(const QString& name, int scale);
// One card's picture, 71 x 95 times the scale ("card<code>").
QImage LoadBuiltinCard(int card, int scale);
// The file name of a picture at a scale: "tile.png", "tile@2x.png".
QString BuiltinFileName(const QString& name, int scale);

// The art scale for a screen's device pixel ratio: the smallest that is at
// least as fine, 3 at most.
int ArtScaleFor(double devicePixelRatio);

struct CardCell {
    int sheet; // 0..3
    int x, y;  // top left of the 71 x 95 cell
    bool operator==(const CardCell&) const = default;
};

// Where a card code's picture lies; none for codes outside 2..65.
std::optional<CardCell> GetCardImage(int card);

// A copy of the picture with every pixel of the key colour made transparent
// and every other pixel opaque (premultiplied ARGB, ready to draw).
QImage KeyedCopy(QImage picture);

// Makes the key-coloured pixels of r in an ARGB32_Premultiplied image transparent.
void KeyOut(QImage& image, const QRect& r);

} // namespace tandrel
