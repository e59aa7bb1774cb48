#include "app/batch_cad.h"

#include <filesystem>

#include "app/batch.h"
#include "core/calculation.h"
#include "graphics/drawing_views.h"
#include "graphics/driver.h"
#include "graphics/graphics_window.h"

namespace trb::app {

int RunCadBatch(Program& program, const CadBatch& request) {
    const int device = request.device;
    if (device != graphics::kDeviceDxf && device != graphics::kDeviceIges &&
        device != graphics::kDeviceText) {
        program.dialogs.ShowErrorBox("CAD-Code " + std::to_string(device) + " (1=DXF, 2=IGS, 5=TXT)");
        return kExitBadArguments;
    }
    program.abort = false;
    auto context = program.CaseFiles();
    casefile::ReadCaseFile(context, request.caseFile);
    if (program.abort) return kExitUnreadableCase;
    program.caseFile.name = std::filesystem::path(request.caseFile).stem().string();
    program.caseFile.folder.clear();
    program.caseFile.commandLineFile = true;
    core::RunCalculation(program.record, program.status, program.abort);
    program.abort = false;
    if (program.status.calculationFailed) {
        for (int i = 1; i <= program.status.MessageCount(); ++i)
            program.dialogs.ShowErrorBox(program.status.Message(i));
        return kExitCalculationFailed;
    }

    graphics::GraphicsWindow window;
    graphics::DriverSettings settings = graphics::DriverSettingsFrom(program.settings);
    settings.programVersion = std::string(config::kProgramVersion);
    graphics::Driver driver(
        graphics::DriverContext{window, program.dialogs, program.launcher, program.status, program.abort},
        settings);
    driver.SetCaseFile(request.caseFile);
    driver.SetBatchMode(true);
    const graphics::DrawingData data{program.record,      program.texts,   program.settings, program.title,
                                     program.drawingInfo, program.changes, request.caseFile, false};
    graphics::DrawBearingView(driver, program.dialogs, data, device, graphics::kViewProduction);
    driver.SetBatchMode(false);
    return program.abort ? kExitUnreadableCase : kExitOk;
}

}  // namespace trb::app
