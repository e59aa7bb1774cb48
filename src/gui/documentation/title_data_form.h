#pragma once

#include <array>

#include "docs/title_data.h"
#include "gui/documentation/documentation_dialog.h"

namespace trb::gui {

// The title-data form: drawing names, drawing number and the three remark lines the page headers
// and title blocks show. OK stores the six fields; "Abbrechen" stores nothing.
class Tform_uni4 : public DocumentationDialog {
  public:
    Tform_uni4(InputContext& context, docs::TitleData& title, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

  private:
    docs::TitleData& title_;
    QLineEdit* Edit_zeichname = nullptr;
    QLineEdit* Edit_zeichname2 = nullptr;
    QLineEdit* Edit_zeichnr = nullptr;
    std::array<QLineEdit*, 3> Edit_bemerk{};
};

}  // namespace trb::gui
