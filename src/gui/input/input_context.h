#pragma once

#include <functional>
#include <string>

#include "config/settings.h"
#include "core/iso286.h"
#include "core/record.h"
#include "core/run_status.h"
#include "tables/table_access.h"
#include "text/language.h"
#include "ui/dialogs.h"

class QWidget;

namespace trb::gui {

// What the help buttons of the case dialogs show (the label hints come from the help files of the
// settings' PLT folder). Empty functions: the help buttons say that there is no help text.
struct InputHelp {
    // Shows the help text of a number.
    std::function<void(int number)> showText;
    // Draws the help picture of a number in the graphics window.
    std::function<void(int number)> showPicture;
};

// Everything the case dialogs and their proposal buttons work with. The references must outlive
// the dialogs.
struct InputContext {
    core::TRBrecord& record;
    core::RunStatus& status;
    bool& abort;
    config::ConfigSettings& settings;  // the unit switch changes its unit system for the whole program
    const text::LanguageTexts& texts;
    ui::Dialogs& dialogs;
    tables::TableAccess& tables;
    core::ToleranceSteps& steps;
    InputHelp help;
    const QWidget* mainWindow = nullptr;  // dialogs are centred over it
};

}  // namespace trb::gui
