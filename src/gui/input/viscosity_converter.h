#pragma once

#include <QDialog>

#include "config/settings.h"
#include "core/real.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace trb::gui {

// The viscosity converter: kinematic viscosity at 50 °C, at 40 °C and at a free temperature; one of
// the three is the input, the other two follow. Changes nothing in the case.
class TForm_viskot : public QDialog {
  public:
    // Which viscosity is typed.
    enum Input { Nu50 = 0, Nu40 = 1, NuX = 2 };

    TForm_viskot(bool& abort, const config::ConfigSettings& settings, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

    void RecomputeViscosities();
    // Selects the input as a click in the radio group does: only its field can be edited.
    void SelectInput(Input input);
    Input SelectedInput() const;
    real CurrentNu50() const { return nu50_; }

  private:
    QLineEdit* InputEdit() const;

    bool& abort_;
    const config::ConfigSettings& settings_;
    real nu50_ = 100;
    QButtonGroup* inputs_ = nullptr;
    QLineEdit* Edit_visko50 = nullptr;
    QLineEdit* Edit_visko40 = nullptr;
    QLineEdit* Edit_viskox = nullptr;
    QLineEdit* Edit_temp = nullptr;
    QLabel* Label_viskox = nullptr;
};

}  // namespace trb::gui
