#include "docs/linked_documents.h"

#include "docs/documentation.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/dialogs.h"
#include "ui/launcher.h"

namespace trb::docs {

void SetLinkedDocument(LinkedDocuments& documents, int i, std::string_view program, std::string_view file) {
    LinkedDocument& d = documents.Entry(i);
    const std::string chosen = CutTo(program, LinkedDocument::kFieldLength);
    if (chosen != d.program) d.confirmed = true;
    d.program = chosen;
    d.file = CutTo(file, LinkedDocument::kFieldLength);
}

std::string StartProgramQuestion(int i, std::string_view program, std::string_view file) {
    return "Dokument " + text::IntText(i) + " startet ein Programm, das mit der Falldatei kam:\n\n" +
           std::string(program) + (file.empty() ? std::string() : " " + std::string(file)) +
           "\n\nDieses Programm starten ?";
}

bool OpenLinkedDocument(LinkedDocuments& documents, int i, ui::Launcher& launcher, ui::Dialogs& dialogs) {
    if (i < 1 || i > LinkedDocuments::kCount) return false;
    const std::string document = "Document " + text::IntText(i);
    LinkedDocument& d = documents.Entry(i);
    if (d.program.empty() && d.file.empty()) {
        dialogs.ShowErrorBox(document + " has neither a program nor a file (Document Setup).");
        return false;
    }
    if (!d.program.empty() && !d.confirmed) {
        bool cancelled = false;
        if (!dialogs.AskYesNoCancel(StartProgramQuestion(i, d.program, d.file), cancelled)) return false;
        d.confirmed = true;
    }
    // The stored texts are code page 850; the file system speaks UTF-8.
    const text::FormatOptions plain;
    std::vector<std::string> arguments;
    if (!d.file.empty()) arguments.push_back(text::OemToDisplay(d.file, plain));
    dialogs.SetBusy(true);
    const bool started = launcher.Start(text::OemToDisplay(d.program, plain), arguments);
    dialogs.SetBusy(false);
    if (!started) dialogs.ShowErrorBox(document + ": " + text::DisplayToOem(launcher.FailureText()));
    return started;
}

}  // namespace trb::docs
