// Table textures that tile without seams, and the drop shadow of a moving card.
// All noise is periodic over the tile and seeded by a fixed hash, so the same
// pixels come out on every run.
#include "Assets.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace assets {

namespace {

uint32_t Hash(uint32_t x)
{
  x ^= x >> 16; x *= 0x7feb352dU;
  x ^= x >> 15; x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double Lattice(int i, int j, uint32_t seed)
{
  return Hash(uint32_t(i) * 73856093U ^ Hash(uint32_t(j) * 19349663U ^ seed)) / 4294967296.0;
}

// Smooth value noise in 0..1 with cellsX x cellsY lattice cells over the tile,
// wrapping at the tile's edges.
double TileNoise(double fx, double fy, int cellsX, int cellsY, uint32_t seed)
{
  const double x = fx * cellsX, y = fy * cellsY;
  const int i = int(std::floor(x)), j = int(std::floor(y));
  auto smooth = [](double t) { return t * t * (3 - 2 * t); };
  const double u = smooth(x - i), v = smooth(y - j);
  auto at = [&](int a, int b) { return Lattice((a % cellsX + cellsX) % cellsX, (b % cellsY + cellsY) % cellsY, seed); };
  const double top = at(i, j) + (at(i + 1, j) - at(i, j)) * u;
  const double bottom = at(i, j + 1) + (at(i + 1, j + 1) - at(i, j + 1)) * u;
  return top + (bottom - top) * v;
}

// Several octaves of TileNoise, centred on 0 (about -0.5..0.5).
double Fractal(double fx, double fy, int cellsX, int cellsY, int octaves, uint32_t seed)
{
  double sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o, amp /= 2, cellsX *= 2, cellsY *= 2) {
    sum += amp * (TileNoise(fx, fy, cellsX, cellsY, seed + o) - 0.5);
    weight += amp;
  }
  return sum / weight;
}

double Grain(int x, int y, uint32_t seed) { return Lattice(x, y, seed) - 0.5; }

QRgb Shade(double r, double g, double b)
{
  auto c = [](double v) { return int(std::clamp(std::lround(v), 0L, 255L)); };
  return qRgb(c(r), c(g), c(b));
}

} // namespace

QImage MakeFeltTile(int scale)
{
  const int w = 239 * scale, h = 177 * scale;
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double fx = double(x) / w, fy = double(y) / h;
      const double cloud = Fractal(fx, fy, 4, 3, 3, 11);
      const double nap = Fractal(fx, fy, 48, 36, 2, 23); // short fibres
      const double k = 1 + 0.16 * cloud + 0.10 * nap + 0.10 * Grain(x / scale, y / scale, 37);
      img.setPixel(x, y, Shade(26 * k, 112 * k, 58 * k));
    }
  return img;
}

QImage MakeWoodTile(int scale)
{
  if (scale > 1) {
    // Board by board the same as one pixel per unit, with smooth rings and fibres.
    const QImage one = MakeWoodTile(1);
    return one.scaled(one.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  const int size = 240, planks = 4, plankHeight = size / planks;
  const int joints[planks] = {40, 170, 95, 215};
  QImage img(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      // Boards start half a board down so no gap falls on the tile's edge.
      const int plank = (y + plankHeight / 2) % size / plankHeight, inPlank = (y + plankHeight / 2) % plankHeight;
      const int along = (x - joints[plank] + size) % size; // 0 at the plank's end joint
      const double fx = double(x) / size, fy = double(y) / size;
      // Rings: stripes along the plank, bent by noise that wraps round the tile.
      const double bend = 9 * Fractal(fx, fy, 3, 8, 2, 101 + plank) + 3 * std::sin(2 * M_PI * (along / double(size)));
      const double ring = 0.5 + 0.5 * std::sin((inPlank + bend + plank * 7) * 0.9);
      const double fibre = Fractal(fx, fy, 6, 120, 2, 211) + 0.6 * Grain(x, y, 307);
      double k = 0.78 + 0.14 * std::pow(ring, 3) + 0.22 * fibre + 0.05 * ((plank * 5) % 3 - 1);
      if (inPlank == 0 || along == 0) k *= 0.55;            // the gaps between boards
      else if (inPlank == 1 || along == 1) k *= 0.85;
      img.setPixel(x, y, Shade(168 * k, 112 * k, 64 * k));
    }
  return img;
}

QImage MakeShadow(int scale)
{
  if (scale > 1) {
    const QImage one = MakeShadow(1); // flat colours: each pixel becomes a block
    return one.scaled(one.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  // A card-shaped shadow two pixels down and right of the card: it shows in the
  // two outer columns from row 2 and the two outer rows from column 2.
  const int w = CardWidth + 2, h = CardHeight + 2;
  const QRgb inner = qRgb(70, 70, 48), outer = qRgb(116, 116, 88), soft = qRgb(150, 150, 118);
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(TransparentKey);
  for (int y = 2; y < h; ++y) {
    img.setPixel(w - 2, y, inner);
    img.setPixel(w - 1, y, outer);
  }
  for (int x = 2; x < w; ++x) {
    img.setPixel(x, h - 2, inner);
    img.setPixel(x, h - 1, outer);
  }
  // Rounded ends: lighter first pixels, and the far corner left out.
  img.setPixel(w - 2, 2, soft);
  img.setPixel(w - 1, 2, TransparentKey);
  img.setPixel(w - 1, 3, soft);
  img.setPixel(2, h - 2, soft);
  img.setPixel(2, h - 1, TransparentKey);
  img.setPixel(3, h - 1, soft);
  img.setPixel(w - 1, h - 2, soft);
  img.setPixel(w - 2, h - 1, soft);
  img.setPixel(w - 1, h - 1, TransparentKey);
  return img;
}

} // namespace assets
