#include "docs/documentation_section.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace trb::docs {
namespace {

struct Documentation {
    ChangeLog changes;
    DrawingInfo info;
};

Documentation Sample() {
    Documentation d;
    d.changes.count = 2;
    d.changes.Record(1) = {"Erstausgabe", "01.02.2024", "HM", "Neu erstellt"};
    d.changes.Record(2) = {"Breite ge\x84ndert", "15.03.2025", "KS", "B 60 statt 55\nPassung H7"};
    d.info.replaces = "TRB-0815";
    d.info.replacedBy = "TRB-0816";
    d.info.rows[kRowBearb] = {"01.02.2024", "Huber"};
    d.info.rows[kRowGepr] = {"02.02.2024", "Meier"};
    d.info.rows[kRowNorm] = {"03.02.2024", "Norm"};
    d.info.rows[kRowRelease] = {"04.02.2024", "Frei"};
    d.info.textItemCount = 2;
    d.info.textItems[0] = {10.5L, 20, 3.5L, 0,
                           "Gleitfl\x84"
                           "che gel\x84ppt"};
    d.info.textItems[1] = {100, 0.25L, 2.5L, 90, "Kanten gebrochen"};
    return d;
}

std::string Write(const Documentation& d, int separator) {
    std::ostringstream out;
    CaseLineWriter lines(out);
    text::FormatOptions format;
    format.decimalSeparator = separator;
    WriteDocumentationSection(lines, d.changes, d.info, format);
    return out.str();
}

TEST(DocumentationSection, LayoutOfTheSection) {
    Documentation d = Sample();
    d.changes.count = 1;
    d.changes.Record(1).description = "Zeile 1\r\nZeile 2";
    d.info.textItemCount = 1;
    EXPECT_EQ(Write(d, 2),
              "\x8E"
              "NDERUNGEN\r\n1\r\n--------------------\r\n"
              "Erstausgabe\r\n01.02.2024\r\nHM\r\nZeile 1|Zeile 2\r\n--------------\r\n"
              "02.02.2024|Meier|03.02.2024|Norm|04.02.2024|Frei|1||\r\n"
              "01.02.2024\r\nTRB-0815\r\nTRB-0816\r\nHuber\r\n"
              "10,5|20|3,5|0|Gleitfl\x84"
              "che gel\x84ppt||\r\n");
}

TEST(DocumentationSection, RoundTripInBothDecimalSettings) {
    for (const int separator : {1, 2}) {
        const Documentation written = Sample();
        const std::string text = Write(written, separator);
        Documentation read;
        CaseLineReader in(text);
        ASSERT_TRUE(ReadDocumentationSection(in, read.changes, read.info));
        EXPECT_EQ(read.changes.count, 2);
        for (int i = 1; i <= 2; ++i) {
            EXPECT_EQ(read.changes.Record(i).changeText, written.changes.Record(i).changeText);
            EXPECT_EQ(read.changes.Record(i).date, written.changes.Record(i).date);
            EXPECT_EQ(read.changes.Record(i).editor, written.changes.Record(i).editor);
            EXPECT_EQ(read.changes.Record(i).description, written.changes.Record(i).description);
        }
        EXPECT_EQ(read.info.replaces, "TRB-0815");
        EXPECT_EQ(read.info.replacedBy, "TRB-0816");
        for (std::size_t r = 0; r < 4; ++r) {
            EXPECT_EQ(read.info.rows[r].date, written.info.rows[r].date);
            EXPECT_EQ(read.info.rows[r].name, written.info.rows[r].name);
        }
        ASSERT_EQ(read.info.textItemCount, 2);
        EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[0].x), 10.5);
        EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[1].y), 0.25);
        EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[1].phi), 90);
        EXPECT_EQ(read.info.textItems[1].text, "Kanten gebrochen");
    }
}

// A text item keeps its place through saving whatever the decimals setting: with one decimal
// less on screen the short form would have written 10.5 as 10, moving the text on every save.
TEST(DocumentationSection, TextItemPositionsKeepThreeSignificantDigits) {
    const Documentation written = Sample();
    std::ostringstream out;
    CaseLineWriter lines(out);
    text::FormatOptions format;
    format.decimals = 1;
    WriteDocumentationSection(lines, written.changes, written.info, format);
    const std::string text = out.str();
    Documentation read;
    CaseLineReader in(text);
    ASSERT_TRUE(ReadDocumentationSection(in, read.changes, read.info));
    EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[0].x), 10.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[0].h), 3.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(read.info.textItems[1].y), 0.25);
}

