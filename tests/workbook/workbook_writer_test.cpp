#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "temp_folder.h"
#include "whole_file.h"
#include "workbook/workbook.h"
#include "workbook_files.h"

namespace trb::workbook {
namespace {

using test_support::ReadWholeFile;
using test_support::TempFolder;
using testing::DescribeWithOpenpyxl;
using testing::FolderEntries;
using ::testing::HasSubstr;
using ::testing::Not;

Sheet TitledSheet() {
    Sheet sheet;
    sheet.name = "Lager";
    sheet.titleRow = true;
    sheet.rows = {
        {TextCell("File"), TextCell("D"), TextCell("e"), TextCell("Re"), TextCell("No")},
        {TextCell("lager.trb"), NumberCell(120, 1, " 120.0"), NumberCell(0.0123456, 3, "0.012"),
         CellFromText("12.345E3"), TextCell("007")},
        {TextCell("caf\xC3\xA9 \xFF.trb"), Cell{}, CellFromText("-0,5"),
         TextCell("line\x01"
                  "break")},
    };
    return sheet;
}

TEST(WorkbookWriter, OpenpyxlReadsNumbersAsNumbersTextsAsTextsAndABoldFrozenTitleRow) {
    TempFolder folder;
    const std::string path = folder.File("lager.xlsx");
    ASSERT_TRUE(WriteWorkbook(path, TitledSheet(), folder.Path().string()).Ok());
    int exitCode = 0;
    const std::string cells = DescribeWithOpenpyxl(path, exitCode);
    ASSERT_EQ(exitCode, 0) << cells;
    EXPECT_THAT(cells, HasSubstr("sheets 1 Lager\n"));
    EXPECT_THAT(cells, HasSubstr("A1 s 1 General 'File'\n"));
    EXPECT_THAT(cells, HasSubstr("E1 s 1 General 'No'\n"));
    EXPECT_THAT(cells, HasSubstr("A2 s 0 General 'lager.trb'\n"));
    EXPECT_THAT(cells, HasSubstr("B2 n 0 0.0 120\n"));
    // The exact value with the format of the grid's decimals.
    EXPECT_THAT(cells, HasSubstr("C2 n 0 0.000 0.0123456\n"));
    EXPECT_THAT(cells, HasSubstr("D2 n 0 ##0.000E+0 12345\n"));
    EXPECT_THAT(cells, HasSubstr("E2 s 0 General '007'\n")) << "a text that looks like a number stays text";
    EXPECT_THAT(cells, HasSubstr("A3 s 0 General 'caf\xC3\xA9 \xEF\xBF\xBD.trb'\n"))
        << "broken UTF-8 replaced";
    EXPECT_THAT(cells, HasSubstr("C3 n 0 0.0 -0.5\n"));
    EXPECT_THAT(cells, Not(HasSubstr("B3 "))) << "an empty cell stays empty";
    EXPECT_THAT(cells, HasSubstr("freeze A2\n"));
    EXPECT_THAT(cells, HasSubstr("D3 s 0 General 'line break'\n")) << "control characters become blanks";
    EXPECT_THAT(cells, HasSubstr("width A 13\n"));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"lager.xlsx"})
        << "no temporary file left";
}

TEST(WorkbookWriter, AFailedWriteLeavesThePreviousWorkbookAndNoTemporaryFile) {
    TempFolder folder;
    TempFolder temp;
    const std::string path = folder.File("overview.xlsx");
    test_support::WriteWholeFile(path, "previous");

    // A file-size limit makes every write beyond it fail with EFBIG, as a full disk does (also for root).
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 300;
    setrlimit(RLIMIT_FSIZE, &small);
    Sheet big = TitledSheet();
    for (int i = 0; i < 200; ++i)
        big.rows.push_back({TextCell("case " + std::to_string(i)), NumberCell(i, 0)});
    const WriteResult result = WriteWorkbook(path, big, temp.Path().string());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(ReadWholeFile(path), "previous");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"overview.xlsx"});
    EXPECT_TRUE(FolderEntries(temp.Path()).empty());
}

TEST(WorkbookWriter, AFolderThatIsMissingOrNoFolderGivesTheReason) {
    TempFolder folder;
    test_support::WriteWholeFile(folder.Path() / "plain", "x");
    EXPECT_EQ(
        WriteWorkbook(folder.File("missing/overview.xlsx"), TitledSheet(), folder.Path().string()).error,
        ENOENT);
    EXPECT_EQ(WriteWorkbook(folder.File("plain/overview.xlsx"), TitledSheet(), folder.Path().string()).error,
              ENOTDIR);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace trb::workbook
