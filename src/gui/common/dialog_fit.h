#pragma once

class QWidget;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// Scales the dialog by "Input Window Scale %" and its controls' font by the dialog element size;
// the border stays resizable.
void FitDialogInPlace(QWidget& dialog, const config::ConfigSettings& settings);
// As FitDialogInPlace with a fixed border, then centred over the main window (20 pixels lower).
void FitDialog(QWidget& dialog, const config::ConfigSettings& settings, const QWidget* mainWindow);
// As FitDialogInPlace, placed at a remembered position.
void FitDialogAt(QWidget& dialog, const config::ConfigSettings& settings, int left, int top);

}  // namespace trb::gui
