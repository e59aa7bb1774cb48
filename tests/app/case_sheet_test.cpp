#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/case_sheet.h"
#include "casefile/case_format.h"
#include "docs/documentation.h"
#include "temp_folder.h"
#include "whole_file.h"
#include "workbook/workbook_reader.h"
#include "workbook_files.h"

namespace trb::app {
namespace {

using workbook::Cell;

struct Case {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;
    casefile::CaseContent Content() { return {record, title, changes, info, documents}; }
    std::string Text(const text::FormatOptions& format = {}) {
        std::ostringstream out;
        casefile::WriteCaseContent(out, Content(), format, "TRB - Hydrodynamische Radial-Gleitlager");
        return out.str();
    }
};

// A case whose fields are told apart by their values, with documentation of some length.
Case Distinct() {
    Case c;
    core::LoadExampleCase(c.record);
    c.record.f = 12345.5L;
    c.record.schmier = 9;
    c.record.toldb = "H7";
    c.record.bfactor = 0.8L;
    c.record.de = 150;
    docs::InitDocumentation(c.title, c.changes, c.info, "01.02.2024");
    c.title.drawingName = "Lager \x84";  // "ä"
    c.title.drawingNumber = "007";
    return c;
}

// The cell in column A of the row labelled `label` in column B.
const Cell& Labelled(const workbook::Sheet& sheet, std::string_view label) {
    for (const auto& row : sheet.rows)
        if (row.size() > 1 && row[1].text == label) return row[0];
    throw std::runtime_error("no row " + std::string(label));
}

TEST(CaseSheet, EachLineInItsOwnRowWithTheNumbersOfTheCaseAsNumbers) {
    Case c = Distinct();
    const std::string text = c.Text();
    const workbook::Sheet sheet = CaseSheet(text, {});
    EXPECT_EQ(sheet.rows.size(), static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    EXPECT_EQ(sheet.rows[0][0].text, std::string(65, '-'));
    // The labels find the values the case file holds for them, so they follow its layout.
    EXPECT_DOUBLE_EQ(Labelled(sheet, "f").value, 12345.5);
    EXPECT_EQ(Labelled(sheet, "f").decimals, 7);
    EXPECT_EQ(Labelled(sheet, "schmier").kind, Cell::Kind::Number);
    EXPECT_DOUBLE_EQ(Labelled(sheet, "schmier").value, 9);
    EXPECT_EQ(Labelled(sheet, "toldb").kind, Cell::Kind::Text);
    EXPECT_EQ(Labelled(sheet, "toldb").text, "H7");
    EXPECT_EQ(Labelled(sheet, "druckschmierung").text, "TRUE");
    EXPECT_DOUBLE_EQ(Labelled(sheet, "de").value, 150);
    EXPECT_DOUBLE_EQ(Labelled(sheet, "bfactor").value, 0.8);
    EXPECT_DOUBLE_EQ(Labelled(sheet, "h0lim").value, 0.009);
    // Title data stays text, whatever it looks like, and is shown in UTF-8.
    EXPECT_EQ(Labelled(sheet, "drawing number").kind, Cell::Kind::Text);
    EXPECT_EQ(Labelled(sheet, "drawing number").text, "007");
    EXPECT_EQ(Labelled(sheet, "drawing name").text, "Lager \xC3\xA4");
    // An empty file still gives one (empty) cell.
    EXPECT_EQ(CaseSheet("", {}).rows.size(), 1u);
}

// Whether any row carries the label in column B.
bool HasLabel(const workbook::Sheet& sheet, std::string_view label) {
    return std::any_of(sheet.rows.begin(), sheet.rows.end(),
                       [&](const auto& row) { return row.size() > 1 && row[1].text == label; });
}

// The last three lines of a whole case are its last three fields; a text that ends early has
// other lines there (documentation, documents), which keep no field label and stay text.
TEST(CaseSheet, OnlyAWholeCaseLabelsItsLastThreeLines) {
    Case c = Distinct();
    const std::string text = c.Text();
    const workbook::Sheet whole = CaseSheet(text, {});
    const std::size_t n = whole.rows.size();
    ASSERT_GT(n, 60u);
    EXPECT_EQ(whole.rows[n - 3].at(1).text, "de");
    EXPECT_EQ(whole.rows[n - 2].at(1).text, "din1850rec");
    EXPECT_EQ(whole.rows[n - 1].at(1).text, "bfactor");
    EXPECT_EQ(whole.rows[n - 4].size(), 1u) << "the line before them has no label";

    // Cut before the last line, and before the last three: the lines left keep their own kind.
    for (std::size_t dropped : {1u, 3u, 10u}) {
        std::size_t end = text.size();
        for (std::size_t i = 0; i < dropped; ++i) end = text.rfind("\r\n", end - 3) + 2;
        const workbook::Sheet cut = CaseSheet(std::string_view(text).substr(0, end), {});
        ASSERT_EQ(cut.rows.size(), n - dropped);
        for (const char* label : {"de", "din1850rec", "bfactor"})
            EXPECT_FALSE(HasLabel(cut, label)) << label << ", " << dropped << " lines dropped";
        for (std::size_t row = 50; row < cut.rows.size(); ++row) {
            EXPECT_EQ(cut.rows[row].size(), 1u) << "row " << row + 1 << ", " << dropped << " lines dropped";
            EXPECT_EQ(cut.rows[row][0].kind, Cell::Kind::Text) << "row " << row + 1;
        }
        // The input block still has its labels.
        EXPECT_DOUBLE_EQ(Labelled(cut, "h0lim").value, 0.009);
    }
}

TEST(CaseSheet, ACaseWrittenToAWorkbookAndReadBackIsTheSameCase) {
    test_support::TempFolder folder;
    for (int separator : {1, 2}) {
        text::FormatOptions format;
        format.decimalSeparator = separator;
        Case original = Distinct();
        const std::string path = folder.File("case.xlsx");
        ASSERT_TRUE(
            workbook::WriteWorkbook(path, CaseSheet(original.Text(format), format), folder.File("")).Ok());
        const workbook::SheetCells cells = workbook::ReadFirstSheet(test_support::ReadWholeFile(path));
        ASSERT_EQ(cells.problem, workbook::ReadProblem::None);

        Case back;
        auto content = back.Content();
        EXPECT_TRUE(casefile::ReadCaseContent(CaseTextFromSheet(cells.rows), content).complete);
        EXPECT_EQ(back.Text(), original.Text()) << "decimal separator " << separator;
    }
}

}  // namespace
}  // namespace trb::app
