#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/overview_export.h"
#include "app/program.h"
#include "app/spreadsheet_commands.h"
#include "casefile/case_file.h"
#include "core/calculation.h"
#include "overview/overview.h"
#include "run_program.h"
#include "temp_folder.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"
#include "workbook_files.h"

namespace trb::app {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using workbook::testing::DescribeWithOpenpyxl;
using workbook::testing::FolderEntries;

// A program whose case "lager" is saved in a fresh folder, with scripted answers and a launcher
// that records instead of starting.
class SpreadsheetCommandsTest : public ::testing::Test {
  protected:
    SpreadsheetCommandsTest() {
        program.settings.tempFolder = temp.Path().string();
        program.caseFile.folder = folder.Path().string() + "/";
        core::LoadExampleCase(program.record);
        program.title.drawingName = "Welle";
        core::RunCalculation(program.record, program.status, program.abort);
    }

    void SaveAs(const std::string& name) {
        auto cases = program.CaseFiles();
        casefile::WriteCaseFile(cases, name);
        ASSERT_FALSE(program.abort);
        program.caseFile.name = name;
    }

    std::string Describe(const std::string& file) {
        int exitCode = 0;
        const std::string cells = DescribeWithOpenpyxl(folder.File(file), exitCode);
        EXPECT_EQ(exitCode, 0) << cells;
        return cells;
    }

    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const auto& entry : dialogs.Entries("box")) texts.push_back(entry.text);
        return texts;
    }

    test_support::TempFolder folder;
    test_support::TempFolder temp;
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    Program program{dialogs, launcher};
    SpreadsheetCommands commands{program};
};

TEST_F(SpreadsheetCommandsTest, StartNeedsASavedCase) {
    commands.StartSpreadsheet();
    EXPECT_TRUE(program.abort);
    EXPECT_FALSE(commands.Started());
    EXPECT_THAT(Boxes(),
                ::testing::ElementsAre(HasSubstr("Zuerst m\xC3\xBCssen Sie Ihre Eingabedaten speichern")));
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(SpreadsheetCommandsTest, StartWritesTheCaseFileLineByLineAndOpensIt) {
    SaveAs("lager");
    commands.StartSpreadsheet();
    EXPECT_FALSE(program.abort);
    EXPECT_TRUE(commands.Started());
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "") << "the desktop's handler";
    EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{folder.File("lager.xlsx")});
    const std::string cells = Describe("lager.xlsx");
    EXPECT_THAT(cells, HasSubstr("A1 s 0 General '-----"));
    EXPECT_THAT(cells, HasSubstr("A9 s 0 General 'Welle'\n"));
    EXPECT_THAT(cells, HasSubstr("A15 n 0 0.0000000 120\n"));
    EXPECT_THAT(cells, HasSubstr("B15 s 0 General 'db'\n"));
    EXPECT_THAT(cells, HasSubstr("A37 n 0 0.0000000 36000\n"));
    EXPECT_THAT(cells, HasSubstr("B37 s 0 General 'f'\n"));
    EXPECT_THAT(cells, HasSubstr("A42 s 0 General 'TRUE'\n"));
}

TEST_F(SpreadsheetCommandsTest, AStartThatCannotOpenTheSpreadsheetProgramLeavesTheItemsOff) {
    SaveAs("lager");
    launcher.succeed = false;
    commands.StartSpreadsheet();
    EXPECT_TRUE(program.abort);
    EXPECT_FALSE(commands.Started());
    // The workbook is there all the same: the status line names it, the note says what failed.
    ASSERT_FALSE(dialogs.statusNotes.empty());
    EXPECT_EQ(dialogs.statusNotes.back(), "Gespeichert: " + folder.File("lager.xlsx"));
    EXPECT_THAT(Boxes(), ::testing::ElementsAre("Excel kann nicht gestartet werden: Kein Programm konnte " +
                                                folder.File("lager.xlsx") + " \xC3\xB6" +
                                                "ffnen (file not found: program)."));
}

