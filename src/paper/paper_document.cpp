#include "paper/paper_document.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cmath>

namespace trb::paper {

namespace {

constexpr double kPointsPerMm = 72 / 25.4;

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

double Points(real mm) {
    return static_cast<double>(mm) * kPointsPerMm;
}

bool SurfaceFailed(cairo_surface_t* surface) {
    return surface == nullptr || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool Failed(cairo_t* cr) {
    return cr == nullptr || cairo_status(cr) != CAIRO_STATUS_SUCCESS || SurfaceFailed(cairo_get_target(cr));
}

PdfDocument::PdfDocument(std::string_view title, std::string_view creator)
    : title_(title), creator_(creator) {}

PdfDocument::~PdfDocument() {
    if (cr_) cairo_destroy(cr_);
    if (surface_) cairo_surface_destroy(surface_);
}

cairo_t* PdfDocument::BeginPage(real widthMm, real heightMm) {
    EndPage();
    if (finished_) return nullptr;
    const double width = Points(std::max(widthMm, real{1}));
    const double height = Points(std::max(heightMm, real{1}));
    if (!surface_) {
        surface_ = cairo_pdf_surface_create_for_stream(AppendBytes, &bytes_, width, height);
        if (!title_.empty())
            cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, title_.c_str());
        if (!creator_.empty())
            cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, creator_.c_str());
        cr_ = cairo_create(surface_);
    } else {
        cairo_pdf_surface_set_size(surface_, width, height);
    }
    cairo_identity_matrix(cr_);
    cairo_scale(cr_, kPointsPerMm, kPointsPerMm);
    cairo_save(cr_);
    pageOpen_ = true;
    ++pages_;
    return cr_;
}

void PdfDocument::EndPage() {
    if (!pageOpen_) return;
    // What one page leaves set (clip, matrix, dashes) never reaches the next.
    cairo_restore(cr_);
    cairo_show_page(cr_);
    pageOpen_ = false;
}

bool PdfDocument::Finish() {
    if (finished_) return pages_ > 0 && !bytes_.empty();
    EndPage();
    finished_ = true;
    if (!surface_) return false;
    const bool good = !Failed(cr_);
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(surface_);
    const bool finished = !SurfaceFailed(surface_);
    cairo_surface_destroy(surface_);
    surface_ = nullptr;
    return good && finished && pages_ > 0;
}

bool WriteSvg(std::string& out, real widthMm, real heightMm, const Painter& paint) {
    out.clear();
    if (!(widthMm > 0) || !(heightMm > 0)) return false;
    // The surface counts in millimetres: with the document unit mm its size is written as it is.
    cairo_surface_t* surface = cairo_svg_surface_create_for_stream(
        AppendBytes, &out, static_cast<double>(widthMm), static_cast<double>(heightMm));
    cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_MM);
    cairo_t* cr = cairo_create(surface);
    paint(cr);
    const bool good = !Failed(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool finished = !SurfaceFailed(surface);
    cairo_surface_destroy(surface);
    return good && finished;
}

int PngResolution(real widthMm, real heightMm, int dotsPerInch) {
    real dpi = std::max(dotsPerInch, 1);
    const real longest = std::max(widthMm, heightMm);
    if (longest > 0) dpi = std::min(dpi, kMaxPngSide * kMmPerInch / longest);
    const real area = widthMm * heightMm;
    if (area > 0) dpi = std::min(dpi, std::sqrt(kMaxPngPixels / area) * kMmPerInch);
    return std::max(static_cast<int>(std::floor(dpi)), 1);
}

bool WritePng(std::string& out, real widthMm, real heightMm, int dotsPerInch, const Painter& paint) {
    out.clear();
    if (!(widthMm > 0) || !(heightMm > 0)) return false;
    const int dpi = PngResolution(widthMm, heightMm, dotsPerInch);
    const real dotsPerMm = dpi / kMmPerInch;
    const int width = std::max(static_cast<int>(std::lround(widthMm * dotsPerMm)), 1);
    const int height = std::max(static_cast<int>(std::lround(heightMm * dotsPerMm)), 1);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, static_cast<double>(dotsPerMm), static_cast<double>(dotsPerMm));
    paint(cr);
    const bool good = !Failed(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const bool written =
        good && cairo_surface_write_to_png_stream(surface, AppendBytes, &out) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

}  // namespace trb::paper
