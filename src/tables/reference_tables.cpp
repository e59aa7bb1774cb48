#include "tables/reference_tables.h"

#include "tables/dbf_error.h"
#include "ui/help_numbers.h"

namespace trb::tables {

namespace {

constexpr int kPrintoutNameLength = 25;

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
    const std::filesystem::path local = access.Folders().workingFolder / "printout.dbf";
    std::error_code error;
    if (!access.Folders().workingFolder.empty() && std::filesystem::exists(local, error)) {
        access.OpenTableFile(local, abort);
        return;
    }
    const std::filesystem::path shared = access.Folders().dbfFolder / "printout.dbf";
    if (!std::filesystem::exists(shared, error)) {
        try {
            DbfTable::Create(shared, PrintoutFields());
        } catch (const DbfError&) {
            // A dBase folder without write access: the empty table is made in the temporary folder.
            const std::filesystem::path temporary = access.Folders().tempFolder / "printout.dbf";
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
    }
    access.CloseTable();
}

}  // namespace trb::tables
