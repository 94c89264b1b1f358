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
QImage FinishCell(const QImage& card);

// A blank card (white, black rounded outline) to draw backs and jokers on.
QImage BlankCard();

class CardFaces {
public:
  explicit CardFaces(const QString& deckFolder);
  ~CardFaces();
  bool Loaded() const;
  QImage Cell(int code) const; // finished 71 x 95 cell for any code 2..65
private:
  QImage Face(int code) const;
  QImage Joker(int code) const;
  std::unique_ptr<QSvgRenderer> faces, jokers;
};

QImage CardBack(int index); // 0..9, not yet finished
QImage MakeSheet(const CardFaces& faces, int sheet);
QImage MakeShadow();
QImage MakeFeltTile();   // 239 x 177
QImage MakeWoodTile();   // 240 x 240

int CheckAssets(const QString& assetsFolder); // number of faults found, each printed
QImage ContactSheet(const QString& assetsFolder);

} // namespace assets
