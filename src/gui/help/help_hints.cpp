#include "gui/help/help_hints.h"

#include <QWidget>

#include "config/settings.h"
#include "help/help_text.h"

namespace trb::gui {

bool HelpHintsShown(const config::ConfigSettings& settings) {
    return settings.helpLevel != 0;
}

QString HelpHintText(int number, const config::ConfigSettings& settings) {
    if (!HelpHintsShown(settings) || number == 0) return {};
    const std::string text = help::GetHelpText(settings.pltFolder, number, settings.format);
    if (text.empty()) return {};
    // Plain-text tooltips never wrap; a help text of several hundred characters would make one
    // screen-wide line.
    return "<qt>" + QString::fromStdString(text).toHtmlEscaped() + "</qt>";
}

void SetHelpHint(QWidget* control, int number, const config::ConfigSettings& settings) {
    if (control) control->setToolTip(HelpHintText(number, settings));
}

}  // namespace trb::gui
