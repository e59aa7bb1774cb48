#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "whole_file.h"
#include "workbook/workbook.h"
#include "workbook/workbook_reader.h"
#include "workbook_files.h"

namespace trb::workbook {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using testing::ZipArchive;
using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kWorkbookXml =
    R"(<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
    R"(<sheet name="Daten" sheetId="7" r:id="rId3"/><sheet name="Zwei" sheetId="8" r:id="rId4"/></sheets></workbook>)";
constexpr const char* kRelationships =
    R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId4" Type="worksheet" Target="worksheets/other.xml"/>)"
    R"(<Relationship Id="rId3" Type="worksheet" Target="/xl/worksheets/data.xml"/></Relationships>)";
constexpr const char* kSharedStrings =
    R"(<?xml version="1.0"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<si><t>plain</t></si><si><r><t>ri</t></r><r><t>ch</t></r><rPh><t>ignored</t></rPh></si>)"
    R"(<si><t xml:space="preserve">  &amp; &lt;x&gt;</t></si></sst>)";

// A workbook as another spreadsheet program saves it: the first sheet under its own name, shared and
// inline strings, booleans, cached formula texts, and cells with and without their reference.
std::string ForeignWorkbook() {
    const std::string sheet =
        R"(<?xml version="1.0"?><worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<sheetData><row r="1"><c r="A1" t="s"><v>0</v></c><c r="C1" t="s"><v>1</v></c></row>)"
        R"(<row r="2"><c t="n"><v>120</v></c><c><v>2.3E-5</v></c><c t="b"><v>1</v></c></row>)"
        R"(<row r="4"><c r="A4" t="inlineStr"><is><t>inline</t></is></c><c r="B4" t="str"><f>A1</f><v>plain</v></c>)"
        R"(<c r="C4" t="s"><v>2</v></c><c r="D4" t="s"><v>99</v></c><c r="E4" t="b"><v>0</v></c></row>)"
        R"(</sheetData></worksheet>)";
    return ZipArchive({{"xl/workbook.xml", kWorkbookXml},
                       {"xl/_rels/workbook.xml.rels", kRelationships},
                       {"xl/sharedStrings.xml", kSharedStrings},
                       {"xl/worksheets/other.xml", "<worksheet/>"},
                       {"xl/worksheets/data.xml", sheet}});
}

TEST(WorkbookReader, ReadsTheFirstSheetAsOtherSpreadsheetProgramsSaveIt) {
    const SheetCells cells = ReadFirstSheet(ForeignWorkbook());
    ASSERT_EQ(cells.problem, ReadProblem::None);
    const Rows expected = {
        {"plain", "", "rich"},
        {"120", "2.3e-05", "TRUE"},
        {},
        {"inline", "plain", "  & <x>", "", "FALSE"},
    };
    EXPECT_EQ(cells.rows, expected);
}

TEST(WorkbookReader, ReadsBackWhatTheWriterWrote) {
    TempFolder folder;
    Sheet sheet;
    sheet.rows = {{TextCell("-----"), TextCell("label")},
                  {NumberCell(120, 7, "120.0000000"), NumberCell(0.0000230, 7)},
                  {},
                  {TextCell("\xC3\x84nderung 007"), CellFromText("TRUE")}};
    ASSERT_TRUE(WriteWorkbook(folder.File("w.xlsx"), sheet, folder.Path().string()).Ok());
    const SheetCells cells = ReadFirstSheet(ReadWholeFile(folder.Path() / "w.xlsx"));
    ASSERT_EQ(cells.problem, ReadProblem::None);
    const Rows expected = {{"-----", "label"}, {"120", "2.3e-05"}, {}, {"\xC3\x84nderung 007", "TRUE"}};
    EXPECT_EQ(cells.rows, expected);
}

TEST(WorkbookReader, BadFilesGiveAProblemAndNoCells) {
    const std::string good = ForeignWorkbook();
    EXPECT_EQ(ReadFirstSheet("").problem, ReadProblem::NotAWorkbook);
    EXPECT_EQ(ReadFirstSheet("-----------------\r\nTRB\r\n").problem, ReadProblem::NotAWorkbook);
    EXPECT_NE(ReadFirstSheet(good.substr(0, good.size() / 2)).problem, ReadProblem::None);
    EXPECT_EQ(ReadFirstSheet(ZipArchive({{"readme.txt", "no sheet"}})).problem, ReadProblem::NotAWorkbook);
    const SheetCells broken =
        ReadFirstSheet(ZipArchive({{"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row>"}}));
    EXPECT_EQ(broken.problem, ReadProblem::Damaged);
    EXPECT_TRUE(broken.rows.empty());
    // Entities that expand without end are refused by the parser.
    const std::string bomb =
        R"(<?xml version="1.0"?><!DOCTYPE s [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">)"
        R"(<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">)"
        R"(<!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;"><!ENTITY f "&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;">)"
        R"(<!ENTITY g "&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;"><!ENTITY h "&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;">]>)"
        R"(<worksheet><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>&h;&h;&h;</t></is></c></row></sheetData></worksheet>)";
    EXPECT_EQ(ReadFirstSheet(ZipArchive({{"xl/worksheets/sheet1.xml", bomb}})).problem, ReadProblem::Damaged);
}

