// File -> Einstellungen.
#include "casefile/case_file.h"
#include "gui/help/help_commands.h"
#include "gui/settings/settings_dialog.h"
#include "gui/window/main_window.h"

namespace trb::gui {

void Thh::mi_fileConfigClick() {
    program_.abort = false;
    SettingsContext context{program_.settings,
                            program_.places,
                            program_.dialogs,
                            HelpCommandsOf(*this).ForInputDialogs(),
                            this,
                            program_.texts.ProgramTitle(),
                            casefile::CurrentCaseFile(program_.caseFile)};
    Tconfig dialog(context, this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // Confirmed or not, the window takes the configured background colour.
    ApplySettings();
    if (confirmed) RefreshAfterRun();
    program_.abort = false;
}

}  // namespace trb::gui
