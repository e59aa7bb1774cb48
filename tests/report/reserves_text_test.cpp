#include "report/reserves_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/language.h"

namespace trb::report {
namespace {

using core::Clearance;
using core::ThresholdInput;
using core::ThresholdLimit;

// A case at 36 kN, 33.3 1/s and 58 °C inlet temperature, with thresholds set by hand.
struct Case {
    core::TRBrecord record;
    core::Thresholds thresholds;
    text::FormatOptions format;

    Case() {
        record.f = 36000;
        record.ns = 33.3L;
        record.t1 = 58;
        record.ta = 20;
        record.druckschmierung = true;
        record.h0lim = 0.009L;
        record.tblim = 70;
        record.plim = 10;
        for (core::ClearanceThresholds& at : thresholds.clearances) {
            at.caseCounts = true;
            at.caseWithin = {true, true};
            at.loadAtPlim = 72000;
        }
    }

    std::vector<real>& At(Clearance clearance, ThresholdInput input, ThresholdLimit limit) {
        return thresholds.clearances[core::Index(clearance)]
            .crossings[core::Index(input)][core::Index(limit)];
    }
    core::ClearanceThresholds& At(Clearance clearance) {
        return thresholds.clearances[core::Index(clearance)];
    }

    ReservesText Describe(int language = text::kEnglish) const {
        return DescribeReserves(record, thresholds, "lager.trb", language, format);
    }
};

std::vector<std::string> Lines(const ReservesText& reserves, Clearance clearance) {
    std::vector<std::string> lines;
    for (const ReserveLine& line : reserves.sections[core::Index(clearance)].lines)
        lines.push_back(line.text);
    return lines;
}

TEST(ReservesText, SaysHowFarEachInputMayGoBeforeItsLimit) {
    Case c;
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Film) = {90500};
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Temperature) = {1090, 276000};
    c.At(Clearance::Mean, ThresholdInput::ShaftSpeed, ThresholdLimit::Film) = {10};
    c.At(Clearance::Mean, ThresholdInput::ShaftSpeed, ThresholdLimit::Temperature) = {62.5L};
    c.At(Clearance::Mean, ThresholdInput::Temperature, ThresholdLimit::Film) = {90.5L};
    c.At(Clearance::Mean, ThresholdInput::Temperature, ThresholdLimit::Temperature) = {63.5L};
    const ReservesText reserves = c.Describe();
    EXPECT_EQ(reserves.title, "Reserves: lager.trb");
    EXPECT_EQ(reserves.sections[1].heading, "s m: mean clearance");
    EXPECT_EQ(reserves.sections[0].heading, "s min: smallest clearance (Dmin, dmax)");
    EXPECT_EQ(Lines(reserves, Clearance::Mean),
              (std::vector<std::string>{
                  "The load may rise to 90.5 kN (\u00D72.51) before h0 reaches h0lim.",
                  "The load may fall to 1.09 kN (\u00D70.0303) before teff reaches tBlim.",
                  "The load may rise to 276 kN (\u00D77.67) before teff reaches tBlim.",
                  "The shaft speed may fall to 10 1/s (\u00D70.3) before h0 reaches h0lim.",
                  "The shaft speed may rise to 62.5 1/s (\u00D71.88) before teff reaches tBlim.",
                  "The inlet temperature may rise to 90.5 \u00B0C (+32.5 K) before h0 reaches h0lim.",
                  "The inlet temperature may rise to 63.5 \u00B0C (+5.5 K) before teff reaches tBlim.",
              }));
    EXPECT_EQ(
        reserves.caseLine,
        "Case: F = 36 kN, n = 33.3 1/s, t1 = 58 \u00B0C; h0lim = 0.009 mm, tBlim = 70 \u00B0C, plim = 10 "
        "MPa");
    EXPECT_EQ(reserves.plimLine, "The load may rise to 72 kN (\u00D72) before p reaches plim.");
}

