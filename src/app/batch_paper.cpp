#include "app/batch_paper.h"

#include <filesystem>

#include "app/batch.h"
#include "app/batch_drawing.h"
#include "graphics/drawing_views.h"
#include "graphics/driver_settings.h"
#include "paper/paper_document.h"
#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::app {

namespace {

namespace fs = std::filesystem;

int WriteCasePdf(Program& program, const std::string& caseFile) {
    const bool failed = program.status.calculationFailed;
    const std::string title = text::OemToDisplayAll(program.texts.ProgramTitle(), program.settings.format) +
                              " - " + fs::path(caseFile).filename().string();
    paper::PdfDocument document(title, "TRB " + std::string(config::kProgramVersion));
    program.writer.pdfDocument = &document;
    if (failed) {
        ReportRunMessages(program);
        program.PrintFailedRunReport(report::kPdfFile);
    } else {
        program.PrintResultReport(report::kPdfFile);
    }
    program.writer.pdfDocument = nullptr;
    if (!failed && !program.abort) {
        DrawBatchView(program, caseFile, graphics::kDevicePdf, graphics::kViewResultSheet, 0, &document);
        DrawBatchView(program, caseFile, graphics::kDevicePdf, graphics::kViewProduction, 0, &document);
        DrawBatchView(program, caseFile, graphics::kDevicePdf, graphics::kViewFilm, 0, &document);
    }
    if (program.abort) return kExitUnreadableCase;
    const std::string target = fs::path(caseFile).replace_extension(".pdf").string();
    if (!document.Finish()) {
        program.dialogs.ShowErrorBox("Schreibfehler: " + target);
        return kExitUnreadableCase;
    }
    if (!ui::WriteFileChecked(target, document.Bytes(), program.dialogs, program.abort))
        return kExitUnreadableCase;
    return failed ? kExitCalculationFailed : kExitOk;
}

}  // namespace

int RunPaperBatch(Program& program, const PaperBatch& request) {
    const bool picture = request.format != PaperFormat::Pdf;
    if (picture && (request.view < graphics::kViewResultSheet || request.view >= graphics::kViewEnd)) {
        program.dialogs.ShowErrorBox("View " + std::to_string(request.view) + " (1.." +
                                     std::to_string(graphics::kViewEnd - 1) + ")");
        return kExitBadArguments;
    }
    // A resolution given must be one the window would take; a mistyped one is not replaced silently.
    if (request.resolution && (*request.resolution < graphics::kLowestPngResolution ||
                               *request.resolution > graphics::kHighestPngResolution)) {
        program.dialogs.ShowErrorBox("PNG-Aufl\x94sung (" + std::to_string(graphics::kLowestPngResolution) +
                                     ".." + std::to_string(graphics::kHighestPngResolution) + " dpi)");
        return kExitBadArguments;
    }
    if (!ReadCommandLineCase(program, request.caseFile)) return kExitUnreadableCase;
    if (!picture) return WriteCasePdf(program, request.caseFile);
    if (program.status.calculationFailed) {
        ReportRunMessages(program);
        return kExitCalculationFailed;
    }
    const int device = request.format == PaperFormat::Svg ? graphics::kDeviceSvg : graphics::kDevicePng;
    const int resolution = request.resolution.value_or(kBatchPngResolution);
    DrawBatchView(program, request.caseFile, device, request.view, resolution);
    return program.abort ? kExitUnreadableCase : kExitOk;
}

}  // namespace trb::app
