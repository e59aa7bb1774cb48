#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/operating_sweep.h"
#include "graphics/plot_parameters.h"
#include "help/help_text.h"
#include "help/picture_list.h"
#include "text/cp850.h"
#include "ui/help_numbers.h"
#include "whole_file.h"

namespace trb::help {
namespace {

const std::string kData = std::string(TRB_SOURCE_DATA_DIR) + "/";

using test_support::ReadWholeFile;

// The numbers of the header lines of a help file (lines that start with four digits and follow a
// text line or the file start; the files use numbered lines only as headers).
std::set<int> Headers(const std::string& content) {
    std::set<int> headers;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() >= 4 && std::isdigit(static_cast<unsigned char>(line[0])) &&
            std::isdigit(static_cast<unsigned char>(line[1])) &&
            std::isdigit(static_cast<unsigned char>(line[2])) &&
            std::isdigit(static_cast<unsigned char>(line[3])))
            headers.insert(std::stoi(line.substr(0, 4)));
    }
    return headers;
}

TEST(ShippedHelpTest, EveryDeclaredNumberHasARealText) {
    text::FormatOptions format;
    for (std::size_t i = 0; i < std::size(kAllHelpNumbers); ++i) {
        const int number = kAllHelpNumbers[i];
        const HelpEntry entry = LookupHelp(kData, number);
        EXPECT_TRUE(entry.found) << kAllHelpNames[i] << " " << number << ": " << entry.lines[0];
        // A line of 255 characters or more would show empty (the display conversion's limit).
        for (const std::string& line : entry.lines) EXPECT_LT(line.size(), 255u) << kAllHelpNames[i];
        if (entry.picture != "NULL") {
            EXPECT_TRUE(std::filesystem::is_regular_file(kData + entry.picture + ".plt")) << entry.picture;
        }
        const std::string shown = GetHelpText(kData, number, format);
        EXPECT_EQ(shown.find("keine Hilfe vorhanden"), std::string::npos) << kAllHelpNames[i];
        // A real explanation, not a caption repeated.
        EXPECT_GT(shown.size(), 60u) << kAllHelpNames[i] << " " << number << ": " << shown;
    }
}

// What help texts state about the program, beside what the program does: the limits are the
// program's own constants; the behaviour of the search (it ignores case) and of the overview (one
// click opens, a right click on a title sorts) is what the window tests check.
TEST(ShippedHelpTest, TheTextsSayWhatTheProgramDoes) {
    const auto most = [](int n) {
        return "h\x94"
               "chstens " +
               std::to_string(n) + " Zeichen";
    };
    const std::vector<std::pair<int, std::string>> claims = {
        {2060, most(graphics::kPlotCommandLength)},
        {2300, most(kPictureTextLength)},
        {2330, most(kPictureNameLength)},
        {2340, most(kPictureTextLength)},
        {2450, most(50)},
        {2450, "Gro\xE1- und Kleinschreibung werden nicht unterschieden"},
        {3400,
         "Ein Klick auf eine Zeile \x94"
         "ffnet den Fall"},
        {3400, "rechten Maustaste auf einen Spaltentitel sortiert"},
        {1015, "1 bis 3150 mm"},
        {5640, "(1 bis " + std::to_string(core::kMaxSweepSteps) + ")"},
    };
    for (const auto& [number, phrase] : claims) {
        const HelpEntry entry = LookupHelp(kData, number);
        std::string all;
        for (const std::string& line : entry.lines) all += line + " ";
        EXPECT_NE(all.find(phrase), std::string::npos)
            << number << " lacks \"" << text::OemToDisplayAll(phrase, {})
            << "\": " << text::OemToDisplayAll(all, {});
    }
    // Nor does the overview's help speak of a double click any more.
    std::string overview;
    for (const std::string& line : LookupHelp(kData, 3400).lines) overview += line;
    EXPECT_EQ(overview.find("Doppelklick"), std::string::npos);
}

TEST(ShippedHelpTest, DeclaredNumbersAreDistinctMultiplesOfFive) {
    std::map<int, std::string> seen;
    for (std::size_t i = 0; i < std::size(kAllHelpNumbers); ++i) {
        const int number = kAllHelpNumbers[i];
        EXPECT_EQ(number % 5, 0) << kAllHelpNames[i];
        const auto [it, inserted] = seen.emplace(number, kAllHelpNames[i]);
        EXPECT_TRUE(inserted) << kAllHelpNames[i] << " repeats " << it->second << " (" << number << ")";
    }
}

TEST(ShippedHelpTest, FilesHoldOnlyDeclaredEntriesInTheirRangeWithCrLfLines) {
    const std::set<int> declared(std::begin(kAllHelpNumbers), std::end(kAllHelpNumbers));
    for (const char* name : {"korvane.hlp", "trb.hlp"}) {
        const std::string content = ReadWholeFile(kData + name);
        ASSERT_FALSE(content.empty()) << name;
        for (std::size_t at = content.find('\n'); at != std::string::npos; at = content.find('\n', at + 1))
            ASSERT_TRUE(at > 0 && content[at - 1] == '\r') << name << " at byte " << at;
        for (const int header : Headers(content)) {
            EXPECT_TRUE(declared.count(header))
                << name << ": entry " << header << " is not a declared number";
            EXPECT_EQ(HelpFileFor(kData, header), kData + name) << header;
        }
    }
}

}  // namespace
}  // namespace trb::help
