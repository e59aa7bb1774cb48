// Many cases through the batch program: one trb process over a list of case files against one
// process per case, and, as the floor under both, reading and calculating a case in this process.
// Each iteration handles `cases` copies of the example case; the items per second are cases.
// The outputs are written as the program always writes them (a temporary file, flushed to the
// disk, renamed into place), so the figures depend on the file system of $TMPDIR: run once more
// with TMPDIR=/dev/shm to see the program without the disk.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "casefile/case_file.h"
#include "config/settings.h"
#include "core/calculation.h"
#include "text/language.h"
#include "trb_process.h"
#include "ui/scripted_dialogs.h"

namespace {

namespace fs = std::filesystem;
using namespace trb;

// `count` copies of the example case in the folder, by name.
std::vector<std::string> CaseCopies(const bench::Folder& folder, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("case" + std::to_string(i) + ".trb");
        fs::copy_file(TRB_SOURCE_DATA_DIR "/examples/example.trb", folder.path / names.back(),
                      fs::copy_options::overwrite_existing);
    }
    return names;
}

// One process over every case: "trb case0.trb case1.trb ... <option>".
void ListProcess(benchmark::State& state, const char* option) {
    bench::Folder folder("batch-bench");
    const int cases = static_cast<int>(state.range(0));
    std::vector<std::string> arguments = CaseCopies(folder, cases);
    arguments.push_back(option);
    for (auto _ : state) {
        if (bench::RunTrb(folder, arguments) != 0) {
            state.SkipWithError("the batch run failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * cases);
}

// A process per case: "trb caseN.trb <option>", one after the other.
void SingleProcesses(benchmark::State& state, const char* option) {
    bench::Folder folder("batch-bench");
    const int cases = static_cast<int>(state.range(0));
    const std::vector<std::string> names = CaseCopies(folder, cases);
    for (auto _ : state) {
        for (const std::string& name : names) {
            if (bench::RunTrb(folder, {name, option}) != 0) {
                state.SkipWithError("a batch run failed");
                return;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * cases);
}

void BM_ReportListProcess(benchmark::State& state) {
    ListProcess(state, "/I");
}
BENCHMARK(BM_ReportListProcess)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReportSingleProcesses(benchmark::State& state) {
    SingleProcesses(state, "/I");
}
BENCHMARK(BM_ReportSingleProcesses)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// "/JSON" also searches the thresholds (some thousand runs per case), so fewer cases.
void BM_JsonListProcess(benchmark::State& state) {
    ListProcess(state, "/JSON");
}
BENCHMARK(BM_JsonListProcess)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_JsonSingleProcesses(benchmark::State& state) {
    SingleProcesses(state, "/JSON");
}
BENCHMARK(BM_JsonSingleProcesses)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// What a batch run does for a case before it writes anything: read the file into a fresh case
// and calculate it.
void BM_ReadAndCalculate(benchmark::State& state) {
    bench::Folder folder("batch-bench");
    const std::string caseFile = (folder.path / CaseCopies(folder, 1).front()).string();
    const config::ConfigSettings settings;
    const text::LanguageTexts texts;
    ui::ScriptedDialogs dialogs;
    for (auto _ : state) {
        core::TRBrecord record;
        docs::TitleData title;
        docs::ChangeLog changes;
        docs::DrawingInfo info;
        docs::LinkedDocuments documents;
        casefile::CaseFileState fileState;
        bool abort = false;
        casefile::CaseFileContext context{casefile::CaseContent{record, title, changes, info, documents},
                                          fileState,
                                          settings,
                                          texts.ProgramTitle(),
                                          dialogs,
                                          abort};
        casefile::ReadCaseFile(context, caseFile);
        core::RunStatus status;
        benchmark::DoNotOptimize(core::RunCalculation(record, status, abort));
        benchmark::DoNotOptimize(record.h0);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadAndCalculate)->Unit(benchmark::kMicrosecond);

}  // namespace
