#pragma once

#include <string>

#include "graphics/graphics_window.h"
#include "graphics/palette.h"
#include "graphics/pixel_point.h"
#include "graphics/print_mapping.h"
#include "graphics/view.h"

namespace trb::graphics {

// A text as the canvas draws it: top-left corner of the text cell, sizes in pixels,
// escapement in tenths of a degree. The text is the stored text (code page 850).
struct PixelText {
    std::string text;
    PixelPoint origin;
    int height = 0;
    int width = 0;
    int escapement = 0;
    std::string fontName;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool keepColor = false;  // colour 16: the canvas keeps its current text colour
    Rgb color;
};

// What a replay draws on: the screen canvas or the printer page, in pixels or dots.
class ReplayCanvas {
  public:
    virtual ~ReplayCanvas() = default;
    virtual void SetColor(Rgb /*color*/) {}
    virtual void SetPenStyle(PenStyle /*style*/) {}
    virtual void SetPenWidth(int /*width*/) {}
    virtual void MoveTo(PixelPoint /*p*/) {}
    virtual void LineTo(PixelPoint /*p*/) {}
    virtual void Line(PixelPoint a, PixelPoint b) = 0;
    virtual void Ellipse(PixelPoint topLeft, PixelPoint bottomRight) = 0;
    // Counter-clockwise (on screen, y downward) from the ray through start to the ray through
    // end, inside the box; equal rays make a full ellipse.
    virtual void Arc(PixelPoint topLeft, PixelPoint bottomRight, PixelPoint start, PixelPoint end) = 0;
    virtual void Polygon(const PixelPoint (&points)[4]) = 0;
    virtual void Text(const PixelText& text) = 0;
    virtual void Sleep(int /*ms*/) {}
    // Called every 50 000 commands (starting with the first) so the host can process events.
    virtual void Yield() {}
};

// Printing: the page's canvas, its mapping, and how the printout looks. The border is the outline
// of the world window of the list's first window command.
struct PrintTarget {
    ReplayCanvas* canvas = nullptr;
    PrinterMapping mapping;
    int colorMode = 1;  // 1 monochrome, 2 colour
    bool border = false;
};

// Replays the window's display list onto the screen canvas and, when printing, onto the page
// as well (texts then go to the page only). Window commands in the list re-set the window's
// view, each keeping the current zoom rectangle. Sets `abort` and stops at a window command
// with an empty world window.
void Replay(GraphicsWindow& window, ReplayCanvas& screen, const PrintTarget* print, bool& abort);

}  // namespace trb::graphics
