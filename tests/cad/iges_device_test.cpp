#include "cad/iges_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "sample_drawing.h"
#include "temp_folder.h"
#include "test_files.h"

namespace trb::cad {
namespace {

using ::testing::HasSubstr;

struct IgesFile {
    std::string text;
    core::RunStatus status;

    // The lines of one section (by the letter in column 73), without line ends.
    std::vector<std::string> Section(char letter) const {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (line.size() == 80 && line[72] == letter) lines.push_back(line);
        }
        return lines;
    }
    // Field `field` (1..9) of directory line `line` (1-based), trimmed.
    std::string Directory(std::size_t line, std::size_t field) const {
        std::string value = Section('D').at(line - 1).substr((field - 1) * 8, 8);
        value.erase(0, value.find_first_not_of(' '));
        return value;
    }
    // Parameter text of P line `line`, trailing blanks removed.
    std::string Parameter(std::size_t line) const {
        std::string value = Section('P').at(line - 1).substr(0, 64);
        value.erase(value.find_last_not_of(' ') + 1);
        return value;
    }
};

IgesHeader SampleHeader() {
    IgesHeader header;
    header.fileName = "lager.igs";
    header.year = 2026;
    header.month = 12;
    header.day = 9;
    header.author = "Konstruktion";
    return header;
}

IgesFile Iges(const std::function<void(IgesDevice&)>& draw, CadSettings settings = {}) {
    test_support::TempFolder temp;
    settings.tempFolder = temp.Path().string();
    IgesFile file;
    std::ostringstream out;
    {
        IgesDevice device(out, settings, SampleHeader(), file.status);
        draw(device);
        device.Close();
        EXPECT_TRUE(device.Good());
    }
    EXPECT_EQ(temp.FileCount(), 0u) << "the parameter file stays behind";
    file.text = out.str();
    return file;
}

TEST(IgesDevice, FirstEntitiesGetTheirDirectoryAndParameterPointers) {
    TextStyle style;
    style.height = 3.5L;
    const IgesFile file = Iges([&](IgesDevice& d) {
        d.Text("Lager", 1, 2, style);
        d.Line(0, 0, 10, 5);
    });
    // the text: directory line 1, parameter lines 1 and 2 (the string on a line of its own)
    EXPECT_EQ(file.Directory(1, 1), "212");
    EXPECT_EQ(file.Directory(1, 2), "1");
    EXPECT_EQ(file.Directory(1, 3), "0");  // structure
    EXPECT_EQ(file.Directory(2, 4), "2");  // parameter line count
    EXPECT_EQ(file.Parameter(1), "212,1,5,17.500,3.500,1,,0.000000,0,0,1.000,2.000,0.0,");
    EXPECT_EQ(file.Parameter(2), "5HLager;");
    EXPECT_EQ(file.Section('P')[0].substr(64, 8), "       1");
    // the line: D pointer 3, P pointer 1 + 2
    EXPECT_EQ(file.Directory(3, 1), "110");
    EXPECT_EQ(file.Directory(3, 2), "3");
    EXPECT_EQ(file.Parameter(3), "110,0.000,0.000,0.0,10.000,5.000,0.0;");
    EXPECT_EQ(file.Section('P')[2].substr(64, 8), "       3");
    EXPECT_EQ(file.Section('T').at(0).substr(0, 32), "S0000000G0000000D0000004P0000003");
}

TEST(IgesDevice, DecimalsSettingAndCirclesAndArcs) {
    CadSettings settings;
    settings.format.decimals = 2;
    const IgesFile file = Iges(
        [](IgesDevice& d) {
            d.Circle(1, 2, 3);
            d.Arc(0, 0, 90, 180, 2);
            d.Arc(0, 0, 0, 360, 2);
            d.Arc(0, 0, 0, 90, 0);
        },
        settings);
    EXPECT_EQ(file.Section('D').size(), 6u);
    EXPECT_EQ(file.Parameter(1), "100,0.0,1.00,2.00,4.00,2.00,4.00,2.00;");
    EXPECT_EQ(file.Parameter(2), "100,0.0,0.00,0.00,0.00,2.00,-2.00,0.00;");
    EXPECT_EQ(file.Parameter(3), "100,0.0,0.00,0.00,2.00,0.00,2.00,0.00;");
    EXPECT_EQ(file.Directory(1, 7), "0");  // transformation matrix field
}

// What rounds to a point in the file is no entity: no line, circle or arc whose ends meet.
TEST(IgesDevice, EntitiesThatRoundToAPointAreLeftOut) {
    CadSettings settings;
    settings.format.decimals = 3;
    const IgesFile file = Iges(
        [](IgesDevice& d) {
            d.Line(5, 5, 5.0002L, 5.0001L);
            d.Circle(1, 2, 0.0003L);
            d.Arc(0, 0, 10, 10.0001L, 2);
            d.Line(5, 5, 5.001L, 5);
        },
        settings);
    ASSERT_EQ(file.Section('D').size(), 2u);
    EXPECT_EQ(file.Parameter(1), "110,5.000,5.000,0.0,5.001,5.000,0.0;");
}

TEST(IgesDevice, SolidOutlineRunsThroughPointsOneTwoFourThree) {
    const IgesFile file = Iges([](IgesDevice& d) { d.Solid(1, 1, 2, 1, 1, 2, 2, 2); });
    EXPECT_EQ(file.Directory(2, 5), "11");
    EXPECT_EQ(file.Directory(2, 4), "5");
    EXPECT_EQ(file.Parameter(1), "106,1,5,0.0,1.000,1.000,");
    EXPECT_EQ(file.Parameter(2), "2.000,1.000,");
    EXPECT_EQ(file.Parameter(3), "2.000,2.000,");
    EXPECT_EQ(file.Parameter(4), "1.000,2.000,");
    EXPECT_EQ(file.Parameter(5), "1.000,1.000;");
}

TEST(IgesDevice, PensGiveColourAndLineFont) {
    CadSettings settings;
    settings.penColors[1] = 3;  // pen 17: green
    const IgesFile file = Iges(
        [](IgesDevice& d) {
            d.Pen(1);
            d.Line(0, 0, 1, 1);
            d.Pen(0);
            d.Line(0, 0, 1, 1);
            d.Pen(17);
            d.Line(0, 0, 1, 1);
        },
        settings);
    // layer 1: CAD colour 2 (yellow) -> IGES 5, centre line
    EXPECT_EQ(file.Directory(1, 4), "4");
    EXPECT_EQ(file.Directory(1, 5), "5");
    EXPECT_EQ(file.Directory(2, 3), "5");
    EXPECT_EQ(file.Directory(3, 4), "1");
    EXPECT_EQ(file.Directory(3, 5), "0");
    EXPECT_EQ(file.Directory(5, 5), "3");
}

TEST(IgesDevice, BlocksBecomeSubfiguresAndInsertsInstances) {
    const IgesFile file = Iges([](IgesDevice& d) {
        EXPECT_TRUE(d.BlockBegin("MARK"));
        d.Circle(0, 0, 2);
        d.Line(-3, 0, 3, 0);
        d.BlockEnd();
        d.Insert("MARK", 1, 1, 0, 10, 20);
        d.Insert("MARK", 2, 2, 90, 10, 20);
        d.Insert("NOTHERE", 1, 1, 0, 0, 0);
    });
    EXPECT_EQ(file.Directory(1, 9), "00010000");
    EXPECT_EQ(file.Directory(3, 9), "00010000");
    EXPECT_EQ(file.Directory(5, 1), "308");
    EXPECT_EQ(file.Directory(5, 9), "00000000");
    EXPECT_EQ(file.Directory(6, 8), "MARK");
    EXPECT_EQ(file.Parameter(3), "308,0,4HMARK,2,");
    EXPECT_EQ(file.Parameter(4), "1,3;");
    EXPECT_EQ(file.Parameter(5), "408,5,10.000,20.000,0.0,1.000000;");
    // the turned insert: its matrix first, then the instance pointing at it
    EXPECT_EQ(file.Directory(9, 1), "124");
    EXPECT_EQ(file.Parameter(6), "124,0.000000,-1.000000,0.0,10.000,");
    EXPECT_EQ(file.Parameter(7), "1.000000,0.000000,0.0,20.000,");
    EXPECT_EQ(file.Parameter(8), "0.0,0.0,1.0,0.0;");
    EXPECT_EQ(file.Directory(11, 1), "408");
    EXPECT_EQ(file.Directory(11, 7), "9");
    EXPECT_EQ(file.Parameter(9), "408,5,0.0,0.0,0.0,2.000000;");
    EXPECT_EQ(file.Section('D').size(), 12u);
    ASSERT_EQ(file.status.MessageCount(), 1);
    EXPECT_EQ(file.status.Message(1).substr(0, 18), "Blockname NOTHERE ");
}

TEST(IgesDevice, ManyMembersTakeTwelvePointersPerLine) {
    const IgesFile file = Iges([](IgesDevice& d) {
        d.BlockBegin("GRID");
        for (int i = 0; i < 13; ++i) d.Line(i, 0, i, 1);
        d.BlockEnd();
    });
    EXPECT_EQ(file.Parameter(14), "308,0,4HGRID,13,");
    EXPECT_EQ(file.Parameter(15), "1,3,5,7,9,11,13,15,17,19,21,23,");
    EXPECT_EQ(file.Parameter(16), "25;");
}

TEST(IgesDevice, GlobalSectionCarriesFileDateAndModelSize) {
    const IgesFile file = Iges([](IgesDevice& d) { d.Limits(0, 0, 297, 210); });
    const auto start = file.Section('S');
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[0].substr(0, 32), "IGES-Datei generiert von KORVANE");
    std::string global;
    for (const std::string& line : file.Section('G')) {
        const std::string data = line.substr(0, 72);
        global += data.substr(0, data.find_last_not_of(' ') + 1);
    }
    EXPECT_THAT(global, HasSubstr(",,4HFILE,9Hlager.igs,12HKORVANE V1.6,"));
    EXPECT_THAT(global, HasSubstr("16,38,6,99,15,9Hlager.igs,1.0,2,2HMM,32767,3.2767D1,"));
    EXPECT_THAT(global, HasSubstr("13H261209.081107,1.0D-8,297,12HKonstruktion,,4,0;"));
}

TEST(IgesDevice, SampleDrawingMatchesTheGoldenFile) {
    const IgesFile file = Iges([](IgesDevice& d) { test::DrawSample(d); });
    EXPECT_EQ(file.status.MessageCount(), 0);
    EXPECT_TRUE(test::MatchesGolden("sample.igs", file.text));
}

TEST(IgesDevice, UnusableTemporaryFolderIsReportedNotIgnored) {
    CadSettings settings;
    settings.tempFolder = "/nonexistent/trb";
    core::RunStatus status;
    std::ostringstream out;
    IgesDevice device(out, settings, SampleHeader(), status);
    device.Line(0, 0, 1, 1);
    device.Close();
    EXPECT_FALSE(device.Good());
}

}  // namespace
}  // namespace trb::cad
