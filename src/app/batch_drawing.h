#pragma once

#include <string>

#include "app/program.h"

namespace trb::paper {
class PdfDocument;
}

namespace trb::app {

// Draws `view` of the calculated case on graphics device `device` as the batch modes do: files named
// after the case file and no questions. PNG pictures have `pngResolution` dots per inch (0: the
// driver's own); PDF drawings become pages of `pages` when it is given.
void DrawBatchView(Program& program, const std::string& caseFile, int device, int view, int pngResolution = 0,
                   paper::PdfDocument* pages = nullptr);

// The messages of the last run, each as an error (the batch modes' error output).
void ReportRunMessages(Program& program);

}  // namespace trb::app
