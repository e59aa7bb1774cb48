#include "app/case_start.h"

#include "ui/checked_file.h"

namespace trb::app {

bool OpenCommandLineCase(Program& program, const CaseStart& start) {
    program.caseFile.folder.clear();
    program.caseFile.name = start.caseFile;
    program.caseFile.commandLineFile = true;
    if (!start.readCase) return true;

    program.abort = false;
    program.dialogs.errorBoxesOn = false;
    auto context = program.CaseFiles();
    casefile::ReadCaseFile(context, start.caseFile);
    program.dialogs.errorBoxesOn = true;
    if (!program.abort) return true;

    program.abort = false;
    ui::CheckNewFile(start.caseFile, program.dialogs, program.abort);
    return !program.abort;
}

}  // namespace trb::app
