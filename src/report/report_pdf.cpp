// The PDF device of the report writer: the printout, written like the printer's, laid out on A4
// pages in the page layout of every printed report.
#include <filesystem>

#include "config/input_file.h"
#include "paper/text_pages.h"
#include "report/report_writer.h"
#include "text/cp850.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"
#include "ui/text_printout.h"

namespace trb::report {

namespace {

// Printouts larger than this are not read back.
constexpr std::size_t kMaxPrintout = std::size_t{1} << 30;

}  // namespace

void ReportWriter::ChoosePdfFile() {
    auto& dialogs = context_.dialogs;
    dialogs.SetHelpNumber(help::kHelpOutputFileName);
    const auto chosen = dialogs.ChooseSaveFile(context_.currentCase.folder, "*.pdf");
    if (!chosen || chosen->empty()) {
        context_.abort = true;
        return;
    }
    state_.deliveredName = *chosen;
    if (std::filesystem::path(*chosen).extension().empty()) state_.deliveredName += ".pdf";
    ui::CheckNewFile(state_.deliveredName, dialogs, context_.abort);
}

void ReportWriter::HandOverPdf(const std::string& file) {
    auto& dialogs = context_.dialogs;
    bool& abort = context_.abort;
    const config::InputFile printout = config::ReadInputFile(file, kMaxPrintout);
    if (printout.status != config::InputStatus::Ok) {
        dialogs.ShowErrorBox(config::InputProblem(text::DisplayToOem(file), printout));
        abort = true;
        return;
    }
    const auto pages = ui::SplitTextPages(printout.content);
    const ui::TextPageLayout layout = ui::TextPageLayoutFrom(context_.settings);
    const text::FormatOptions& format = context_.settings.format;
    if (state_.pdfDocument) {
        paper::AddTextPages(*state_.pdfDocument, pages, layout, format);
        return;
    }
    const std::string title = state_.header.title.empty() ? context_.programTitle : state_.header.title;
    paper::PdfDocument document(text::OemToDisplayAll(title, format), "TRB " + context_.version);
    paper::AddTextPages(document, pages, layout, format);
    if (!document.Finish()) {
        dialogs.ShowErrorBox("Schreibfehler: " + text::DisplayToOem(state_.deliveredName));
        abort = true;
        return;
    }
    if (ui::WriteFileChecked(state_.deliveredName, document.Bytes(), dialogs, abort))
        dialogs.ShowNoteBox(text::DisplayToOem(state_.deliveredName) + " wurde angelegt.");
}

}  // namespace trb::report
