#pragma once

#include <string_view>

#include "core/real.h"

namespace trb::cad {

using trb::real;

// Horizontal placement of a text relative to its insertion point. The drawings place every text
// by its baseline start (Left); the other two are for callers that want a device to centre or
// right-align a text itself.
enum class TextAlign { Left, Center, Right };

// Everything that shapes a text, as the driver's text style holds it. The driver computes the
// width factor from the configured factor and the requested width; the raw width and the font
// number are kept for the screen, which builds its fonts from them.
struct TextStyle {
    int font = 2;             // font number of the text-style call (screen only)
    real height = 2.5L;       // character height in drawing units
    real width = 0.0L;        // character width as requested (0 = not given)
    real widthFactor = 1.0L;  // width / height ratio written to CAD files
    real angle = 0.0L;        // baseline direction in degrees, counter-clockwise
    real oblique = 0.0L;      // oblique angle in degrees
    TextAlign align = TextAlign::Left;
};

// One output device of the drawing output driver: a DXF file, an IGES file, the text dump, the
// screen or the plot file. The driver holds the drawing state (pen, text style, current point,
// polyline conversion, symbol scale) and forwards one call per drawing operation, in the order
// of a drawing:
//
//   Open, Limits, Tables, BlocksBegin, { BlockBegin, entities, BlockEnd }, EndSection,
//   EntitiesBegin, entities and inserts, EndSection, Close
//
// Coordinates are drawing units, angles degrees counter-clockwise unless stated. File devices
// write into a std::ostream owned by the caller; opening and closing the file and reporting a
// failed write to the user belong to the caller, which asks Good() after Close().
class CadDevice {
  public:
    virtual ~CadDevice() = default;

    // Output prepared (screen: display list cleared). Called once before Limits.
    virtual void Open() {}
    // Starts the drawing with its extent: DXF header, IGES start and global sections, screen
    // window, text dump "MINMAX" line.
    virtual void Limits(real xmin, real ymin, real xmax, real ymax) = 0;
    // DXF table section; kind 0 standard layers, 1 layers "0".."15", 2 both plus "16".."31".
    virtual void Tables(int /*kind*/) {}
    virtual void BlocksBegin() {}
    // Ends the block section and, called again, the entity section.
    virtual void EndSection() {}
    // One block definition. Returns false when the block cannot be recorded (the driver then
    // sets the abort flag and skips the definition; BlockEnd is not called for it).
    virtual bool BlockBegin(std::string_view name) = 0;
    virtual void BlockEnd() = 0;
    virtual void EntitiesBegin() {}

    // Selects pen n (0..31, already folded into that range by the driver): pens 0..5 are the
    // standard layers, 16..31 the colour pens. Devices map it to layer, colour and line font.
    virtual void Pen(int n) = 0;
    // Screen line style of the graphics window; files ignore it.
    virtual void LineStyle(int /*n*/) {}

    virtual void Line(real x1, real y1, real x2, real y2) = 0;
    virtual void Circle(real x, real y, real r) = 0;
    // Arc counter-clockwise from phi1 to phi2 (degrees) around (x, y). Radius 0 draws nothing;
    // a full turn (equal angles, 0..360 or 360..0) is a circle.
    virtual void Arc(real x, real y, real phi1, real phi2, real r) = 0;
    // Text with its insertion point at (x, y); an empty text draws nothing. The text is the
    // program's stored text (code page 850); devices convert it as their files require.
    virtual void Text(std::string_view text, real x, real y, const TextStyle& style) = 0;
    // Filled quadrilateral in DXF point order: the outline runs 1, 2, 4, 3.
    virtual void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) = 0;
    // The colour (red, green, blue, 0..255 each) of the solids that follow, until the next Pen: the
    // steps of a colour map, which no pen has. A device without such colours takes the nearest it
    // has, or keeps the pen's colour.
    virtual void SolidColor(int /*red*/, int /*green*/, int /*blue*/) {}

    // True when the device takes polylines as such (DXF with the polyline mode on). For every
    // other device the driver turns polylines into lines and arcs and never calls the three
    // polyline operations.
    virtual bool DrawsPolylines() const { return false; }
    // flags: 1 = closed.
    virtual void PolylineBegin(int /*flags*/) {}
    // bulge = tan(phi / 4) of the included angle phi of the segment that starts at this vertex.
    virtual void Vertex(real /*bulge*/, real /*x*/, real /*y*/) {}
    virtual void PolylineEnd() {}

    // Places block `name` at (x, y), scaled and turned by `angle` degrees.
    virtual void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) = 0;

    // Finishes the output (file end marker, IGES assembly, screen repaint).
    virtual void Close() = 0;
    // False once a write of this device failed; the output is then incomplete.
    virtual bool Good() const { return true; }
};

}  // namespace trb::cad
