#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <string_view>

#include "core/real.h"

// Documents drawn with cairo into memory: a PDF of any number of pages, and one-page SVG and PNG
// pictures. Every page is drawn on a cairo context that measures millimetres from the sheet's
// top-left corner with y downward, whatever the format's own unit.
namespace trb::paper {

using trb::real;

inline constexpr real kA4WidthMm = 210;
inline constexpr real kA4HeightMm = 297;
inline constexpr real kMmPerInch = 25.4L;

// A PDF file built page by page. Pages may differ in size and orientation.
class PdfDocument {
  public:
    // `title` and `creator` go into the document information (UTF-8).
    PdfDocument(std::string_view title, std::string_view creator);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Ends the open page, if any, and starts one of the given size.
    cairo_t* BeginPage(real widthMm, real heightMm);
    void EndPage();
    int PageCount() const { return pages_; }

    // Ends the document. False when cairo failed or no page was drawn; the bytes are then no file.
    bool Finish();
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::string title_;
    std::string creator_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    int pages_ = 0;
    bool pageOpen_ = false;
    bool finished_ = false;
};

// Draws a picture on a context in millimetres (see above).
using Painter = std::function<void(cairo_t*)>;

// An SVG picture of the given size: its width and height say millimetres, one unit of its view box
// is one millimetre. False when cairo failed.
bool WriteSvg(std::string& out, real widthMm, real heightMm, const Painter& paint);

// The largest PNG the program writes, in pixels per side and in all.
inline constexpr int kMaxPngSide = 12000;
inline constexpr long long kMaxPngPixels = 60'000'000;

// The resolution a picture of this size gets as PNG: the one asked for, lowered so that the image
// keeps within the limits above.
int PngResolution(real widthMm, real heightMm, int dotsPerInch);

// A PNG image of the given size at PngResolution(widthMm, heightMm, dotsPerInch) on an opaque
// white ground. False when cairo failed or the size is empty.
bool WritePng(std::string& out, real widthMm, real heightMm, int dotsPerInch, const Painter& paint);

// The cairo error of a context, a surface or neither (CAIRO_STATUS_SUCCESS).
bool Failed(cairo_t* cr);

}  // namespace trb::paper
