#include "gui/settings/drawing_editors.h"

#include "app/program.h"
#include "gui/common/dialog_fit.h"
#include "gui/settings/diagram_limits_dialog.h"
#include "gui/settings/plot_config_dialog.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

DrawingEditors::DrawingEditors(app::Program& program, QWidget* window, InputHelp help)
    : program_(program), window_(window), help_(std::move(help)) {}

bool DrawingEditors::EditCommandLine(std::string& commandLine) {
    const config::ConfigSettings& settings = program_.settings;
    const std::string folder = text::AddBackslash(
        text::TrimText(settings.tempFolder).empty() ? config::TemporaryFolder() : settings.tempFolder);
    text::FormatOptions plain = settings.format;
    plain.specialCharacters = 0;
    TForm_conftraceon dialog(text::OemToDisplay(commandLine, plain),
                             {program_.dialogs, folder, help_, settings}, window_);
    FitDialog(dialog, settings, window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    commandLine = text::DisplayToOem(dialog.CommandLine());
    return true;
}

bool DrawingEditors::EditLimits(graphics::DiagramLimits& limits, const graphics::DiagramLimits& automatic) {
    TEinDiagramLimits dialog(
        limits, automatic, program_.settings.format, QString::fromStdString(program_.dialogs.programCode),
        [this] {
            if (help_.showText) help_.showText(help::kHelpDiagramLimits);
        },
        window_);
    FitDialog(dialog, program_.settings, window_);
    if (dialog.exec() != QDialog::Accepted) return false;
    limits = dialog.Limits();
    return true;
}

}  // namespace trb::gui
