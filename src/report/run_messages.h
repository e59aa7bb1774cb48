#pragma once

#include <functional>
#include <string>

#include "core/run_status.h"
#include "ui/dialogs.h"

// Browsing the messages of the last calculation run with cause and remedy from the catalogue.
namespace trb::report {

// The form that shows one message with its cause and remedy for editing. Returns true when the
// user changed cause or remedy (both are updated then). The window program supplies it.
using DescriptionEditor =
    std::function<bool(const std::string& message, std::string& cause, std::string& remedy)>;

struct RunMessagesContext {
    const core::RunStatus& status;
    ui::Dialogs& dialogs;
    std::string catalogue;     // full path of the catalogue
    std::string tempFolder;    // work folder for saving a changed description
    int helpLevel = 1;         // 2: the list opens on the first message
    bool noGui = false;        // "/NOGUI" on the command line: nothing is shown at all
    DescriptionEditor editor;  // empty: the description is shown in a message box
};

inline constexpr std::string_view kRunWithoutMessages = "Berechnung erfolgreich ohne Fehlermeldungen";

// Message i (1-based) of the run with its description; a changed description is saved after the
// question "Save Changes ?". A missing catalogue shows the file message and sets the abort flag.
void ShowMessageDescription(const RunMessagesContext& context, int i, bool& abort);

// The list of the run's messages; each chosen message shows its description, then the list opens
// on the next one. Ends on Cancel, on "Weiter/zurück..." or after the last message.
void ShowRunMessages(const RunMessagesContext& context, bool& abort);

}  // namespace trb::report
