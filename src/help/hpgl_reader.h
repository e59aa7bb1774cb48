#pragma once

#include <string>
#include <string_view>

// A reader of HP-GL/2 plot files (the help pictures). Plotter units are 0.025 mm; everything the
// reader hands on is in millimetres.
namespace trb::help {

inline constexpr double kPlotterUnit = 0.025;  // mm per plotter unit

// Where a plot file is drawn. Angles are degrees, counter-clockwise.
class HpglCanvas {
  public:
    virtual ~HpglCanvas() = default;
    // Pen `pen` (0 = no pen: nothing is drawn until another pen is selected).
    virtual void Pen(int pen) = 0;
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Circle(double x, double y, double r) = 0;
    // Arc counter-clockwise from phi1 to phi2 around (x, y).
    virtual void Arc(double x, double y, double phi1, double phi2, double r) = 0;
    // A label (code page 850) with its baseline start at (x, y); character width and height in mm.
    virtual void Text(std::string_view text, double x, double y, double width, double height,
                      double angle) = 0;
};

// What the reader met besides the commands it draws.
struct HpglSummary {
    int commands = 0;  // mnemonics read
    int skipped = 0;   // mnemonics outside the drawing commands
};

// Reads HP-GL/2 text: two-letter mnemonics (either case), parameters separated by commas or blanks,
// a command ending at ";" or at the next mnemonic. Draws PU, PD, PA, CI, AA, LB and PE, keeps SP,
// SI, DI and CS; every other command is skipped up to its ";". PCL escape sequences are skipped.
HpglSummary ReadHpgl(std::string_view content, HpglCanvas& canvas);

}  // namespace trb::help
