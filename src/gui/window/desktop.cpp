#include "gui/window/desktop.h"

#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "gui/common/qt_dialogs.h"
#include "gui/help/help_commands.h"
#include "gui/printing/print_state.h"
#include "gui/window/application.h"
#include "gui/window/main_window.h"
#include "ui/launcher.h"

namespace trb::gui {

int RunDesktop(int& argc, char** argv, const app::CommandLine& commandLine) {
    EndFatalMessagesWithoutSignal();
    Application application(argc, argv);
    QApplication::setApplicationName("TRB");
    // Ties the window to the installed menu entry trb.desktop (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName("trb");
    QApplication::setWindowIcon(QIcon::fromTheme("trb"));
    QtDialogs dialogs;
    ui::ProcessLauncher launcher;
    app::Program program(dialogs, launcher);
    program.noGui = commandLine.noGui;
    dialogs.Bind(program.settings, launcher);
    application.SetFailureReport([&dialogs](const std::string& text) { dialogs.ShowErrorBox(text); });
    Thh window(program, commandLine);
    if (window.EndRequested()) return 0;
    dialogs.SetMainWindow(&window);
    dialogs.SetHelpActions(HelpCommandsOf(window).ForQuestionDialogs());
    dialogs.SetPrinter(&window.Printing().printer);
    window.show();
    return QApplication::exec();
}

}  // namespace trb::gui