TEST_F(SpreadsheetCommandsTest, ExportSavesAChangedCaseFirstAndWritesTheWorkbookAgain) {
    SaveAs("lager");
    commands.StartSpreadsheet();
    program.record.f = 20000;
    program.caseFile.modified = true;
    dialogs.Reply("yes");  // overwrite lager.trb
    commands.ExportCaseToSpreadsheet();
    EXPECT_FALSE(program.abort);
    EXPECT_FALSE(program.caseFile.modified);
    EXPECT_THAT(dialogs.Entries("question").at(0).text, HasSubstr("lager.trb existiert bereits"));
    EXPECT_THAT(Describe("lager.xlsx"), HasSubstr("A37 n 0 0.0000000 20000\n"));
    EXPECT_EQ(launcher.calls.size(), 2u);

    // Declining to overwrite the case file writes nothing.
    program.record.f = 30000;
    program.caseFile.modified = true;
    dialogs.Reply("no");
    commands.ExportCaseToSpreadsheet();
    EXPECT_TRUE(program.abort);
    EXPECT_THAT(Describe("lager.xlsx"), HasSubstr("A37 n 0 0.0000000 20000\n"));
}

TEST_F(SpreadsheetCommandsTest, AnUnnamedUnchangedCaseHasNothingToExport) {
    commands.ExportCaseToSpreadsheet();
    EXPECT_TRUE(program.abort);
    EXPECT_THAT(Boxes(), ::testing::ElementsAre("File not found. Use \"File->Save\""));
}

TEST_F(SpreadsheetCommandsTest, ImportReadsTheCaseBackAfterItWasEditedInTheSpreadsheet) {
    SaveAs("lager");
    commands.StartSpreadsheet();
    const real teff = program.record.teff;
    // The user changes the load in the spreadsheet program and saves the workbook there.
    const test_support::ProgramRun edit = test_support::RunProgram(
        TRB_PYTHON,
        {"-c",
         "import openpyxl,sys; b=openpyxl.load_workbook(sys.argv[1]); "
         "b.worksheets[0]['A37']=18000; b.worksheets[0]['A9']='Neu'; b.save(sys.argv[1])",
         folder.File("lager.xlsx")},
        test_support::MergedErrors());
    ASSERT_EQ(edit.exitCode, 0) << edit.output;

    EXPECT_TRUE(commands.ImportCaseFromSpreadsheet());
    EXPECT_FALSE(program.abort);
    EXPECT_EQ(program.record.f, 18000);
    EXPECT_EQ(program.title.drawingName, "Neu");
    EXPECT_NE(program.record.teff, teff) << "calculated again";
    EXPECT_TRUE(program.caseFile.modified);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(SpreadsheetCommandsTest, ImportRefusesWhatIsNoCaseWorkbookAndChangesNothing) {
    SaveAs("lager");
    const core::TRBrecord before = program.record;
    EXPECT_FALSE(commands.ImportCaseFromSpreadsheet()) << "no workbook yet";
    EXPECT_THAT(Boxes().back(), HasSubstr("lager.xlsx nicht gefunden"));

    test_support::WriteWholeFile(folder.Path() / "lager.xlsx", "PK\x03\x04 nonsense");
    program.abort = false;
    EXPECT_FALSE(commands.ImportCaseFromSpreadsheet());
    EXPECT_THAT(Boxes().back(), HasSubstr("ist keine Arbeitsmappe"));

    workbook::Sheet other;
    other.rows = {{workbook::TextCell("Einkaufsliste")}};
    ASSERT_TRUE(workbook::WriteWorkbook(folder.File("lager.xlsx"), other, temp.Path().string()).Ok());
    program.abort = false;
    EXPECT_FALSE(commands.ImportCaseFromSpreadsheet());
    EXPECT_THAT(Boxes().back(), HasSubstr("enth\xC3\xA4lt keinen Fall"));
    EXPECT_EQ(program.record.f, before.f);
    EXPECT_FALSE(program.caseFile.modified);
}

// A hostile case workbook: a 60 KB file whose one shared text of a megabyte is named from 100 cells
// of column A would build a sheet far larger than any case file. It is refused with a message, and
// the case stays as it was.
TEST_F(SpreadsheetCommandsTest, ImportRefusesAWorkbookLargerThanAnyCaseAndChangesNothing) {
    SaveAs("lager");
    const core::TRBrecord before = program.record;
    std::string sheet = "<worksheet><sheetData>";
    for (int r = 1; r <= 100; ++r)
        sheet += "<row><c r=\"A" + std::to_string(r) + "\" t=\"s\"><v>0</v></c></row>";
    sheet += "</sheetData></worksheet>";
    const std::string bytes = workbook::testing::ZipArchive(
        {{"xl/sharedStrings.xml", "<sst><si><t>" + std::string(1 << 20, '-') + "</t></si></sst>"},
         {"xl/worksheets/sheet1.xml", sheet}});
    ASSERT_LT(bytes.size(), 64u << 10);
    test_support::WriteWholeFile(folder.Path() / "lager.xlsx", bytes);
    EXPECT_FALSE(commands.ImportCaseFromSpreadsheet());
    EXPECT_TRUE(program.abort);
    EXPECT_THAT(Boxes().back(), HasSubstr("lager.xlsx ist zu gro\xC3\x9F"));
    EXPECT_EQ(program.record.f, before.f);
    EXPECT_FALSE(program.caseFile.modified);
}

TEST_F(SpreadsheetCommandsTest, PrintoutGoesThroughTheTabDeviceIntoAWorkbookWithNumbersAsNumbers) {
    SaveAs("lager");
    program.settings.textDevice = report::kScreen;
    program.settings.textDeviceWindow = true;
    program.settings.format.spreadsheetSeparator = 2;  // decimal comma in the texts
    commands.ReportToSpreadsheet();
    EXPECT_FALSE(program.abort);
    EXPECT_EQ(program.settings.textDevice, report::kScreen) << "the device settings are restored";
    EXPECT_TRUE(program.settings.textDeviceWindow);
    EXPECT_TRUE(dialogs.Entries("list").empty()) << "no device question";
    EXPECT_TRUE(dialogs.Entries("save").empty()) << "no file dialog";
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{folder.File("lager-report.xlsx")});

    const std::string cells = Describe("lager-report.xlsx");
    EXPECT_THAT(cells, HasSubstr("A1 s 0 General 'TRB - Hydrodynamische Radial-Gleitlager V1.6'\n"));
    // Every value line: designation, symbol and unit as texts and the value as a number.
    EXPECT_THAT(cells, HasSubstr("\nA11 s 0 General 'Lagerinnendurchmesser'\nB11 s 0 General 'D'\n"
                                 "C11 s 0 General 'mm'\nD11 n 0 0 120\n"));
    EXPECT_THAT(cells, HasSubstr("\nB12 s 0 General 'Dmax'\nC12 s 0 General 'mm'\nD12 n 0 0.000 120.07\n"));
    EXPECT_THAT(cells, Not(::testing::ContainsRegex("\nD[0-9]+ s 0 General '[0-9]+,[0-9]+'\n")))
        << "no number left as text";
}

