#include "app/batch_cad.h"

#include "app/batch.h"
#include "app/batch_drawing.h"
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
    if (!ReadCommandLineCase(program, request.caseFile)) return kExitUnreadableCase;
    if (program.status.calculationFailed) {
        ReportRunMessages(program);
        return kExitCalculationFailed;
    }

    DrawBatchView(program, request.caseFile, device, graphics::kViewProduction);
    return program.abort ? kExitUnreadableCase : kExitOk;
}

}  // namespace trb::app
