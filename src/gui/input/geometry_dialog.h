#pragma once

#include "gui/input/input_dialog.h"

class QGroupBox;

namespace trb::gui {

// The geometry and operation dialog: bore, shaft and load of the case, with the proposal,
// tolerance-class and DIN 1850 buttons beside the fields.
class TForm_trbinp1 : public InputDialog {
  public:
    explicit TForm_trbinp1(InputContext& context, QWidget* parent = nullptr);

    void FillFields() override;
    void StoreFields() override;

  private:
    void BuildBore(QGroupBox* box);
    void BuildShaft(QGroupBox* box);
    void SetTabOrder();

    // Proposal buttons.
    void Button_dbClick();  // DIN 1850 bushing from the reference table
    void Button_dbh7Click();
    void Button_dbisotolClick();
    void Button_dsisotolClick();
    void ClassButtonClick(bool bore);
    // The limit fields of one side from its class caption at its nominal size; a side without a
    // class, or whose class is refused at this size, keeps its fields.
    void LimitsFromClass(bool bore);
    void Button_dsoptClick();
    void Button_nsClick();
    void Button_bClick();
    void Button_deClick();
    void Button_fClick();

    real Length(const QLineEdit* edit) const;
    std::string LimitText(real mm) const;  // limit sizes: 3 decimals, 4 in inches
    void SetClass(QPushButton* button, const std::string& oem);
    std::string ClassOf(const QPushButton* button) const;

    QLineEdit* Edit_db = nullptr;
    QLineEdit* Edit_dbmax = nullptr;
    QLineEdit* Edit_dbmin = nullptr;
    QPushButton* Button_dbisotol = nullptr;
    QLineEdit* Edit_rzb = nullptr;
    QLineEdit* Edit_nb = nullptr;
    QLineEdit* Edit_alpha1b = nullptr;
    QLineEdit* Edit_b = nullptr;
    QLineEdit* Edit_de = nullptr;
    QLineEdit* Edit_ds = nullptr;
    QLineEdit* Edit_dsmax = nullptr;
    QLineEdit* Edit_dsmin = nullptr;
    QPushButton* Button_dsisotol = nullptr;
    QLineEdit* Edit_rzs = nullptr;
    QLineEdit* Edit_ns = nullptr;
    QLineEdit* Edit_alpha1s = nullptr;
    QLineEdit* Edit_f = nullptr;
    QLabel* Label_dbu = nullptr;
    QLabel* Label_bu = nullptr;
    QLabel* Label_deu = nullptr;
    QLabel* Label_dsu = nullptr;
    QLabel* Label_rzbu = nullptr;
    QLabel* Label_rzsu = nullptr;
    QLabel* Label_fu = nullptr;
};

}  // namespace trb::gui