TEST(DocumentationSection, FieldSeparatorsInsideTextsDoNotShiftFields) {
    Documentation d = Sample();
    d.info.rows[kRowGepr].name = "A|B";
    d.info.textItems[0].text = "x|y";
    Documentation read;
    const std::string text = Write(d, 1);
    CaseLineReader in(text);
    ASSERT_TRUE(ReadDocumentationSection(in, read.changes, read.info));
    EXPECT_EQ(read.info.rows[kRowGepr].name, "A/B");
    EXPECT_EQ(read.info.rows[kRowNorm].date, "03.02.2024");
    EXPECT_EQ(read.info.textItems[0].text, "x/y");
}

TEST(DocumentationSection, DamagedCountsAndLongFieldsStayInRange) {
    const std::string text = std::string("\x8E") + "NDERUNGEN\r\n999\r\n--\r\n" + std::string(300, 'T') +
                             "\r\n01.01.2001 and more\r\nABCDEFG\r\nd\r\n--\r\n";
    Documentation read;
    CaseLineReader in(text);
    EXPECT_FALSE(ReadDocumentationSection(in, read.changes, read.info));
    EXPECT_EQ(read.changes.count, 1);  // the file ends where record 2 would begin
    EXPECT_EQ(read.changes.Record(1).changeText, std::string(20, 'T'));
    EXPECT_EQ(read.changes.Record(1).date, "01.01.2001");
    EXPECT_EQ(read.changes.Record(1).editor, "ABCDE");

    const std::string items = std::string("\x8E") +
                              "NDERUNGEN\r\n-3\r\n--\r\n||||||77||\r\nd\r\nr\r\nrb\r\nn\r\n" +
                              "1|2|3|4|a||\r\n";
    Documentation read2;
    read2.info.textItems[1].text = "kept";
    CaseLineReader in2(items);
    EXPECT_FALSE(ReadDocumentationSection(in2, read2.changes, read2.info));
    EXPECT_EQ(read2.changes.count, 0);
    EXPECT_EQ(read2.info.textItemCount, 1);  // eight announced, one present
    EXPECT_EQ(read2.info.textItems[0].text, "a");
    EXPECT_EQ(read2.info.textItems[1].text, "kept");
}

TEST(DocumentsSection, AlwaysFiveEntriesAndRoundTrip) {
    LinkedDocuments documents;
    SetLinkedDocument(documents, 1, "libreoffice", "/home/anna/Lastenheft Lager.odt");
    SetLinkedDocument(documents, 3, std::string(60, 'p'), "");
    std::ostringstream out;
    CaseLineWriter lines(out);
    WriteDocumentsSection(lines, documents);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, 41), "Dokumente\r\n5\r\n--------------------\r\nlibre");
    std::size_t rules = 0;
    for (std::size_t p = text.find("--------------\r\n"); p != std::string::npos;
         p = text.find("--------------\r\n", p + 1)) {
        ++rules;
    }
    EXPECT_EQ(rules, 6u);  // the heading rule ends like the five entry rules

    LinkedDocuments read;
    CaseLineReader in(text);
    ASSERT_TRUE(ReadDocumentsSection(in, read));
    EXPECT_EQ(read.Entry(1).file, "/home/anna/Lastenheft Lager.odt");
    EXPECT_EQ(read.Entry(3).program, std::string(50, 'p'));
    EXPECT_EQ(read.Entry(5).program, "");
}

TEST(CaseLineReader, AnyLineEndAndOversizedLines) {
    const std::string text = "a\r\nb\nc\rd" + std::string(10000, 'x') + "\r\n\r\n";
    CaseLineReader in(text);
    std::string line;
    std::vector<std::string> lines;
    while (in.Next(line)) lines.push_back(line);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3].size(), CaseLineReader::kMaxLineLength);
    EXPECT_EQ(lines[4], "");
    EXPECT_FALSE(in.Skip(1));
}

}  // namespace
}  // namespace trb::docs
