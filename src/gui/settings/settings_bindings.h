#pragma once

#include <QString>
#include <map>
#include <span>
#include <string>

#include "config/config_table.h"
#include "config/settings.h"

class QWidget;

// Which control of the settings dialog edits which setting, and how: one row per control. The
// dialog fills its controls from the settings and stores them back by this table; controls with
// more to them (the layer grids, the plot command lines, fonts, the background colour) are the
// dialog's own.
namespace trb::gui {

enum class SettingControl {
    Text,          // QLineEdit, the text as it is (folders, programs, font names)
    OemText,       // QLineEdit, a code page 850 text
    Integer,       // QLineEdit, a whole number
    Real,          // QLineEdit, a number
    Degrees,       // QLineEdit, an angle in degrees for a setting in radians
    Check,         // QCheckBox
    Uncheck,       // QCheckBox, checked when the setting is false
    Radio,         // QGroupBox of radio buttons (a QButtonGroup with ids 0..n-1); a yes/no setting
                   // is true for the first button
    Spin,          // QSpinBox
    Combo,         // QComboBox, item index
    Label,         // QLabel showing a text (font names chosen in a font dialog)
    LabelInteger,  // QLabel showing a whole number (font sizes and style bits)
};

// What storing does to a value before it is kept.
enum class StoreRule { None, ZeroTo, BelowTo };

struct SettingBinding {
    const char* name;  // the control's objectName
    SettingControl control;
    config::SettingRef ref;
    // The control shows value - offset: a radio group or list whose first item means 1 has offset 1.
    int offset = 0;
    int hint = 0;  // help number of the control's hint, 0 for none
    StoreRule rule = StoreRule::None;
    real limit = 0;        // BelowTo: values below it are replaced
    real replacement = 0;  // the value put in by the rule
};

// Every simply bound control, tab by tab.
std::span<const SettingBinding> SettingBindings();

// Fills and stores the bound controls found below `root`. The filler remembers the text it shows in
// each number field, so that a field left as shown keeps the setting's exact value on store.
class SettingFields {
  public:
    void Fill(QWidget& root, const config::ConfigSettings& settings);
    void Store(const QWidget& root, config::ConfigSettings& settings) const;

  private:
    std::map<std::string, QString> shown_;  // object name → text written by Fill
};

}  // namespace trb::gui
