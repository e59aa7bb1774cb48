// Opening a printout on its device and handing the finished file over.
#include <filesystem>

#include "config/input_file.h"
#include "config/printer_port.h"
#include "report/html_text.h"
#include "report/report_file.h"
#include "report/report_writer.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"

namespace trb::report {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, kOfferedDevices> kDeviceNames = {
    "Bildschirm",
    "Textdrucker",
    "Datei",
    "Windows-Drucker",
    "externes Textprogramm",
    "TXT File (Excel, QPRO ...)",
    "HTML File (Netscape, Internet Explorer ...)",
};
}  // namespace

const std::array<std::string_view, kOfferedDevices>& OfferedDeviceNames() {
    return kDeviceNames;
}

namespace {

constexpr int kMaxTemporaryTries = 11;
constexpr std::string_view kDisplayCopyName = "outwin.txt";
// Printouts larger than this are not read back for their copies.
constexpr std::size_t kMaxReadBack = std::size_t{1} << 30;
// The printer set-up codes sent before a printout on a printer port, read from the current folder.
constexpr char kPrinterSetupName[] = "TEXT.HXP";
constexpr std::size_t kMaxPrinterSetup = 64 * 1024;
constexpr std::string_view kNoTemporaryFolder =
    "ung\x81ltiger Ordner f\x81r tempor\x84re Dateien konfiguriert";

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// "$OUT1.TMP", "$OUT2.TMP", ... in the temporary folder: the first name not in use.
std::string TemporaryOutputName(const std::string& tempFolder) {
    std::string name;
    for (int i = 1; i <= kMaxTemporaryTries; ++i) {
        name = tempFolder + "$OUT" + text::IntText(i) + ".TMP";
        if (!Exists(name)) break;
    }
    return name;
}

std::string WithExtension(std::string path, std::string_view extension) {
    if (fs::path(path).extension().empty()) path += "." + std::string(extension);
    return path;
}

// The devices that write into the temporary folder (the tab file only without its file dialog).
bool UsesTemporaryFolder(int device, bool fileDialog) {
    switch (device) {
        case kTextPrinter:
        case kTextFile:
            return false;
        case kTabFile:
            return !fileDialog;
        default:
            return (device >= kScreen && device <= kTabFileForCase) || device == kPdfFile;
    }
}

// "$$<n>.txt": the converted copy of the n-th tab-separated printout of the run.
std::string TabCopyName(const std::string& tempFolder, int counter) {
    return tempFolder + "$$" + text::IntText(counter) + ".txt";
}

// "<case>.txt" beside the case; a case named by its full path (command-line mode) loses its extension.
std::string CaseTextFile(const CaseName& name) {
    return name.folder + name.name + ".txt";
}

}  // namespace

void ReportWriter::OpenOutput(int device) {
    for (std::size_t i = 0; i < kDeviceNames.size(); ++i) state_.deviceNames[i] = kDeviceNames[i];
    if (device == kOnlyDeviceNames) return;
    auto& dialogs = context_.dialogs;
    const auto& settings = context_.settings;
    bool& abort = context_.abort;

    state_.file.reset();
    state_.htmlTableOpen = false;
    state_.device = settings.textDevice;
    dialogs.SetHelpNumber(help::kHelpOutputDevice);
    if (device != kChooseDevice) {
        state_.device = device;
    } else if (settings.textDeviceWindow) {
        for (std::size_t i = 0; i < kDeviceNames.size(); ++i) dialogs.choiceList[i] = kDeviceNames[i];
        constexpr int kPdfChoice = kOfferedDevices + 1;
        dialogs.choiceList[kPdfChoice - 1] = kPdfDeviceName;
        int selection = state_.device == kPdfFile ? kPdfChoice : state_.device;
        dialogs.ChooseFromList("Ausgabe auf ..", kPdfChoice, selection, abort);
        if (abort) return;
        state_.device = selection == kPdfChoice ? kPdfFile : selection;
    }

    const std::string& temp = context_.tempFolder;
    state_.pausePerPage = false;
    state_.deliveredName.clear();
    if (temp.empty() && UsesTemporaryFolder(state_.device, settings.textDeviceWindow)) {
        dialogs.ShowErrorBox(std::string(kNoTemporaryFolder));
        abort = true;
        return;
    }
    switch (state_.device) {
        case kTextPrinter: {
            state_.outputName = config::PrinterPortPath(settings.printerPort);
            dialogs.SetHelpNumber(help::kHelpOutputPrinterPort);
            state_.pausePerPage = dialogs.AskYesNoCancel("Pause nach jeder Seite ?", abort);
            break;
        }
        case kTextFile: {
            dialogs.SetHelpNumber(help::kHelpOutputFileName);
            const auto chosen = dialogs.ChooseSaveFile(context_.currentCase.folder, "*.txt");
            if (!chosen) {
                abort = true;
                return;
            }
            state_.outputName = WithExtension(*chosen, "txt");
            ui::CheckNewFile(state_.outputName, dialogs, abort);
            break;
        }
        case kTabFile:
        case kTabFileForCase: {
            if (state_.device == kTabFile && settings.textDeviceWindow) {
                const auto chosen = dialogs.ChooseSaveFile(context_.currentCase.folder, "*.txt");
                if (!chosen) {
                    abort = true;
                    return;
                }
                state_.outputName = WithExtension(*chosen, "txt");
                ui::CheckNewFile(state_.outputName, dialogs, abort);
            } else {
                state_.outputName = temp + "$$$" + text::IntText(state_.exportCounter + 1) + ".txt";
                state_.deliveredName = state_.device == kTabFile ? TabCopyName(temp, state_.exportCounter + 1)
                                                                 : CaseTextFile(context_.currentCase);
            }
            break;
        }
        case kHtmlFile:
            state_.outputName = temp + "trb.htm";
            ui::CheckNewFile(state_.outputName, dialogs, abort);
            break;
        case kDosFile:
            state_.outputName = temp + "OUTDOS.TXT";
            break;
        case kPdfFile:
            state_.outputName = TemporaryOutputName(temp);
            if (!state_.pdfDocument) ChoosePdfFile();
            break;
        default:
            if (state_.device <= 9) state_.outputName = TemporaryOutputName(temp);
            break;
    }
    state_.pageCount = 0;
    state_.lineCount = 0;
    state_.bodyLines = 0;
}