TEST_F(SpreadsheetCommandsTest, PrintoutAfterAFatalRunShowsTheMessagesInstead) {
    program.record.b = 0;
    core::RunCalculation(program.record, program.status, program.abort);
    program.abort = false;
    ASSERT_TRUE(program.status.calculationFailed);
    commands.ReportToSpreadsheet();
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_FALSE(dialogs.transcript.empty()) << "the message list was shown";
    EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

TEST_F(SpreadsheetCommandsTest, AWorkbookThatCannotBeWrittenIsReportedAndLeavesNothing) {
    overview::Overview listing;
    listing.folder = folder.File("missing") + "/";
    ExportOverviewToSpreadsheet(program, listing);
    EXPECT_TRUE(program.abort);
    EXPECT_THAT(Boxes(), ::testing::ElementsAre(HasSubstr("overview.xlsx nicht geschrieben")));
    EXPECT_TRUE(launcher.calls.empty());

    program.abort = false;
    listing.folder = folder.Path().string() + "/";
    test_support::WriteWholeFile(folder.Path() / "overview.xlsx", "mine");
    dialogs.Reply("no");
    ExportOverviewToSpreadsheet(program, listing);
    EXPECT_TRUE(program.abort);
    EXPECT_EQ(test_support::ReadWholeFile(folder.Path() / "overview.xlsx"), "mine") << "kept when declined";

    // Written, but nothing opens it: the status line names it and so does the message.
    program.abort = false;
    dialogs.Reply("yes");
    launcher.succeed = false;
    ExportOverviewToSpreadsheet(program, listing);
    const std::string workbook = folder.File("overview.xlsx");
    EXPECT_EQ(dialogs.statusNotes, std::vector<std::string>{"Gespeichert: " + workbook});
    EXPECT_THAT(Boxes(), ::testing::Contains("Could not start Excel: Kein Programm konnte " + workbook +
                                             " \xC3\xB6" + "ffnen (file not found: program)."));
}

}  // namespace
}  // namespace trb::app
