#pragma once

#include <functional>

namespace trb::app {
class SpreadsheetCommands;
}

namespace trb::gui {

class Thh;
class TForm_preview;

// The case overview ("Öffnen (Tabelle)"): asks to save a changed case, lists every case file of the
// current folder (progress in the window title), and opens, calculates and shows each row the user
// picks until the overview is closed. `shown` is called each time the overview window is about to
// be shown (for tests).
void ShowCaseOverview(Thh& window, const std::function<void(TForm_preview&)>& shown = {});

// The spreadsheet commands of the window, created on first use.
app::SpreadsheetCommands& SpreadsheetCommandsOf(Thh& window);

// Connects "Öffnen (Tabelle)" and the four items of the OLE menu.
void ConnectOverviewCommands(Thh& window);

}  // namespace trb::gui
