#include "gui/documentation/documentation_menu.h"

#include <QAction>
#include <QObject>

#include "gui/input/input_menu.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"

namespace trb::gui {

namespace {

constexpr const char* kHolderName = "DocumentationCommands";

// Ties the commands' lifetime to the window.
class DocumentationCommandsHolder : public QObject {
  public:
    explicit DocumentationCommandsHolder(Thh& window)
        : QObject(&window), commands(window.Program(), &window, InputCommandsOf(window)) {
        setObjectName(kHolderName);
    }
    DocumentationCommands commands;
};

}  // namespace

DocumentationCommands& DocumentationCommandsOf(Thh& window) {
    if (auto* holder =
            window.findChild<DocumentationCommandsHolder*>(kHolderName, Qt::FindDirectChildrenOnly)) {
        return holder->commands;
    }
    return (new DocumentationCommandsHolder(window))->commands;
}

void ConnectDocumentationCommands(Thh& window) {
    DocumentationCommands& commands = DocumentationCommandsOf(window);
    const auto bind = [&window](const char* name, auto command) {
        if (QAction* item = window.Menu().Item(name))
            QObject::connect(item, &QAction::triggered, &window, command);
    };
    using Kind = docs::ChangeCommandKind;
    bind("mi_EditText", [&commands] { commands.EditText(); });
    bind("mi_docdrawinginfo", [&commands] { commands.EditDrawingInfo(); });
    bind("mi_docuNewChange", [&commands] { commands.ChangeCommand(Kind::New); });
    bind("mi_docuModifyChanges", [&commands] { commands.ChangeCommand(Kind::Modify); });
    bind("mi_docudeleteChange", [&commands] { commands.ChangeCommand(Kind::Delete); });
    bind("mi_DocumentSetup", [&commands] { commands.DocumentSetup(); });
    InputCommandsOf(window).Hooks().titleData = [&commands] { commands.EditTitleData(); };
}

}  // namespace trb::gui
