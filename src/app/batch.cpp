#include "app/batch.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "app/batch_drawing.h"
#include "app/batch_overview.h"
#include "app/batch_paper.h"
#include "app/batch_sweep.h"
#include "app/batch_verify.h"
#include "app/case_json.h"
#include "app/line_prefix.h"
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
    if (!written) return kExitUnreadableCase;
    // The file records the failure too; the exit code tells it without reading the file.
    if (program.status.calculationFailed) {
        ReportRunMessages(program);
        return kExitCalculationFailed;
    }
    return kExitOk;
}

int WorseExit(int a, int b) {
    // From best to worst: done, calculated with a fatal error, no output, bad arguments.
    const auto rank = [](int code) {
        switch (code) {
            case kExitOk:
                return 0;
            case kExitCalculationFailed:
                return 1;
            case kExitUnreadableCase:
                return 2;
            default:
                return 3;
        }
    };
    return rank(b) > rank(a) ? b : a;
}

namespace {

// The modes that need no case and no configuration; nothing for the others.
std::optional<int> RunWithoutProgram(const CommandLineMode& mode, std::ostream& out, std::ostream& errors) {
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
    return std::nullopt;
}

// One mode of a prepared program.
int RunCaseMode(Program& program, const CommandLineMode& mode, std::ostream& out, std::ostream& errors,
                const CadBatchRunner& cad) {
    if (const std::optional<int> code = RunWithoutProgram(mode, out, errors)) return *code;
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

// Each file in turn into a case of its own; the configuration is read once, and each file's
// messages carry its name.
int RunCaseList(const CaseListBatch& list, const CommandLine& commandLine, std::ostream& out,
                std::ostream& errors, const CadBatchRunner& cad) {
    ui::BatchDialogs startDialogs(errors, commandLine.noGui);
    ui::ProcessLauncher launcher;
    Program start(startDialogs, launcher);
    start.noGui = commandLine.noGui;
    PrepareBatchProgram(start);
    int worst = kExitOk;
    for (const std::string& caseFile : list.caseFiles) {
        LinePrefixStream fileErrors(errors, caseFile + ": ");
        ui::BatchDialogs dialogs(fileErrors, commandLine.noGui);
        Program program(dialogs, launcher);
        program.noGui = start.noGui;
        program.settings = start.settings;
        program.places = start.places;
        program.texts = start.texts;
        dialogs.programTitle = program.texts.ProgramTitle();
        const int code = RunCaseMode(program, CaseBatchMode(caseFile, list.option), out, fileErrors, cad);
        worst = WorseExit(worst, code);
    }
    return worst;
}

}  // namespace

int RunBatch(const CommandLine& commandLine, std::ostream& out, std::ostream& errors,
             const CadBatchRunner& cad) {
    const CommandLineMode& mode = commandLine.mode;
    if (const auto* list = std::get_if<CaseListBatch>(&mode))
        return RunCaseList(*list, commandLine, out, errors, cad);
    if (const std::optional<int> code = RunWithoutProgram(mode, out, errors)) return *code;
    ui::BatchDialogs dialogs(errors, commandLine.noGui);
    ui::ProcessLauncher launcher;
    Program program(dialogs, launcher);
    program.noGui = commandLine.noGui;
    PrepareBatchProgram(program);
    return RunCaseMode(program, mode, out, errors, cad);
}

}  // namespace trb::app
