#pragma once

#include <string>

class QPrinter;
class QWidget;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// Pages above this number are never printed.
inline constexpr int kMaxPrintedPage = 255;

// Prints pages from..to of a report text (code page 850) on the printer, with the pages and the
// page layout of ui/text_printout.h: each line at the left margin, one line height below the
// previous one, in the printout font of the settings, converted for display once. Returns the
// number of pages printed (no job is started when none lies in the range).
int PrintTextPages(QPrinter& printer, const std::string& file, int from, int to,
                   const config::ConfigSettings& settings);

// The print dialog for the printer (page range 1..pages preset, portrait) and the printout of the
// text file. The printer keeps the choices made in the dialog; its orientation is restored.
void PrintTextFile(QWidget* parent, QPrinter& printer, const std::string& file, int pages,
                   const config::ConfigSettings& settings);

}  // namespace trb::gui
