// Cuts the card sheets of one scale into one picture per card, so the game
// decodes only the cards it shows:
//   cut_cards SCALE FOLDER SHEET0 SHEET1 SHEET2 SHEET3
// writes each card's cell of the sheets as FOLDER/card<code>.png, at scale 2
// or 3 as card<code>@2x.png or @3x.png.
#include <QImage>
#include <QString>
#include <array>
#include <cstdio>

#include "engine/Layout.h"
#include "render/CardArt.h"

using namespace tandrel;

int main(int argc, char** argv)
{
    const int scale = argc == 7 ? QString(argv[1]).toInt() : 0;
    if (scale < 1 || scale > 3) {
        std::fprintf(stderr, "usage: cut_cards SCALE(1-3) FOLDER SHEET0 SHEET1 SHEET2 SHEET3\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    std::array<QImage, 4> sheets;
    for (int i = 0; i < 4; ++i) {
        sheets[i] = QImage(QString::fromLocal8Bit(argv[3 + i]));
        // A sheet of another size would put every card off its cell.
        if (sheets[i].size() != QSize(4 * CardWidth, 4 * CardHeight) * scale) {
            std::fprintf(stderr, "cut_cards: %s is not a %dx sheet of 4 x 4 cards\n", argv[3 + i], scale);
            return 1;
        }
    }
    for (int card = FirstPictured; card <= LastPictured; ++card) {
        const CardCell cell = *GetCardImage(card);
        const QImage picture =
            sheets[cell.sheet].copy(cell.x * scale, cell.y * scale, CardWidth * scale, CardHeight * scale);
        const QString path = folder + "/" + BuiltinFileName(QString("card%1").arg(card), scale);
        if (!picture.save(path, "PNG", 0)) { // 0: the smallest file
            std::fprintf(stderr, "cut_cards: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
