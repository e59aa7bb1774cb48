#pragma once

#include <array>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "cad/device.h"
#include "core/real.h"
#include "core/run_status.h"
#include "graphics/driver_settings.h"
#include "graphics/graphics_window.h"

namespace trb::ui {
class Dialogs;
class Launcher;
}  // namespace trb::ui

namespace trb::paper {
class PdfDocument;
}

namespace trb::graphics {

class DiagramLimitsEditor;
class ScreenDevice;

// The plot dialog of the window: edits a plot command line before a plot.
class PlotCommandEditor {
  public:
    virtual ~PlotCommandEditor() = default;
    // The plot dialog on `commandLine`; false when cancelled.
    virtual bool EditCommandLine(std::string& commandLine) = 0;
};

// What the driver works with besides its own state.
struct DriverContext {
    GraphicsWindow& window;
    ui::Dialogs& dialogs;
    ui::Launcher& launcher;
    core::RunStatus& status;
    bool& abort;
    PlotCommandEditor* plotEditor = nullptr;
    // Where an edited plot command line is kept for later plots and for saving (the settings'
    // five command lines); without it the line lives only as long as the driver's settings.
    std::array<std::string, 5>* plotLineStore = nullptr;
    // The limits form of the diagrams; without it the four limits are asked one by one.
    DiagramLimitsEditor* limitsEditor = nullptr;
};

// Lines, circles and arcs shorter than this (drawing units) are not written: no device gets a
// degenerate entity.
inline constexpr real kShortestEntity = 1e-6L;

// The drawing output driver: every drawing and diagram is written through these operations,
// which keep the drawing state (pen, text style, current point, polylines, symbol scale,
// limits) and send the drawing to the chosen output device: 1 DXF file, 2 IGES file, 3 screen,
// 4 plot, 5 text dump, 6 PDF, 7 SVG, 8 PNG.
class Driver {
  public:
    Driver(DriverContext context, DriverSettings settings);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // New settings; the chosen plot command line stays chosen.
    void SetSettings(const DriverSettings& settings);
    const DriverSettings& Settings() const { return settings_; }
    // The current case file (folder and name, empty for an unnamed case, as the file system spells
    // it); file outputs are named after it and the screen's footer shows it.
    void SetCaseFile(std::string path) { caseFile_ = std::move(path); }
    // Batch mode names file outputs after the case without asking.
    void SetBatchMode(bool batch) { batch_ = batch; }
    // While set, PDF drawings become pages of this document instead of files of their own.
    void CollectPages(paper::PdfDocument* document) { pages_ = document; }
    // The resolution of PNG images (dots per inch); the window asks for it before each image.
    void SetPngResolution(int dotsPerInch) { pngResolution_ = dotsPerInch; }
    int PngResolution() const { return pngResolution_; }

    int DeviceCode() const { return device_; }
    const std::string& OutputFileName() const { return fileName_; }
    const std::string& PlotCommandLine() const { return plotCommand_; }
    // The device of a file output, for tests and for devices that need more than the interface.
    cad::CadDevice* Device() { return output_.get(); }

    // ----- a drawing, in this order -----
    void CadOpen(int device);
    void CadLimits(real xmin, real ymin, real xmax, real ymax);
    void CadTables(int kind);
    void CadBlocksBegin();
    void CadEndSection();
    void CadBlockBegin(std::string_view name);
    void CadBlockEnd();
    void CadEntitiesBegin();
    void CadClose();

    // ----- pens, styles, texts -----
    void CadColor(int n);
    void CadLineStyle(int n);
    void CadTextStyle(int font, real angle, real height, real width);
    void CadText(std::string_view text, real x, real y);
    void CadLineSpacing(real f) { lineSpacing_ = f; }
    void CadTextPosition(real x, real y);
    void CadTextLine(std::string_view text);
    void CadSymbolScale(real v) { symbolScale_ = v * settings_.dimensionFactor; }

