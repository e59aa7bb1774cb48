#include "paper_readers.h"

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "run_program.h"
#include "whole_file.h"

namespace trb::paper::test {

using test_support::MergedErrors;
using test_support::ProgramRun;
using test_support::ReadWholeFile;
using test_support::RunProgram;

namespace {

struct PngSource {
    const std::string& bytes;
    std::size_t offset = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
    auto* source = static_cast<PngSource*>(closure);
    if (source->bytes.size() - source->offset < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, source->bytes.data() + source->offset, length);
    source->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

// P6 with maximum value 255, as pdftoppm writes it.
Image DecodePpm(const std::string& bytes) {
    Image image;
    std::istringstream in(bytes);
    std::string magic;
    int maximum = 0;
    in >> magic >> image.width >> image.height >> maximum;
    if (magic != "P6" || maximum != 255 || image.width <= 0 || image.height <= 0) return {};
    in.get();
    image.rgb.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3);
    in.read(reinterpret_cast<char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
    if (!in) return {};
    return image;
}

bool Matches(const Image& image, int x, int y, int r, int g, int b) {
    return std::abs(image.R(x, y) - r) <= 60 && std::abs(image.G(x, y) - g) <= 60 &&
           std::abs(image.B(x, y) - b) <= 60;
}

// Centres of the runs of neighbouring indexes whose counts reach the threshold.
std::vector<double> Centres(const std::vector<int>& counts, double threshold) {
    std::vector<double> centres;
    std::size_t i = 0;
    while (i < counts.size()) {
        if (counts[i] < threshold) {
            ++i;
            continue;
        }
        double weighted = 0, total = 0;
        for (; i < counts.size() && counts[i] >= threshold; ++i) {
            weighted += static_cast<double>(i) * counts[i];
            total += counts[i];
        }
        centres.push_back(weighted / total + 0.5);
    }
    return centres;
}

}  // namespace

long Image::InkedPixels() const {
    long inked = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        if (rgb[i] < 240 || rgb[i + 1] < 240 || rgb[i + 2] < 240) ++inked;
    return inked;
}

PdfPages PdfInfo(const std::filesystem::path& file) {
    PdfPages pages;
    const ProgramRun run = RunProgram("pdfinfo", {"-f", "1", "-l", "9999", file.string()}, MergedErrors());
    if (run.exitCode != 0) return pages;
    pages.read = true;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        double w = 0, h = 0;
        int number = 0;
        if (std::sscanf(line.c_str(), "Page %d size: %lf x %lf", &number, &w, &h) == 3)
            pages.sizes.emplace_back(w, h);
    }
    return pages;
}

std::string PdfText(const std::filesystem::path& file, int first, int last) {
    std::vector<std::string> arguments{"-layout", "-enc", "UTF-8", "-f", std::to_string(first)};
    if (last > 0) arguments.insert(arguments.end(), {"-l", std::to_string(last)});
    arguments.insert(arguments.end(), {file.string(), "-"});
    return RunProgram("pdftotext", arguments).output;
}

Image PdfPage(const std::filesystem::path& file, int page, int dotsPerInch) {
    const std::filesystem::path root = file.parent_path() / ("page" + std::to_string(page));
    const std::string number = std::to_string(page);
    const ProgramRun run = RunProgram("pdftoppm", {"-r", std::to_string(dotsPerInch), "-f", number, "-l",
                                                   number, "-singlefile", file.string(), root.string()});
    if (run.exitCode != 0) return {};
    return DecodePpm(ReadWholeFile(root.string() + ".ppm"));
}

Image DecodePng(const std::string& bytes) {
    PngSource source{bytes};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(ReadPng, &source);
    Image image;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        image.width = cairo_image_surface_get_width(surface);
        image.height = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const bool alpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
        const unsigned char* data = cairo_image_surface_get_data(surface);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                std::uint32_t pixel = 0;
                std::memcpy(&pixel, data + y * stride + x * 4, 4);
                // Premultiplied colour over white.
                const unsigned a = alpha ? (pixel >> 24) & 0xFF : 255;
                for (int shift : {16, 8, 0})
                    image.rgb.push_back(static_cast<std::uint8_t>(((pixel >> shift) & 0xFF) + (255 - a)));
            }
        }
    }
    cairo_surface_destroy(surface);
    return image;
}

Image RenderSvg(const std::filesystem::path& file) {
    const ProgramRun run = RunProgram("rsvg-convert", {file.string()});
    if (run.exitCode != 0) return {};
    return DecodePng(run.output);
}

std::string SvgRoot(const std::filesystem::path& file) {
    const std::string script =
        "import sys, xml.etree.ElementTree as E\n"
        "r = E.parse(sys.argv[1]).getroot()\n"
        "print(r.tag.split('}')[-1], r.get('width'), r.get('height'))\n";
    return RunProgram(TRB_PYTHON, {"-c", script, file.string()}, MergedErrors()).output;
}

std::vector<double> VerticalLines(const Image& image, int r, int g, int b, double share) {
    std::vector<int> counts(static_cast<std::size_t>(image.width), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (Matches(image, x, y, r, g, b)) ++counts[static_cast<std::size_t>(x)];
    return Centres(counts, share * image.height);
}

std::vector<double> HorizontalLines(const Image& image, int r, int g, int b, double share) {
    std::vector<int> counts(static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (Matches(image, x, y, r, g, b)) ++counts[static_cast<std::size_t>(y)];
    return Centres(counts, share * image.width);
}

}  // namespace trb::paper::test
