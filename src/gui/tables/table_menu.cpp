#include "gui/tables/table_menu.h"

#include "gui/help/help_commands.h"
#include "gui/input/input_menu.h"
#include "gui/tables/table_window.h"
#include "gui/window/main_window.h"
#include "help/show_help.h"

namespace trb::gui {

Tdbf4& CreateTableWindow(Thh& window) {
    auto* tableWindow = new Tdbf4(window.Program(), &window);
    InputCommandsOf(window).Hooks().tableWindow = tableWindow;
    tableWindow->SetHelp({[&window](int number) { HelpCommandsOf(window).ShowHelp(number, help::kTextOnly); },
                          [&window] { HelpCommandsOf(window).BrowsePictures(); }});
    return *tableWindow;
}

void EditReferenceTable(Thh& window, const char* table, std::uint16_t helpNumber) {
    app::Program& program = window.Program();
    // The context follows the current settings (the dBase and temporary folders).
    InputContext context = InputCommandsOf(window).Context();
    program.abort = false;
    context.tables.ShowTableForEditing(table, helpNumber, program.abort);
    program.abort = false;
}

}  // namespace trb::gui
