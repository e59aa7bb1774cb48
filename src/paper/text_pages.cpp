#include "paper/text_pages.h"

#include <algorithm>

#include "text/cp850.h"

namespace trb::paper {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

// Underline and strike-out as lines of the text's advance, a twentieth of the font size thick.
void DecorationLines(cairo_t* cr, const char* utf8, double x, double y, double size, int style) {
    if ((style & 12) == 0) return;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8, &extents);
    cairo_set_line_width(cr, size / 20);
    if ((style & 4) != 0) {
        cairo_move_to(cr, x, y + size * 0.12);
        cairo_rel_line_to(cr, extents.x_advance, 0);
    }
    if ((style & 8) != 0) {
        cairo_move_to(cr, x, y - size * 0.28);
        cairo_rel_line_to(cr, extents.x_advance, 0);
    }
    cairo_stroke(cr);
}

}  // namespace

void DrawTextPage(cairo_t* cr, const ui::TextPage& page, const ui::TextPageLayout& layout, real sheetHeightMm,
                  const text::FormatOptions& format) {
    const int style = layout.fontStyle;
    cairo_save(cr);
    cairo_select_font_face(cr, layout.fontName.c_str(),
                           (style & 2) != 0 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           (style & 1) != 0 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    const double size = std::max(layout.fontSizePt, 1) * kMmPerPoint;
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, 0, 0, 0);
    const double left = static_cast<double>(layout.marginLeftMm);
    const double lineHeight = static_cast<double>(layout.LineHeightMm(sheetHeightMm));
    double y = static_cast<double>(layout.marginTopMm);
    for (const std::string& line : page) {
        y += lineHeight;
        if (line.empty()) continue;
        const std::string utf8 = text::OemToDisplayAll(line, format);
        cairo_move_to(cr, left, y);
        cairo_show_text(cr, utf8.c_str());
        DecorationLines(cr, utf8.c_str(), left, y, size, style);
    }
    cairo_restore(cr);
}

void AddTextPages(PdfDocument& document, const std::vector<ui::TextPage>& pages,
                  const ui::TextPageLayout& layout, const text::FormatOptions& format) {
    for (const ui::TextPage& page : pages) {
        cairo_t* cr = document.BeginPage(kA4WidthMm, kA4HeightMm);
        if (!cr) return;
        DrawTextPage(cr, page, layout, kA4HeightMm, format);
    }
    document.EndPage();
}

}  // namespace trb::paper
