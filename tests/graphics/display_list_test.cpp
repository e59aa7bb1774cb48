#include "graphics/display_list.h"

#include <gtest/gtest.h>

#include <clocale>

namespace trb::graphics {
namespace {

TEST(DisplayList, TextFormRoundTripsEveryCommand) {
    DisplayCommand arc{5, {-1.5L, -2, 1.5L, 2, 1.5L, 0, 0, 2}, {}};
    EXPECT_EQ(FormatCommand(arc), "5;-1.5;-2;1.5;2;1.5;0;0;2");
    DisplayCommand window{10, {1, 1, 1014, 676, 0, 0, 160, 120}, {}};
    EXPECT_EQ(FormatCommand(window), "10;1;1;1014;676;0;0;160;120");
    // Reals keep at most 8 significant digits.
    DisplayCommand line{4, {1.0L / 3, 2, 123456789.0L, 0}, {}};
    EXPECT_EQ(FormatCommand(line), "4;0.33333333;2;1.2345679e+08;0");
    // The text runs to the end of the line and may hold ";".
    DisplayCommand text{6, {10, 20}, "a;b;c"};
    const std::string t = FormatCommand(text);
    EXPECT_EQ(t, "6;10;20;a;b;c");
    const DisplayCommand back = ParseCommand(t);
    EXPECT_EQ(back.code, 6);
    EXPECT_EQ(back.v[1], 20);
    EXPECT_EQ(back.text, "a;b;c");
    const DisplayCommand style = ParseCommand("9;3.5;2.5;2;90");
    EXPECT_EQ(style.v[2], 2);
    EXPECT_EQ(style.v[3], 90);
}

TEST(DisplayList, UnparsableFieldsReadAsZero) {
    EXPECT_EQ(ParseCommand("x;1;2").code, 0);
    const DisplayCommand c = ParseCommand("4;1;abc;3");  // the last field is missing
    EXPECT_EQ(c.code, 4);
    EXPECT_EQ(c.v[0], 1);
    EXPECT_EQ(c.v[1], 0);
    EXPECT_EQ(c.v[2], 3);
    EXPECT_EQ(c.v[3], 0);
    // A decimal comma from a hand-written list is accepted.
    EXPECT_EQ(ParseCommand("3;1,5;0;2").v[0], 1.5L);
}

TEST(DisplayList, DumpIgnoresTheLocale) {
    // A German locale (if installed) must not turn the decimal point into a comma.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    DisplayList list;
    list.Append({3, {1.25L, 2.5L, 0.75L}, {}});
    list.Append({8, {14}, {}});
    const std::string dump = list.Dump();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(dump, "3;1.25;2.5;0.75\n8;14\n");
    if (!german) GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
}

}  // namespace
}  // namespace trb::graphics