TEST(ReservesText, ACaseBeyondItsLimitMustGoBackAndOneNeverReachingItSaysTheRange) {
    Case c;
    c.record.druckschmierung = false;  // the ambient temperature and tB
    c.At(Clearance::Largest).caseWithin = {false, false};
    c.At(Clearance::Largest, ThresholdInput::Load, ThresholdLimit::Film) = {16100};
    c.At(Clearance::Largest, ThresholdInput::Temperature, ThresholdLimit::Temperature) = {-14.1L};
    c.At(Clearance::Largest, ThresholdInput::ShaftSpeed, ThresholdLimit::Film) = {3.7L, 23, 40};
    const std::vector<std::string> lines = Lines(c.Describe(), Clearance::Largest);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "h0 is beyond h0lim already: the load must fall to 16.1 kN (\u00D70.447).");
    EXPECT_EQ(lines[1], "tB does not reach tBlim while the load stays between 36 N and 36 MN.");
    // Of the crossings below and above the case, the nearest.
    EXPECT_EQ(lines[2], "h0 is beyond h0lim already: the shaft speed must fall to 23 1/s (\u00D70.691).");
    EXPECT_EQ(lines[3], "h0 is beyond h0lim already: the shaft speed must rise to 40 1/s (\u00D71.2).");
    EXPECT_EQ(lines[4],
              "tB does not reach tBlim while the shaft speed stays between 0.0333 1/s and 33300 1/s.");
    EXPECT_EQ(lines[5],
              "h0 does not reach h0lim while the ambient temperature stays between -80 \u00B0C and "
              "120 \u00B0C.");
    EXPECT_EQ(lines[6],
              "tB is beyond tBlim already: the ambient temperature must fall to -14.1 \u00B0C "
              "(\u221234.1 K).");
    c.record.f = 80000;
    EXPECT_EQ(c.Describe().plimLine, "p is beyond plim already: the load must fall to 72 kN (\u00D70.9).");
}

TEST(ReservesText, AClearanceWithoutOperatingStateListsWhereTheLimitIsPassed) {
    Case c;
    c.At(Clearance::Smallest).caseCounts = false;
    c.At(Clearance::Smallest, ThresholdInput::Load, ThresholdLimit::Film) = {900, 90000};
    const std::vector<std::string> lines = Lines(c.Describe(), Clearance::Smallest);
    EXPECT_EQ(
        lines[0],
        "At this clearance the case itself gives no operating state; h0 reaches h0lim at 900 N, 90 kN.");
    EXPECT_EQ(lines[1],
              "At this clearance the case itself gives no operating state; teff does not reach tBlim.");
}

TEST(ReservesText, TheClearanceReachingALimitFirstIsMarked) {
    Case c;
    c.At(Clearance::Smallest, ThresholdInput::Load, ThresholdLimit::Film) = {90900};
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Film) = {90500};
    c.At(Clearance::Largest, ThresholdInput::Load, ThresholdLimit::Film) = {90000};
    c.At(Clearance::Smallest, ThresholdInput::Temperature, ThresholdLimit::Temperature) = {62};
    c.At(Clearance::Largest, ThresholdInput::Temperature, ThresholdLimit::Temperature) = {65};
    const ReservesText reserves = c.Describe();
    const auto governing = [&](Clearance clearance) {
        std::vector<bool> marks;
        for (const ReserveLine& line : reserves.sections[core::Index(clearance)].lines)
            marks.push_back(line.governing);
        return marks;
    };
    // Load/h0lim, load/tBlim, speed ×2, temperature/h0lim, temperature/tBlim.
    EXPECT_EQ(governing(Clearance::Largest), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_EQ(governing(Clearance::Smallest), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_EQ(governing(Clearance::Mean), (std::vector<bool>(6, false)));
    EXPECT_EQ(reserves.governingNote, "\u25C0 governing");

    const std::string html = ReservesHtml(reserves);
    EXPECT_NE(
        html.find("<li><b>The load may rise to 90 kN (\u00D72.5) before h0 reaches h0lim.</b> \u25C0</li>"),
        std::string::npos);
    EXPECT_NE(html.find("<li>The load may rise to 90.5 kN (\u00D72.51) before h0 reaches h0lim.</li>"),
              std::string::npos);
}

TEST(ReservesText, GermanWithADecimalCommaAndEnglishUnits) {
    Case c;
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Film) = {90500};
    c.At(Clearance::Mean, ThresholdInput::Temperature, ThresholdLimit::Temperature) = {63.5L};
    c.format.decimalSeparator = 2;
    std::vector<std::string> lines = Lines(c.Describe(text::kGerman), Clearance::Mean);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Die Last darf bis 90,5 kN (\u00D72,51) steigen, bevor h0 h0lim erreicht.");
    EXPECT_EQ(lines.back(),
              "Die Eintrittstemperatur darf bis 63,5 \u00B0C (+5,5 K) steigen, bevor teff tBlim erreicht.");
    EXPECT_EQ(lines[1], "teff erreicht tBlim nicht, solange die Last zwischen 36 N und 36 MN bleibt.");

    c.format.decimalSeparator = 1;
    c.format.units = 1;
    lines = Lines(c.Describe(), Clearance::Mean);
    EXPECT_EQ(lines[0], "The load may rise to 20.3 klbf (\u00D72.51) before h0 reaches h0lim.");
    EXPECT_EQ(lines.back(),
              "The inlet temperature may rise to 146 \u00B0F (+9.9 \u00B0F) before teff reaches tBlim.");
}

