#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <vector>

#include "case_folder.h"
#include "overview/overview.h"

namespace trb::overview {
namespace {

using testing::CaseFolder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> ColumnOf(const std::vector<Row>& rows, int column) {
    std::vector<std::string> texts;
    for (const Row& row : rows) texts.push_back(row.cells[static_cast<std::size_t>(column)]);
    return texts;
}

const Row& RowOf(const Overview& overview, const std::string& file) {
    for (const Row& row : overview.rows)
        if (row.file == file) return row;
    throw std::runtime_error("no row " + file);
}

// Three sound cases, one whose run fails, and every kind of broken file.
class OverviewFolder : public ::testing::Test {
  protected:
    OverviewFolder() {
        folder.WriteCase("b100.trb", 100, "Pumpe", "P-2");
        folder.WriteCase("a120.trb", 120, "Getriebe", "G-1");
        folder.WriteCase("Z080.TRB", 80, "Gebl\x84se", "Z-9");
        core::TRBrecord noWidth = testing::ScaledExample(90);
        noWidth.b = 0;
        folder.WriteRecord("fails.trb", noWidth, "Breite fehlt");
        const std::string whole = CaseFolder::CaseText(testing::ScaledExample(110), "Kurz");
        folder.WriteText("short.trb", whole.substr(0, whole.find("\r\n", whole.find("58.0000000"))));
        folder.WriteText("notes.trb", "Einkaufsliste\r\nMilch\r\n");
        folder.WriteText("empty.trb", "");
        folder.WriteText("binary.trb", std::string("\0\xFF\x01--", 5));
        folder.WriteText(".hidden.trb", CaseFolder::CaseText(testing::ScaledExample(50), "versteckt"));
        folder.WriteText("readme.txt", "no case");
        std::filesystem::create_directory(folder.Path() / "folder.trb");
    }

    Overview Scan(const text::FormatOptions& format = {}) {
        Overview overview;
        int error = 0;
        EXPECT_TRUE(ScanFolder(folder.Folder(), format, overview, error));
        return overview;
    }

