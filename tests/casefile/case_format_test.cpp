#include "casefile/case_format.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "sample_case.h"
#include "text/format.h"

namespace trb::casefile {
namespace {

using testing::ExpectSameCase;
using testing::FillSample;
using testing::SampleCase;

text::FormatOptions Format(int separator, int decimals = 3) {
    text::FormatOptions format;
    format.decimalSeparator = separator;
    format.decimals = decimals;
    return format;
}

std::string Write(SampleCase& c, const text::FormatOptions& format) {
    std::ostringstream out;
    WriteCaseContent(out, c.Content(), format, "TRB - Hydrodynamische Radial-Gleitlager");
    return out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

TEST(CaseReal, EncodingsOfTypicalValues) {
    EXPECT_EQ(CaseReal(0, Format(1)), "0");
    EXPECT_EQ(CaseReal(0.5L, Format(1)), "0.5000000");
    EXPECT_EQ(CaseReal(120, Format(1)), "120.0000000");
    EXPECT_EQ(CaseReal(1, Format(1)), "1.0000000");
    EXPECT_EQ(CaseReal(0.5L, Format(2)), "0,5000000");
    EXPECT_EQ(CaseReal(0.000023L, Format(1)), "0.0000230");
    EXPECT_EQ(CaseReal(0.000023L, Format(1, 5)), "0.000023000");
    // Fewer decimals on screen never cut what the file keeps.
    EXPECT_EQ(CaseReal(0.000023L, Format(1, 1)), "0.0000230");
    // A value too small for seven decimals is written as the 0 it reads back as, so that a saved
    // case saves again unchanged.
    EXPECT_EQ(CaseReal(0.00000002L, Format(1)), "0");
    EXPECT_EQ(CaseReal(-0.00000004L, Format(2)), "0");
    EXPECT_EQ(CaseReal(0.00000006L, Format(1)), "0.0000001");
    // Likewise a value the seven decimals show as a whole number below 1: "-20.0000000" would read
    // back as -20, which saves as "-20".
    EXPECT_EQ(CaseReal(-19.99999999999L, Format(1)), "-20");
    EXPECT_EQ(CaseReal(-20.00000001L, Format(1)), "-20");
    EXPECT_EQ(CaseReal(-20.00000001L, Format(2, 5)), "-20,000000010") << "more decimals keep the value";
    EXPECT_EQ(CaseReal(0.99999996L, Format(1)), "1.0000000");
    EXPECT_EQ(CaseReal(-0.99999996L, Format(1)), "-1");
    EXPECT_EQ(CaseReal(-12345, Format(1)), "-12345");
    for (const real x : {-20.00000001L, -19.99999996L, -0.00000004L, 0.99999996L, -1.5L, 7.00000004L}) {
        for (const int separator : {1, 2}) {
            const std::string once = CaseReal(x, Format(separator));
            EXPECT_EQ(CaseReal(text::TextToReal(once), Format(separator)), once) << once;
        }
    }
}

TEST(CaseFormat, LinesAreWhereTheLayoutPutsThem) {
    SampleCase c;
    FillSample(c);
    const auto lines = Lines(Write(c, Format(1)));
    EXPECT_EQ(lines[0], std::string(65, '-'));
    EXPECT_EQ(lines[1], "TRB - Hydrodynamische Radial-Gleitlager");
    EXPECT_EQ(lines[2], "Version 1.6");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[5], "Kunde: M\x81ller GmbH");
    EXPECT_EQ(lines[8], "Radialgleitlager");
    EXPECT_EQ(lines[9], "TRB-4711");
    EXPECT_EQ(lines[10], "Pumpenlager Seite A");
    EXPECT_EQ(lines[13], "--");
    EXPECT_EQ(lines[14], "80.0000000");   // db
    EXPECT_EQ(lines[15], "H7");           // toldb
    EXPECT_EQ(lines[19], "-1.2500000");   // nb
    EXPECT_EQ(lines[23], "360.0000000");  // omega
    EXPECT_EQ(lines[25], "e8");           // tolds
    EXPECT_EQ(lines[39], "0");            // reserved
    EXPECT_EQ(lines[40], "9");            // schmier
    EXPECT_EQ(lines[41], "TRUE");         // druckschmierung
    EXPECT_EQ(lines[42], "5");            // zufuhr
    EXPECT_EQ(lines[49], "0.0075000");    // h0lim
    EXPECT_EQ(lines[50],
              "\x8E"
              "NDERUNGEN");
    const std::size_t n = lines.size();
    EXPECT_EQ(lines[n - 3], "105.0000000");  // de
    EXPECT_EQ(lines[n - 2], "17");           // din1850rec
    EXPECT_EQ(lines[n - 1], "0.6000000");    // bfactor
    EXPECT_EQ(lines[n - 4], "--------------");
    EXPECT_EQ(lines[n - 6], "prog5");
}

TEST(CaseFormat, RoundTripInBothDecimalSettingsAndAcrossThem) {
    for (const int written : {1, 2}) {
        SampleCase original;
        FillSample(original);
        const std::string text = Write(original, Format(written));
        EXPECT_EQ(text.find(written == 1 ? ",0000000" : ".0000000"), std::string::npos);
        // The reader takes either separator, whatever the setting is now.
        SampleCase read;
        auto content = read.Content();
        EXPECT_TRUE(ReadCaseContent(text, content).complete);
        ExpectSameCase(original, read);
    }
}

// A damaged file can hold a value of 1e4486: written with all its digits it filled a line longer than
// the reader takes, so the case saved from it read back as another value.
TEST(CaseFormat, HugeValuesAreSavedShortAndReadBackExactly) {
    const real huge = text::TextToReal("3e4486");
    for (const int separator : {1, 2}) {
        EXPECT_EQ(CaseReal(huge, Format(separator)), "3e+4486");
        EXPECT_EQ(CaseReal(-1.5e40L, Format(separator)), separator == 1 ? "-1.5e+40" : "-1,5e+40");
        SampleCase original;
        FillSample(original);
        original.record.pe = huge;
        const std::string text = Write(original, Format(separator));
        SampleCase read;
        auto content = read.Content();
        EXPECT_TRUE(ReadCaseContent(text, content).complete);
        EXPECT_EQ(read.record.pe, huge);
        EXPECT_EQ(Write(read, Format(separator)), text);
    }
}

TEST(CaseFormat, ReadingLeavesResultsAlone) {
    SampleCase original;
    FillSample(original);
    SampleCase read;
    read.record.teff = 65.5L;
    read.record.h0 = 0.0123L;
    auto content = read.Content();
    ASSERT_TRUE(ReadCaseContent(Write(original, Format(1)), content).complete);
    EXPECT_EQ(read.record.teff, 65.5L);
    EXPECT_EQ(read.record.h0, 0.0123L);
}

// A file cut after any line is read up to the cut: what was there is taken, everything after it keeps
// the value it had.
TEST(CaseFormat, TruncationAtEveryLineKeepsTheUnreadFields) {
    SampleCase original;
    FillSample(original);
    const std::string text = Write(original, Format(1));
    const auto lines = Lines(text);
    for (std::size_t cut = 0; cut < lines.size(); ++cut) {
        std::string part;
        for (std::size_t i = 0; i < cut; ++i) part += lines[i] + "\r\n";
        SampleCase read;
        read.record.bfactor = 0.75L;
        read.record.de = 99;
        read.record.h0lim = 0.5L;
        read.documents.Entry(5).program = "old";
        read.title.drawingName2 = "old";
        auto content = read.Content();
        const CaseReading reading = ReadCaseContent(part, content);
        EXPECT_FALSE(reading.complete) << cut;
        EXPECT_EQ(reading.lines, cut) << "where it ended";
        EXPECT_EQ(read.record.bfactor, 0.75L) << cut;
        if (cut < lines.size() - 2) {
            EXPECT_EQ(read.record.de, 99) << cut;
        }
        if (cut < 50) {
            EXPECT_EQ(read.record.h0lim, 0.5L) << cut;
        } else {
            EXPECT_NEAR(static_cast<double>(read.record.h0lim), 0.0075, 1e-12) << cut;
        }
        EXPECT_EQ(read.title.drawingName2, cut < 11 ? "old" : "Pumpenlager Seite A") << cut;
        if (cut < lines.size() - 6) {
            EXPECT_EQ(read.documents.Entry(5).program, "old") << cut;
        }
        EXPECT_LE(read.changes.count, original.changes.count) << cut;
        EXPECT_LE(read.info.textItemCount, original.info.textItemCount) << cut;
    }
}

TEST(CaseFormat, GarbageNeverCrashesAndNumbersThatDoNotParseReadAsZero) {
    SampleCase original;
    FillSample(original);
    auto lines = Lines(Write(original, Format(1)));
    lines[14] = "achtzig";                 // db
    lines[16] = std::string(100000, '9');  // dbmax: oversized
    lines[40] = "-4";                      // schmier below its range
    lines[42] = "70000";                   // zufuhr above 16 bits
    lines[41] = " true ";
    lines[51] = "1000000";  // change count
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    SampleCase read;
    auto content = read.Content();
    const CaseReading reading = ReadCaseContent(text, content);
    EXPECT_EQ(reading.cutLine, 17u);
    EXPECT_EQ(read.record.db, 0);
    EXPECT_EQ(read.record.schmier, 0);
    EXPECT_EQ(read.record.zufuhr, 65535);
    EXPECT_TRUE(read.record.druckschmierung);
    EXPECT_LE(read.changes.count, docs::ChangeLog::kMaxChanges);

    std::string binary;
    for (int i = 0; i < 20000; ++i) binary += static_cast<char>((i * 7919) % 256);
    SampleCase junk;
    auto junkContent = junk.Content();
    ReadCaseContent(binary, junkContent);
    EXPECT_LE(junk.changes.count, docs::ChangeLog::kMaxChanges);
    EXPECT_LE(junk.info.textItemCount, docs::DrawingInfo::kMaxTextItems);
}

}  // namespace
}  // namespace trb::casefile
