#pragma once

#include <string>

class QPagedPaintDevice;
class QWidget;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// Pages above this number are never printed.
inline constexpr int kMaxPrintedPage = 255;

// Prints pages from..to of a report text onto the device. A line beginning with a form feed
// starts the next page; every other line of a page in the range is printed at the left margin,
// one line height (page height / lines per page) below the previous one, in the printout font of
// the settings. Returns the number of pages printed (nothing is painted when none is in range).
int PrintTextPages(QPagedPaintDevice& device, const std::string& file, int from, int to,
                   const config::ConfigSettings& settings);

// The print dialog (page range 1..pages preset, portrait) and the printout of the text file.
void PrintTextFile(QWidget* parent, const std::string& file, int pages,
                   const config::ConfigSettings& settings);

}  // namespace trb::gui
