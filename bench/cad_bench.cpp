// Writing speed of the CAD file devices for a drawing of the size of a production drawing with
// hatching (a few thousand entities), and the IGES parameter splitting on its own.
#include <benchmark/benchmark.h>

#include <sstream>

#include "cad/dxf_device.h"
#include "cad/iges_device.h"
#include "cad/iges_format.h"
#include "cad/text_dump_device.h"

namespace {

using trb::real;
using namespace trb::cad;

void Draw(CadDevice& device, int entities) {
    device.Limits(0, 0, 420, 297);
    device.Tables(2);
    device.BlocksBegin();
    device.BlockBegin("MARK");
    device.Circle(0, 0, 2);
    device.Line(-3, 0, 3, 0);
    device.BlockEnd();
    device.EndSection();
    device.EntitiesBegin();
    TextStyle style;
    style.height = 3.5L;
    for (int i = 0; i < entities; ++i) {
        const real t = static_cast<real>(i);
        device.Pen(i % 6);
        device.Line(t * 0.1L, 0, t * 0.1L + 20, 30);
        if (i % 10 == 0) device.Arc(200, 150, t, t + 45, 50 + t * 0.01L);
        if (i % 25 == 0) device.Text("Lagerbreite B = 40 mm", 10, t * 0.05L, style);
        if (i % 50 == 0) device.Insert("MARK", 1, 1, t, 100, 100);
    }
    device.EndSection();
    device.Close();
}

void BM_Dxf(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        DxfDevice device(out, CadSettings{});
        Draw(device, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Dxf)->Arg(5000);

void BM_TextDump(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        TextDumpDevice device(out, CadSettings{});
        Draw(device, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TextDump)->Arg(5000);

void BM_Iges(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        trb::core::RunStatus status;
        IgesDevice device(out, CadSettings{}, IgesHeader{}, status);
        Draw(device, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Iges)->Arg(5000);

void BM_SplitParameterText(benchmark::State& state) {
    std::string text = "308,0,6HRASTER,200,";
    for (int i = 1; i < 400; i += 2) text += std::to_string(i) + ",";
    text += Hollerith(std::string(150, 'W')) + ";";
    for (auto _ : state) benchmark::DoNotOptimize(SplitParameterText(text, kIgesParameterColumns));
}
BENCHMARK(BM_SplitParameterText);

}  // namespace
