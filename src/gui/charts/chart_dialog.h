#pragma once

#include <QDialog>
#include <functional>

#include "core/operating_sweep.h"
#include "graphics/diagram_operating.h"
#include "text/language.h"

class QComboBox;
class QLineEdit;
class QLabel;
class QRadioButton;

namespace trb::ui {
class Dialogs;
}
namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// What the operating-chart dialog asks for: the swept quantity, its range and steps, and which
// chart to draw.
struct ChartRequest {
    core::SweepRange range;
    graphics::OperatingChart chart = graphics::OperatingChart::All;
};

// The operating-chart dialog: the swept quantity (shaft speed or load), from, to and the number
// of steps, and the chart. OK checks the range: a range that is not a number, empty, reversed, or
// with too few or too many steps is named in an error box and the dialog stays open. The chart
// choice is hidden when the dialog asks for the points table.
class TFbetriebskennfeld : public QDialog {
  public:
    struct Context {
        const text::LanguageTexts& texts;
        const config::ConfigSettings& settings;
        ui::Dialogs& dialogs;
        std::function<void(int)> help;  // shows a help text
        const QWidget* mainWindow = nullptr;
        real caseSpeed = 0;  // the case's shaft speed and load: a new range lies around them
        real caseLoad = 0;
    };

    TFbetriebskennfeld(Context context, const ChartRequest& start, bool withChart, QWidget* parent = nullptr);

    // The request as confirmed (valid after OK).
    const ChartRequest& Request() const { return request_; }

  private:
    void ShowRange(const core::SweepRange& range);
    void QuantityChanged();
    void Button_okClick();
    // Reads the fields; false (the fault shown, focus on the field) when the range is unsound.
    bool ReadFields();
    bool Load() const;

    Context context_;
    ChartRequest request_;
    QRadioButton* RadioButton_drehzahl = nullptr;
    QRadioButton* RadioButton_last = nullptr;
    QLineEdit* Edit_von = nullptr;
    QLineEdit* Edit_bis = nullptr;
    QLineEdit* Edit_schritte = nullptr;
    QLabel* Label_vonu = nullptr;
    QLabel* Label_bisu = nullptr;
    QComboBox* ComboBox_diagramm = nullptr;
};

}  // namespace trb::gui
