#include "gui/desktop.h"

#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "gui/help_commands.h"
#include "gui/main_window.h"
#include "gui/print_state.h"
#include "gui/qt_dialogs.h"
#include "ui/launcher.h"

namespace trb::gui {

int RunDesktop(int& argc, char** argv, const app::CommandLine& commandLine) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("TRB");
    // Ties the window to the installed menu entry trb.desktop (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName("trb");
    QApplication::setWindowIcon(QIcon::fromTheme("trb"));
    QtDialogs dialogs;
    ui::ProcessLauncher launcher;
    app::Program program(dialogs, launcher);
    program.noGui = commandLine.noGui;
    dialogs.Bind(program.settings, launcher);
    Thh window(program, commandLine);
    if (window.EndRequested()) return 0;
    dialogs.SetMainWindow(&window);
    dialogs.SetHelpActions(HelpCommandsOf(window).ForQuestionDialogs());
    dialogs.SetPrinter(&window.Printing().printer);
    window.show();
    return QApplication::exec();
}

}  // namespace trb::gui
