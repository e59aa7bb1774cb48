#pragma once

#include <cairo.h>

#include <vector>

#include "paper/paper_document.h"
#include "text/format_options.h"
#include "ui/text_printout.h"

// Report texts on paper, in the page layout every printout of a report shares (ui/text_printout.h).
namespace trb::paper {

// Draws one page of a report text (code page 850) on a context in millimetres: each line at the
// left margin, one line height below the previous one, in the printout font of the layout, black.
void DrawTextPage(cairo_t* cr, const ui::TextPage& page, const ui::TextPageLayout& layout, real sheetHeightMm,
                  const text::FormatOptions& format);

// The pages of a report text as A4 portrait pages at the end of the document.
void AddTextPages(PdfDocument& document, const std::vector<ui::TextPage>& pages,
                  const ui::TextPageLayout& layout, const text::FormatOptions& format);

}  // namespace trb::paper
