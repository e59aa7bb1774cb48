#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <string>

#include "gui/tables/table_navigator.h"
#include "tables/table_window.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace trb::app {
class Program;
}

namespace trb::gui {

class TableGrid;
class TableGridModel;

// What the Help items of the table window show.
struct TableWindowHelp {
    // The help text of a number. Empty: the help box with the entry from the help files.
    std::function<void(int number)> showText;
    // The help-picture browser. Empty: a message that it is not available.
    std::function<void()> browsePictures;
};

// The table window: one dBase table in a grid with a record navigator, either to choose a record
// (selection mode: read-only grid, deleted records hidden, the moving buttons only) or to edit the
// table (editing mode: every command, deleted records shown and marked). It searches, sorts by a
// column (a click on its title builds an index), packs, appends from another table or a delimited
// text file, saves as delimited text, exports an HTML page and prints through the report writer.
// Every change goes through the table engine with its locks. One instance lives with the main
// window and is shown for each use.
class Tdbf4 : public QDialog, public tables::TableWindow {
  public:
    explicit Tdbf4(app::Program& program, QWidget* parent = nullptr);
    ~Tdbf4() override;

    bool ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int mode) override;
    void RefreshGraphicsWindow() override;

    void SetHelp(TableWindowHelp help) { help_ = std::move(help); }

    // Where the window was left with OK: the record, the grid row and column (from 1).
    int ChosenRecord() const { return chosenRecord_; }
    int ChosenRow() const { return chosenRow_; }
    int ChosenColumn() const { return chosenColumn_; }
    // Qt::Key_Return after OK, Qt::Key_Escape after Cancel.
    int LastKey() const { return lastKey_; }

    // OK and "&Beenden": finishes a pending edit and keeps the current record for the caller.
    void accept() override;
    // Cancel and Esc: drops a pending edit.
    void reject() override;

  private:
    void BuildMenu();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, void (Tdbf4::*command)());
    void SetUpMode();
    void SetCaptions();
    void FitToTable();

    // ----- events -----
    void CurrentRowChanged(int row, int previous);
    void CellClicked();
    void TitleClicked(int column);
    void Navigate(TableNavigator::Button button);
    void Written(int record);

    // ----- menu commands -----
    void mi_fileExportHtmlClick();
    void mi_fileSaveAsDelimitedClick();
    void mi_fileAppenddbfClick();
    void mi_fileAppendDelimitedClick();
    void mi_filePrintClick();
    void mi_editAppendClick();
    void mi_editPackClick();
    void mi_viewSearchClick();
    void mi_viewSearchNextClick();
    void mi_helpdbfClick();
    void mi_helpCommonClick();
    void mi_helphilfebildClick();
    void mi_helpDateiClick();

    // ----- helpers -----
    // Runs engine work; an engine error is shown and gives false. The hourglass shows meanwhile.
    bool Try(const std::function<void()>& work);
    // The same under the table's file lock.
    bool UnderFileLock(const std::function<void()>& work);
    void ShowError(const std::exception& error);
    // Stores an open cell editor and posts a new row; false when the new row could not be stored.
    bool FinishEditing();
    void Search(bool fromFirst);
    void ShowHelpText(int number);
    int CurrentRecord() const;
    // Makes the record's row current (the first row when it is not shown).
    void ShowRecord(int record);
    // Reads the records again and returns to the record.
    void Reload(int record);
    void UpdateRecordLabel();
    // The folder the file dialogs start in, with "/".
    std::string StartFolder() const;
    bool IsTableFile(const std::string& path) const;

    app::Program& program_;
    tables::DbfTable* table_ = nullptr;
    tables::TableWindowView view_;
    int mode_ = tables::kSelectionMode;
    TableWindowHelp help_;
    std::string lastSearch_;  // code page 850
    int chosenRecord_ = 0;
    int chosenRow_ = 0;
    int chosenColumn_ = 0;
    int lastKey_ = 0;

    QFont baseFont_;
    QMenuBar* menuBar_ = nullptr;
    TableGrid* grid_ = nullptr;
    TableGridModel* model_ = nullptr;
    TableNavigator* navigator_ = nullptr;
    QLabel* title1_ = nullptr;
    QLabel* title2_ = nullptr;
    QLabel* fileName_ = nullptr;
    QLabel* recNo_ = nullptr;
};

}  // namespace trb::gui
