#include "docs/linked_documents.h"

#include "docs/documentation.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/dialogs.h"
#include "ui/launcher.h"

namespace trb::docs {

void SetLinkedDocument(LinkedDocuments& documents, int i, std::string_view program, std::string_view file) {
    LinkedDocument& d = documents.Entry(i);
    d.program = CutTo(program, LinkedDocument::kFieldLength);
    d.file = CutTo(file, LinkedDocument::kFieldLength);
}

bool OpenLinkedDocument(const LinkedDocuments& documents, int i, ui::Launcher& launcher,
                        ui::Dialogs& dialogs) {
    if (i < 1 || i > LinkedDocuments::kCount) return false;
    const std::string document = "Document " + text::IntText(i);
    const LinkedDocument& d = documents.Entry(i);
    if (d.program.empty() && d.file.empty()) {
        dialogs.ShowErrorBox(document + " has neither a program nor a file (Document Setup).");
        return false;
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
