#include "gui/documentation/documentation_commands.h"

#include "gui/documentation/change_form.h"
#include "gui/documentation/document_setup_form.h"
#include "gui/documentation/drawing_info_form.h"
#include "gui/documentation/title_data_form.h"
#include "gui/input/input_commands.h"
#include "text/format.h"

namespace trb::gui {

DocumentationCommands::DocumentationCommands(app::Program& program, QWidget* mainWindow,
                                             InputCommands& inputs)
    : program_(program), mainWindow_(mainWindow), inputs_(inputs) {}

template <class Form, class Data>
void DocumentationCommands::RunForm(Data& data) {
    InputContext context = inputs_.Context();
    Form form(context, data, mainWindow_);
    // A form closed in any other way than by OK counts as cancelled.
    program_.abort = form.exec() != QDialog::Accepted;
}

void DocumentationCommands::Changed() {
    program_.caseFile.modified = true;
    if (inputs_.Hooks().refreshAfterRun) inputs_.Hooks().refreshAfterRun();
}

void DocumentationCommands::EditTitleData() {
    RunForm<Tform_uni4>(program_.title);
}

void DocumentationCommands::EditText() {
    EditTitleData();
    if (!program_.abort) Changed();
    program_.abort = false;
}

void DocumentationCommands::DrawingInfoForm(bool& abort) {
    RunForm<TForm_zeichInfo>(program_.drawingInfo);
    abort = program_.abort;
}

void DocumentationCommands::EditDrawingInfo() {
    ChangeCommand(docs::ChangeCommandKind::DrawingInfo);
}

void DocumentationCommands::EditChange(docs::AendRecord& record, int number, bool& abort) {
    InputContext context = inputs_.Context();
    TForm_EinAend form(context, record, number, mainWindow_);
    abort = form.exec() != QDialog::Accepted;
}

void DocumentationCommands::ChangeCommand(docs::ChangeCommandKind command) {
    const docs::ChangeLog changesBefore = program_.changes;
    const docs::DrawingInfo infoBefore = program_.drawingInfo;
    bool changed = false;
    // The drawing is brought up to date before the listing shows the change log.
    const auto refreshIfChanged = [&] {
        if (changed || (program_.changes == changesBefore && program_.drawingInfo == infoBefore)) return;
        changed = true;
        Changed();
    };
    docs::ChangeCommandHooks hooks;
    hooks.editChange = [this](docs::AendRecord& record, int number, bool& abort) {
        EditChange(record, number, abort);
    };
    hooks.writeChangeLog = [this, &refreshIfChanged](bool toScreen) {
        refreshIfChanged();
        program_.PrintChangeLog(toScreen);
        program_.abort = false;  // a cancelled device choice ends the listing only
    };
    hooks.editDrawingInfo = [this](bool& abort) { DrawingInfoForm(abort); };
    program_.abort = false;
    docs::ChangeCommand(command, program_.changes, text::DateText(program_.settings.format), hooks,
                        program_.dialogs, program_.abort);
    program_.abort = false;
    refreshIfChanged();
}

void DocumentationCommands::DocumentSetup() {
    RunForm<TForm_confDoku>(program_.documents);
    if (!program_.abort) program_.caseFile.modified = true;
    program_.abort = false;
}

void DocumentationCommands::OpenDocument(int i) {
    docs::OpenLinkedDocument(program_.documents, i, program_.launcher, program_.dialogs);
    program_.abort = false;
}

}  // namespace trb::gui
