#pragma once

#include <array>
#include <string>

#include "docs/drawing_info.h"
#include "gui/documentation/documentation_dialog.h"

namespace trb::gui {

// The drawing-information form ("Zeichnungsinfo"): which drawing this one replaces and is replaced
// by, the dates and names of the signature rows (StringGrid1) and up to eight free texts placed on
// the drawing (StringGrid2). OK stores everything back; "Abbrechen" stores nothing.
class TForm_zeichInfo : public DocumentationDialog {
  public:
    TForm_zeichInfo(InputContext& context, docs::DrawingInfo& info, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

    // The columns of the text-item grid.
    enum TextColumn { kColumnX, kColumnY, kColumnH, kColumnPhi, kColumnText };

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void SizeGrids();
    void StoreTextItems();

    docs::DrawingInfo& info_;
    QLineEdit* Edit_ersatzfuer = nullptr;
    QLineEdit* Edit_ersetztdurch = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    // The numbers as the grid showed them: a cell left as shown keeps the exact stored value.
    std::array<std::array<std::string, 4>, docs::DrawingInfo::kMaxTextItems> shownNumbers_;
    docs::DrawingInfo shownInfo_;
};

}  // namespace trb::gui
