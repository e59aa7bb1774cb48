#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"
#include "core/run_status.h"
#include "docs/title_data.h"
#include "report/writer_state.h"
#include "ui/dialogs.h"
#include "ui/launcher.h"

namespace trb::report {

// The case a printout belongs to: shown in page headers and naming the copy of device 9.
struct CaseName {
    std::string folder;  // with a final "/", or empty
    std::string name;    // without folder and extension
    std::string extension = "trb";
};

// Everything a printout reads besides the writer state. Texts are code page 850.
struct WriterContext {
    const config::ConfigSettings& settings;
    ui::Dialogs& dialogs;
    ui::Launcher& launcher;
    bool& abort;
    const core::RunStatus& status;  // the message list of the last run
    const docs::TitleData& title;   // remark lines for page headers
    std::string programTitle;       // "TRB - Hydrodynamische Radial-Gleitlager"
    std::string version = "1.6";
    CaseName currentCase;
    std::string tempFolder;  // with a final "/"
    std::string catalogue;   // full path of the error-message catalogue
    std::string dateText;    // today, as page headers show it
    std::string timeText;
};

// This process's private folder for temporary files inside the configured temporary folder
// (config::PrivateTemporaryFolder); empty when it cannot be made.
std::string TemporaryFolder(const config::ConfigSettings& settings);

// Writes one printout at a time in the order SetReportHeader, OpenOutput, Rewrite, PageHeader(0),
// lines, WriteMessageSection, EndPage, CloseOutput. Every step does nothing once the abort flag is set.
// Texts passed in are code page 850; HTML output receives them converted to UTF-8 and escaped.
class ReportWriter {
  public:
    ReportWriter(WriterState& state, WriterContext context);

    WriterState& State() { return state_; }
    const WriterContext& Context() const { return context_; }

    void SetReportHeader(std::string_view title, std::string_view line1, std::string_view line2,
                         std::string_view line3, std::string_view line4, int totalPages);
    // 0: the user chooses (when asked for in the settings); 90: only the device names.
    void OpenOutput(int device);
    // Creates the output file chosen by OpenOutput.
    void Rewrite();
    // 0: the next page; 1: the first page.
    void PageHeader(int page);

    void WriteLine(std::string_view text);
    void WriteLinePart(std::string_view text);
    void WriteRawLine(std::string_view text);
    void WriteRawPart(std::string_view text);
    void WriteTableLine(std::string_view text);
    void WriteValueLine(std::string_view designation, std::string_view symbol, std::string_view unit,
                        std::string_view value);
    void WriteWrapped(std::string_view text);
    void WriteMessageSection();
    void EndPage();
    void CloseOutput();

    std::string ThinRule() const;
    std::string DoubleRule() const;
    std::string BoxTop() const;
    std::string BoxSeparator() const;
    std::string BoxBottom() const;
    char FrameChar() const;

    bool IsTabDevice() const;
    bool IsHtmlDevice() const;
    bool IsPagedDevice() const;

    // HTML markup written as it is (the caller escapes any text inside).
    void WriteHtml(std::string_view markup);
    void OpenHtmlTable(std::string_view tableTag);
    void CloseHtmlTable();

  private:
    int LineStyle() const;
    bool IsRule(std::string_view text) const;
    void Emit(std::string_view text, bool endLine);
    void WritePagedLine(std::string_view text, bool endLine, bool breakCheck);
    void PageBreakCheck();
    void WriteHeaderBox(int page);
    // The case file in code page 850 (empty for an unnamed case), with or without its folder.
    std::string CaseFileText(bool withFolder) const;
    std::string HeaderFileText() const;
    std::string Display(std::string_view oem) const;
    bool AskPause();
    void SendPrinterSetup();
    void HandOver(const std::string& file);
    // Names the written file in the status line and starts the program (empty: the desktop's
    // handler) on it; a start that fails is said with the file's name.
    void OpenWritten(const std::string& program, const std::string& file);
    // The PDF device: the file name asked for, and the printout laid out on PDF pages.
    void ChoosePdfFile();
    void HandOverPdf(const std::string& file);
    // The printout converted for display into `copy`; false (shown, abort flag set) when the
    // printout cannot be read back or the copy not written.
    bool ConvertedCopy(const std::string& file, const std::string& copy);
    std::string LineEnd() const;

    WriterState& state_;
    WriterContext context_;
};

}  // namespace trb::report
