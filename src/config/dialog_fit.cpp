#include "config/dialog_fit.h"

#include <algorithm>
#include <cmath>

namespace trb::config {

namespace {
int Percent(int value, int percent) {
    return static_cast<int>(std::lround(static_cast<double>(value) * percent / 100.0));
}
}  // namespace

Rect ScaleDialog(Rect dialog, const ConfigSettings& settings) {
    dialog.width = Percent(dialog.width, settings.inputWindowScale);
    dialog.height = Percent(dialog.height, settings.inputWindowScale);
    return dialog;
}

int ScaleElement(int value, const ConfigSettings& settings) {
    return Percent(value, settings.dialogElementSize);
}

Rect CentreOver(Rect dialog, Rect mainWindow) {
    dialog.left = mainWindow.left + std::max((mainWindow.width - dialog.width) / 2, 0);
    dialog.top = mainWindow.top + std::max((mainWindow.height - dialog.height) / 2, 0) + 20;
    return dialog;
}

}  // namespace trb::config