TEST(ReservesText, EveryLanguageFillsEverySentence) {
    Case c;
    c.At(Clearance::Smallest).caseCounts = false;
    c.At(Clearance::Smallest, ThresholdInput::Load, ThresholdLimit::Film) = {90000};
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Film) = {90500};
    c.At(Clearance::Mean, ThresholdInput::Load, ThresholdLimit::Temperature) = {1090};
    c.At(Clearance::Largest).caseWithin = {false, false};
    c.At(Clearance::Largest, ThresholdInput::Load, ThresholdLimit::Film) = {16100, 90000};
    std::vector<std::string> titles;
    for (int language : {text::kGerman, text::kEnglish, text::kFrench, text::kRomanian, text::kKorean}) {
        const ReservesText reserves = c.Describe(language);
        titles.push_back(reserves.title);
        std::vector<std::size_t> counts;
        for (const ReserveSection& section : reserves.sections) {
            counts.push_back(section.lines.size());
            for (const ReserveLine& line : section.lines) {
                EXPECT_EQ(line.text.find('{'), std::string::npos) << language << ": " << line.text;
            }
        }
        // Beyond the film limit between two crossings, the largest clearance must fall or rise.
        EXPECT_EQ(counts, (std::vector<std::size_t>{6, 6, 7})) << language;
        EXPECT_NE(reserves.sections[2].lines[0].text.find("16.1 kN"), std::string::npos) << language;
        EXPECT_NE(reserves.sections[2].lines[1].text.find("90 kN"), std::string::npos) << language;
        EXPECT_NE(reserves.sections[0].lines[0].text.find("90 kN"), std::string::npos) << language;
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Reserven: lager.trb", "Reserves: lager.trb",
                                                "R\u00E9serves: lager.trb", "Rezerve: lager.trb",
                                                "\uC5EC\uC720: lager.trb"}));
    const ReservesText korean = c.Describe(text::kKorean);
    EXPECT_EQ(korean.sections[1].lines[0].text,
              "h0이(가) h0lim에 도달하기 전까지 하중은(는) 90.5 kN (\u00D72.51)까지 올라갈 수 있습니다.");
    EXPECT_EQ(c.Describe(text::kFrench).sections[1].lines[0].text,
              "La charge peut monter jusqu'à 90.5 kN (\u00D72.51) avant que h0 n'atteigne h0lim.");
}

TEST(ReservesText, HtmlEscapesTheCaseName) {
    Case c;
    const std::string html =
        ReservesHtml(DescribeReserves(c.record, c.thresholds, "a<b>&c", text::kEnglish, c.format));
    EXPECT_NE(html.find("<h2>Reserves: a&lt;b&gt;&amp;c</h2>"), std::string::npos);
    EXPECT_EQ(html.find("a<b>"), std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
}

}  // namespace
}  // namespace trb::report
