#include "text/format.h"

#include <gtest/gtest.h>

#include <limits>

namespace trb::text {
namespace {

FormatOptions Options(int decimals = 3, int separator = 1) {
    FormatOptions o;
    o.decimals = decimals;
    o.decimalSeparator = separator;
    return o;
}

TEST(SignificantLayout, CountsDigitsAndDropsTrailingZeros) {
    EXPECT_EQ(SignificantLayout(12.5L, 3).decimals, 1);
    EXPECT_EQ(SignificantLayout(12.5L, 3).integerDigits, 2);
    EXPECT_EQ(SignificantLayout(1234.5L, 3).decimals, 0);
    EXPECT_EQ(SignificantLayout(1234.5L, 3).integerDigits, 4);
    EXPECT_EQ(SignificantLayout(0.0125L, 3).decimals, 4);
    EXPECT_EQ(SignificantLayout(0.0125L, 3).integerDigits, 0);
    // Exact powers of ten must not fall into the decade below.
    EXPECT_EQ(SignificantLayout(1000, 3).integerDigits, 4);
    EXPECT_EQ(SignificantLayout(0.001L, 3).decimals, 3);
    // Rounding up to a whole number leaves no decimals behind.
    EXPECT_EQ(SignificantLayout(1.99999L, 3).decimals, 0);
    EXPECT_EQ(SignificantLayout(0, 3).decimals, 1);  // zero counts as 0.5
}

TEST(FormatShort, ShowsThreeSignificantDecimals) {
    const FormatOptions o = Options();
    EXPECT_EQ(FormatShort(0.000004L, o), "0");
    EXPECT_EQ(FormatShort(12.5L, o), "12.5");
    EXPECT_EQ(FormatShort(1234.5L, o), "1235");
    EXPECT_EQ(FormatShort(0.0125L, o), "0.0125");
    EXPECT_EQ(FormatShort(-2.25L, o), "-2.25");
    EXPECT_EQ(FormatShort(1, o), "1");
    EXPECT_EQ(FormatShort(0.1L, o), "0.1");
    EXPECT_EQ(FormatShort(123.456L, o), "123.5");  // numbers from 1 up carry one digit more
}

// Below 1 the decimals are the significant digits plus the leading zeros after the point: 0.0123 has
// two of them, so three significant digits take four decimals and six take seven.
TEST(FormatShort, DecimalsBelowOneCountTheLeadingZeros) {
    const FormatOptions o = Options();
    EXPECT_EQ(FormatShort(0.0123L, o), "0.0123");
    EXPECT_EQ(FormatShort(0.012345L, o), "0.0123");
    EXPECT_EQ(FormatShort(0.00012345L, o), "0.000123");
    EXPECT_EQ(FormatLong(0.0123L, o), "0.0123");
    EXPECT_EQ(FormatLong(0.012345678L, o), "0.0123457");
    EXPECT_EQ(FormatLong(0.12345678L, o), "0.123457");
}

TEST(FormatShort, FollowsDecimalsAndSeparatorSettings) {
    // Five decimals add two to every fixed-point text, the short form included.
    EXPECT_EQ(FormatShort(12.5L, Options(5)), "12.500");
    EXPECT_EQ(FormatFixed(2, 1, 3, Options(5)), "2.00000");
    EXPECT_EQ(FormatShort(12.5L, Options(3, 2)), "12,5");
    EXPECT_EQ(FormatDecimals(1.5L, 2, Options(3, 2)), "1,50");
    // The shift never goes below zero decimals or above ten.
    EXPECT_EQ(FormatFixed(2.4L, 1, 1, Options(1)), "2");
    EXPECT_EQ(FormatFixed(1, 1, 9, Options(9)), "1.0000000000");
}

TEST(FormatFixed, PadsRoundsAndAvoidsNegativeZero) {
    const FormatOptions o = Options();
    EXPECT_EQ(FormatFixed(3.14159L, 3, 2, o), "  3.14");
    EXPECT_EQ(FormatFixed(42, 5, 0, o), "   42");
    EXPECT_EQ(FormatFixed(2.5L, 1, 0, o), "3");  // halves round away from zero
    EXPECT_EQ(FormatFixed(-0.0004L, 1, 3, o), "0.000");
    EXPECT_EQ(FormatFixed(0.000000001L, 1, 2, o), "0.00");
    EXPECT_EQ(FormatFixed(123456, 2, 1, o), "123456.0");
    EXPECT_EQ(FormatFixed(1e25L, 1, 0, o).size(), 26u);
    EXPECT_EQ(FormatShort(1e300L, o).size(), 301u);
    EXPECT_EQ(FormatShort(std::numeric_limits<real>::infinity(), o), "0");
    EXPECT_EQ(FormatShort(std::numeric_limits<real>::quiet_NaN(), o), "0");
    EXPECT_EQ(FormatLong(-std::numeric_limits<real>::infinity(), o), "0");
}

TEST(FormatOther, LongRightAutoAndEngineering) {
    const FormatOptions o = Options();
    EXPECT_EQ(FormatLong(3.14159265L, o), "3.141593");
    EXPECT_EQ(FormatRight(12.5L, 8, o), "    12.5");
    EXPECT_EQ(FormatRight(0.0000001L, 4, o), "   0");
    EXPECT_EQ(FormatEngineering(12500, o), "12.5E3");
    EXPECT_EQ(FormatEngineering(0.00012L, o), "0.12E-3");
    EXPECT_EQ(FormatEngineering(-2500000, o), "-2.5E6");
    EXPECT_EQ(FormatEngineering(5, o), "5");
    EXPECT_EQ(FormatAuto(0, o), "0");
    EXPECT_EQ(FormatAuto(1e-13L, o), "0");
    EXPECT_EQ(FormatAuto(250, o), "250");
    EXPECT_EQ(FormatAuto(25000, o), "25E3");
}

TEST(IntegerAndPadding, KeepWidths) {
    EXPECT_EQ(IntText(-42), "-42");
    EXPECT_EQ(IntTextZeros(7, 3), "007");
    EXPECT_EQ(IntTextZeros(-7, 3), "-07");
    EXPECT_EQ(IntTextZeros(1234, 2), "1234");
    EXPECT_EQ(IntTextBlanks(7, 3), "  7");
    EXPECT_EQ(PadRight("abc", 5), "abc  ");
    EXPECT_EQ(PadRight("abcdef", 4), "abcd");
    EXPECT_EQ(PadLeft("  ab  ", 4), "  ab");
    EXPECT_EQ(PadLeft("abcdef", 3), "abc");
    EXPECT_EQ(TrimText("  a b  "), "a b");
    EXPECT_EQ(RemoveBlanks(" a b "), "ab");
    EXPECT_EQ(ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 15), "abcde ... vwxyz");
    EXPECT_EQ(ShortenMiddle("short", 15), "short");
    // An odd number of kept characters: the extra one goes to the end, which holds the file name.
    EXPECT_EQ(ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 16), "abcde ... uvwxyz");
    EXPECT_EQ(ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 26), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 25), "abcdefghij ... qrstuvwxyz");
}

