#include "casefile/case_file.h"

#include <filesystem>
#include <sstream>
#include <string>

#include "config/input_file.h"
#include "config/settings.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/dialogs.h"

namespace trb::casefile {

namespace {

constexpr std::string_view kArchiveName = "aktuell";

// Paths are kept as the file system spells them (UTF-8); messages are code page 850.
std::string Shown(std::string_view path) {
    return text::DisplayToOem(path);
}

// The file name without folder and without its last extension.
std::string StemOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    if (dot != std::string_view::npos && dot > 0) file = file.substr(0, dot);
    return std::string(file);
}

bool Exists(std::string_view path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

// What a tolerant read left out, said with the line where it happened; empty when nothing was.
std::string ReadingProblem(const std::string& path, bool tooLarge, const CaseReading& reading) {
    const std::string file = "Datei " + Shown(path);
    if (tooLarge)
        return file + " ist zu gro\xE1: gelesen bis Zeile " +
               text::IntText(static_cast<long long>(reading.lines)) + " !";
    if (!reading.complete)
        return file + " ist unvollst\x84ndig: sie endet in Zeile " +
               text::IntText(static_cast<long long>(reading.lines)) + " !";
    if (reading.cutLine > 0)
        return file + ": Zeile " + text::IntText(static_cast<long long>(reading.cutLine)) + " ist zu lang !";
    return {};
}

void WriteTo(CaseFileContext& context, const std::string& path) {
    std::ostringstream out;
    WriteCaseContent(out, context.content, context.settings.format, context.programTitle);
    if (ui::WriteFileChecked(path, out.str(), context.dialogs, context.abort))
        context.dialogs.FileWritten(path);
}

// What the file choosers list: case files.
std::string CaseFileFilter() {
    return std::string("*.") + kCaseExtension + "|*." + kCaseExtension;
}

}  // namespace

void WriteCaseFile(CaseFileContext& context, std::string_view name) {
    CaseFileState& state = context.state;
    if (state.commandLineFile) {
        if (context.settings.archiveMode && name != kArchiveName) {
            context.dialogs.ShowErrorBox(ui::Dialogs::kArchiveModeRefusal);
            context.abort = true;
            return;
        }
        if (!context.settings.archiveMode) {
            // From now on the case lives in a folder like any other, under its own extension.
            state.commandLineFile = false;
            state.folder = text::FolderOfPath(state.name);
            state.extension = CaseExtensionOf(state.name);
            state.name = StemOf(state.name);
        }
    }

    if (!name.empty()) {
        const std::string path = CaseFilePath(state.folder, name);
        ui::CheckNewFile(path, context.dialogs, context.abort);
        if (!context.abort) WriteTo(context, path);
        return;
    }

    const std::string proposal = state.name.empty() ? std::string() : state.name + "." + kCaseExtension;
    const auto chosen = context.dialogs.ChooseSaveFile(state.folder, CaseFileFilter(), proposal);
    if (!chosen) {
        context.abort = true;
        return;
    }
    const std::string folder =
        text::FolderOfPath(*chosen).empty() ? state.folder : text::FolderOfPath(*chosen);
    const std::string chosenName = StemOf(*chosen);
    const std::string path = InFolder(folder, chosenName + "." + kCaseExtension);
    ui::CheckNewFile(path, context.dialogs, context.abort);
    if (context.abort) return;
    WriteTo(context, path);
    if (context.abort) return;
    state.folder = folder;
    state.name = chosenName;
    state.extension = kCaseExtension;
    state.commandLineFile = false;
}

void ReadCaseFile(CaseFileContext& context, std::string_view name) {
    if (name.empty()) {
        // No name: the user picks the case file.
        std::string folder = context.state.folder;
        std::string chosen;
        context.dialogs.AskOpenFile(5, folder, CaseFileFilter(), chosen, context.abort);
        if (context.abort) return;
        context.state.commandLineFile = false;
        ReadCaseFile(context, chosen);
        return;
    }
    const std::string path = CaseFilePath(context.state.folder, name);
    // Only regular files are read: a folder or a pipe is no case file (and a pipe would block).
    const config::InputFile file = config::ReadInputFile(path, kMaxCaseFileSize);
    const bool tooLarge = file.status == config::InputStatus::TooLarge;
    if (file.status != config::InputStatus::Ok && !tooLarge) {
        context.dialogs.ShowErrorBox("Datei " + Shown(path) + " nicht gefunden oder kein Zugriffsrecht !");
        context.abort = true;
        return;
    }
    if (!LooksLikeCaseFile(file.content)) {
        context.dialogs.ShowErrorBox("Datei " + Shown(path) + " ist keine Falldatei !");
        context.abort = true;
        return;
    }
    // A file that is too large, ends early or holds overlong lines is read as far as it goes (the
    // fields after its end keep their values), and the user is told where it went wrong.
    const CaseReading reading = ReadCaseContent(file.content, context.content);
    const std::string problem = ReadingProblem(path, tooLarge, reading);
    if (!problem.empty()) context.dialogs.ShowErrorBox(problem);
    if (!context.state.commandLineFile) {
        if (name.find('/') != std::string_view::npos) context.state.folder = text::FolderOfPath(path);
        context.state.name = StemOf(path);
        context.state.extension = CaseExtensionOf(path);
    }
}

void SaveCase(CaseFileContext& context) {
    // An unnamed case gets its name in the save dialog, and a name typed there may be that of
    // another file: that file is replaced only after the question.
    if (context.state.name.empty()) {
        WriteCaseFile(context, "");
        return;
    }
    const bool asked = context.dialogs.overwriteQueryOn;
    context.dialogs.overwriteQueryOn = false;
    // The full file of the current case, so that a name containing "." is saved where it came from.
    WriteCaseFile(context, CurrentCaseFile(context.state));
    context.dialogs.overwriteQueryOn = asked;
}

void AskSaveChanges(CaseFileContext& context) {
    CaseFileState& state = context.state;
    if (state.commandLineFile && context.settings.archiveMode) {
        state.modified = false;
        return;
    }
    if (!state.modified) return;
    // An unnamed case is saved through the save dialog; Cancel there keeps the case as well.
    const std::string question = state.name.empty()
                                     ? std::string("Bisherige Eingaben speichern ?")
                                     : "Datei speichern (" + Shown(CurrentCaseFile(state)) + ") ?";
    const ui::SaveChoice choice = context.dialogs.AskSaveOrDiscard(question, context.abort);
    if (choice == ui::SaveChoice::Cancel) return;
    if (choice == ui::SaveChoice::Save) SaveCase(context);
    if (!context.abort) state.modified = false;
}

RecentOpenResult OpenRecentFile(CaseFileContext& context, int i) {
    AskSaveChanges(context);
    if (context.abort) return RecentOpenResult::Cancelled;
    if (i < 1 || i > kRecentFileCount) return RecentOpenResult::NotFound;
    CaseFileState& state = context.state;
    const std::string path = state.recent[static_cast<std::size_t>(i - 1)];
    if (path.empty() || !Exists(path)) {
        RemoveRecentFile(state.recent, i);
        context.dialogs.ShowNoteBox("File " + Shown(path) + " not found !");
        return RecentOpenResult::NotFound;
    }
    state.commandLineFile = false;
    state.name = StemOf(path);
    state.folder = text::FolderOfPath(path);
    ReadCaseFile(context, path);
    if (context.abort) return RecentOpenResult::ReadFailed;
    AddRecentPath(state.recent, path);
    state.modified = false;
    return RecentOpenResult::Opened;
}

bool LoadDefaultCase(CaseFileContext& context) {
    if (!Exists(CaseFilePath(context.state.folder, kDefaultCaseName))) return false;
    ReadCaseFile(context, kDefaultCaseName);
    context.state.name.clear();
    context.state.modified = false;
    return !context.abort;
}

}  // namespace trb::casefile
