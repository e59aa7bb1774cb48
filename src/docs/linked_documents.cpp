#include "docs/linked_documents.h"

#include "docs/documentation.h"
#include "text/cp850.h"
#include "ui/launcher.h"

namespace trb::docs {

void SetLinkedDocument(LinkedDocuments& documents, int i, std::string_view program, std::string_view file) {
    LinkedDocument& d = documents.Entry(i);
    d.program = CutTo(program, LinkedDocument::kFieldLength);
    d.file = CutTo(file, LinkedDocument::kFieldLength);
}

bool OpenLinkedDocument(const LinkedDocuments& documents, int i, ui::Launcher& launcher) {
    if (i < 1 || i > LinkedDocuments::kCount) return false;
    const LinkedDocument& d = documents.Entry(i);
    if (d.program.empty() && d.file.empty()) return false;
    // The stored texts are code page 850; the file system speaks UTF-8.
    const text::FormatOptions plain;
    std::vector<std::string> arguments;
    if (!d.file.empty()) arguments.push_back(text::OemToDisplay(d.file, plain));
    return launcher.Start(text::OemToDisplay(d.program, plain), arguments);
}

}  // namespace trb::docs