TEST(FormatExponent, IsShortAndReadsBackExactly) {
    FormatOptions comma;
    comma.decimalSeparator = 2;
    for (const real x : {TextToReal("1.189731495357231765e4932"), TextToReal("-3e4486"), 1e30L, 0.1L}) {
        EXPECT_LE(FormatExponent(x, FormatOptions{}).size(), 30u);
        EXPECT_EQ(TextToReal(FormatExponent(x, FormatOptions{})), x);
        EXPECT_EQ(TextToReal(FormatExponent(x, comma)), x);
    }
    EXPECT_EQ(FormatExponent(2.5e40L, comma), "2,5e+40");
}

TEST(TextToReal, AcceptsDecimalCommaAndGivesZeroForGarbage) {
    EXPECT_EQ(TextToReal("12,5"), 12.5L);
    EXPECT_EQ(TextToReal(" 12.5 "), 12.5L);
    EXPECT_EQ(TextToReal("+3"), 3);
    EXPECT_EQ(TextToReal("-1e3"), -1000);
    EXPECT_EQ(TextToReal("1,2,3"), 0);
    EXPECT_EQ(TextToReal("abc"), 0);
    EXPECT_EQ(TextToReal("12abc"), 0);
    EXPECT_EQ(TextToReal(""), 0);
    EXPECT_EQ(TextToReal("nan"), 0);
    EXPECT_EQ(TextToReal("inf"), 0);
    EXPECT_EQ(TextToReal("1e99999"), 0);
    EXPECT_EQ(TextToInt(" 42 "), 42);
    EXPECT_EQ(TextToInt("4.2"), 0);
    EXPECT_EQ(TextToInt("99999999999999999999"), 0);
    real value = 7;
    EXPECT_FALSE(ParseReal("x", value));
    EXPECT_EQ(value, 7);
}

TEST(SplitText, BreaksAfterTheLastSeparatorThatFits) {
    const SplitResult r = SplitText("aaa bbb ccc", ' ', 8);
    ASSERT_EQ(r.pieces.size(), 2u);
    EXPECT_EQ(r.pieces[0], "aaa bbb ");
    EXPECT_EQ(r.pieces[1], "ccc");
    EXPECT_EQ(r.longest, 8);
    const SplitResult hard = SplitText("abcdefghij", ' ', 4);
    ASSERT_EQ(hard.pieces.size(), 3u);
    EXPECT_EQ(hard.pieces[2], "ij");
    EXPECT_TRUE(SplitText("", ' ', 4).pieces.empty());
}

TEST(DateAndSpreadsheet, FollowTheirSettings) {
    FormatOptions o;
    const int codes[] = {1, 2, 3, 4, 7};
    const char* expected[] = {"05.03.2026", "03/05/2026", "2026/03/05", "05/03/2026", "2026/03/05"};
    for (int i = 0; i < 5; ++i) {
        o.dateCode = codes[i];
        EXPECT_EQ(DateText(2026, 3, 5, o), expected[i]) << "date code " << codes[i];
    }
    EXPECT_EQ(TimeText(9, 5), "9:05");
    o.spreadsheetSeparator = 2;
    EXPECT_EQ(SpreadsheetNumber("1.5", o), "1,5");
    o.spreadsheetSeparator = 1;
    EXPECT_EQ(SpreadsheetNumber("1,5", o), "1.5");
}

TEST(Folders, JoinWithTheSeparatorUnlessPresent) {
    EXPECT_EQ(AddBackslash("  /home/user  "), "/home/user/");
    EXPECT_EQ(AddBackslash("/home/user/"), "/home/user/");
    // Any last character of a folder name joins, or "." would turn a file into a hidden one.
    EXPECT_EQ(AddBackslash("."), "./");
    EXPECT_EQ(AddBackslash("x-"), "x-/");
    EXPECT_EQ(AddBackslash("/home/u/Ma\xE1"), "/home/u/Ma\xE1/");
    EXPECT_EQ(AddBackslash("run9"), "run9/");
    EXPECT_EQ(AddBackslash("a_"), "a_/");
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("   "), "");
    EXPECT_EQ(FolderWithoutBackslash(" /tmp/x/ "), "/tmp/x");
    EXPECT_EQ(FolderWithoutBackslash("/"), "/");
}

}  // namespace
}  // namespace trb::text
