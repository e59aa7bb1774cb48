#pragma once

#include "docs/change_log.h"
#include "gui/documentation/documentation_dialog.h"

class QPlainTextEdit;

namespace trb::gui {

// The form of one change record ("Änderung n"): change text, date, editor and description. OK
// stores the four fields into the record; "Abbrechen" leaves it as it was.
class TForm_EinAend : public DocumentationDialog {
  public:
    TForm_EinAend(InputContext& context, docs::AendRecord& record, int number, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

  private:
    void LimitDescription();

    docs::AendRecord& record_;
    QLineEdit* Edit_aenderung = nullptr;
    QLineEdit* Edit_datum = nullptr;
    QLineEdit* Edit_bearbeiter = nullptr;
    QPlainTextEdit* Memo_beschreibung = nullptr;
};

}  // namespace trb::gui
