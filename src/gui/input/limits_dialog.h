#pragma once

#include "gui/input/input_dialog.h"

namespace trb::gui {

// The limits dialog: the admissible specific load, bearing temperature and minimum film thickness
// the calculation checks its results against.
class TForm_trbinp3 : public InputDialog {
  public:
    explicit TForm_trbinp3(InputContext& context, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

  private:
    void Button_h0limClick();

    QLineEdit* Edit_p = nullptr;
    QLineEdit* Edit_t = nullptr;
    QLineEdit* Edit_h0 = nullptr;
    QLabel* Label_pu = nullptr;
    QLabel* Label_tu = nullptr;
    QLabel* Label_h0u = nullptr;
};

}  // namespace trb::gui
