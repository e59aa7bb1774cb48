#pragma once

#include "gui/input/input_dialog.h"

class QCheckBox;
class QComboBox;

namespace trb::gui {

// The lubrication and heat dialog: lubricant, heat dissipation by convection or by the lubricant,
// and under pressure lubrication the supply feature with its sizes, inlet temperature and pressure.
class TForm_trbinp2 : public InputDialog {
  public:
    explicit TForm_trbinp2(InputContext& context, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;
    // Enables the controls that belong to the heat dissipation and the supply feature chosen.
    void EnableFields();

  private:
    QLayout* BuildLubricant();
    QLayout* BuildConvection();
    QLayout* BuildSupply();
    void SetTabOrder();

    void Button_aClick();
    void Button_kvaClick();
    void Button_pebarClick();

    QComboBox* ComboBox_schmier = nullptr;
    QLineEdit* Edit_rho = nullptr;
    QLineEdit* Edit_c = nullptr;
    QCheckBox* CheckBox_druckschmierung = nullptr;
    QLineEdit* Edit_ta = nullptr;
    QLineEdit* Edit_a = nullptr;
    QLineEdit* Edit_k = nullptr;
    QComboBox* ComboBox_zufuhr = nullptr;
    QLineEdit* Edit_dh = nullptr;
    QLineEdit* Edit_bg = nullptr;
    QLineEdit* Edit_bp = nullptr;
    QLineEdit* Edit_phia = nullptr;
    QLineEdit* Edit_phie = nullptr;
    QLineEdit* Edit_t1 = nullptr;
    QLineEdit* Edit_pe = nullptr;
    QLabel* Label_tau = nullptr;
    QLabel* Label_au = nullptr;
    QLabel* Label_dhu = nullptr;
    QLabel* Label_bgu = nullptr;
    QLabel* Label_bpu = nullptr;
    QLabel* Label_phiau = nullptr;
    QLabel* Label_phieu = nullptr;
    QLabel* Label_t1u = nullptr;
    QLabel* Label_peu = nullptr;
};

}  // namespace trb::gui
