#include <benchmark/benchmark.h>

#include "graphics/graphics_window.h"
#include "graphics/hatching.h"
#include "graphics/replay.h"

namespace {

using trb::real;
using namespace trb::graphics;

// A drawing of the size of a production drawing: lines, arcs and texts.
void FillWindow(GraphicsWindow& window, int n) {
    bool abort = false;
    window.Header(0, 0, 297, 210, abort);
    for (int i = 0; i < n; ++i) {
        const real x = static_cast<real>(i % 297);
        window.SetColor(i % 16 + 1);
        window.line(x, 0, x + 10, 210);
        window.Arc(x, 100, 0, 90, 5);
        if (i % 10 == 0) window.OutTextXY("Lagerbreite", x, 50);
    }
}

class NullCanvas : public ReplayCanvas {
  public:
    void Line(PixelPoint a, PixelPoint) override { benchmark::DoNotOptimize(a); }
    void Ellipse(PixelPoint a, PixelPoint) override { benchmark::DoNotOptimize(a); }
    void Arc(PixelPoint a, PixelPoint, PixelPoint, PixelPoint) override { benchmark::DoNotOptimize(a); }
    void Polygon(const PixelPoint (&p)[4]) override { benchmark::DoNotOptimize(p[0]); }
    void Text(const PixelText& t) override { benchmark::DoNotOptimize(t.origin); }
};

void BM_WriteDisplayList(benchmark::State& state) {
    for (auto _ : state) {
        GraphicsWindow window;
        FillWindow(window, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(window.List().Size());
    }
}
BENCHMARK(BM_WriteDisplayList)->Arg(10000);

void BM_ReplayDisplayList(benchmark::State& state) {
    GraphicsWindow window;
    FillWindow(window, static_cast<int>(state.range(0)));
    NullCanvas canvas;
    for (auto _ : state) {
        bool abort = false;
        Replay(window, canvas, nullptr, abort);
    }
}
BENCHMARK(BM_ReplayDisplayList)->Arg(10000);

void BM_DumpDisplayList(benchmark::State& state) {
    GraphicsWindow window;
    FillWindow(window, static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(window.List().Dump());
}
BENCHMARK(BM_DumpDisplayList)->Arg(10000);

void BM_HatchLines(benchmark::State& state) {
    std::vector<Point> boundary{{0, 0}, {100, 0}, {100, 40}, {60, 40}, {60, 20}, {40, 20}, {40, 40}, {0, 40}};
    trb::core::RunStatus status;
    for (auto _ : state) {
        bool abort = false;
        benchmark::DoNotOptimize(HatchLines(boundary, 45, 0.5L, status, abort));
    }
}
BENCHMARK(BM_HatchLines);

}  // namespace
