#pragma once

#include <QString>

class QWidget;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// Hints from the help texts: a control's tooltip is the help text of its number while the help
// level ("Hilfegrad") asks for information (levels 1 and 2; level 0 shows none).
bool HelpHintsShown(const config::ConfigSettings& settings);

// The hint of a help number as tooltip text (rich text, so long help texts wrap); empty at help
// level 0.
QString HelpHintText(int number, const config::ConfigSettings& settings);

// Sets the control's tooltip from help text `number` (PLT folder and number format of the
// settings); at help level 0 the tooltip is cleared.
void SetHelpHint(QWidget* control, int number, const config::ConfigSettings& settings);

}  // namespace trb::gui
