#include "app/batch.h"

#include <filesystem>
#include <ostream>

#include "app/batch_overview.h"
#include "app/batch_paper.h"
#include "app/batch_sweep.h"
#include "app/batch_verify.h"
#include "app/case_json.h"
#include "core/calculation.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/batch_dialogs.h"
#include "ui/checked_file.h"
#include "ui/settings_files.h"

namespace trb::app {

namespace {

namespace fs = std::filesystem;

void PrintMessages(const Program& program, std::ostream& errors) {
    for (int i = 1; i <= program.status.MessageCount(); ++i) {
        errors << text::OemToDisplay(program.status.Message(i), program.settings.format) << '\n';
    }
}

}  // namespace

bool ReadCommandLineCase(Program& program, const std::string& caseFile) {
    program.abort = false;
    auto context = program.CaseFiles();
    casefile::ReadCaseFile(context, caseFile);
    if (program.abort) return false;
    // The case is named by its file, as given but without a folder: the report of "/I" goes into the
    // current folder, under the file name without its last extension (x.v1.trb: x.v1.txt).
    program.caseFile.name = fs::path(caseFile).filename().string();
    program.caseFile.folder.clear();
    program.caseFile.commandLineFile = true;
    core::RunCalculation(program.record, program.status, program.abort);
    program.abort = false;
    return true;
}

void PrepareBatchProgram(Program& program) {
    program.places = config::DefaultConfigPlaces();
    const config::ReadOutcome configuration =
        config::ReadConfig(program.settings, program.places, config::ScreenInfo{}, program.abort);
    program.abort = false;
    if (!configuration.problem.empty()) program.dialogs.ShowErrorBox(configuration.problem);
    ui::ValidateFolders(program.settings, program.places.startFolder, program.dialogs,
                        ui::FolderCheck::ConfiguredOnly);
    program.abort = false;
    if (program.settings.language > 0) program.texts.SwitchLanguage(program.settings.language);
    program.dialogs.programTitle = program.texts.ProgramTitle();
}

int RunReportBatch(Program& program, const std::string& caseFile, std::ostream& errors) {
    if (!ReadCommandLineCase(program, caseFile)) return kExitUnreadableCase;
    if (program.status.calculationFailed) {
        // The caller gets both: the report showing the messages, and the failure in the exit code.
        PrintMessages(program, errors);
        program.PrintFailedRunReport(report::kTabFileForCase);
        return program.abort ? kExitUnreadableCase : kExitCalculationFailed;
    }
    program.PrintResultReport(report::kTabFileForCase);
    return program.abort ? kExitUnreadableCase : kExitOk;
}

int RunJsonBatch(Program& program, const std::string& caseFile) {
    if (!ReadCommandLineCase(program, caseFile)) return kExitUnreadableCase;
    const std::string target = fs::path(caseFile).replace_extension(".json").string();
    const core::ClearanceRange range = core::RunClearanceRange(program.record);
    const core::Thresholds thresholds = core::FindThresholds(program.record);
    // The film at the mean clearance, with its coefficients and the onset speed of whirl.
    film::CaseFilmOptions options;
    options.onsetSpeed = true;
    const film::CaseFilm film = film::SolveCaseFilm(program.record, program.status, options);
    const bool written =
        ui::WriteFileChecked(target, CaseJson(program.record, program.status, &range, &thresholds, &film),
                             program.dialogs, program.abort);
    return written ? kExitOk : kExitUnreadableCase;
}

int RunBatch(const CommandLine& commandLine, std::ostream& out, std::ostream& errors,
             const CadBatchRunner& cad) {
    const CommandLineMode& mode = commandLine.mode;
    if (std::holds_alternative<ShowHelp>(mode)) {
        for (const std::string& line : CommandLineHelpLines()) out << line << '\n';
        return kExitOk;
    }
    if (const auto* missing = std::get_if<MissingExtension>(&mode)) {
        errors << "Fehler : " << text::OemToDisplay(MissingExtensionText(), {}) << " (" << missing->name
               << ")\n";
        return kExitBadArguments;
    }
    if (const auto* bad = std::get_if<BadArguments>(&mode)) {
        errors << "Fehler : unbekannter Parameter \"" << bad->argument << "\" (trb /? zeigt die Hilfe)\n";
        return kExitBadArguments;
    }

    ui::BatchDialogs dialogs(errors, commandLine.noGui);
    ui::ProcessLauncher launcher;
    Program program(dialogs, launcher);
    program.noGui = commandLine.noGui;
    PrepareBatchProgram(program);
    if (const auto* report = std::get_if<ReportBatch>(&mode))
        return RunReportBatch(program, report->caseFile, errors);
    if (const auto* json = std::get_if<JsonBatch>(&mode)) return RunJsonBatch(program, json->caseFile);
    if (const auto* sweep = std::get_if<SweepBatch>(&mode)) return RunSweepBatch(program, *sweep, errors);
    if (const auto* overview = std::get_if<OverviewBatch>(&mode))
        return RunOverviewBatch(program, overview->folder, errors);
    if (const auto* paper = std::get_if<PaperBatch>(&mode)) return RunPaperBatch(program, *paper);
    if (const auto* verify = std::get_if<VerifyBatch>(&mode)) return RunVerifyBatch(program, *verify, out, errors);
    if (const auto* drawing = std::get_if<CadBatch>(&mode)) {
        if (cad) return cad(program, *drawing);
        errors << "Fehler : CAD-Ausgabe ist in diesem Programm nicht verf\xC3\xBCgbar\n";
        return kExitBadArguments;
    }
    return kExitBadArguments;
}

}  // namespace trb::app
