#include "app/program.h"

#include <filesystem>

#include "docs/documentation.h"
#include "report/change_log_report.h"
#include "report/message_catalogue.h"
#include "report/result_report.h"
#include "text/format.h"

namespace trb::app {

Program::Program(ui::Dialogs& dialogs_, ui::Launcher& launcher_) : dialogs(dialogs_), launcher(launcher_) {
    dialogs.UseFormat(settings.format);
    dialogs.programTitle = texts.ProgramTitle();
    docs::InitDocumentation(title, changes, drawingInfo, text::DateText(settings.format));
}

void Program::LoadExampleCase() {
    core::LoadExampleCase(record);
    docs::LoadExampleTitle(title, texts);
}

casefile::CaseFileContext Program::CaseFiles() {
    return casefile::CaseFileContext{casefile::CaseContent{record, title, changes, drawingInfo, documents},
                                     caseFile,
                                     settings,
                                     texts.ProgramTitle(),
                                     dialogs,
                                     abort};
}

std::string Program::Catalogue() const {
    return report::CataloguePath(settings.pltFolder);
}

report::ReportWriter Program::Writer() {
    report::CaseName name;
    if (caseFile.commandLineFile) {
        // The file as the command line gave it, with or without a folder, its extension included.
        const std::filesystem::path given(caseFile.name);
        name.folder =
            given.has_parent_path() ? text::AddBackslash(given.parent_path().string()) : std::string();
        name.name = given.stem().string();
        if (given.has_extension()) name.extension = given.extension().string().substr(1);
    } else {
        name.folder = caseFile.folder.empty() ? std::string() : text::AddBackslash(caseFile.folder);
        name.name = caseFile.name;
        if (!caseFile.extension.empty()) name.extension = caseFile.extension;
    }
    return report::ReportWriter(
        writer,
        report::WriterContext{settings, dialogs, launcher, abort, status, title, texts.ProgramTitle(),
                              std::string(config::kProgramVersion), name, report::TemporaryFolder(settings),
                              Catalogue(), text::DateText(settings.format), text::TimeText()});
}

report::RunMessagesContext Program::RunMessages(report::DescriptionEditor editor) {
    if (!editor) editor = descriptionEditor;
    return report::RunMessagesContext{
        status, dialogs,          Catalogue(), report::TemporaryFolder(settings), settings.helpLevel,
        noGui,  std::move(editor)};
}

void Program::PrintResultReport(int device) {
    auto printout = Writer();
    report::WriteResultReport(printout, record, texts, RunMessages(), device);
}

void Program::PrintFailedRunReport(int device) {
    auto printout = Writer();
    report::WriteFailedRunReport(printout, texts, device);
}

void Program::PrintChangeLog(bool toScreen) {
    auto printout = Writer();
    report::WriteChangeLog(printout, toScreen ? report::kScreen : report::kChooseDevice, changes, drawingInfo,
                           settings.drawingIndexStyle);
}

void Program::ShowRunMessages(report::DescriptionEditor editor) {
    report::ShowRunMessages(RunMessages(std::move(editor)), abort);
}

}  // namespace trb::app
