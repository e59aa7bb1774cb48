#include "gui/help/help_commands.h"

#include <QObject>

#include "graphics/driver.h"
#include "gui/help/help_picture_window.h"
#include "gui/help/message_viewer.h"
#include "gui/printing/print_state.h"
#include "gui/window/main_window.h"
#include "help/help_picture.h"
#include "help/picture_browser.h"
#include "help/show_help.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

constexpr const char* kHolderName = "HelpCommands";

// Ties the commands' lifetime to the window.
class HelpCommandsHolder : public QObject {
  public:
    explicit HelpCommandsHolder(Thh& window) : QObject(&window), commands(window) {
        setObjectName(kHolderName);
    }
    HelpCommands commands;
};

}  // namespace

HelpCommands& HelpCommandsOf(Thh& window) {
    if (auto* holder = window.findChild<HelpCommandsHolder*>(kHolderName, Qt::FindDirectChildrenOnly)) {
        return holder->commands;
    }
    return (new HelpCommandsHolder(window))->commands;
}

void HelpCommands::ShowHelp(int number, int mode) {
    app::Program& program = window_.Program();
    help::ShowHelp(
        program.dialogs, program.settings.pltFolder, number, mode,
        [this](const std::string& picture) { DrawPicture(picture); }, program.abort);
}

void HelpCommands::ShowHelpPicture(int number) {
    ShowHelp(number, help::kPictureOnly);
}

void HelpCommands::DrawPicture(const std::string& picture) {
    app::Program& program = window_.Program();
    window_.Printing().shown = graphics::PrintoutKind::HelpPicture;
    graphics::Driver& driver = window_.DrawingDriver();
    driver.SetSettings(graphics::DriverSettingsFrom(program.settings));
    help::DrawHelpPicture(driver, program.dialogs, graphics::kDeviceScreen, program.settings.pltFolder,
                          picture);
    program.abort = false;
}

void HelpCommands::BrowsePictures() {
    app::Program& program = window_.Program();
    PictureBrowserWindow view(
        program.settings, [this] { ShowHelp(0, help::kTextOnly); }, &window_);
    help::PictureBrowserContext context{program.dialogs, program.settings.pltFolder,
                                        [this](const std::string& name) { DrawPicture(name); },
                                        program.abort};
    help::BrowseHelpPictures(context, view);
    program.abort = false;
}

void HelpCommands::ShowRunMessages() {
    window_.Program().ShowRunMessages(MessageEditor());
}

report::DescriptionEditor HelpCommands::MessageEditor() {
    return MessageViewerEditor(
        window_.Program().settings, [this] { ShowHelp(help::kHelpMessageViewer, help::kTextOnly); },
        &window_);
}

InputHelp HelpCommands::ForInputDialogs() {
    InputHelp help;
    help.showText = [this](int number) { ShowHelp(number, help::kTextOnly); };
    help.showPicture = [this](int number) { ShowHelp(number, help::kPictureOnly); };
    return help;
}

HelpActions HelpCommands::ForQuestionDialogs() {
    return HelpActions{[this] { ShowHelp(0, help::kTextOnly); }, [this] { ShowHelp(0, help::kPictureOnly); }};
}

}  // namespace trb::gui
