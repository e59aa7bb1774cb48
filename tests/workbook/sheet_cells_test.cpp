#include <gtest/gtest.h>

#include "workbook/workbook.h"

namespace trb::workbook {
namespace {

TEST(SheetCells, ShownNumbersBecomeNumberCellsWithTheirDecimals) {
    struct Case {
        const char* text;
        double value;
        int decimals;
        bool engineering;
    };
    const Case cases[] = {
        {"  120.0", 120.0, 1, false}, {"0.012", 0.012, 3, false},   {"1500", 1500, 0, false},
        {"-3,25", -3.25, 2, false},   {"12.345E3", 12345, 3, true}, {"2E-5", 2e-5, 0, true},
        {"0", 0, 0, false},
    };
    for (const Case& c : cases) {
        const Cell cell = CellFromText(c.text);
        ASSERT_EQ(cell.kind, Cell::Kind::Number) << c.text;
        EXPECT_DOUBLE_EQ(cell.value, c.value) << c.text;
        EXPECT_EQ(cell.decimals, c.decimals) << c.text;
        EXPECT_EQ(cell.engineering, c.engineering) << c.text;
    }
}

TEST(SheetCells, EverythingElseStaysTextAsWritten) {
    for (const char* text : {"H7", "01.02.2024", "1.234,5", "12:30", "-", "80 / 100", "nan", "inf", "0x1A"}) {
        const Cell cell = CellFromText(text);
        EXPECT_EQ(cell.kind, Cell::Kind::Text) << text;
        EXPECT_EQ(cell.text, text);
    }
    EXPECT_EQ(CellFromText("   ").kind, Cell::Kind::Empty);
    EXPECT_EQ(CellFromText("").kind, Cell::Kind::Empty);
}

TEST(SheetCells, ColumnsAreWideEnoughForTheirLongestTextWithinLimits) {
    Sheet sheet;
    sheet.rows = {{TextCell("File"), TextCell("n")},
                  {TextCell("a-rather-long-case-name.trb"), NumberCell(1500, 0, "1500")},
                  {TextCell(std::string(200, 'x'))}};
    const std::vector<double> widths = ColumnWidths(sheet);
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[0], 60) << "capped";
    EXPECT_EQ(widths[1], 8) << "at least the narrowest width";
    sheet.rows.pop_back();
    EXPECT_EQ(ColumnWidths(sheet)[0], 29);
    // Hangul takes two places per character.
    sheet.rows = {{TextCell("\xED\x8C\x8C\xEC\x9D\xBC\xED\x8C\x8C\xEC\x9D\xBC\xED\x8C\x8C\xEC\x9D\xBC")}};
    EXPECT_EQ(ColumnWidths(sheet)[0], 14);
}

}  // namespace
}  // namespace trb::workbook
