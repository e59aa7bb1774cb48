#pragma once

#include "app/program.h"
#include "docs/change_command.h"

class QWidget;

namespace trb::gui {

class InputCommands;

// The commands of the documentation menu and the Edit menu's "Te&xt": the title data, the change
// records, the drawing information and the linked documents. A command that changed what the
// drawings show redraws the result view at once and marks the case as changed.
class DocumentationCommands {
  public:
    // The forms are built with the context of the input commands (settings, help) over the main
    // window; the input commands' redraw hook redraws the result view.
    DocumentationCommands(app::Program& program, QWidget* mainWindow, InputCommands& inputs);

    // "Te&xt": the title-data form; the case counts as changed unless it was cancelled.
    void EditText();
    // The title-data form alone (the quick input starts with it); Cancel sets the abort flag.
    void EditTitleData();
    // "&Zeichnungsdaten" and the change-log items.
    void EditDrawingInfo();
    void ChangeCommand(docs::ChangeCommandKind command);
    // "Dokument &Setup": the five linked documents; the case counts as changed unless cancelled.
    void DocumentSetup();
    // "D&okument i": opens linked document i, or says why not.
    void OpenDocument(int i);

  private:
    template <class Form, class Data>
    void RunForm(Data& data);
    void EditChange(docs::AendRecord& record, int number, bool& abort);
    void DrawingInfoForm(bool& abort);
    // After a form that changed the case: marked as changed, the result view drawn again.
    void Changed();

    app::Program& program_;
    QWidget* mainWindow_;
    InputCommands& inputs_;
};

}  // namespace trb::gui
