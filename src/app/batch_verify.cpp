#include "app/batch_verify.h"

#include <ostream>

#include "app/batch.h"
#include "config/config_file.h"
#include "ui/checked_file.h"
#include "verify/report_pdf.h"
#include "verify/verification.h"

namespace trb::app {

int RunVerifyBatch(Program& program, const VerifyBatch& request, std::ostream& out, std::ostream& errors) {
    verify::VerificationOptions options;
    options.quick = request.quick;
    options.benchmarkFolder = request.benchmarks;
    options.progress = [&errors](std::string_view title) { errors << "verifying: " << title << '\n'; };
    const verify::Verification verification = verify::RunVerification(options);
    for (const std::string& line : verify::SummaryLines(verification)) out << line << '\n';
    if (!request.pdf.empty()) {
        std::string bytes;
        if (!verify::WriteVerificationPdf(verification, std::string(config::kProgramVersion), bytes)) {
            program.dialogs.ShowErrorBox("Schreibfehler: " + request.pdf);
            return kExitUnreadableCase;
        }
        program.abort = false;
        if (!ui::WriteFileChecked(request.pdf, bytes, program.dialogs, program.abort))
            return kExitUnreadableCase;
    }
    return verification.Passed() ? kExitOk : kExitVerificationFailed;
}

}  // namespace trb::app
