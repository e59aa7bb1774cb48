#pragma once

#include <array>

#include "docs/linked_documents.h"
#include "gui/documentation/documentation_dialog.h"

namespace trb::gui {

// The set-up of the five linked documents ("Document Setup"): a program and a file for each, with
// a "..." chooser beside every field. OK stores the ten fields; "Abbrechen" stores nothing.
class TForm_confDoku : public DocumentationDialog {
  public:
    TForm_confDoku(InputContext& context, docs::LinkedDocuments& documents, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

  private:
    // The chooser of a "..." button: starts in the folder of the field's path; a cancelled choice
    // keeps the field as it is.
    void Choose(QLineEdit* edit, const char* filter);

    docs::LinkedDocuments& documents_;
    std::array<QLineEdit*, docs::LinkedDocuments::kCount> Edit_prog{};
    std::array<QLineEdit*, docs::LinkedDocuments::kCount> Edit_file{};
};

}  // namespace trb::gui
