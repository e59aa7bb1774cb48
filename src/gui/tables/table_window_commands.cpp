// The menu commands of the table window.
#include <filesystem>

#include "app/program.h"
#include "config/config_file.h"
#include "gui/tables/table_grid.h"
#include "gui/tables/table_grid_model.h"
#include "gui/tables/table_window.h"
#include "help/show_help.h"
#include "report/table_export.h"
#include "tables/dbf_error.h"
#include "tables/file_handle.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

constexpr const char* kNotFound = "nicht gefunden";

}  // namespace

std::string Tdbf4::StartFolder() const {
    std::string folder = program_.caseFile.folder;
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::current_path(error).string();
    }
    return text::AddBackslash(folder);
}

// The table's own files are never the target of an export: writing there would destroy them.
bool Tdbf4::IsTableFile(const std::string& path) const {
    std::filesystem::path memo = table_->Path();
    memo.replace_extension(".dbt");
    return tables::SameFile(path, table_->Path()) || tables::SameFile(path, memo);
}

void Tdbf4::mi_fileExportHtmlClick() {
    if (!FinishEditing()) return;
    const std::string proposed = StartFolder() + table_->Path().stem().string() + ".htm";
    const auto chosen = program_.dialogs.ChooseSaveFile(proposed, "HTML files|*.HTM;*.HTML|All files|*.*");
    if (!chosen) return;
    if (IsTableFile(*chosen)) {
        ShowError(tables::DbfError(tables::DbfErrorCode::AlreadyInUse, *chosen));
        return;
    }
    bool abort = false;
    ui::AskOverwrite(*chosen, program_.dialogs, abort);
    if (abort) return;
    report::TablePageHeading heading;
    heading.version = std::string(config::kProgramVersion);
    heading.filePath = *chosen;
    heading.date = text::DateText(program_.settings.format);
    heading.time = text::TimeText();
    std::string page;
    if (!Try([&] { page = report::TableHtmlPage(*table_, heading, program_.settings.format); })) return;
    ui::WriteFileChecked(*chosen, page, program_.dialogs, abort);
    if (abort) return;
    program_.dialogs.FileWritten(*chosen);
    const std::string& browser = program_.settings.htmlBrowser;
    std::error_code error;
    if (!browser.empty() && !std::filesystem::exists(browser, error)) {
        program_.dialogs.ShowErrorBox(text::DisplayToOem(browser) + " not found");
    } else if (!program_.launcher.Start(browser, {*chosen})) {
        program_.dialogs.ShowErrorBox(
            ui::NothingCouldOpenText(*chosen, text::DisplayToOem(program_.launcher.FailureText())));
    }
}

void Tdbf4::mi_fileSaveAsDelimitedClick() {
    if (!FinishEditing()) return;
    const std::string proposed = StartFolder() + table_->Path().stem().string() + ".txt";
    const auto chosen = program_.dialogs.ChooseSaveFile(proposed, "txt|*.txt|All files|*.*");
    if (!chosen) return;
    // The table's own file is refused by the copy itself, without a question first.
    bool abort = false;
    if (!IsTableFile(*chosen)) ui::AskOverwrite(*chosen, program_.dialogs, abort);
    if (abort) return;
    UnderFileLock([&] { table_->CopyToDelimited(*chosen); });
}

void Tdbf4::mi_fileAppenddbfClick() {
    if (!FinishEditing()) return;
    std::string folder = StartFolder(), file;
    bool abort = false;
    program_.dialogs.AskOpenFile(5, folder, "*.dbf|*.dbf", file, abort);
    if (abort) return;
    const int record = CurrentRecord();
    UnderFileLock([&] { table_->AppendFrom(file); });
    Reload(record);
}

void Tdbf4::mi_fileAppendDelimitedClick() {
    if (!FinishEditing()) return;
    std::string folder = StartFolder(), file;
    bool abort = false;
    program_.dialogs.AskOpenFile(5, folder, "*.txt|*.txt", file, abort);
    if (abort) return;
    const int record = CurrentRecord();
    UnderFileLock([&] { table_->AppendFromDelimited(file); });
    Reload(record);
}

void Tdbf4::mi_filePrintClick() {
    if (!FinishEditing()) return;
    program_.abort = false;
    // The printout's questions set their own help numbers; the window's help is the table's again.
    const std::uint16_t helpNumber = program_.dialogs.CurrentHelpNumber();
    auto writer = program_.Writer();
    Try([&] {
        report::WriteTablePrintout(writer, report::kChooseDevice, *table_, windowTitle().toStdString());
    });
    program_.dialogs.SetHelpNumber(helpNumber);
    program_.abort = false;
}

// A copy of the current record (with the values set since) as a new last record, under the
// append lock; the copy becomes the current record.
void Tdbf4::mi_editAppendClick() {
    if (!FinishEditing()) return;
    const int record = CurrentRecord();
    int appended = record;
    Try([&] {
        if (!table_->ALock())
            throw tables::DbfError(tables::DbfErrorCode::FileNotLocked, table_->Path().string());
        try {
            if (record != 0) table_->Go(record);
            table_->AppendRec();
            appended = table_->RecordCount();
        } catch (...) {
            table_->UnLock();
            throw;
        }
        table_->UnLock();
    });
    Reload(appended);
}

void Tdbf4::mi_editPackClick() {
    if (!FinishEditing()) return;
    Try([&] { table_->Pack(); });
    Reload(table_->RecNo());
}

void Tdbf4::mi_viewSearchClick() {
    if (table_ == nullptr) return;
    ui::Dialogs& dialogs = program_.dialogs;
    const std::uint16_t previous = dialogs.CurrentHelpNumber();
    dialogs.SetHelpNumber(help::kHelpTableSearch);
    bool abort = false;
    std::string text = lastSearch_;
    dialogs.AskText("Suchbegriff eingeben", 50, text, abort);
    dialogs.SetHelpNumber(previous);
    if (abort) return;
    lastSearch_ = text;
    Search(true);
}

void Tdbf4::mi_viewSearchNextClick() {
    if (table_ != nullptr) Search(false);
}

// Searches from the first record or from the one after the current; a miss leaves the current
// record and says so.
void Tdbf4::Search(bool fromFirst) {
    if (!FinishEditing()) return;
    const int current = CurrentRecord();
    bool found = false;
    if (!Try([&] {
            if (current != 0) table_->Go(current);
            found = table_->Search(lastSearch_, fromFirst);
        }))
        return;
    if (!found) {
        program_.dialogs.ShowNoteBox(lastSearch_ + " " + kNotFound);
        return;
    }
    ShowRecord(table_->RecNo());
}

void Tdbf4::ShowHelpText(int number) {
    if (help_.showText) {
        help_.showText(number);
        return;
    }
    bool abort = false;
    help::ShowHelp(program_.dialogs, program_.settings.pltFolder, number, help::kTextOnly, {}, abort);
}

void Tdbf4::mi_helpdbfClick() {
    ShowHelpText(program_.dialogs.CurrentHelpNumber());
}

void Tdbf4::mi_helpCommonClick() {
    ShowHelpText(help::kHelpTableCommon);
}

void Tdbf4::mi_helphilfebildClick() {
    if (help_.browsePictures) {
        help_.browsePictures();
        return;
    }
    program_.dialogs.ShowNoteBox("Hilfebilder sind nicht verf\x81gbar.");
}

void Tdbf4::mi_helpDateiClick() {
    if (table_ != nullptr) program_.dialogs.ShowNoteBox(text::DisplayToOem(table_->Path().string()));
}

}  // namespace trb::gui
