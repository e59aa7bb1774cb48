#include "gui/input/input_commands.h"

#include <filesystem>

#include "casefile/case_format.h"
#include "core/calculation.h"
#include "gui/input/geometry_dialog.h"
#include "gui/input/limits_dialog.h"
#include "gui/input/lubrication_dialog.h"
#include "gui/input/viscosity_converter.h"
#include "report/run_messages.h"

namespace trb::gui {

// Hands the table to the table window that is set at the time.
class InputCommands::ForwardingWindow : public tables::TableWindow {
  public:
    explicit ForwardingWindow(InputCommands& commands) : commands_(commands) {}
    bool ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int mode) override {
        return commands_.TableWindow().ShowTableWindow(table, view, mode);
    }
    void RefreshGraphicsWindow() override { commands_.TableWindow().RefreshGraphicsWindow(); }

  private:
    InputCommands& commands_;
};

namespace {

std::filesystem::path WorkingFolder() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

}  // namespace

InputCommands::InputCommands(app::Program& program, QWidget* mainWindow, InputHooks hooks)
    : program_(program),
      mainWindow_(mainWindow),
      hooks_(std::move(hooks)),
      window_(std::make_unique<ForwardingWindow>(*this)),
      tables_(*window_, program.dialogs, tables::FoldersFromSettings(program.settings, WorkingFolder())) {}

InputCommands::~InputCommands() {
    delete ownWindow_.data();
}

tables::TableWindow& InputCommands::TableWindow() {
    if (hooks_.tableWindow) return *hooks_.tableWindow;
    if (!ownWindow_) ownWindow_ = new Tdbf4(program_, mainWindow_);
    return *ownWindow_;
}

InputContext InputCommands::Context() {
    tables_.SetFolders(tables::FoldersFromSettings(program_.settings, WorkingFolder()));
    return InputContext{program_.record,  program_.status, program_.abort, program_.settings, program_.texts,
                        program_.dialogs, tables_,         steps_,         hooks_.help,       mainWindow_};
}

template <class Form>
void InputCommands::RunDialog() {
    InputContext context = Context();
    Form form(context, mainWindow_);
    // A dialog closed in any other way than by OK counts as cancelled.
    program_.abort = form.exec() != QDialog::Accepted;
}

void InputCommands::Calculate() {
    program_.dialogs.SetBusy(true);
    core::RunCalculation(program_.record, program_.status, program_.abort);
    program_.dialogs.SetBusy(false);
}

std::string InputCommands::CaseText() {
    return casefile::CaseText(program_.CaseFiles().content, program_.settings.format);
}

void InputCommands::MarkChangedSince(const std::string& before) {
    if (CaseText() != before) program_.caseFile.modified = true;
}

void InputCommands::FinishEdit(const std::string& before) {
    // A cancelled dialog stored nothing; the run starts clean so that it shows the converged
    // state of the case rather than a single iteration step.
    program_.abort = false;
    Calculate();
    program_.abort = false;
    if (hooks_.refreshAfterRun) hooks_.refreshAfterRun();
    MarkChangedSince(before);
}

void InputCommands::EditBaseData() {
    const std::string before = CaseText();
    RunDialog<TForm_trbinp1>();
    FinishEdit(before);
}

void InputCommands::EditLubrication() {
    const std::string before = CaseText();
    RunDialog<TForm_trbinp2>();
    FinishEdit(before);
}

void InputCommands::EditLimits() {
    const std::string before = CaseText();
    RunDialog<TForm_trbinp3>();
    FinishEdit(before);
}

void InputCommands::QuickInput() {
    const std::string before = CaseText();
    program_.abort = false;
    if (hooks_.titleData) hooks_.titleData();
    if (!program_.abort) RunDialog<TForm_trbinp1>();
    if (!program_.abort) RunDialog<TForm_trbinp2>();
    if (!program_.abort) RunDialog<TForm_trbinp3>();
    const bool confirmed = !program_.abort;
    program_.abort = false;
    Calculate();
    program_.abort = false;
    MarkChangedSince(before);
    if (!confirmed) return;
    if (hooks_.showRunMessages) {
        hooks_.showRunMessages();
    } else {
        report::ShowRunMessages(program_.RunMessages(), program_.abort);
    }
    program_.abort = false;
}

void InputCommands::EditQuick() {
    // The case was calculated in any case, and a dialog confirmed before a later one was cancelled
    // has stored its fields (QuickInput marks the case changed then).
    QuickInput();
    if (hooks_.refreshAfterRun) hooks_.refreshAfterRun();
}

void InputCommands::ViscosityConverter() {
    TForm_viskot form(program_.abort, program_.settings, mainWindow_);
    form.exec();
    program_.abort = false;
}

}  // namespace trb::gui
