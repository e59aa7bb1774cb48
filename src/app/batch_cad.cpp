#include "app/batch_cad.h"

#include <filesystem>

#include "app/batch.h"
#include "app/batch_drawing.h"
#include "core/calculation.h"
#include "graphics/drawing_views.h"
#include "graphics/driver_settings.h"

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
        ReportRunMessages(program);
        return kExitCalculationFailed;
    }

    DrawBatchView(program, request.caseFile, device, graphics::kViewProduction);
    return program.abort ? kExitUnreadableCase : kExitOk;
}

}  // namespace trb::app
