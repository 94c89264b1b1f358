// make_assets: draws the game's built-in pictures and its default background.
//   make_assets ASSETS            write ASSETS/builtin/*.png, ASSETS/beside/back7.bmp
//                                 and the icons in ASSETS/icons
//   make_assets --check ASSETS    verify them, print each fault, exit 1 on any
//   make_assets --contact ASSETS FILE.png   a 2x preview of everything
#include "Assets.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

const char* const DeckFolder = "/usr/share/carddecks";

bool Save(const QImage& img, const QString& path, const char* format)
{
  if (img.save(path, format)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

bool SaveIcons(const QString& folder)
{
  QDir().mkpath(folder);
  QFile svg(folder + "/tandrel.svg");
  bool ok = svg.open(QIODevice::WriteOnly) && svg.write(assets::IconSvg()) == assets::IconSvg().size();
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
  for (const int size : assets::IconSizes)
    ok &= Save(assets::IconPng(size), folder + QString("/tandrel-%1.png").arg(size), "PNG");
  return ok;
}

int Generate(const QString& folder)
{
  const assets::CardFaces faces(DeckFolder);
  if (!faces.Loaded()) {
    std::fprintf(stderr, "card decks not found in %s (install kdegames-card-data-kf5)\n", DeckFolder);
    return 1;
  }
  QDir().mkpath(folder + "/builtin");
  QDir().mkpath(folder + "/beside");
  bool ok = true;
  for (int s = 0; s < assets::SheetCount; ++s)
    ok &= Save(assets::MakeSheet(faces, s), folder + QString("/builtin/cards%1.png").arg(s), "PNG");
  ok &= Save(assets::MakeShadow(), folder + "/builtin/shadow.png", "PNG");
  ok &= Save(assets::MakeFeltTile(), folder + "/builtin/tile.png", "PNG");
  ok &= Save(assets::MakeWoodTile().convertToFormat(QImage::Format_RGB888), folder + "/beside/back7.bmp", "BMP");
  for (const int k : assets::HiDpiScales) {
    const QString at = QString("@%1x").arg(k);
    for (int s = 0; s < assets::SheetCount; ++s)
      ok &= Save(assets::MakeSheet(faces, s, k), folder + QString("/builtin/cards%1%2.png").arg(s).arg(at), "PNG");
    ok &= Save(assets::MakeShadow(k), folder + "/builtin/shadow" + at + ".png", "PNG");
    ok &= Save(assets::MakeFeltTile(k), folder + "/builtin/tile" + at + ".png", "PNG");
    ok &= Save(assets::MakeWoodTile(k).convertToFormat(QImage::Format_RGB888), folder + "/beside/back7" + at + ".bmp", "BMP");
  }
  ok &= SaveIcons(folder + "/icons");
  return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
  qputenv("QT_QPA_PLATFORM", "offscreen"); // never opens a window
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 1 && !args[0].startsWith("--")) return Generate(args[0]);
  if (args.size() == 2 && args[0] == "--check") {
    const int faults = assets::CheckAssets(args[1]);
    std::printf("%s: %d fault(s)\n", qPrintable(args[1]), faults);
    return faults ? 1 : 0;
  }
  if (args.size() == 3 && args[0] == "--contact")
    return Save(assets::ContactSheet(args[1]), args[2], "PNG") ? 0 : 1;
  std::fprintf(stderr, "usage: make_assets ASSETS | --check ASSETS | --contact ASSETS FILE.png\n");
  return 2;
}
