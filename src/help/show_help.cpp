#include "help/show_help.h"

#include "help/help_text.h"

namespace trb::help {

void ShowHelp(ui::Dialogs& dialogs, const std::string& pltFolder, int number, int mode,
              const PictureDrawer& drawPicture, bool& abort) {
    if (number == 0) number = dialogs.CurrentHelpNumber();
    const HelpEntry entry = LookupHelp(pltFolder, number);
    if (mode == kTextAndPicture || mode == kTextOnly) {
        std::string shown;
        for (const std::string& line : entry.lines) shown += line + " ";
        dialogs.ShowTitledBox(HelpBoxCaption(number), shown);
    }
    if ((mode == kTextAndPicture || mode == kPictureOnly) && drawPicture) drawPicture(entry.picture);
    abort = false;
}

}  // namespace trb::help
