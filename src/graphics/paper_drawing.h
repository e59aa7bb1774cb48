#pragma once

#include <cairo.h>

#include <array>
#include <string>
#include <vector>

#include "core/real.h"
#include "graphics/palette.h"

// A drawing as it goes on paper: its entities in world millimetres (y upward), each with the
// colour, width and line style of its pen on white paper, and the rectangles it covers.
namespace trb::graphics {

// How a stroke or a text looks on paper.
struct PaperPen {
    Rgb color;
    real widthMm = 0.25L;
    int lineStyle = 0;  // 0 solid, 1 dotted, 2 dash-dot, 3 dashed
    friend bool operator==(const PaperPen&, const PaperPen&) = default;
};

enum class PaperShape { Line, Circle, Arc, Solid, Text };

// One entity. Line: x1 y1 x2 y2. Circle: x y r. Arc: x y phi1 phi2 r (degrees, counter-clockwise).
// Solid: the four corners in outline order. Text: the baseline start x y, and the text (UTF-8)
// with its height, width factor, angle and oblique angle (degrees).
struct PaperItem {
    PaperShape shape = PaperShape::Line;
    PaperPen pen;
    std::array<real, 8> v{};
    std::string text;
    real height = 0;
    real widthFactor = 1;
    real angle = 0;
    real oblique = 0;
};

// A rectangle in world units that grows with what is added.
struct WorldBox {
    bool seen = false;
    real x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    void Add(real x, real y);
    real Width() const { return seen ? x2 - x1 : 0; }
    real Height() const { return seen ? y2 - y1 : 0; }
};
// The common part of two boxes (nothing when they do not overlap).
WorldBox Intersection(const WorldBox& a, const WorldBox& b);

struct PaperDrawing {
    WorldBox limits;  // the drawing limits
    std::vector<PaperItem> items;
    WorldBox lines;  // what the lines, arcs and solids cover
    WorldBox all;    // the same with the texts' cells
    std::string fontName = "Arial";
    int fontStyle = 0;  // bold 1, italic 2

    // Appends an item and widens the boxes.
    void Add(PaperItem item);
};

// World millimetres to sheet millimetres (y downward): x' = ax·x + bx, y' = ay·y + by.
struct SheetMapping {
    real ax = 1;
    real bx = 0;
    real ay = -1;
    real by = 0;
};

// Paints the drawing on a context that measures sheet millimetres. Line widths and dashes are
// sheet millimetres whatever the mapping's scale; a text's capitals are its height tall and its
// characters on average height × width factor wide.
void PaintDrawing(cairo_t* cr, const PaperDrawing& drawing, const SheetMapping& mapping);

}  // namespace trb::graphics
