#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>

#include "config/config_file.h"
#include "config_test_support.h"
#include "text/format.h"

// Numbers written to files must not depend on the user's locale.
namespace trb::config {
namespace {

struct CommaNumbers : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::string Sample() {
    ConfigSettings s = testing::ChangedSettings();
    s.zoomFactor = 1234.5678L;
    s.textWindow = {1234, 2345, 3456, 4567};
    return ConfigText(s) + text::FormatFixed(1234567.25L, 1, 2, s.format) +
           text::FormatShort(0.0125L, s.format);
}

TEST(Locale, AGermanCLocaleLeavesFileNumbersAlone) {
    const std::string before = Sample();
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE.utf8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    const std::string during = Sample();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(during, before);
}

TEST(Locale, AGlobalStreamLocaleWithDecimalCommaLeavesFileNumbersAlone) {
    const std::string before = Sample();
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
    const std::string during = Sample();
    std::locale::global(previous);
    EXPECT_EQ(during, before);
    EXPECT_NE(before.find("1234.5678000"), std::string::npos);
}

}  // namespace
}  // namespace trb::config
