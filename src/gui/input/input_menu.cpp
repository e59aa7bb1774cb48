#include "gui/input/input_menu.h"

#include <QAction>
#include <QObject>

#include "gui/help/help_commands.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"

namespace trb::gui {

namespace {

constexpr const char* kHolderName = "InputCommands";

// Ties the commands' lifetime to the window.
class InputCommandsHolder : public QObject {
  public:
    InputCommandsHolder(Thh& window, InputHooks hooks)
        : QObject(&window), commands(window.Program(), &window, std::move(hooks)) {
        setObjectName(kHolderName);
    }
    InputCommands commands;
};

}  // namespace

InputCommands& InputCommandsOf(Thh& window) {
    if (auto* holder = window.findChild<InputCommandsHolder*>(kHolderName, Qt::FindDirectChildrenOnly)) {
        return holder->commands;
    }
    InputHooks hooks;
    hooks.refreshAfterRun = [&window] { window.RefreshAfterRun(); };
    hooks.help = HelpCommandsOf(window).ForInputDialogs();
    return (new InputCommandsHolder(window, std::move(hooks)))->commands;
}

InputCommands& ConnectInputCommands(Thh& window) {
    InputCommands& commands = InputCommandsOf(window);
    const auto bind = [&window](const char* name, auto command) {
        if (QAction* item = window.Menu().Item(name))
            QObject::connect(item, &QAction::triggered, &window, command);
    };
    bind("mi_editquick", [&commands] { commands.EditQuick(); });
    bind("mi_editgrunddaten", [&commands] { commands.EditBaseData(); });
    bind("mi_editschmierung", [&commands] { commands.EditLubrication(); });
    bind("mi_editlimits", [&commands] { commands.EditLimits(); });
    bind("viskot1", [&commands] { commands.ViscosityConverter(); });
    return commands;
}

}  // namespace trb::gui
