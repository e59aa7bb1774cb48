#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace trb::paper {
class PdfDocument;
}

// The state of the one report writer every text printout of the program goes through.
namespace trb::report {

// Output devices of text printouts.
enum Device : int {
    kScreen = 1,          // "Bildschirm": temporary file shown in the text viewer
    kTextPrinter = 2,     // "Textdrucker": the raw printer port
    kTextFile = 3,        // "Datei": a text file chosen by the user
    kWindowsPrinter = 4,  // "Windows-Drucker": temporary file, printed when closed
    kTextProgram = 5,     // "externes Textprogramm": temporary file, opened in the text program
    kTabFile = 6,         // "TXT File": tab-separated file for spreadsheets
    kHtmlFile = 7,        // "HTML File": HTML page opened in the browser
    kDosFile = 8,         // not offered: "OUTDOS.TXT" in the temporary folder
    kTabFileForCase = 9,  // not offered: like 6, the copy is named after the case
    kPdfFile = 10,        // "PDF-Datei": temporary file, laid out on PDF pages when closed
};
inline constexpr int kChooseDevice = 0;      // OpenOutput: the user picks the device
inline constexpr int kOnlyDeviceNames = 90;  // OpenOutput: only fill the device names
inline constexpr int kOfferedDevices = 7;
// The names of the offered devices 1..7 (code page 850).
const std::array<std::string_view, kOfferedDevices>& OfferedDeviceNames();
// The device choice offers the PDF file after devices 1..7.
inline constexpr std::string_view kPdfDeviceName = "PDF-Datei";

// A line equal to this is dropped by WriteLine (the rules of the compact style).
inline constexpr std::string_view kNoLineMarker = "$!$";
inline constexpr std::size_t kHeaderTextLength = 65;

// The texts PageHeader shows.
struct ReportHeader {
    std::string title;                 // empty: program title, " V" and version
    std::array<std::string, 4> lines;  // line 4 is left out when empty
    int totalPages = 0;                // 0: pages are numbered without a total
};

class ReportFile;

struct WriterState {
    WriterState();
    ~WriterState();
    WriterState(const WriterState&) = delete;
    WriterState& operator=(const WriterState&) = delete;

    int device = kScreen;
    std::string outputName = "$out.tmp";  // the current output name
    std::string deliveredName;            // tab devices: the converted copy the user gets
    int pageCount = 0;                    // pages begun in this printout
    int lineCount = 0;                    // lines on the current page
    bool pausePerPage = false;            // text printer only, asked at open
    bool htmlTableOpen = false;
    int exportCounter = 0;  // tab-separated files made in this run
    ReportHeader header;
    std::array<std::string, kOfferedDevices> deviceNames;

    // The printout file while one is open.
    std::unique_ptr<ReportFile> file;
    // Lines written on the current page after its header (page breaks only follow them).
    int bodyLines = 0;
    bool writingHeader = false;
    // While set, the PDF device adds its pages to this document instead of writing a file.
    paper::PdfDocument* pdfDocument = nullptr;
};

}  // namespace trb::report
