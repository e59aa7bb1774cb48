#include <gtest/gtest.h>
#include <unistd.h>

#include <QPrinter>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/settings.h"
#include "gui/printing/text_printing.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;

class TextPrintingTest : public ::testing::Test {
  protected:
    TextPrintingTest()
        : folder_(fs::temp_directory_path() / ("trb_gui_printing_" + std::to_string(::getpid()))) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    ~TextPrintingTest() override { fs::remove_all(folder_); }

    std::string WriteText(const std::string& content) {
        const std::string path = (folder_ / "report.txt").string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    // Prints into a PDF file and returns the number of pages in it (-1 when no file was written).
    int PrintToPdf(const std::string& text, int from, int to, int* printed = nullptr) {
        const std::string pdf = (folder_ / "out.pdf").string();
        fs::remove(pdf);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        const int count = PrintTextPages(printer, text, from, to, settings_);
        if (printed) *printed = count;
        std::ifstream in(pdf, std::ios::binary);
        if (!in) return -1;
        std::stringstream content;
        content << in.rdbuf();
        return static_cast<int>(
            QString::fromLatin1(content.str()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    }

    fs::path folder_;
    config::ConfigSettings settings_;
};

TEST_F(TextPrintingTest, EveryFormFeedStartsAPage) {
    const std::string text = WriteText("\fSeite 1\r\nZeile\r\n\fSeite 2\r\n\f\r\nSeite 3 Gr\x94\xe1\x65\r\n");
    int printed = 0;
    EXPECT_EQ(PrintToPdf(text, 1, 3, &printed), 3);
    EXPECT_EQ(printed, 3);
    EXPECT_EQ(PrintToPdf(text, 2, 3), 2);
    EXPECT_EQ(PrintToPdf(text, 2, 2), 1);
    EXPECT_EQ(PrintToPdf(text, 1, 99), 3);
}

TEST_F(TextPrintingTest, PagesOutsideTheRangePrintNothing) {
    int printed = -1;
    EXPECT_EQ(PrintToPdf(WriteText("eine Zeile\r\nohne Seitenvorschub\r\n"), 1, 1, &printed), 1);
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(PrintToPdf(WriteText("eine Zeile\r\n"), 0, 0, &printed), -1);
    EXPECT_EQ(printed, 0);
    EXPECT_EQ(PrintToPdf(WriteText("\fSeite 1\r\n"), 2, 5, &printed), -1);
    EXPECT_EQ(printed, 0);
    EXPECT_EQ(PrintToPdf((folder_ / "missing.txt").string(), 1, 1, &printed), -1);
    EXPECT_EQ(printed, 0);
}

TEST_F(TextPrintingTest, PagesAbove255AreNeverPrinted) {
    std::string text;
    for (int i = 1; i <= 257; ++i) text += "\fSeite " + std::to_string(i) + "\r\n";
    int printed = 0;
    PrintToPdf(WriteText(text), 250, 257, &printed);
    EXPECT_EQ(printed, 6);
}

}  // namespace
}  // namespace trb::gui
