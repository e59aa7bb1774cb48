#pragma once

#include <string>
#include <string_view>

#include "graphics/paper_drawing.h"
#include "graphics/print_mapping.h"
#include "paper/paper_document.h"

// Recorded drawings on sheets of paper: as A4 PDF pages placed the way the printer places the
// screen's drawing, and as SVG and PNG pictures of their drawing limits.
namespace trb::graphics {

// Scale 1 both ways, no shift, colour, upright: one world millimetre is one millimetre on paper.
PrintoutSettings RealSizePrintout();
// As RealSizePrintout, turned to landscape for a drawing whose limits (else its lines) are wider
// than high: a sheet takes a view in the orientation it is drawn in.
PrintoutSettings RealSizePrintoutFor(const PaperDrawing& drawing);

// Where a drawing goes: the sheet's size and the mapping onto it.
struct SheetPlacement {
    real widthMm = 0;
    real heightMm = 0;
    SheetMapping mapping;
    bool placed = false;  // false when there is nothing to place
    bool fitted = false;  // scaled down to fit the sheet
};

// The drawing on an A4 sheet, placed by the printer's mapping: at the settings' scales the
// rectangle of its lines (within its limits) is centred on the sheet and moved by the origins, in
// the orientation the drawing fits (see ChooseLandscape). A fitted printout, and a drawing that
// does not fit the sheet at its scales either way, is fitted with all its texts into the sheet
// less a margin of 10 mm.
SheetPlacement PlaceOnA4(const PaperDrawing& drawing, PrintoutSettings settings);

// The drawing's limits as the sheet, one world millimetre one sheet millimetre (the rectangle of
// everything drawn when the limits are empty).
SheetPlacement PlaceOnLimits(const PaperDrawing& drawing);

// Appends the drawing as an A4 page (PlaceOnA4). False when there was nothing to place.
bool AddDrawingPage(paper::PdfDocument& document, const PaperDrawing& drawing,
                    const PrintoutSettings& settings);

// The drawing as a one-page A4 PDF at real size (fitted when it is larger than the sheet), on a
// sheet in the drawing's orientation.
bool WriteDrawingPdf(std::string& out, const PaperDrawing& drawing, std::string_view title);
// The drawing as an SVG picture of its limits at real size, on white.
bool WriteDrawingSvg(std::string& out, const PaperDrawing& drawing);
// The drawing as a PNG image of its limits at the resolution (see paper::PngResolution).
bool WriteDrawingPng(std::string& out, const PaperDrawing& drawing, int dotsPerInch);

}  // namespace trb::graphics