    CaseFolder folder;
};

TEST_F(OverviewFolder, EveryCaseFileGetsARowInNameOrderAndBrokenOnesNeverStopTheListing) {
    const Overview overview = Scan();
    EXPECT_EQ(overview.folder, folder.Folder());
    std::vector<std::string> files;
    for (const Row& row : overview.rows) files.push_back(row.file);
    EXPECT_THAT(files, ElementsAre("Z080.TRB", "a120.trb", "b100.trb", "binary.trb", "empty.trb", "fails.trb",
                                   "notes.trb", "short.trb"));

    const Row& sound = RowOf(overview, "a120.trb");
    EXPECT_EQ(sound.state, RowState::Calculated);
    EXPECT_THAT(sound.cells[kDateColumn], ::testing::MatchesRegex("20[0-9][0-9]/[01][0-9]/[0-3][0-9]"));
    EXPECT_EQ(sound.cells[kNameColumn], "Getriebe");
    EXPECT_EQ(sound.cells[kNumberColumn], "G-1");
    EXPECT_EQ(sound.cells[kSpeedColumn], " 2000");
    EXPECT_EQ(sound.cells[kBoreColumn], " 120.0");
    EXPECT_EQ(sound.cells[kOuterDiameterColumn], " 140.0");
    EXPECT_EQ(sound.cells[kWidthColumn], "  60.0");
    EXPECT_EQ(sound.cells[kGradeColumn], "100");
    EXPECT_EQ(sound.cells[kLoadColumn], "    36000");
    EXPECT_EQ(sound.cells[kPressureColumn], "   5.0");
    EXPECT_EQ(sound.cells[kInletColumn], "  58.0");
    ASSERT_TRUE(sound.values[kFilmColumn].has_value());
    EXPECT_GT(*sound.values[kFilmColumn], 0.001);
    EXPECT_LT(*sound.values[kFilmColumn], 0.1);
    EXPECT_DOUBLE_EQ(*sound.values[kSpeedColumn], 33.33 * 60);
    EXPECT_FALSE(sound.values[kNameColumn].has_value());
    EXPECT_EQ(RowOf(overview, "Z080.TRB").cells[kNameColumn], "Gebl\xC3\xA4se") << "shown as UTF-8";

    // A failed run shows its inputs and no results.
    const Row& failed = RowOf(overview, "fails.trb");
    EXPECT_EQ(failed.state, RowState::Failed);
    EXPECT_EQ(failed.cells[kBoreColumn], "  90.0");
    for (int c : {kPressureColumn, kEccentricityColumn, kFilmColumn, kOutletColumn, kEffectiveColumn}) {
        EXPECT_EQ(failed.cells[static_cast<std::size_t>(c)], "");
        EXPECT_FALSE(failed.values[static_cast<std::size_t>(c)].has_value());
    }
    EXPECT_FALSE(failed.messages.empty());

    // A file that ends early is calculated with what it holds, starting from a fresh case.
    const Row& shortRow = RowOf(overview, "short.trb");
    EXPECT_EQ(shortRow.state, RowState::Failed) << "the fields after the end are those of a fresh case";
    EXPECT_EQ(shortRow.cells[kBoreColumn], " 110.0");
    EXPECT_EQ(shortRow.cells[kInletColumn], "  58.0");

    for (const char* file : {"notes.trb", "empty.trb", "binary.trb"}) {
        const Row& unreadable = RowOf(overview, file);
        EXPECT_EQ(unreadable.state, RowState::Unreadable) << file;
        EXPECT_EQ(unreadable.cells[kFileColumn], file);
        EXPECT_FALSE(unreadable.cells[kDateColumn].empty());
        for (int c = kNameColumn; c < kColumnCount; ++c)
            EXPECT_EQ(unreadable.cells[static_cast<std::size_t>(c)], "");
        ASSERT_EQ(unreadable.messages.size(), 1u);
        EXPECT_THAT(unreadable.messages[0], HasSubstr(file));
    }
}

TEST_F(OverviewFolder, RowsDependOnlyOnTheirOwnFile) {
    // The failing case between two sound ones must not leave its values in the next row.
    const Overview overview = Scan();
    const Row alone = ReadRow(folder.Folder(), "b100.trb", {});
    EXPECT_EQ(RowOf(overview, "b100.trb").cells, alone.cells);
    EXPECT_EQ(RowOf(overview, "notes.trb").cells[kBoreColumn], "");
}

TEST_F(OverviewFolder, SortingOrdersTextsByteByByte) {
    Overview overview = Scan();
    SortRows(overview.rows, kBoreColumn);
    // Empty cells first, then the padded numbers in numeric order.
    EXPECT_THAT(ColumnOf(overview.rows, kBoreColumn),
                ElementsAre("", "", "", "  80.0", "  90.0", " 100.0", " 110.0", " 120.0"));
    // Equal texts keep the order they had (here: by file name).
    EXPECT_THAT(ColumnOf(overview.rows, kFileColumn).front(), "binary.trb");

    SortRows(overview.rows, kFileColumn);
    EXPECT_EQ(ColumnOf(overview.rows, kFileColumn).front(), "Z080.TRB") << "upper case before lower case";
    SortRows(overview.rows, kNameColumn);
    EXPECT_EQ(ColumnOf(overview.rows, kNameColumn).back(), "Pumpe");
    const std::vector<std::string> before = ColumnOf(overview.rows, kFileColumn);
    SortRows(overview.rows, kColumnCount);
    SortRows(overview.rows, -1);
    EXPECT_EQ(ColumnOf(overview.rows, kFileColumn), before) << "columns outside the grid change nothing";
}

TEST_F(OverviewFolder, EnglishUnitsShowInchesAndFahrenheitButKeepNewtonAndMegapascal) {
    text::FormatOptions english;
    english.units = 1;
    english.decimalSeparator = 2;
    const Row row = ReadRow(folder.Folder(), "a120.trb", english);
    EXPECT_EQ(row.cells[kBoreColumn], "  4,724") << "four significant digits in inches";
    EXPECT_NEAR(*row.values[kBoreColumn], 120 / 25.4, 1e-12);
    EXPECT_EQ(row.cells[kInletColumn], " 136,4");
    EXPECT_NEAR(*row.values[kInletColumn], 58 * 1.8 + 32, 1e-12);
    EXPECT_EQ(row.cells[kLoadColumn], "    36000");
    EXPECT_EQ(row.cells[kPressureColumn], "   5,0");
}

// The last line of a case file holds the width factor of the width proposal, which the run does
// not use: a file cut before it calculates as the whole file does, but is not the whole case.
TEST(Overview, ACaseCutBeforeItsLastLineIsIncompleteWithTheResultsOfTheWholeCase) {
    CaseFolder folder;
    const std::string whole = CaseFolder::CaseText(testing::ScaledExample(120), "Getriebe");
    ASSERT_EQ(whole.substr(whole.size() - 2), "\r\n");
    const std::size_t lastLine = whole.rfind("\r\n", whole.size() - 3) + 2;
    folder.WriteText("whole.trb", whole);
    folder.WriteText("cut.trb", whole.substr(0, lastLine));
    // Without the line end after the last line the case is still whole.
    folder.WriteText("open.trb", whole.substr(0, whole.size() - 2));

    const Row complete = ReadRow(folder.Folder(), "whole.trb", {});
    const Row cut = ReadRow(folder.Folder(), "cut.trb", {});
    const Row open = ReadRow(folder.Folder(), "open.trb", {});
    EXPECT_EQ(complete.state, RowState::Calculated);
    EXPECT_EQ(open.state, RowState::Calculated);
    EXPECT_EQ(cut.state, RowState::Incomplete);
    EXPECT_EQ(StateName(cut.state), "incomplete");
    for (int c = kNameColumn; c < kColumnCount; ++c)
        EXPECT_EQ(cut.cells[static_cast<std::size_t>(c)], complete.cells[static_cast<std::size_t>(c)])
            << Columns()[static_cast<std::size_t>(c)].title;
    EXPECT_FALSE(cut.cells[kFilmColumn].empty());
}

// The date column shows the file's last change in local time, year/month/day with leading zeros.
TEST(Overview, TheDateIsTheLastChangeAsYearMonthDayWithLeadingZeros) {
    CaseFolder folder;
    const auto dated = [&](const std::string& file, int year, int month, int day, int hour) {
        folder.WriteCase(file, 100);
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_isdst = -1;
        const std::time_t when = std::mktime(&local);
        const struct timespec times[2] = {{when, 0}, {when, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, (folder.Path() / file).c_str(), times, 0), 0);
        return ReadRow(folder.Folder(), file, {}).cells[kDateColumn];
    };
    EXPECT_EQ(dated("march.trb", 2024, 3, 5, 12), "2024/03/05");
    EXPECT_EQ(dated("newyear.trb", 2023, 12, 31, 23), "2023/12/31");
    EXPECT_EQ(dated("first.trb", 2025, 1, 1, 0), "2025/01/01");
}

TEST(Overview, AFolderThatCannotBeListedIsAnErrorAndAnEmptyOneHasNoRows) {
    CaseFolder folder;
    Overview overview;
    int error = 0;
    EXPECT_TRUE(ScanFolder(folder.Folder(), {}, overview, error));
    EXPECT_TRUE(overview.rows.empty());
    EXPECT_FALSE(ScanFolder(folder.Folder() + "missing", {}, overview, error));
    EXPECT_EQ(error, ENOENT);
    folder.WriteText("plain", "x");
    EXPECT_FALSE(ScanFolder(folder.Folder() + "plain", {}, overview, error));
    EXPECT_EQ(error, ENOTDIR);
}

TEST(Overview, ProgressNamesEachFileBeforeItIsRead) {
    CaseFolder folder;
    folder.WriteCase("b.trb", 100);
    folder.WriteCase("a.trb", 120);
    std::vector<std::string> seen;
    Overview overview;
    int error = 0;
    ScanFolder(folder.Folder(), {}, overview, error,
               [&](std::size_t index, std::size_t count, const std::string& file) {
                   EXPECT_EQ(count, 2u);
                   EXPECT_EQ(index, seen.size());
                   EXPECT_EQ(overview.rows.size(), index) << "called before the row is filled";
                   seen.push_back(file);
               });
    EXPECT_THAT(seen, ElementsAre("a.trb", "b.trb"));
}

}  // namespace
}  // namespace trb::overview
