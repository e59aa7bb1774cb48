#include "tables/table_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "config/config_file.h"
#include "config/temporary_folder.h"
#include "core/messages.h"
#include "tables/dbf_error.h"
#include "text/cp850.h"
#include "ui/checked_file.h"

namespace trb::tables {

namespace {

constexpr const char* kWriteCheckFile = "TEST.$$$";

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameStem(const std::filesystem::path& a, const std::filesystem::path& b) {
    const std::string x = a.stem().string(), y = b.stem().string();
    return x.size() == y.size() &&
           std::equal(x.begin(), x.end(), y.begin(), [](char p, char q) { return Lower(p) == Lower(q); });
}

// Creates the test file in the folder and writes one line; true when the folder takes writes. The
// file is created exclusively, never opened over something that exists: a link planted under its
// name would lead the write elsewhere. Whatever stands under the name fails the check, so the
// table is used as a copy, which is always safe.
bool FolderTakesWrites(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / kWriteCheckFile;
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    static constexpr char kLine[] = "DBF Write Check\n";
    const bool written = ::write(fd, kLine, sizeof kLine - 1) == static_cast<ssize_t>(sizeof kLine - 1);
    const bool closed = ::close(fd) == 0;
    ::unlink(probe.c_str());
    return written && closed;
}

bool CarriesReadOnlyAttribute(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string TableFileName(std::string_view name) {
    std::string file(name);
    if (file.find('.') == std::string::npos) file += ".dbf";
    return file;
}

std::string DbfErrorMessage(const std::exception& error) {
    std::string text = error.what();
    const auto* dbf = dynamic_cast<const DbfError*>(&error);
    if (dbf == nullptr) return text;
    const std::string& detail = dbf->Detail();
    // Files are named by the file system's bytes (UTF-8); the message is code page 850.
    if (!detail.empty())
        text += " : " + text::DisplayToOem(detail.front() == '/'
                                               ? std::filesystem::path(detail).filename().string()
                                               : detail);
    if (!dbf->Note().empty()) text += (detail.empty() ? " : " : ", ") + dbf->Note();
    return text;
}

TableFolders FoldersFromSettings(const config::ConfigSettings& settings,
                                 const std::filesystem::path& workingFolder) {
    TableFolders folders;
    folders.dbfFolder = settings.dbfFolder.empty() ? std::filesystem::path(config::DataFolder())
                                                   : std::filesystem::path(settings.dbfFolder);
    folders.tempFolder = config::PrivateTemporaryFolder(settings.tempFolder);
    folders.workingFolder = workingFolder;
    folders.userFolder = config::DefaultConfigPlaces().fallbackFolder;
    return folders;
}

TableAccess::TableAccess(TableWindow& window, ui::Dialogs& dialogs, TableFolders folders)
    : window_(window), dialogs_(dialogs), folders_(std::move(folders)) {}

void TableAccess::Fail(const std::exception& error, bool& abort) {
    dialogs_.ShowErrorBox(DbfErrorMessage(error));
    abort = true;
}

bool TableAccess::TemporaryFolderUsable(bool& abort) {
    if (!folders_.tempFolder.empty()) return true;
    Fail(DbfError(DbfErrorFromErrno(ENOENT), "trb-XXXXXX"), abort);
    return false;
}

std::filesystem::path TableAccess::CopyToTemporary(const std::filesystem::path& table, bool& abort) {
    if (!TemporaryFolderUsable(abort)) return {};
    try {
        std::filesystem::create_directories(folders_.tempFolder);
        for (const auto& entry : std::filesystem::directory_iterator(table.parent_path())) {
            if (!entry.is_regular_file() || !SameStem(entry.path(), table)) continue;
            const std::filesystem::path copy = folders_.tempFolder / entry.path().filename();
            // An earlier copy may itself be write-protected; it is replaced.
            std::error_code ignored;
            std::filesystem::remove(copy, ignored);
            std::filesystem::copy_file(entry.path(), copy, std::filesystem::copy_options::overwrite_existing);
            std::filesystem::permissions(
                copy, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                std::filesystem::perm_options::add);
        }
    } catch (const std::filesystem::filesystem_error& e) {
        Fail(DbfError(DbfErrorFromErrno(e.code().value()), e.path1().string()), abort);
        return {};
    }
    return folders_.tempFolder / table.filename();
}

void TableAccess::OpenChecked(std::string_view name, bool copyReadOnly, bool& abort) {
    CloseTable();
    const std::filesystem::path path = folders_.dbfFolder / TableFileName(name);
    if (!ui::CheckReadable(path.string(), dialogs_, abort)) {
        abort = true;
        return;
    }
    std::filesystem::path open = path;
    bool copy = !FolderTakesWrites(folders_.dbfFolder);
    if (!copy && copyReadOnly && CarriesReadOnlyAttribute(path)) copy = true;
    if (copy) {
        open = CopyToTemporary(path, abort);
        if (abort) return;
    }
    OpenTableFile(open, abort);
    workingOnCopy_ = copy && !abort;
}

void TableAccess::OpenTable(std::string_view name, bool& abort) {
    OpenChecked(name, false, abort);
}

void TableAccess::OpenTableCopyingReadOnly(std::string_view name, bool& abort) {
    OpenChecked(name, true, abort);
}

void TableAccess::OpenTableFile(const std::filesystem::path& path, bool& abort) {
    CloseTable();
    dialogs_.SetBusy(true);
    try {
        table_.Open(path);
        view_.filePath = path.string();
    } catch (const std::exception& e) {
        dialogs_.SetBusy(false);
        Fail(e, abort);
        return;
    }
    dialogs_.SetBusy(false);
}

void TableAccess::CloseTable() {
    table_.Close();
    workingOnCopy_ = false;
    view_.filePath.clear();
    dialogs_.SetBusy(false);
}

void TableAccess::GoRecord(int n, core::RunStatus& status, bool& abort) {
    try {
        if (!table_.IsOpen()) throw DbfError(DbfErrorCode::NotOpen);
        const int count = table_.RecordCount();
        if (count < n) {
            status.AddMessage(core::MsgRecordNotFound(n));
            n = count;
        }
        if (n >= 1) table_.Go(n);
    } catch (const std::exception& e) {
        Fail(e, abort);
    }
}

void TableAccess::SetTableTitles(std::string_view title1, std::string_view title2) {
    view_.title1 = text::OemToDisplay(title1, dialogs_.Format());
    view_.title2 = text::OemToDisplay(title2, dialogs_.Format());
}

void TableAccess::ShowTableForSelection(int& chosenRecord, bool& abort) {
    view_.workingOnCopy = workingOnCopy_;
    try {
        table_.SetShowDeleted(false);
        if (window_.ShowTableWindow(table_, view_, kSelectionMode)) {
            chosenRecord = table_.RecNo();
            abort = false;
        } else {
            abort = true;
        }
    } catch (const std::exception& e) {
        Fail(e, abort);
    }
}

void TableAccess::ShowTableForEditing(std::string_view name, std::uint16_t helpNumber, bool& abort) {
    OpenTable(name, abort);
    if (abort) return;
    SetTableTitles("", name);
    dialogs_.SetHelpNumber(helpNumber);
    view_.workingOnCopy = workingOnCopy_;
    try {
        table_.SetShowDeleted(true);
        if (!window_.ShowTableWindow(table_, view_, kEditingMode)) abort = true;
    } catch (const std::exception& e) {
        Fail(e, abort);
    }
    CloseTable();
}

void TableAccess::BuildSortIndex(std::string_view expression, std::string_view tableName, bool& abort) {
    if (!TemporaryFolderUsable(abort)) return;
    const std::filesystem::path index =
        folders_.tempFolder / std::filesystem::path(std::string(tableName)).stem();
    try {
        std::filesystem::path file = index;
        file += ".ndx";
        table_.IndexOn(expression, file);
        table_.SetIndexTo(file);
    } catch (const std::exception& e) {
        Fail(e, abort);
    }
}

std::string TableAccess::FieldName(int column) const {
    if (!table_.IsOpen() || column < 1 || column > table_.FieldCount()) return {};
    return table_.Field(column);
}

std::string TableAccess::ReadFieldText(int column, bool& abort) {
    try {
        return table_.SField(column);
    } catch (const std::exception& e) {
        Fail(e, abort);
        return {};
    }
}

std::string TableAccess::PeekText(int record, int field, bool& abort) {
    if (!table_.IsOpen() || record < 1 || record > table_.RecordCount() || field < 1 ||
        field > table_.FieldCount())
        return {};
    try {
        return table_.Peek(record, field);
    } catch (const std::exception& e) {
        Fail(e, abort);
        return {};
    }
}

int TableAccess::FieldOrFail(std::string_view name, bool& abort) {
    try {
        if (!table_.IsOpen()) throw DbfError(DbfErrorCode::NotOpen);
        const int field = table_.FieldIndex(name);
        if (field == 0) throw DbfError(DbfErrorCode::InvalidField, std::string(name.substr(0, 10)));
        return field;
    } catch (const std::exception& e) {
        Fail(e, abort);
        return 0;
    }
}

bool TableAccess::ReadLogical(std::string_view fieldName, bool& abort) {
    const int field = FieldOrFail(fieldName, abort);
    return field != 0 && table_.LogicalValue(field);
}

void TableAccess::SetTextField(std::string_view fieldName, std::string_view text, bool& abort) {
    if (const int field = FieldOrFail(fieldName, abort)) try {
            table_.SetFieldText(field, text);
        } catch (const std::exception& e) {
            Fail(e, abort);
        }
}

void TableAccess::SetRealField(std::string_view fieldName, real value, bool& abort) {
    if (const int field = FieldOrFail(fieldName, abort)) try {
            table_.SetFieldNumber(field, value);
        } catch (const std::exception& e) {
            Fail(e, abort);
        }
}

void TableAccess::SetIntegerField(std::string_view fieldName, long value, bool& abort) {
    SetRealField(fieldName, static_cast<real>(value), abort);
}

void TableAccess::SetLogicalField(std::string_view fieldName, bool value, bool& abort) {
    if (const int field = FieldOrFail(fieldName, abort)) try {
            table_.SetFieldLogical(field, value);
        } catch (const std::exception& e) {
            Fail(e, abort);
        }
}

void TableAccess::AppendRecord(bool& abort) {
    try {
        if (!table_.IsOpen()) throw DbfError(DbfErrorCode::NotOpen);
        // A refused lock must not pass for a stored record: the user is told.
        if (!table_.ALock()) throw DbfError(DbfErrorCode::LockViolation, table_.Path().string());
        try {
            table_.AppendRec();
        } catch (...) {
            table_.UnLock();
            throw;
        }
        table_.UnLock();
    } catch (const std::exception& e) {
        Fail(e, abort);
    }
}

}  // namespace trb::tables
