#include "app/batch_sweep.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "app/batch.h"
#include "app/sweep_files.h"
#include "app/sweep_option.h"
#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::app {

namespace {

bool EveryRunFailed(const core::OperatingSweep& sweep) {
    return std::all_of(sweep.points.begin(), sweep.points.end(), [](const core::SweepPoint& point) {
        return std::all_of(point.runs.begin(), point.runs.end(), core::PointFailed);
    });
}

}  // namespace

int RunSweepBatch(Program& program, const SweepBatch& request, std::ostream& errors) {
    core::SweepRange range;
    bool withFilm = false;
    const std::string fault = ParseSweepOption(request.range, range, &withFilm);
    if (!fault.empty()) {
        errors << "Fehler : " << fault << '\n';
        return kExitBadArguments;
    }
    if (!ReadCommandLineCase(program, request.caseFile)) return kExitUnreadableCase;

    const core::OperatingSweep sweep = core::RunOperatingSweep(program.record, range);
    const SweepFilms films = withFilm ? SolveSweepFilms(sweep) : SweepFilms{};
    const SweepFilms* columns = withFilm ? &films : nullptr;
    const std::string base = std::filesystem::path(request.caseFile).replace_extension().string();
    // The JSON last: a reader who finds it finds the CSV of the same run.
    if (!ui::WriteFilesTogether({{base + ".sweep.csv", SweepCsv(sweep, columns)},
                                 {base + ".sweep.json", SweepJson(sweep, columns)}},
                                program.dialogs, program.abort))
        return kExitUnreadableCase;
    if (EveryRunFailed(sweep)) {
        errors << "Fehler : kein Punkt des Bereichs ist berechenbar\n";
        const core::RunStatus& status = sweep.points.front().At(core::Clearance::Mean).status;
        for (int i = 1; i <= status.MessageCount(); ++i)
            errors << text::OemToDisplay(status.Message(i), program.settings.format) << '\n';
        return kExitCalculationFailed;
    }
    return kExitOk;
}

}  // namespace trb::app
