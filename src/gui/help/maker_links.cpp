#include "config/config_file.h"
#include "config/guide_location.h"
#include "gui/window/main_window.h"
#include "text/cp850.h"

// The Help menu's commands that open something outside the window: the user guide, the maker's web
// page, a mail to the maker and the installed verification report.
namespace trb::gui {

void Thh::OpenWithDesktop(const std::string& target) {
    // Started through the launcher (no shell); without a desktop handler the user is told so
    // instead of a warning on standard error nobody reads.
    if (program_.launcher.Open(target)) return;
    program_.dialogs.ShowNoteBox(
        ui::NothingCouldOpenText(target, text::DisplayToOem(program_.launcher.FailureText())));
}

void Thh::mi_helpguideClick() {
    const std::string page = config::UserGuidePage();
    if (page.empty()) {
        program_.dialogs.ShowNoteBox("Das Benutzerhandbuch ist nicht installiert (" +
                                     text::DisplayToOem(config::kInstalledGuidePage) + ").");
        return;
    }
    OpenWithDesktop(page);
}

void Thh::mi_helpwwwClick() {
    OpenWithDesktop(kMakerWebPage);
}

void Thh::mi_helpemailClick() {
    OpenWithDesktop(std::string("MAILTO:") + kMakerMail + "?subject=TRB V" +
                    std::string(config::kProgramVersion));
}

void Thh::mi_helpverificationClick() {
    const config::DocumentPlace report = config::VerificationReport();
    if (!report.found) {
        program_.dialogs.ShowNoteBox("Der Verifikationsbericht ist nicht installiert: " +
                                     text::DisplayToOem(report.path) + " fehlt (make verify erstellt ihn).");
        return;
    }
    OpenWithDesktop(report.path);
}

}  // namespace trb::gui
