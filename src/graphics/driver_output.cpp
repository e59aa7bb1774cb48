#include <algorithm>
#include <chrono>
#include <filesystem>

#include "cad/dxf_device.h"
#include "cad/iges_device.h"
#include "cad/text_dump_device.h"
#include "graphics/driver.h"
#include "graphics/plot_command.h"
#include "graphics/plot_parameters.h"
#include "graphics/screen_device.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"
#include "ui/launcher.h"

namespace trb::graphics {

namespace {

std::string Extension(int device) {
    switch (device) {
        case kDeviceDxf:
            return "dxf";
        case kDeviceIges:
            return "igs";
        case kDevicePdf:
            return "pdf";
        case kDeviceSvg:
            return "svg";
        case kDevicePng:
            return "png";
        default:
            return "txt";
    }
}

// The case file's path without its extension.
std::string WithoutExtension(const std::string& path) {
    std::filesystem::path p(path);
    if (p.has_extension()) p.replace_extension();
    return p.string();
}

cad::IgesHeader TodaysHeader(const std::string& fileName, const std::string& version) {
    const auto today =
        std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    cad::IgesHeader header;
    header.fileName = std::filesystem::path(fileName).filename().string();
    header.version = version;
    header.year = static_cast<int>(today.year());
    header.month = static_cast<int>(static_cast<unsigned>(today.month()));
    header.day = static_cast<int>(static_cast<unsigned>(today.day()));
    return header;
}

}  // namespace

bool Driver::ChooseDevice(int& device) {
    ui::Dialogs& d = ctx_.dialogs;
    const char* items[] = {"DXF",
                           "IGES",
                           "Kontrollausgabe auf Bildschirm",
                           "Ausgabe auf Laserprinter/Plotter mit TRACEON",
                           "TXT",
                           "PDF",
                           "SVG",
                           "PNG"};
    constexpr int kItems = static_cast<int>(std::size(items));
    for (std::size_t i = 0; i < std::size(items); ++i) d.choiceList[i] = items[i];
    int selection = device_ >= 1 && device_ <= kItems ? device_ : kDeviceScreen;
    d.SetHelpNumber(help::kHelpDrawingDevice);
    d.ChooseFromList("CAD-Code", kItems, selection, ctx_.abort);
    if (ctx_.abort) return false;
    device = selection;
    if (device == kDevicePlot) return ChoosePlotCommandLine();
    return true;
}

bool Driver::ChoosePlotCommandLine() {
    ui::Dialogs& d = ctx_.dialogs;
    const int count =
        std::clamp(settings_.plotLineCount, 1, static_cast<int>(settings_.plotCommandLines.size()));
    int index = std::clamp(settings_.plotLineIndex, 1, count);
    if (count >= 2) {
        for (int i = 0; i < count; ++i) {
            d.choiceList[static_cast<std::size_t>(i)] =
                settings_.plotCommandLines[static_cast<std::size_t>(i)].substr(0, ui::kChoiceTextLength);
        }
        d.SetHelpNumber(help::kHelpPlotCommandLine);
        d.ChooseFromList("TRACEON Command Line", count, index, ctx_.abort);
        if (ctx_.abort) return false;
    }
    settings_.plotLineIndex = index;
    const std::size_t slot = static_cast<std::size_t>(index - 1);
    std::string line = settings_.plotCommandLines[slot];
    const auto keep = [&] {
        settings_.plotCommandLines[slot] = line;
        if (ctx_.plotLineStore) (*ctx_.plotLineStore)[slot] = line;
    };
    if (ctx_.plotEditor) {
        if (!ctx_.plotEditor->EditCommandLine(line)) {
            ctx_.abort = true;
            return false;
        }
        keep();
    }
    const std::string before = line;
    d.SetHelpNumber(help::kHelpPlotCommandLineText);
    d.AskText("TRACEON-Kommandozeile (0=Parameter)", kPlotCommandLength, line, ctx_.abort);
    if (ctx_.abort) return false;
    if (line.empty() || line.front() == '0') {
        PlotParameters preset = ParsePlotCommandLine(before);
        // By its plain name: the program starts in the folder of the plot file, which differs
        // from run to run.
        preset.plotFile = "traceon.dxf";
        const std::optional<std::string> built = AskPlotCommandLine(d, preset, ctx_.abort);
        if (!built) return false;
        line = *built;
    }
    keep();
    return true;
}

bool Driver::OpenFileOutput(int device) {
    const std::string extension = Extension(device);
    if (batch_) {
        // The text dump has a name of its own beside the case, so that the "/I" report (case.txt)
        // and the dump of the same case never replace each other.
        fileName_ = WithoutExtension(caseFile_) + (device == kDeviceText ? ".dump." : ".") + extension;
        return true;
    }
    const std::string filter = "*." + extension + "|*." + extension + "|*.*|*.*";
    // The case's name is proposed (an unnamed case proposes nothing).
    const std::string stem = std::filesystem::path(caseFile_).stem().string();
    const std::string proposal = stem.empty() || stem.front() == '.' ? std::string() : stem + "." + extension;
    const std::optional<std::string> chosen =
        ctx_.dialogs.ChooseSaveFile(settings_.cadFolder, filter, proposal);
    if (!chosen || chosen->empty()) {
        ctx_.abort = true;
        fileName_.clear();
        return false;
    }
    fileName_ = *chosen;
    // Only the file's own name decides whether an extension is there.
    if (std::filesystem::path(fileName_).filename().string().find('.') == std::string::npos) {
        fileName_ += "." + extension;
    }
    return true;
}

void Driver::CadOpen(int device) {
    if (device == kDeviceAsk && !ChooseDevice(device)) return;
    if (device < kDeviceDxf || device > kDevicePng) device = kDeviceScreen;
    output_.reset();
    buffer_.str({});
    buffer_.clear();
    fileName_.clear();
    device_ = device;
    definedBlocks_.clear();
    blockSection_ = false;
    lineSpacing_ = 1;
    symbolScale_ = settings_.dimensionFactor;
    pen_ = 0;
    style_ = {};
    switch (device) {
        case kDeviceScreen:
            output_ = std::make_unique<ScreenDevice>(ctx_.window, settings_, ctx_.status, ctx_.abort);
            output_->Open();
            output_->LineStyle(0);
            return;
        case kDevicePlot:
            fileName_ = TempPath(settings_, "traceon.dxf");
            plotCommand_ = settings_.plotCommandLines[static_cast<std::size_t>(
                std::clamp(settings_.plotLineIndex, 1, 5) - 1)];
            output_ = std::make_unique<cad::DxfDevice>(buffer_, settings_.cad, true);
            break;
        case kDeviceDxf:
            if (!OpenFileOutput(device)) return;
            output_ = std::make_unique<cad::DxfDevice>(buffer_, settings_.cad, true);
            break;
        case kDeviceIges: {
            if (!OpenFileOutput(device)) return;
            output_ = std::make_unique<cad::IgesDevice>(
                buffer_, settings_.cad, TodaysHeader(fileName_, settings_.programVersion), ctx_.status);
            break;
        }
        case kDevicePdf:
        case kDeviceSvg:
        case kDevicePng:
            if (!OpenPaperOutput(device)) return;
            break;
        default:
            if (!OpenFileOutput(device)) return;
            output_ = std::make_unique<cad::TextDumpDevice>(buffer_, settings_.cad);
            break;
    }
    output_->Open();
}

void Driver::Footer() {
    const real w = LimitWidth(), h = LimitHeight();
    CadTextStyle(2, 0, 0.006L * w, 0.0045L * h);
    CadColor(30);
    const std::string text = text::DateText(settings_.cad.format) + " " + text::TimeText() + " " +
                             settings_.programName + " " + settings_.programVersion + " " +
                             text::DisplayToOem(caseFile_).substr(0, 120);
    CadText(text, xmin_ + 0.002L * w, ymin_ + 0.005L * h);
}

void Driver::CadClose() {
    if (!output_) return;
    output_->Close();
    if (device_ != kDeviceScreen) FinishFileOutput();
    if (device_ == kDevicePlot && !ctx_.abort) StartPlot();
    if (device_ == kDevicePlot) ctx_.window.SetOldCursor();
    output_.reset();
}

void Driver::FinishFileOutput() {
    if (fileName_.empty()) return;  // a device put in place with UseDevice writes where it wants
    if (!output_->Good()) {
        ctx_.dialogs.ShowErrorBox("Schreibfehler: " + text::DisplayToOem(fileName_));
        ctx_.abort = true;
        return;
    }
    if (ui::WriteFileChecked(fileName_, buffer_.str(), ctx_.dialogs, ctx_.abort))
        ctx_.dialogs.FileWritten(fileName_);
    buffer_.str({});
}

void Driver::StartPlot() {
    // The stored line is code page 850; the program and its arguments are file system (UTF-8) names.
    std::string line;
    for (const char c : plotCommand_)
        text::AppendUtf8(line, text::Cp850ToUnicode(static_cast<unsigned char>(c)));
    PlotCommand command = SplitCommandLine(line);
    if (command.program.empty()) {
        ctx_.dialogs.ShowErrorBox("TRACEON-Kommandozeile ist leer");
        return;
    }
    PointToPlotFile(command, fileName_);
    // The plot program starts in the folder of the plot file, so relative names in a command line
    // find it.
    const ui::StartRequest request{command.program, command.arguments,
                                   std::filesystem::path(fileName_).parent_path().string()};
    const ui::StartResult result = ctx_.launcher.Run(request);
    if (!result.Started()) ctx_.dialogs.ShowErrorBox(ui::StartFailureText(request, result));
}

}  // namespace trb::graphics
