#include "graphics/block_file.h"

#include <gtest/gtest.h>

#include <string>

namespace trb::graphics {
namespace {

TEST(BlockFile, EntitiesWithTheirGroupsUpToEof) {
    const auto entities = ParseBlockFile(
        "  0\r\nLINE\r\n  8\r\n2\r\n 10\r\n+1.5\r\n 20\r\n-2\r\n 10\r\n3\r\n"
        "  0\nCIRCLE\n 40\n  2.5  \n  0\nEOF\n  0\nLINE\n");
    ASSERT_EQ(entities.size(), 2u);
    EXPECT_EQ(entities[0].type, "LINE");
    EXPECT_EQ(entities[0].Text(8), "2");
    EXPECT_EQ(entities[0].Number(10), 3) << "the last value of a code counts";
    EXPECT_EQ(entities[0].Number(20), -2);
    EXPECT_EQ(entities[0].Number(30, 7), 7) << "a missing group gives the fallback";
    EXPECT_EQ(entities[1].Number(40), 2.5L);
}

// What a damaged or foreign file holds never reaches the drawing as a number it cannot use.
TEST(BlockFile, DamagedContentGivesFallbacksOrEndsTheEntities) {
    auto entities = ParseBlockFile("0\nCIRCLE\n40\nnan\n41\ninf\n42\n1e99999\n43\nabc\n");
    ASSERT_EQ(entities.size(), 1u);
    for (int code : {40, 41, 42, 43}) EXPECT_EQ(entities[0].Number(code, 1), 1) << code;

    // A code line that holds no number ends the reading; groups before any entity are ignored.
    entities = ParseBlockFile("10\n5\n0\nLINE\nx\n0\n0\nCIRCLE\n");
    ASSERT_EQ(entities.size(), 1u);
    EXPECT_TRUE(entities[0].groups.empty());

    // An overlong value is cut at the line cap.
    entities = ParseBlockFile("0\nTEXT\n1\n" + std::string(kMaxBlockLineLength * 3, 'x') + "\n40\n2\n");
    ASSERT_EQ(entities.size(), 1u);
    EXPECT_EQ(entities[0].Text(1).size(), kMaxBlockLineLength);
    EXPECT_EQ(entities[0].Number(40), 2) << "the lines after it are read on";
}

}  // namespace
}  // namespace trb::graphics