TEST(WorkbookReader, CellsFarOutsideTheLimitsAreLeftOut) {
    const std::string sheet =
        R"(<worksheet><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>kept</t></is></c>)"
        R"(<c r="ZZZZ1"><v>1</v></c></row><row r="1048576"><c r="A1048576"><v>2</v></c></row>)"
        R"(<row r="2"><c r="B0"><v>3</v></c></row></sheetData></worksheet>)";
    const SheetCells cells = ReadFirstSheet(ZipArchive({{"xl/worksheets/sheet1.xml", sheet}}));
    ASSERT_EQ(cells.problem, ReadProblem::None);
    ASSERT_FALSE(cells.rows.empty());
    EXPECT_EQ(cells.rows[0], std::vector<std::string>{"kept"});
    EXPECT_LE(cells.rows.size(), kMaxRows);
}

// A small file that makes the reader build much: one long shared text named from many cells, cells
// spread so far that the rows between them fill the memory, a million empty shared texts. Each is
// refused as too large instead of being built; within the limits the same sheets are read.
TEST(WorkbookReader, SheetsThatWouldFillTheMemoryAreRefused) {
    const std::string longText(256 << 10, 'x');
    std::string named = "<worksheet><sheetData>";
    for (int r = 1; r <= 100; ++r)
        named += "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) +
                 "\" t=\"s\"><v>0</v></c></row>";
    named += "</sheetData></worksheet>";
    const std::string sharedLong = "<sst><si><t>" + longText + "</t></si></sst>";
    const std::string one =
        ZipArchive({{"xl/sharedStrings.xml", sharedLong}, {"xl/worksheets/sheet1.xml", named}});
    EXPECT_LT(one.size(), 16u << 10) << "a small file";
    SheetLimits limits;
    limits.bytes = 20u << 20;
    EXPECT_EQ(ReadFirstSheet(one, limits).problem, ReadProblem::TooLarge);
    limits.bytes = 40u << 20;
    const SheetCells read = ReadFirstSheet(one, limits);
    ASSERT_EQ(read.problem, ReadProblem::None);
    ASSERT_EQ(read.rows.size(), 100u);
    EXPECT_EQ(read.rows[99][0].size(), longText.size());

    std::string spread = "<worksheet><sheetData>";
    for (int r = 1; r <= 20000; ++r) spread += "<row><c r=\"IV" + std::to_string(r) + "\"><v>1</v></c></row>";
    spread += "</sheetData></worksheet>";
    const std::string far = ZipArchive({{"xl/worksheets/sheet1.xml", spread}});
    EXPECT_EQ(ReadFirstSheet(far).problem, ReadProblem::TooLarge) << "20000 rows of 256 places";
    SheetLimits columnA;
    columnA.columns = 1;
    const SheetCells onlyA = ReadFirstSheet(far, columnA);
    EXPECT_EQ(onlyA.problem, ReadProblem::None);
    EXPECT_TRUE(onlyA.rows.empty()) << "column IV is left out";

    std::string items = "<sst>";
    for (int i = 0; i < 1000000; ++i) items += "<si/>";
    items += "</sst>";
    const std::string many =
        ZipArchive({{"xl/sharedStrings.xml", items}, {"xl/worksheets/sheet1.xml", "<worksheet/>"}});
    limits.bytes = 16u << 20;
    EXPECT_EQ(ReadFirstSheet(many, limits).problem, ReadProblem::TooLarge);
    limits.bytes = 64u << 20;
    EXPECT_EQ(ReadFirstSheet(many, limits).problem, ReadProblem::None);
}

}  // namespace
}  // namespace trb::workbook
