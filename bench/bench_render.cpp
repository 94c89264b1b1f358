// Drawing costs of the table: a full repaint of a dealt 640 x 480 table and
// one frame of a three-card slide, each at art scale 1 and 2 (the argument);
// and the decoding of a built-in card, the first time it is drawn.
#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

#include "engine/HeadlessView.h"
#include "render/OffscreenTable.h"

using namespace tandrel;

namespace {

// The sample art has no finer version: without the built-in art every scale draws at 1.
CardArt Art(int scale) { return QFile::exists(":/builtin/card2.png") ? LoadBuiltinArt(scale) : SampleArt(); }

// The first preset deal laid out, with a flip of three on the player's waste.
void Deal(Game& g)
{
    g.GameOver = false;
    const int faceUp[] = {12, 16, 37, 5};
    for (int p = 1; p <= PileCount; ++p) {
        g.Tableau(p, 1) = faceUp[p - 1];
        g.TableauFaceDown(p) = p - 1;
    }
    for (int side = 1; side <= 2; ++side) {
        for (int k = 1; k <= 21; ++k) g.Stock(side, k) = 11 + k + 21 * (side - 1);
        g.StockLevel(side) = 42;
        g.WasteFan(side) = 3;
    }
    for (int k = 1; k <= 3; ++k) {
        g.Waste(1, k) = g.Stock(1, k);
        g.Stock(1, k) = 0;
    }
    g.WasteCount(1) = 3;
    g.StockLevel(1) = 39;
}

struct Table {
    HeadlessView headless;
    Game game{headless};
    OffscreenTable view;
    explicit Table(int scale) : view(game, Art(scale))
    {
        Deal(game);
        view.Resize(640, 480);
        view.RedrawTable();
    }
};

void BM_RedrawTable(benchmark::State& state)
{
    Table t(static_cast<int>(state.range(0)));
    for (auto _ : state) t.view.RedrawTable();
}
BENCHMARK(BM_RedrawTable)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// After a resize the bare table is painted again as well.
void BM_ResizeAndRedrawTable(benchmark::State& state)
{
    Table t(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        t.view.Resize(640, 480);
        t.view.RedrawTable();
    }
}
BENCHMARK(BM_ResizeAndRedrawTable)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_DrawMoveFrame(benchmark::State& state)
{
    Table t(static_cast<int>(state.range(0)));
    t.game.Tableau(4, 2) = 30;
    t.game.Tableau(4, 3) = 45;
    t.view.RedrawTable();
    t.view.SnapshotTable();
    t.view.CaptureDragImage(280, 135, 73, 95 + 20 + 2);
    float x = 280, y = 135;
    for (auto _ : state) {
        t.view.DrawMoveFrame(x, y, 73, 117);
        x = x > 500 ? 10 : x + 13;
        y = y > 300 ? 20 : y + 1;
    }
}
BENCHMARK(BM_DrawMoveFrame)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_DrawCard(benchmark::State& state)
{
    Table t(static_cast<int>(state.range(0)));
    for (auto _ : state) t.view.DrawCard(Surface::Window, 200, 200, 30);
}
BENCHMARK(BM_DrawCard)->ArgName("scale")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_DecodeCard(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    if (LoadBuiltinCard(30, scale).isNull()) state.SkipWithError("the built-in pictures are not in this build");
    for (auto _ : state) benchmark::DoNotOptimize(KeyedCopy(LoadBuiltinCard(30, scale)));
}
BENCHMARK(BM_DecodeCard)->ArgName("scale")->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
