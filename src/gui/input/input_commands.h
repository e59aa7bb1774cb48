#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "app/program.h"
#include "gui/input/input_context.h"
#include "gui/tables/table_window.h"

class QWidget;

namespace trb::gui {

// What the input commands need from the main window.
struct InputHooks {
    // Redraws the result view after a calculation run.
    std::function<void()> refreshAfterRun;
    // The title-data dialog that starts the quick input; sets the abort flag when cancelled.
    // Empty: the quick input starts with the geometry dialog.
    std::function<void()> titleData;
    // The viewer of the run's messages at the end of the quick input. Empty: the message list with
    // cause and remedy from the catalogue.
    std::function<void()> showRunMessages;
    // The table window the DIN 1850 choice is shown in. Null: one of the commands' own.
    tables::TableWindow* tableWindow = nullptr;
    InputHelp help;
};

// The Edit commands that open the case dialogs: each dialog command runs the calculation and
// redraws afterwards, also after Cancel, and marks the case as changed when the case (as its file
// would hold it) is no longer the same: a dialog cancelled without change leaves it unchanged.
class InputCommands {
  public:
    InputCommands(app::Program& program, QWidget* mainWindow, InputHooks hooks);
    ~InputCommands();
    InputCommands(const InputCommands&) = delete;
    InputCommands& operator=(const InputCommands&) = delete;

    void EditBaseData();        // "&Basisdaten": the geometry dialog
    void EditLubrication();     // "&Schmierung": the lubrication dialog
    void EditLimits();          // "&Grenzwerte": the limits dialog
    void EditQuick();           // "&Quick": the quick input, then the redraw
    void ViscosityConverter();  // the viscosity converter; changes nothing in the case

    // Title data, geometry, lubrication and limits, each only after the previous one was
    // confirmed; then the calculation, and the message viewer when all were confirmed. New uses it
    // after the pre-dimensioning. Leaves the abort flag clear.
    void QuickInput();

    // The main window's parts the commands use; they may be set or replaced at any time.
    InputHooks& Hooks() { return hooks_; }

    // The context the dialogs are built with (the table folders follow the current settings).
    InputContext Context();

    // The table window the table access shows its tables in: the main window's, else an own one.
    tables::TableWindow& TableWindow();

  private:
    class ForwardingWindow;
    template <class Form>
    void RunDialog();
    void Calculate();
    void FinishEdit(const std::string& before);
    // The case as its file would hold it.
    std::string CaseText();
    void MarkChangedSince(const std::string& before);

    app::Program& program_;
    QWidget* mainWindow_;
    InputHooks hooks_;
    QPointer<Tdbf4> ownWindow_;
    std::unique_ptr<ForwardingWindow> window_;
    tables::TableAccess tables_;
    core::ToleranceSteps steps_;
};

}  // namespace trb::gui
