#pragma once

#include "gui/common/standard_dialogs.h"
#include "gui/input/input_context.h"
#include "report/run_messages.h"

namespace trb::gui {

class Thh;

// The help of the main window: help texts in a message box, help pictures in the graphics window,
// and what the help buttons of the case dialogs and the question dialogs show.
class HelpCommands {
  public:
    explicit HelpCommands(Thh& window) : window_(window) {}

    // Help text `number` (0: the current help number): mode 0 text and picture, 1 text only,
    // 2 picture only.
    void ShowHelp(int number, int mode);
    // Draws the help picture of `number` (0: the current help number) in the graphics window.
    void ShowHelpPicture(int number);

    // Help → Hilfebild: the help-picture browser.
    void BrowsePictures();
    // The run's messages with cause and remedy in the message viewer (Help → Fehlermeldungen and
    // the end of the quick input).
    void ShowRunMessages();
    // The message viewer Thelperr as the message browser's description editor.
    report::DescriptionEditor MessageEditor();

    // The help buttons of the case dialogs.
    InputHelp ForInputDialogs();
    // "&Hilfetext" and "Hilfe&bild" of the question dialogs: the current help number.
    HelpActions ForQuestionDialogs();

  private:
    void DrawPicture(const std::string& picture);

    Thh& window_;
};

// The window's help commands (created on first use, living as long as the window).
HelpCommands& HelpCommandsOf(Thh& window);

}  // namespace trb::gui
