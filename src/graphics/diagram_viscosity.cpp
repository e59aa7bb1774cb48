#include "graphics/diagram_viscosity.h"

#include <cmath>
#include <string>

#include "core/lubricant.h"
#include "graphics/diagram_frame.h"
#include "graphics/driver.h"
#include "text/format.h"
#include "ui/dialogs.h"

namespace trb::graphics {

namespace {

constexpr real kFirstTemperature = 20;
constexpr real kLastTemperature = 120;
constexpr real kTemperatureStep = 0.5L;

std::string Degrees(real t) {
    return text::IntText(std::llround(t));
}

// The legend lines of one quantity: at the reference temperature, 0, 20, teff and 120 °C.
void LegendLines(Driver& driver, const char* name, const char* unit, real factor, real nu40, real tref,
                 real teff, const text::FormatOptions& format) {
    const std::string prefix = std::string(name) + " (";
    const auto value = [&](real t) {
        return text::FormatShort(core::ViscosityAt(nu40, tref, t) * factor, format);
    };
    driver.CadTextLine(prefix + Degrees(tref) + " C) = " + text::FormatShort(nu40 * factor, format) + unit);
    driver.CadTextLine(prefix + "0 C) = " + value(0) + unit);
    driver.CadTextLine(prefix + Degrees(20) + " C) = " + value(20) + unit);
    driver.CadTextLine(prefix + Degrees(teff) + " C) = " + value(teff) + unit);
    driver.CadTextLine(prefix + Degrees(120) + " C) = " + value(120) + unit);
}

}  // namespace

void DrawViscosityDiagram(Driver& driver, ui::Dialogs& dialogs, int device, int kind, real nu40, real tref,
                          real teff, const ViscosityDiagramOptions& options) {
    if (kind == kDiagramAsk) {
        dialogs.choiceList[0] = "nue = f(T)";
        dialogs.choiceList[1] = "eta = f(T)";
        dialogs.choiceList[2] = "..";
        int selection = 1;
        dialogs.ChooseFromList("Select", 3, selection, driver.Abort());
        if (driver.Abort() || selection < 1 || selection > 2) return;
        kind = selection;
    }
    driver.CadOpen(device);
    if (driver.Abort()) return;
    WriteViscosityDiagram(driver, dialogs, kind, nu40, tref, teff, options);
    // A cancelled limits dialog ends the diagram without output.
    if (driver.Abort()) return;
    driver.CadClose();
}

void WriteViscosityDiagram(Driver& driver, ui::Dialogs& dialogs, int kind, real nu40, real tref, real teff,
                           const ViscosityDiagramOptions& options) {
    const bool dynamic = kind == kDiagramDynamic;
    const real factor = dynamic ? kDiagramDensity * 1e-6L : 1;
    driver.CadLimits(0, 0, 160, 120);
    driver.CadTables(2);
    driver.CadEntitiesBegin();

    driver.CadColor(19);
    driver.CadLineSpacing(1);
    driver.CadTextPosition(100, 115);
    driver.CadTextStyle(2, 0, 2.2L, 1.7L);
    LegendLines(driver, "nue", " mm\xFD/s", 1, nu40, tref, teff, options.format);
    driver.CadTextLine(" ");
    LegendLines(driver, "eta", " Pa s", kDiagramDensity * 1e-6L, nu40, tref, teff, options.format);

    const auto curve = [&](real t) { return core::ViscosityAt(nu40, tref, t) * factor; };
    DiagramFrame frame(driver);
    frame.SetPlotArea(10, 12, 100, 100);
    DiagramFrameRequest request;
    request.xLabel =
        "T [\xF8"
        "C]";
    request.yLabel = dynamic ? "eta [Pa*s]" : "nue [mm\xFD/s]";
    request.title = dynamic ? "eta = f (T)" : "nue = f (T)";
    request.grid = true;
    request.data = {20.1L, kLastTemperature, 0, curve(kFirstTemperature)};
    const bool ask = options.askLimits && driver.DeviceCode() != kDeviceScreen;
    if (frame.DrawDiagramFrame(request, options.format, &dialogs, ask)) {
        driver.CadColor(19);
        frame.DiagramMoveTo(kFirstTemperature, curve(kFirstTemperature));
        const int steps =
            static_cast<int>(std::lround((kLastTemperature - kFirstTemperature) / kTemperatureStep));
        for (int i = 1; i <= steps; ++i) {
            const real t = kFirstTemperature + i * kTemperatureStep;
            frame.DiagramLineTo(t, curve(t));
        }
    }
    driver.CadEndSection();
}

}  // namespace trb::graphics
