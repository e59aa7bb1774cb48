#pragma once

#include "config/settings.h"

// The sizing rules every dialog follows when it is created: the dialog grows by
// "Input Window Scale %", its controls by the dialog element size, and FitDialog centres it
// over the main window.
namespace trb::config {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Width and height multiplied by "Input Window Scale %" / 100 (position unchanged).
Rect ScaleDialog(Rect dialog, const ConfigSettings& settings);
// A control coordinate or size multiplied by the dialog element size / 100.
int ScaleElement(int value, const ConfigSettings& settings);
// Centred over the main window, never left of or above it, and 20 pixels lower.
Rect CentreOver(Rect dialog, Rect mainWindow);

}  // namespace trb::config
