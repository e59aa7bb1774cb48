#pragma once

#include <functional>
#include <string>

#include "ui/dialogs.h"

// The help buttons: a numbered help text in a message box and its help picture in the graphics
// window.
namespace trb::help {

// What a help button shows: 0 text and picture, 1 only the text, 2 only the picture.
enum HelpMode : int { kTextAndPicture = 0, kTextOnly = 1, kPictureOnly = 2 };

// Clears the graphics window to the 160 x 120 mm picture area and draws the named picture (file
// name without ".plt") from the PLT folder; "NULL" draws nothing.
using PictureDrawer = std::function<void(const std::string& picture)>;

// Shows help text `number` (0: the dialogs' current help number) as "HILFETEXT Nr.<n>" and, for
// modes 0 and 2, draws its picture. Clears the abort flag afterwards.
void ShowHelp(ui::Dialogs& dialogs, const std::string& pltFolder, int number, int mode,
              const PictureDrawer& drawPicture, bool& abort);

}  // namespace trb::help
