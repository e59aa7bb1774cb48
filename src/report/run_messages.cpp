#include "report/run_messages.h"

#include "report/message_catalogue.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"

namespace trb::report {

namespace {

constexpr std::string_view kContinue =
    "Weiter/zur\x81"
    "ck...";
constexpr std::string_view kListPrompt =
    "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.";

}  // namespace

void ShowMessageDescription(const RunMessagesContext& context, int i, bool& abort) {
    const std::string& message = context.status.Message(i);
    MessageDescription description;
    const Lookup found = LookUpMessage(context.catalogue, message, description);
    if (found == Lookup::Unreadable) {
        ui::CheckReadable(context.catalogue, context.dialogs, abort);
        abort = true;
        return;
    }
    if (found == Lookup::NotFound) {
        context.dialogs.ShowTitledBox("Meldung", kNoDescription);
        return;
    }
    if (!context.editor) {
        context.dialogs.ShowTitledBox("Fehlermeldung", message + "\n\nUrsache: " + description.cause +
                                                           "\n\nAbhilfe: " + description.remedy);
        return;
    }
    if (!context.editor(message, description.cause, description.remedy)) return;
    if (context.dialogs.AskYesNoCancel("Save Changes ?", abort)) {
        SaveMessageDescription(context.catalogue, context.tempFolder, message, description.cause,
                               description.remedy, context.dialogs, abort);
    }
}

void ShowRunMessages(const RunMessagesContext& context, bool& abort) {
    if (context.noGui) return;
    const int n = context.status.MessageCount();
    if (n == 0) {
        context.dialogs.ShowNoteBox(kRunWithoutMessages);
        return;
    }
    auto& list = context.dialogs.choiceList;
    for (int i = 1; i <= n; ++i) list[static_cast<std::size_t>(i - 1)] = context.status.Message(i);
    list[static_cast<std::size_t>(n)] = kContinue;
    int selection = context.helpLevel == 2 ? 1 : n + 1;
    while (true) {
        context.dialogs.SetHelpNumber(help::kHelpRunMessageList);
        context.dialogs.ChooseFromList(kListPrompt, n + 1, selection, abort);
        if (abort || selection == n + 1) return;
        ShowMessageDescription(context, selection, abort);
        if (abort) return;
        ++selection;
        if (selection == n + 1) return;
    }
}

}  // namespace trb::report