void ReportWriter::Rewrite() {
    bool& abort = context_.abort;
    if (abort || ((state_.device < kScreen || state_.device > kTabFileForCase) && state_.device != kPdfFile))
        return;
    const bool port = state_.device == kTextPrinter;
    state_.file = std::make_unique<ReportFile>();
    if (!state_.file->Open(state_.outputName, port, context_.dialogs, abort)) {
        state_.file.reset();
        return;
    }
    if (port && Exists(kPrinterSetupName)) SendPrinterSetup();
}

void ReportWriter::SendPrinterSetup() {
    // The printer's set-up codes go to it first. A set-up that cannot be read whole (a folder, a FIFO,
    // an oversized file) stops the printout: it would come out with the wrong settings.
    const config::InputFile setup = config::ReadInputFile(kPrinterSetupName, kMaxPrinterSetup);
    if (setup.status != config::InputStatus::Ok) {
        context_.dialogs.ShowErrorBox(config::InputProblem(kPrinterSetupName, setup));
        context_.abort = true;
        return;
    }
    state_.file->Write(setup.content, context_.dialogs, context_.abort);
}

bool ReportWriter::ConvertedCopy(const std::string& file, const std::string& copy) {
    // A printout that cannot be read back is an error: an empty copy must never pass for a report.
    const config::InputFile original = config::ReadInputFile(file, kMaxReadBack);
    if (original.status != config::InputStatus::Ok) {
        context_.dialogs.ShowErrorBox(config::InputProblem(text::DisplayToOem(file), original));
        context_.abort = true;
        return false;
    }
    const std::string& text = original.content;
    std::string content;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        content += DisplayText(std::string_view(text).substr(start, end - start), context_.settings.format);
        if (end < text.size()) content += '\n';
        start = end + 1;
    }
    return ui::WriteFileChecked(copy, content, context_.dialogs, context_.abort);
}

void ReportWriter::CloseOutput() {
    bool& abort = context_.abort;
    if (abort || !state_.file) return;
    const auto& settings = context_.settings;
    const int device = state_.device;
    if ((device == kScreen || device == kTextPrinter || device == kWindowsPrinter || device == kPdfFile) &&
        state_.lineCount > 0 && (settings.printoutHeader == 2 || LineStyle() == 4)) {
        Emit("\f", false);
    }
    if (IsHtmlDevice()) {
        CloseHtmlTable();
        WriteHtml("</BODY>");
        WriteHtml("</HTML>");
    }
    state_.file->Close(context_.dialogs, abort);
    state_.file.reset();
    if (abort) return;
    HandOver(state_.outputName);
    context_.dialogs.SetBusy(false);
}

void ReportWriter::OpenWritten(const std::string& program, const std::string& file) {
    // The file is named first: it is there even when nothing can show it.
    context_.dialogs.FileWritten(file);
    if (context_.launcher.Start(program, {file})) return;
    context_.dialogs.ShowErrorBox(
        ui::NothingCouldOpenText(file, text::DisplayToOem(context_.launcher.FailureText())));
}

void ReportWriter::HandOver(const std::string& file) {
    auto& dialogs = context_.dialogs;
    const auto& settings = context_.settings;
    const std::string displayCopy = context_.tempFolder + std::string(kDisplayCopyName);
    std::error_code error;
    switch (state_.device) {
        case kScreen:
            if (!ConvertedCopy(file, displayCopy)) return;
            dialogs.ShowTextFile(displayCopy, file);
            fs::remove(file, error);
            break;
        case kTextFile:
        case kDosFile:
            if (!ConvertedCopy(file, displayCopy)) return;
            if (state_.device == kTextFile) {
                dialogs.ShowNoteBox(text::DisplayToOem(file) +
                                    " und Windows-Datei outwin.txt wurden angelegt..");
            }
            break;
        case kPdfFile:
            HandOverPdf(file);
            fs::remove(file, error);
            break;
        case kWindowsPrinter:
            // The printer converts the stored text for display itself, so it gets the file as written.
            dialogs.PrintTextFile(file);
            fs::remove(file, error);
            break;
        case kTextProgram: {
            const std::string& program = settings.textProgram;
            if (!program.empty() && !Exists(program)) {
                dialogs.ShowErrorBox(program + " not found");
                return;
            }
            dialogs.SetBusy(true);
            if (!ConvertedCopy(file, displayCopy)) return;
            OpenWritten(program, displayCopy);
            break;
        }
        case kTabFile:
            ++state_.exportCounter;
            ConvertedCopy(file, TabCopyName(context_.tempFolder, state_.exportCounter));
            break;
        case kTabFileForCase:
            ++state_.exportCounter;
            ConvertedCopy(file, CaseTextFile(context_.currentCase));
            break;
        case kHtmlFile: {
            const std::string& browser = settings.htmlBrowser;
            if (!browser.empty() && !Exists(browser)) {
                dialogs.ShowErrorBox(browser + " not found");
                return;
            }
            dialogs.SetBusy(true);
            OpenWritten(browser, file);
            break;
        }
        default:
            break;
    }
}

}  // namespace trb::report
