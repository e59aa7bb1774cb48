// The paper devices of the drawing output driver: PDF, SVG and PNG through cairo.
#include <filesystem>

#include "graphics/cairo_device.h"
#include "graphics/driver.h"
#include "graphics/paper_output.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"

namespace trb::graphics {

namespace {

constexpr int kLowestResolution = kLowestPngResolution;
constexpr int kHighestResolution = kHighestPngResolution;

}  // namespace

bool Driver::OpenPaperOutput(int device) {
    if (device == kDevicePdf && pages_) {
        paper::PdfDocument& document = *pages_;
        output_ = std::make_unique<CairoDevice>(
            settings_, ctx_.status, ctx_.abort, [&document](const PaperDrawing& d) {
                return AddDrawingPage(document, d, RealSizePrintoutFor(d));
            });
        return true;
    }
    if (device == kDevicePng && !batch_) {
        int resolution = pngResolution_;
        ctx_.dialogs.SetHelpNumber(help::kHelpDrawingDevice);
        ctx_.dialogs.AskInteger("Aufl\x94sung (dpi)", resolution, kLowestResolution, kHighestResolution,
                                ctx_.abort);
        if (ctx_.abort) return false;
        pngResolution_ = resolution;
    }
    if (!OpenFileOutput(device)) return false;
    const std::string title = std::filesystem::path(caseFile_).stem().string();
    output_ = std::make_unique<CairoDevice>(
        settings_, ctx_.status, ctx_.abort, [this, device, title](const PaperDrawing& drawing) {
            std::string bytes;
            bool written = false;
            if (device == kDevicePdf) {
                written = WriteDrawingPdf(bytes, drawing, title);
            } else if (device == kDeviceSvg) {
                written = WriteDrawingSvg(bytes, drawing);
            } else {
                written = WriteDrawingPng(bytes, drawing, pngResolution_);
            }
            buffer_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            return written;
        });
    return true;
}

}  // namespace trb::graphics
