#include <benchmark/benchmark.h>

#include <sstream>

#include "casefile/case_format.h"
#include "docs/documentation.h"

namespace {

using namespace trb;

// A full case: the example with 25 changes and 8 text items.
struct BenchCase {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;

    BenchCase() {
        core::LoadExampleCase(record);
        docs::InitDocumentation(title, changes, info, "09.12.2026");
        changes.count = docs::ChangeLog::kMaxChanges;
        for (auto& r : changes.records) r = {"Index", "09.12.2026", "TRB", "Zeile 1\nZeile 2"};
        info.textItemCount = docs::DrawingInfo::kMaxTextItems;
        for (auto& item : info.textItems) item = {12.5L, 40, 3.5L, 90, "Text auf der Zeichnung"};
    }
    casefile::CaseContent Content() { return {record, title, changes, info, documents}; }
};

void BM_WriteCase(benchmark::State& state) {
    BenchCase c;
    for (auto _ : state) {
        std::ostringstream out;
        casefile::WriteCaseContent(out, c.Content(), text::FormatOptions{}, "TRB");
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_WriteCase);

void BM_ReadCase(benchmark::State& state) {
    BenchCase c;
    std::ostringstream out;
    casefile::WriteCaseContent(out, c.Content(), text::FormatOptions{}, "TRB");
    const std::string text = out.str();
    BenchCase target;
    for (auto _ : state) {
        auto content = target.Content();
        benchmark::DoNotOptimize(casefile::ReadCaseContent(text, content));
    }
}
BENCHMARK(BM_ReadCase);

}  // namespace
