#pragma once

#include <cstdint>

namespace trb::gui {

class Tdbf4;
class Thh;

// Creates the main window's table window, which lives as long as the main window; the table
// access of the case dialogs (the DIN 1850 choice) shows its tables in it from then on.
Tdbf4& CreateTableWindow(Thh& window);

// The Database items "DIN 1850 G", "h0lim" and "psi_m": the reference table in the table window
// for editing, with the help number its help item shows.
void EditReferenceTable(Thh& window, const char* table, std::uint16_t helpNumber);

}  // namespace trb::gui
