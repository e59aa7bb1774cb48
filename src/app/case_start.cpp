#include "app/case_start.h"

#include <filesystem>
#include <system_error>

#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::app {

namespace {

// The folder a path names, with its separator; empty for a bare file name.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

bool OpenCommandLineCase(Program& program, const CaseStart& start) {
    program.caseFile.folder.clear();
    program.caseFile.name = start.caseFile;
    program.caseFile.commandLineFile = true;
    if (!start.readCase) return true;

    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::path(start.caseFile), error)) {
        // Nothing to read: the example case would otherwise be shown, and saved, under the name of
        // a case the user believes is being opened.
        program.dialogs.ShowNoteBox("Datei " + text::DisplayToOem(start.caseFile) +
                                    " nicht gefunden: ein neuer Fall ohne Namen beginnt.");
        program.caseFile.name.clear();
        program.caseFile.commandLineFile = false;
        program.caseFile.folder = FolderOf(start.caseFile);
        return true;
    }

    // A file that ends early is read as far as it goes and said so, as File -> Open does.
    program.abort = false;
    auto context = program.CaseFiles();
    casefile::ReadCaseFile(context, start.caseFile);
    if (!program.abort) return true;

    program.abort = false;
    ui::CheckNewFile(start.caseFile, program.dialogs, program.abort);
    return !program.abort;
}

}  // namespace trb::app
