#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// The readers other programs use, for checking the PDF, SVG and PNG files the program writes:
// poppler's pdfinfo, pdftotext and pdftoppm, librsvg's rsvg-convert, Python's XML parser, and
// libpng (through cairo) for PNG.
namespace trb::paper::test {

// An RGB image, row by row.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    bool Valid() const { return width > 0 && height > 0; }
    std::uint8_t R(int x, int y) const { return rgb[Index(x, y)]; }
    std::uint8_t G(int x, int y) const { return rgb[Index(x, y) + 1]; }
    std::uint8_t B(int x, int y) const { return rgb[Index(x, y) + 2]; }
    // Pixels that are not (nearly) white.
    long InkedPixels() const;

  private:
    std::size_t Index(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) *
               3;
    }
};

// The page count and the size of each page in points, as pdfinfo reports them.
struct PdfPages {
    bool read = false;
    std::vector<std::pair<double, double>> sizes;
};
PdfPages PdfInfo(const std::filesystem::path& file);
// pdftotext of pages first..last (0: to the end), in reading order, UTF-8.
std::string PdfText(const std::filesystem::path& file, int first = 1, int last = 0);
// One page rendered by pdftoppm.
Image PdfPage(const std::filesystem::path& file, int page, int dotsPerInch);

// A PNG decoded by libpng through cairo, composed on white.
Image DecodePng(const std::string& bytes);
// The SVG rendered by rsvg-convert at its own size (96 pixels per inch) on white.
Image RenderSvg(const std::filesystem::path& file);
// The root element of the SVG as Python's XML parser reads it: "<tag> <width> <height>", or the
// parser's complaint.
std::string SvgRoot(const std::filesystem::path& file);

// The centres (in pixels) of the lines that run across at least `share` of the image: columns
// for vertical lines, rows for horizontal ones, of pixels matching the colour within 60 per channel.
std::vector<double> VerticalLines(const Image& image, int r, int g, int b, double share);
std::vector<double> HorizontalLines(const Image& image, int r, int g, int b, double share);

}  // namespace trb::paper::test
