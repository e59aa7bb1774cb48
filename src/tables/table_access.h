#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "core/real.h"
#include "core/run_status.h"
#include "tables/dbf_table.h"
#include "tables/table_window.h"
#include "ui/dialogs.h"

namespace trb::tables {

// Where the reference tables live.
struct TableFolders {
    std::filesystem::path dbfFolder;      // the configured dBase folder
    std::filesystem::path tempFolder;     // copies of write-protected tables, sort indexes (empty: none)
    std::filesystem::path workingFolder;  // a "printout.dbf" here is preferred
    // The user's configuration folder: printout settings that the dBase folder cannot take are kept
    // here (empty: in the temporary folder, until the program ends).
    std::filesystem::path userFolder;
};

// The folders from the settings: an empty dBase folder means the program's data folder; the
// temporary folder is the process's private one inside the configured temporary folder; the user
// folder is the per-user configuration folder.
TableFolders FoldersFromSettings(const config::ConfigSettings& settings,
                                 const std::filesystem::path& workingFolder);

// The one open table of the program and every operation callers use on it. Failures are shown
// through the dialogs (engine errors with their German text) and set the abort flag; the caller
// tests it right after the call and resets it.
class TableAccess {
  public:
    TableAccess(TableWindow& window, ui::Dialogs& dialogs, TableFolders folders);

    DbfTable& Dataset() { return table_; }
    const TableFolders& Folders() const { return folders_; }
    void SetFolders(TableFolders folders) { folders_ = std::move(folders); }

    // Opens a table of the dBase folder ("name" or "name.ext"; ".dbf" added when the name has no
    // extension). When the folder refuses a test write, the table's files are copied into the
    // temporary folder and the copy is opened.
    void OpenTable(std::string_view name, bool& abort);
    // The same, and a table file that is write-protected in a writable folder is also worked on as a
    // copy in the temporary folder, with the copy made writable.
    void OpenTableCopyingReadOnly(std::string_view name, bool& abort);
    void OpenTableFile(const std::filesystem::path& path, bool& abort);
    void CloseTable();
    bool IsOpen() const { return table_.IsOpen(); }
    // True when the open table is a copy in the temporary folder.
    bool WorkingOnCopy() const { return workingOnCopy_; }

    // Makes record n current; beyond the end it takes the last record and adds
    // "DBF #n not found." to the run's messages.
    void GoRecord(int n, core::RunStatus& status, bool& abort);
    // Both titles as code page 850 texts; they are shown converted for display.
    void SetTableTitles(std::string_view title1, std::string_view title2);
    // The table window in selection mode; on OK `chosenRecord` is the current record number.
    void ShowTableForSelection(int& chosenRecord, bool& abort);
    // Opens the table, shows it for editing with the help number and closes it again.
    void ShowTableForEditing(std::string_view name, std::uint16_t helpNumber, bool& abort);
    // Builds "<temporary folder>/<table name>.ndx" for the expression and orders the table by it.
    void BuildSortIndex(std::string_view expression, std::string_view tableName, bool& abort);

    // The name of field `column`; empty for 0 or a column beyond the field count.
    std::string FieldName(int column) const;
    std::string ReadFieldText(int column, bool& abort);
    // Field `field` of record `record` as text; empty when either lies outside the table.
    std::string PeekText(int record, int field, bool& abort);
    bool ReadLogical(std::string_view fieldName, bool& abort);
    // Put a value into the named field of the record buffer (only the first 10 characters of the
    // name count).
    void SetTextField(std::string_view fieldName, std::string_view text, bool& abort);
    void SetRealField(std::string_view fieldName, real value, bool& abort);
    void SetIntegerField(std::string_view fieldName, long value, bool& abort);
    void SetLogicalField(std::string_view fieldName, bool value, bool& abort);
    // Appends the record buffer under the append lock.
    void AppendRecord(bool& abort);
    int RecordNumber() const { return table_.IsOpen() ? table_.RecNo() : 0; }
    int RecordCount() const { return table_.IsOpen() ? table_.RecordCount() : 0; }

    ui::Dialogs& Dialogs() { return dialogs_; }

  private:
    void OpenChecked(std::string_view name, bool copyReadOnly, bool& abort);
    // False (shown, abort flag set) when there is no private temporary folder to work in.
    bool TemporaryFolderUsable(bool& abort);
    std::filesystem::path CopyToTemporary(const std::filesystem::path& table, bool& abort);
    void Fail(const std::exception& error, bool& abort);
    int FieldOrFail(std::string_view name, bool& abort);

    TableWindow& window_;
    ui::Dialogs& dialogs_;
    TableFolders folders_;
    DbfTable table_;
    TableWindowView view_;
    bool workingOnCopy_ = false;
};

// The text of an engine error as the user reads it (code page 850): the error's own text and,
// after " : ", what it concerns (a file by its name without folder).
std::string DbfErrorMessage(const std::exception& error);

// The table name with ".dbf" added when it has no extension.
std::string TableFileName(std::string_view name);

}  // namespace trb::tables