    // ----- entities -----
    void CadMoveTo(real x, real y);
    void CadLineTo(real x, real y);
    void CadPolarMoveTo(real r, real a);
    void CadPolarLineTo(real r, real a);
    void CadRectangle(real x1, real y1, real x2, real y2);
    void CadLine(real x1, real y1, real x2, real y2);
    void CadCircle(real x, real y, real r);
    void CadArc(real x, real y, real phi1, real phi2, real r);
    void CadSolid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4);
    // The colour of the solids that follow until the next CadColor (0..255 each).
    void CadSolidColor(int red, int green, int blue);
    // flags 1 = closed; phi is the included angle (radians) of the side from this vertex on.
    void CadPolylineBegin(int flags);
    void CadVertex(real phi, real x, real y);
    void CadPolylineEnd();
    void CadInsert(std::string_view name, real xscale, real yscale, real angle, real x, real y);

    // ----- symbols and dimensions -----
    void CadArrow(real angle, real x, real y);
    void CadDimHorizontal(std::string_view text, std::string_view upper, std::string_view lower, real x1,
                          real x2, real y);
    void CadDimVertical(std::string_view text, std::string_view upper, std::string_view lower, real y1,
                        real y2, real x);
    void CadDimHorizontalExt(std::string_view text, std::string_view upper, std::string_view lower, real xa,
                             real ya, real xb, real yb, real y);
    void CadDimVerticalExt(std::string_view text, std::string_view upper, std::string_view lower, real xa,
                           real ya, real xb, real yb, real x);

    // ----- state the drawing routines read -----
    int Pen() const { return pen_; }
    const cad::TextStyle& TextStyle() const { return style_; }
    real SymbolScale() const { return symbolScale_; }
    real LimitWidth() const { return xmax_ - xmin_; }
    real LimitHeight() const { return ymax_ - ymin_; }
    real Xmin() const { return xmin_; }
    real Ymin() const { return ymin_; }
    core::RunStatus& Status() { return ctx_.status; }
    bool& Abort() { return ctx_.abort; }
    GraphicsWindow& Window() { return ctx_.window; }
    DiagramLimitsEditor* LimitsEditor() const { return ctx_.limitsEditor; }

    // Puts a prepared device in place (for tests and embedders); `code` says which kind it is.
    // Nothing is written to a file when it closes.
    void UseDevice(int code, std::unique_ptr<cad::CadDevice> device);

  private:
    bool ChooseDevice(int& device);
    bool ChoosePlotCommandLine();
    bool OpenFileOutput(int device);
    // PDF, SVG and PNG: the file (or the collecting document) and the cairo device.
    bool OpenPaperOutput(int device);
    void FinishFileOutput();
    void StartPlot();
    void Footer();
    void Logos();
    bool Screen() const { return device_ == kDeviceScreen; }
    ScreenDevice* ScreenOutput();
    void VertexOnDevice(real phi, real x, real y);
    void PolylineSegmentTo(real x, real y);
    void ToleranceTexts(std::string_view upper, std::string_view lower, real at, real base, bool vertical);

    DriverContext ctx_;
    DriverSettings settings_;
    std::string caseFile_;
    bool batch_ = false;
    paper::PdfDocument* pages_ = nullptr;
    int pngResolution_ = 150;

    int device_ = kDeviceScreen;
    std::unique_ptr<cad::CadDevice> output_;
    std::ostringstream buffer_;  // the file output until CadClose writes it
    std::string fileName_;
    std::string plotCommand_;
    bool blockSection_ = false;
    std::set<std::string, std::less<>> definedBlocks_;

    int pen_ = 0;
    cad::TextStyle style_;
    real lineSpacing_ = 1;
    real curX_ = 0, curY_ = 0;
    real textX_ = 0, textY_ = 0;
    real symbolScale_ = 1;
    real xmin_ = 0, ymin_ = 0, xmax_ = 160, ymax_ = 120;

    // Polylines on devices without polylines.
    int polylineFlags_ = 0;
    int vertexCount_ = 0;
    real firstX_ = 0, firstY_ = 0;
    real previousPhi_ = 0;
};

}  // namespace trb::graphics
