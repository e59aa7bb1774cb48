#include "docs/change_command.h"

#include <string>

#include "docs/documentation.h"
#include "text/format.h"
#include "ui/dialogs.h"

namespace trb::docs {

namespace {

void ShowOnScreen(const ChangeCommandHooks& hooks) {
    if (hooks.writeChangeLog) hooks.writeChangeLog(true);
}

// Editing or deleting the last change needs one; without it the user is told so instead of
// the menu item doing nothing.
bool HasChange(const ChangeLog& changes, ui::Dialogs& dialogs) {
    if (changes.count >= 1) return true;
    dialogs.ShowNoteBox(
        "Keine \x8E"
        "nderung vorhanden !");
    return false;
}

void NewChange(ChangeLog& changes, std::string_view today, const ChangeCommandHooks& hooks,
               ui::Dialogs& dialogs, bool& abort) {
    if (changes.count >= ChangeLog::kMaxChanges) {
        dialogs.ShowErrorBox(
            "Max. \x8E"
            "nderungen = " +
            text::IntText(ChangeLog::kMaxChanges) + " !");
        return;
    }
    const int number = changes.count + 1;
    AendRecord draft;
    draft.date = CutTo(today, AendRecord::kDateLength);
    if (hooks.editChange) hooks.editChange(draft, number, abort);
    // A cancelled form adds nothing: an empty change record would end up on the drawing.
    if (abort) return;
    changes.Record(number) = std::move(draft);
    changes.count = number;
    ShowOnScreen(hooks);
}

}  // namespace

void ChangeCommand(ChangeCommandKind command, ChangeLog& changes, std::string_view today,
                   const ChangeCommandHooks& hooks, ui::Dialogs& dialogs, bool& abort) {
    switch (command) {
        case ChangeCommandKind::New:
            NewChange(changes, today, hooks, dialogs, abort);
            break;
        case ChangeCommandKind::Modify:
            if (!HasChange(changes, dialogs)) return;
            if (hooks.editChange) hooks.editChange(changes.Record(changes.count), changes.count, abort);
            ShowOnScreen(hooks);
            break;
        case ChangeCommandKind::Delete:
            if (!HasChange(changes, dialogs)) return;
            changes.Record(changes.count) = AendRecord{};
            --changes.count;
            ShowOnScreen(hooks);
            break;
        case ChangeCommandKind::Show:
            ShowOnScreen(hooks);
            break;
        case ChangeCommandKind::Print:
            if (hooks.writeChangeLog) hooks.writeChangeLog(false);
            break;
        case ChangeCommandKind::DrawingInfo:
            if (hooks.editDrawingInfo) hooks.editDrawingInfo(abort);
            break;
    }
}

}  // namespace trb::docs
