#pragma once
// The pictures the game carries: card sheets, drag shadow and table tiles.
#include <QImage>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace assets {

constexpr int CardWidth = 71;
constexpr int CardHeight = 95;
constexpr int SheetCount = 4;
constexpr QRgb TransparentKey = 0xffffff00; // pure yellow, never drawn
constexpr int CornerBox = 4; // the key may only appear this close to a cell corner

// Card code shown in a cell of a sheet (2..53 faces, 54/55 jokers, 56..65 backs).
int CodeInCell(int sheet, int row, int col);
bool InCornerBox(int x, int y);

// Turns a 71 x 95 drawing with transparent corners into a finished cell:
// coverage under one half becomes the key, the rest opaque; the key colour
// itself is moved one step off so it cannot show through a face.
// At scale 2 or 3 the cell has that many pixels per unit and the corner box grows alike.
QImage FinishCell(const QImage& card, int scale = 1);

// A blank card (white, black rounded outline) to draw backs and jokers on.
QImage BlankCard(int scale = 1);

class CardFaces {
public:
  explicit CardFaces(const QString& deckFolder);
  ~CardFaces();
  bool Loaded() const;
  QImage Cell(int code, int scale = 1) const; // finished 71 x 95 cell (times scale) for any code 2..65
private:
  QImage Face(int code, int scale) const;
  QImage Joker(int code, int scale) const;
  std::unique_ptr<QSvgRenderer> faces, jokers;
};

// Scale 2 and 3: the same pictures with that many pixels per unit, for HiDPI screens.
constexpr int HiDpiScales[] = {2, 3};
QImage CardBack(int index, int scale = 1); // 0..9, not yet finished
QImage MakeSheet(const CardFaces& faces, int sheet, int scale = 1);
QImage MakeShadow(int scale = 1);
QImage MakeFeltTile(int scale = 1);   // 239 x 177 units
QImage MakeWoodTile(int scale = 1);   // 240 x 240 units

QByteArray IconSvg();      // the scalable icon
QImage IconPng(int size);  // the icon drawn from IconSvg at size x size
constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

int CheckAssets(const QString& assetsFolder); // number of faults found, each printed
QImage ContactSheet(const QString& assetsFolder);

} // namespace assets
