#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <memory>
#include <string>

#include "app/program.h"
#include "core/record.h"
#include "gui/input/input_context.h"
#include "tables/dbf_table.h"
#include "tables/table_window.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::gui::testing {

// The application object the widgets need; created once for the whole test program.
inline void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "input_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives until the test program ends
}

// A table window that "chooses" a fixed record without showing anything; 0 cancels.
class ChoosingTableWindow : public tables::TableWindow {
  public:
    bool ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int mode) override {
        shownTitle = view.title2;
        shownMode = mode;
        startRecord = table.RecNo();
        if (choose == 0) return false;
        table.Go(choose);
        return true;
    }
    int choose = 0;
    int startRecord = 0;
    int shownMode = 0;
    std::string shownTitle;
};

// A fresh program state with scripted questions and the shipped reference tables, and the
// context the case dialogs are built with.
class InputFixture {
  public:
    InputFixture()
        : tables(window, dialogs, tables::FoldersFromSettings(program.settings, {})),
          context{program.record,   program.status, program.abort,
                  program.settings, program.texts,  program.dialogs,
                  tables,           steps,          {},
                  nullptr} {
        EnsureApplication();
        program.settings.dbfFolder = TRB_SOURCE_DATA_DIR;
        tables.SetFolders(tables::FoldersFromSettings(program.settings, {}));
        core::LoadExampleCase(program.record);
    }

    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    app::Program program{dialogs, launcher};
    ChoosingTableWindow window;
    tables::TableAccess tables;
    core::ToleranceSteps steps;
    InputContext context;
};

template <class Widget = QLineEdit>
Widget* Find(QWidget& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

inline std::string FieldText(QWidget& dialog, const char* name) {
    return Find<QLineEdit>(dialog, name)->text().toStdString();
}

inline void SetField(QWidget& dialog, const char* name, const char* text) {
    Find<QLineEdit>(dialog, name)->setText(QString::fromUtf8(text));
}

inline void Click(QWidget& dialog, const char* name) {
    Find<QPushButton>(dialog, name)->click();
}

inline std::string Caption(QWidget& dialog, const char* name) {
    return Find<QPushButton>(dialog, name)->text().toStdString();
}

}  // namespace trb::gui::testing
