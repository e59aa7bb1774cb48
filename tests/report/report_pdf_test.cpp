// The PDF device of the report writer: the result report on A4 pages in the printer's page layout,
// read back with poppler.
#include <gmock/gmock.h>

#include "core/calculation.h"
#include "paper_readers.h"
#include "report/result_report.h"
#include "report_fixture.h"

namespace trb::report::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

class ReportPdfTest : public WriterFixture {
  protected:
    void SetUp() override {
        WriterFixture::SetUp();
        core::LoadExampleCase(record);
        bool runAbort = false;
        core::RunCalculation(record, status, runAbort);
    }

    void Report(int device) {
        ReportWriter w = Writer();
        WriteResultReport(w, record, texts,
                          RunMessagesContext{status, dialogs, catalogue, folder.string(), 1, false, {}},
                          device);
    }

    core::TRBrecord record;
    text::LanguageTexts texts;
};

TEST_F(ReportPdfTest, ResultReportFillsTheSamePagesAsOnThePrinter) {
    // The printer gets the printout with its page count.
    Report(kWindowsPrinter);
    const auto printed = dialogs.Entries("print");
    ASSERT_EQ(printed.size(), 1u);
    const int pages = printed[0].number;
    ASSERT_GE(pages, 2);

    // A name with an umlaut, as the file system spells it, is told as typed.
    const fs::path pdf = folder /
                         "Pr\xC3\xBC"
                         "fbericht.pdf";
    dialogs.Reply(pdf.string());
    Report(kPdfFile);
    ASSERT_FALSE(abort);
    const auto notes = dialogs.Entries("box");
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back().text, pdf.string() + " wurde angelegt.");
    for (const auto& entry : fs::directory_iterator(folder))
        EXPECT_FALSE(entry.path().filename().string().starts_with("$OUT")) << "the printout is removed";

    const paper::test::PdfPages info = paper::test::PdfInfo(pdf);
    ASSERT_TRUE(info.read);
    ASSERT_EQ(info.sizes.size(), static_cast<std::size_t>(pages));
    for (const auto& [w, h] : info.sizes) {
        EXPECT_NEAR(w, 595.28, 0.01);
        EXPECT_NEAR(h, 841.89, 0.01);
    }
    const std::string text = paper::test::PdfText(pdf);
    const auto first = text.find("Bl. 1");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, text.find("Bl. 2"));
    EXPECT_LT(first, text.find("Lagerinnendurchmesser"));
    EXPECT_THAT(text, HasSubstr("Lagerau\xC3\x9F"
                                "endurchmesser"));
    EXPECT_THAT(text, HasSubstr("L\xC3\xA4ngenausdehnungskoeff."));
    EXPECT_THAT(text, HasSubstr("120.070"));
    EXPECT_THAT(text, HasSubstr("\xE2\x95\x94\xE2\x95\x90"));  // the header box
    EXPECT_THAT(paper::test::PdfText(pdf, 1, 1), Not(HasSubstr("Bl. 2")));
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        EXPECT_GT(paper::test::PdfPage(pdf, page, 40).InkedPixels(), 500);
    }
}

TEST_F(ReportPdfTest, TheDeviceChoiceOffersThePdfFileAfterTheOtherSeven) {
    settings.textDeviceWindow = true;
    dialogs.Reply("8").Reply((folder / "bericht").string());
    Report(kChooseDevice);
    ASSERT_FALSE(abort);
    const auto lists = dialogs.Entries("list");
    ASSERT_EQ(lists.size(), 1u);
    ASSERT_EQ(lists[0].items.size(), 8u);
    EXPECT_EQ(lists[0].items[7], "PDF-Datei");
    EXPECT_EQ(lists[0].items[6], "HTML File (Netscape, Internet Explorer ...)");
    EXPECT_EQ(state.device, kPdfFile);
    EXPECT_TRUE(fs::exists(folder / "bericht.pdf")) << "the extension is added";

    // Cancelling the file name writes nothing.
    dialogs.Reply("8").ReplyCancel();
    Report(kChooseDevice);
    EXPECT_TRUE(abort);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++files;
    EXPECT_EQ(files, 1u);
}

}  // namespace
}  // namespace trb::report::testing
