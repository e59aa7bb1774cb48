#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
