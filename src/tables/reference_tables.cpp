#include "tables/reference_tables.h"

#include "tables/dbf_error.h"
#include "text/cp850.h"
#include "ui/help_numbers.h"

namespace trb::tables {

namespace {

constexpr int kPrintoutNameLength = 25;
constexpr const char* kPrintoutTable = "printout.dbf";

bool IsThere(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

// True when the open printout table is a copy in the temporary folder, gone when the program ends.
bool OnTemporaryTable(TableAccess& access) {
    const std::filesystem::path& temporary = access.Folders().tempFolder;
    std::error_code error;
    return !temporary.empty() && access.IsOpen() &&
           std::filesystem::equivalent(access.Dataset().Path().parent_path(), temporary, error);
}

// Settings about to be stored in a temporary copy go to the user's folder instead: the copy (with
// whatever the dBase folder's table holds) moves there and is opened, and the user is told where
// the settings are kept from now on. False (shown, abort set) when the folder cannot take it.
void TakeOverIntoUserFolder(TableAccess& access, bool& abort) {
    const std::filesystem::path copy = access.Dataset().Path();
    const std::filesystem::path own = access.Folders().userFolder / kPrintoutTable;
    access.CloseTable();
    try {
        std::filesystem::create_directories(access.Folders().userFolder);
        std::filesystem::copy_file(copy, own);
    } catch (const std::filesystem::filesystem_error& e) {
        access.Dialogs().ShowErrorBox(
            DbfErrorMessage(DbfError(DbfErrorFromErrno(e.code().value()), own.string())));
        abort = true;
        return;
    }
    access.OpenTableFile(own, abort);
    if (abort) return;
    access.Dialogs().ShowNoteBox("Der DBF-Ordner " + text::DisplayToOem(access.Folders().dbfFolder.string()) +
                                 " ist schreibgesch\x81tzt: die Druckeinstellungen werden in " +
                                 text::DisplayToOem(own.string()) + " gespeichert.");
}

}  // namespace

std::optional<Din1850Bushing> SelectDin1850Bushing(TableAccess& access, std::uint16_t& din1850rec,
                                                   core::RunStatus& status, bool& abort) {
    access.SetTableTitles("", "DIN 1850 G");
    access.OpenTable("din1850g", abort);
    if (abort) {
        abort = false;
        return std::nullopt;
    }
    const std::string expression =
        access.FieldName(1) + "*10000+" + access.FieldName(2) + "*100+" + access.FieldName(3);
    access.BuildSortIndex(expression, "din1850g", abort);
    abort = false;  // an unsorted list still serves; the failure has been shown
    if (din1850rec != 0) access.GoRecord(din1850rec, status, abort);
    access.Dialogs().SetHelpNumber(help::kHelpDin1850Table);
    int chosen = 0;
    access.ShowTableForSelection(chosen, abort);
    std::optional<Din1850Bushing> result;
    if (!abort && chosen > 0) {
        din1850rec = static_cast<std::uint16_t>(chosen);
        result = Din1850Bushing{access.ReadFieldText(1, abort), access.ReadFieldText(2, abort),
                                access.ReadFieldText(3, abort)};
    }
    access.CloseTable();
    abort = false;
    return result;
}

std::string ReadReferenceCell(TableAccess& access, std::string_view table, int record, int field,
                              bool& abort) {
    access.OpenTable(table, abort);
    if (abort) return {};
    std::string text = access.PeekText(record, field, abort);
    access.CloseTable();
    return text;
}

std::vector<DbfField> PrintoutFields() {
    return {{"NAME", 'C', kPrintoutNameLength, 0},
            {"XSCALE", 'N', 10, 4},
            {"YSCALE", 'N', 10, 4},
            {"XORIGIN", 'N', 6, 0},
            {"YORIGIN", 'N', 6, 0},
            {"LANDSCAPE", 'L', 1, 0},
            {"MONOCHROM", 'L', 1, 0},
            {"VARIABLE", 'L', 1, 0},
            {"BORDERLINE", 'L', 1, 0}};
}

void OpenPrintoutTable(TableAccess& access, bool& abort) {
    // The working folder's table first, then the user's own (settings the dBase folder could not
    // take), then the dBase folder's.
    for (const std::filesystem::path& folder :
         {access.Folders().workingFolder, access.Folders().userFolder}) {
        if (!folder.empty() && IsThere(folder / kPrintoutTable)) {
            access.OpenTableFile(folder / kPrintoutTable, abort);
            return;
        }
    }
    std::error_code error;
    const std::filesystem::path shared = access.Folders().dbfFolder / kPrintoutTable;
    if (!std::filesystem::exists(shared, error)) {
        try {
            DbfTable::Create(shared, PrintoutFields());
        } catch (const DbfError&) {
            // A dBase folder without write access: the empty table is made in the temporary folder.
            const std::filesystem::path temporary = access.Folders().tempFolder / kPrintoutTable;
            try {
                if (!std::filesystem::exists(temporary, error)) DbfTable::Create(temporary, PrintoutFields());
            } catch (const DbfError& e) {
                access.Dialogs().ShowErrorBox(e.what());
                abort = true;
                return;
            }
            access.OpenTableFile(temporary, abort);
            return;
        }
    }
    access.OpenTableCopyingReadOnly("printout", abort);
}

std::optional<PrintoutRecord> ChoosePrintoutRecord(TableAccess& access, int& printoutRecord,
                                                   core::RunStatus& status, bool& abort) {
    OpenPrintoutTable(access, abort);
    if (abort) return std::nullopt;
    access.SetTableTitles("Printout", "");
    if (printoutRecord != 0) access.GoRecord(printoutRecord, status, abort);
    access.Dialogs().SetHelpNumber(help::kHelpPrintoutTable);
    int chosen = 0;
    access.ShowTableForSelection(chosen, abort);
    std::optional<PrintoutRecord> result;
    if (!abort && chosen > 0) {
        printoutRecord = chosen;
        PrintoutRecord r;
        r.xscale = access.ReadFieldText(2, abort);
        r.yscale = access.ReadFieldText(3, abort);
        r.xorigin = access.ReadFieldText(4, abort);
        r.yorigin = access.ReadFieldText(5, abort);
        r.landscape = access.ReadLogical("landscape", abort);
        r.monochrom = access.ReadLogical("monochrom", abort);
        r.variable = access.ReadLogical("variable", abort);
        r.borderline = access.ReadLogical("borderline", abort);
        result = r;
    }
    access.CloseTable();
    return result;
}

void AppendPrintoutRecord(TableAccess& access, const PrintoutValues& values, bool& abort) {
    OpenPrintoutTable(access, abort);
    if (abort) return;
    std::string name;
    access.Dialogs().AskText("Name", kPrintoutNameLength, name, abort);
    if (!abort && OnTemporaryTable(access) && !access.Folders().userFolder.empty())
        TakeOverIntoUserFolder(access, abort);
    if (!abort) {
        access.SetTextField("name", name, abort);
        access.SetRealField("xscale", values.xscale, abort);
        access.SetRealField("yscale", values.yscale, abort);
        access.SetIntegerField("xorigin", values.xorigin, abort);
        access.SetIntegerField("yorigin", values.yorigin, abort);
        access.SetLogicalField("landscape", values.landscape, abort);
        access.SetLogicalField("monochrom", values.monochrom, abort);
        access.SetLogicalField("variable", values.variable, abort);
        access.SetLogicalField("borderline", values.borderline, abort);
        if (!abort) access.AppendRecord(abort);
        if (!abort) access.Dialogs().FileWritten(access.Dataset().Path().string());
    }
    access.CloseTable();
}

}  // namespace trb::tables
