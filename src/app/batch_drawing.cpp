#include "app/batch_drawing.h"

#include "config/config_file.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/graphics_window.h"

namespace trb::app {

void DrawBatchView(Program& program, const std::string& caseFile, int device, int view, int pngResolution,
                   paper::PdfDocument* pages) {
    graphics::GraphicsWindow window;
    graphics::DriverSettings settings = graphics::DriverSettingsFrom(program.settings);
    settings.programVersion = std::string(config::kProgramVersion);
    graphics::Driver driver(
        graphics::DriverContext{window, program.dialogs, program.launcher, program.status, program.abort},
        settings);
    driver.SetCaseFile(caseFile);
    driver.SetBatchMode(true);
    if (pngResolution > 0) driver.SetPngResolution(pngResolution);
    driver.CollectPages(pages);
    graphics::DrawingData data{program.record,      program.texts,   program.settings, program.title,
                               program.drawingInfo, program.changes, caseFile,         false};
    // The film is solved only when the pressure-distribution view draws.
    data.film = [&program]() { return &program.film.Get(program.record, program.status); };
    graphics::DrawBearingView(driver, program.dialogs, data, device, view);
}

void ReportRunMessages(Program& program) {
    for (int i = 1; i <= program.status.MessageCount(); ++i)
        program.dialogs.ShowErrorBox(program.status.Message(i));
}

}  // namespace trb::app
