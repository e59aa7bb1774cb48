#pragma once

#include <functional>
#include <string_view>

#include "docs/change_log.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::docs {

// The commands of the documentation menu.
enum class ChangeCommandKind : int {
    New = 1,     // "New Change"
    Modify = 2,  // "Modify Changes": the last record
    Delete = 3,  // "Delete Change": the last record
    Show = 4,    // "Show Changes": the change log on the screen
    Print = 5,   // "Print Changes": the change log to the chosen output device
    DrawingInfo = 6,
};

// What the change commands need from the window: the forms and the change-log listing.
struct ChangeCommandHooks {
    // The change form for record `number`; sets `abort` on Cancel, otherwise stores into `record`.
    std::function<void(AendRecord& record, int number, bool& abort)> editChange;
    // Writes the change log; `toScreen` true for the screen, false for the device the user picks.
    std::function<void(bool toScreen)> writeChangeLog;
    // The drawing-information form.
    std::function<void(bool& abort)> editDrawingInfo;
};

// Runs one documentation command on the change log. A new change gets `today` as its date; a new change
// whose form is cancelled is not added. A 26th change is refused with "Max. Änderungen = 25 !".
// Modify and Delete do nothing without a change. Cancel of a form leaves `abort` set for the caller.
void ChangeCommand(ChangeCommandKind command, ChangeLog& changes, std::string_view today,
                   const ChangeCommandHooks& hooks, ui::Dialogs& dialogs, bool& abort);

}  // namespace trb::docs
