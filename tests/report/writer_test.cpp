#include <functional>

#include "report/line_styles.h"
#include "report_fixture.h"
#include "run_program.h"

namespace trb::report::testing {
namespace {

namespace fs = std::filesystem;
constexpr std::string_view kMargin = "       ";

class WriterTest : public WriterFixture {
  protected:
    // A complete printout on `device`; returns the printout file as written (code page 850).
    std::string Printout(int device, const std::function<void(ReportWriter&)>& body, int totalPages = 0) {
        ReportWriter w = Writer();
        w.SetReportHeader("Title of the printout", "Header one", "Header two", "Header three", "",
                          totalPages);
        w.OpenOutput(device);
        w.Rewrite();
        w.PageHeader(0);
        body(w);
        w.EndPage();
        w.CloseOutput();
        // The screen and the text program remove or keep their printout; both leave the display copy.
        if (device == kScreen || device == kTextProgram) return ReadWholeFile(folder / "outwin.txt");
        return ReadWholeFile(state.outputName);
    }

    static int Count(const std::string& text, std::string_view what) {
        int n = 0;
        for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
        return n;
    }
};

TEST(LineStyles, RulesAreSeventyCharactersOfTheStyle) {
    EXPECT_EQ(RuleText(1, Rule::Thin), std::string(70, '-'));
    EXPECT_EQ(RuleText(1, Rule::Double), std::string(70, '='));
    EXPECT_EQ(RuleText(1, Rule::BoxSeparator), std::string(70, '*'));
    EXPECT_EQ(RuleText(2, Rule::Thin), std::string(70, '\xC4'));
    EXPECT_EQ(RuleText(2, Rule::BoxTop), "\xC9" + std::string(68, '\xCD') + "\xBB");
    EXPECT_EQ(RuleText(2, Rule::BoxSeparator), "\xCC" + std::string(68, '\xCD') + "\xB9");
    EXPECT_EQ(RuleText(2, Rule::BoxBottom), "\xC8" + std::string(68, '\xCD') + "\xBC");
    EXPECT_EQ(RuleText(3, Rule::Double), std::string(70, ' '));
    EXPECT_EQ(RuleText(4, Rule::BoxTop), "$!$");
    EXPECT_EQ(RuleText(9, Rule::Thin), RuleText(1, Rule::Thin)) << "an unknown style prints as style 1";
    EXPECT_EQ(FrameChar(1), '*');
    EXPECT_EQ(FrameChar(2), '\xBA');
    EXPECT_EQ(FrameChar(4), ' ');
}

TEST_F(WriterTest, ValueLineFieldsStandInTheirColumnsAndARuleFollowsExceptInCompactStyle) {
    settings.printoutRuleStyle = 1;
    auto lines = Lines(
        Printout(kDosFile, [](ReportWriter& w) { w.WriteValueLine("Lagerkraft", "F", "N", "    36000"); }));
    auto it = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("Lagerkraft") != std::string::npos; });
    ASSERT_NE(it, lines.end());
    const std::string line = it->substr(kMargin.size());
    EXPECT_EQ(line.find("Lagerkraft"), 0u);
    EXPECT_EQ(line.find('F'), 34u);
    EXPECT_EQ(line.find(" N ") + 1, 43u);
    EXPECT_EQ(line.find("36000"), 59u);
    EXPECT_EQ(line.size(), 68u);
    EXPECT_EQ(*(it + 1), std::string(kMargin) + std::string(70, '-'));

    settings.printoutRuleStyle = 4;
    lines = Lines(Printout(kDosFile, [](ReportWriter& w) {
        w.WriteValueLine("Lagerkraft", "F", "N", "1");
        w.WriteValueLine("Lagerbreite", "B", "mm", "2");
    }));
    it = std::find_if(lines.begin(), lines.end(),
                      [](const std::string& l) { return l.find("Lagerkraft") != std::string::npos; });
    ASSERT_NE(it + 1, lines.end());
    EXPECT_NE((it + 1)->find("Lagerbreite"), std::string::npos) << "no separator line in the compact style";
}

TEST_F(WriterTest, OverlongDesignationEndsBeforeTheSymbolColumn) {
    const std::string designation = "debit al ulei. de ungere presiune indusa";  // 40 characters
    const auto lines = Lines(
        Printout(kDosFile, [&](ReportWriter& w) { w.WriteValueLine(designation, "Q1", "mm3/s", "1"); }));
    auto it = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.find("debit") != std::string::npos; });
    ASSERT_NE(it, lines.end());
    const std::string line = it->substr(kMargin.size());
    EXPECT_EQ(line.substr(0, 34), designation.substr(0, 33) + " ");
    EXPECT_EQ(line.substr(34, 2), "Q1");
    EXPECT_EQ(line.substr(43, 5), "mm3/s");
}

TEST_F(WriterTest, HeaderBoxCarriesTitlePageDateTimeFileAndHeaderLines) {
    settings.printoutRuleStyle = 1;
    const auto lines = Lines(Printout(
        kDosFile, [](ReportWriter&) {}, 3));
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], std::string(kMargin) + std::string(70, '*'));
    const std::string title = lines[1].substr(kMargin.size());
    EXPECT_EQ(title.size(), 70u);
    EXPECT_EQ(title.front(), '*');
    EXPECT_EQ(title.back(), '*');
    EXPECT_EQ(title.find("Title of the printout"), 5u);
    EXPECT_EQ(title.find("Bl. 1/ 3"), 59u);
    const std::string when = lines[2].substr(kMargin.size());
    EXPECT_EQ(when.find("24.12.2026"), 52u);
    EXPECT_EQ(when.find("9:05"), 63u);
    // The file with its folder, or without it when that would not fit the box.
    const std::string full = (folder / "case.trb").string();
    EXPECT_NE(lines[3].find(full.size() < 70 ? full : std::string(" case.trb")), std::string::npos);
    EXPECT_NE(lines[5].find("Header one"), std::string::npos);
    EXPECT_NE(lines[7].find("Header three"), std::string::npos);
    EXPECT_EQ(lines[8], std::string(kMargin) + std::string(70, '*'))
        << "an empty fourth header line is left out";
}

// Texts that fill the box (a 64 or 65 character remark, a case path just short of the box) stop one
// blank before the closing frame.
TEST_F(WriterTest, LongHeaderTextsStopBeforeTheClosingFrame) {
    settings.printoutRuleStyle = 1;
    const std::string remark64(64, 'r'), remark65 = std::string(64, 's') + "t";
    const std::string caseFolder = "/" + std::string(59, 'f') + "/";  // 69 characters with "case.trb"
    ReportWriter w = Writer(CaseName{caseFolder, "case", "trb"});
    w.SetReportHeader(std::string(65, 'T'), remark64, remark65, "", "", 0);
    w.OpenOutput(kDosFile);
    w.Rewrite();
    w.PageHeader(0);
    w.EndPage();
    w.CloseOutput();
    const auto lines = Lines(ReadWholeFile(state.outputName));
    ASSERT_GE(lines.size(), 8u);
    for (std::size_t i : {1, 3, 5, 6}) {
        const std::string box = lines[i].substr(kMargin.size());
        ASSERT_EQ(box.size(), 70u) << i;
        EXPECT_EQ(box.front(), '*') << i;
        EXPECT_EQ(box[68], ' ') << "line " << i << ": " << box;
        EXPECT_EQ(box.back(), '*') << i;
    }
    EXPECT_EQ(lines[5].substr(kMargin.size() + 5), remark64.substr(0, 63) + " *");
    EXPECT_EQ(lines[1].substr(kMargin.size() + 5), std::string(57, 'T') + " Bl. 1 *")
        << "the title stops a blank before the page number";
    EXPECT_EQ(lines[3].substr(kMargin.size() + 5, 10), caseFolder.substr(0, 10)) << "the full path fits";
}

TEST_F(WriterTest, PageBreakStartsTheNextPageWithTheFullHeaderAndOneEmptyLine) {
    settings.printoutRuleStyle = 1;
    settings.linesPerPage = 20;
    const auto lines = Lines(Printout(kDosFile, [](ReportWriter& w) {
        for (int i = 1; i <= 30; ++i) w.WriteLine("body " + std::to_string(i));
    }));
    // Device 8 writes no form feed; the second header box follows the last line of page 1 directly.
    const auto second = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("Bl. 2") != std::string::npos;
    });
    ASSERT_NE(second, lines.end());
    const auto boxEnd = second + 7;  // title, date, file, separator, three header lines, bottom
    ASSERT_LT(boxEnd + 2, lines.end());
    EXPECT_EQ(*(second - 1), std::string(kMargin) + std::string(70, '*'));
    EXPECT_EQ(*(boxEnd + 1), std::string(kMargin));
    EXPECT_EQ(*(boxEnd + 2), std::string(kMargin) + "body 11")
        << "page 1 holds the header and ten body lines";
    int pages = 0;
    for (const auto& l : lines) pages += l.find("Bl. ") != std::string::npos;
    EXPECT_EQ(pages, 3);
}

TEST_F(WriterTest, PagesShorterThanTheHeaderStillMakeProgress) {
    settings.linesPerPage = 5;
    const std::string text = Printout(kDosFile, [](ReportWriter& w) {
        for (int i = 1; i <= 4; ++i) w.WriteLine("body " + std::to_string(i));
    });
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Count(text, "body " + std::to_string(i)), 1);
    EXPECT_EQ(Count(text, "Bl. 4"), 1);
}

TEST_F(WriterTest, HeaderOnPageOneOnlyBreaksWithAFormFeedAndNoHeader) {
    settings.printoutHeader = 2;
    settings.linesPerPage = 20;
    const auto text = Printout(kDosFile, [](ReportWriter& w) {
        for (int i = 1; i <= 30; ++i) w.WriteLine("body " + std::to_string(i));
    });
    EXPECT_EQ(Count(text, "Title of the printout"), 1);
    EXPECT_EQ(Count(text, "Bl."), 0) << "no page number when only page 1 has a header";
    const auto lines = Lines(text);
    const auto feed = std::find(lines.begin(), lines.end(), "\f");
    ASSERT_NE(feed, lines.end());
    EXPECT_EQ(*(feed + 1), std::string(kMargin) + "body 11");
}

TEST_F(WriterTest, CompactStyleStartsNoNewPageWhileLessThanHalfAPageIsUsed) {
    settings.printoutRuleStyle = 4;
    settings.linesPerPage = 40;
    std::string text = Printout(kScreen, [](ReportWriter& w) {
        w.WriteLine("short page");
        w.EndPage();
        w.PageHeader(0);
        w.WriteLine("still page one");
    });
    EXPECT_EQ(Count(text, "Title of the printout"), 1);
    EXPECT_EQ(Count(text, "$!$"), 0) << "the no-line marker is never written";
    EXPECT_EQ(text.find("\f"), text.size() - 1) << "only the closing form feed";
    // With half a page used the page ends; the compact style repeats no header box.
    text = Printout(kScreen, [](ReportWriter& w) {
        for (int i = 0; i < 25; ++i) w.WriteLine("line");
        w.EndPage();
        w.PageHeader(0);
        w.WriteLine("next page");
    });
    EXPECT_NE(text.find("\f\n       next page"), std::string::npos);
}

TEST_F(WriterTest, LongRemarkIsBrokenAfterBlanksIntoLinesOfAtMost64Characters) {
    std::string remark;
    while (remark.size() < 150) remark += "Schmierfilm" + std::to_string(remark.size()) + " ";
    remark.resize(150);
    const auto lines = Lines(Printout(kDosFile, [&](ReportWriter& w) { w.WriteWrapped(remark); }));
    std::string joined;
    int pieces = 0;
    for (const auto& l : lines) {
        if (l.find("Schmierfilm") == std::string::npos) continue;
        const std::string piece = l.substr(kMargin.size());
        EXPECT_LE(piece.size(), 64u);
        joined += piece;
        ++pieces;
    }
    EXPECT_EQ(joined, remark);
    EXPECT_EQ(pieces, 3);
}

TEST_F(WriterTest, TabDeviceWritesFieldsDropsRulesAndNumbersItsCopies) {
    settings.format.spreadsheetSeparator = 2;
    const std::string text = Printout(kTabFile, [](ReportWriter& w) {
        w.WriteLine(w.DoubleRule());
        w.WriteValueLine("Lagerbreite", "B", "mm", "  60.00");
    });
    EXPECT_NE(text.find("Lagerbreite\tB\tmm\t  60,00\n"), std::string::npos);
    EXPECT_EQ(text.find("==="), std::string::npos);
    EXPECT_TRUE(fs::exists(folder / "$$1.txt"));
    Printout(kTabFile, [](ReportWriter&) {});
    EXPECT_TRUE(fs::exists(folder / "$$2.txt"));

    Printout(kTabFileForCase, [](ReportWriter& w) { w.WriteLine("W\x84rme"); });
    EXPECT_NE(ReadWholeFile(folder / "case.txt").find("W\xC3\xA4rme"), std::string::npos)
        << "the copy is UTF-8";
}

TEST_F(WriterTest, TabCopiesNameTheirCaseInTheirSecondLine) {
    const auto second = [](const std::string& text) { return Lines(text).at(1); };
    // A copy in the temporary folder (for a spreadsheet) names the case, not itself.
    Printout(kTabFile, [](ReportWriter&) {});
    EXPECT_EQ(second(ReadWholeFile(folder / "$$1.txt")), (folder / "case.trb").string());
    Printout(kTabFileForCase, [](ReportWriter&) {});
    EXPECT_EQ(second(ReadWholeFile(folder / "case.txt")), (folder / "case.txt").string());
}

// Removes the printout when the writer turns busy for the hand-over, as a clean-up of the temporary
// folder by someone else would.
class VanishingPrintout : public ui::ScriptedDialogs {
  public:
    std::string printout;
    void SetBusy(bool busy) override {
        if (busy && !printout.empty()) fs::remove(printout);
    }
};

TEST_F(WriterTest, APrintoutThatCannotBeReadBackIsAnErrorNotAnEmptyCopy) {
    VanishingPrintout vanishing;
    ReportWriter w(state, WriterContext{settings, vanishing, launcher, abort, status, title, "TRB - Test",
                                        "1.6", CaseName{folder.string() + "/", "case", "trb"},
                                        folder.string() + "/", catalogue, "24.12.2026", "9:05"});
    w.OpenOutput(kTextProgram);
    w.Rewrite();
    w.WriteLine("Lagerkraft");
    vanishing.printout = state.outputName;
    w.CloseOutput();
    EXPECT_TRUE(abort);
    EXPECT_FALSE(fs::exists(folder / "outwin.txt"));
    EXPECT_TRUE(launcher.calls.empty()) << "nothing is opened";
    const auto boxes = vanishing.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(fs::path(vanishing.printout).filename().string()), std::string::npos)
        << boxes[0].text;
}

// The printer port is a file here; the set-up codes are read from the current folder.
class PrinterPortTest : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        previous_ = fs::current_path();
        fs::current_path(folder);
        settings.printerPort = 1;
        setenv("TRB_LPT1", (folder / "lpt1").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TRB_LPT1");
        fs::current_path(previous_);
        WriterTest::TearDown();
    }
    std::string PrintLine() {
        dialogs.Reply("no");  // no pause after each page
        return Printout(kTextPrinter, [](ReportWriter& w) { w.WriteLine("Lagerkraft"); });
    }
    fs::path previous_;
};

TEST_F(PrinterPortTest, SetUpCodesGoFirstAndAnUnreadableSetUpStopsThePrintout) {
    WriteWholeFile(folder / "TEXT.HXP", "\x1B@\x1B(s12H");
    std::string port = PrintLine();
    EXPECT_FALSE(abort);
    EXPECT_EQ(port.rfind("\x1B@\x1B(s12H", 0), 0u) << "the codes come before the printout";
    EXPECT_NE(port.find("Lagerkraft"), std::string::npos);

    // A folder (or a FIFO) in the set-up's place is reported, not waited on, and nothing is printed.
    fs::remove(folder / "TEXT.HXP");
    fs::create_directory(folder / "TEXT.HXP");
    port = PrintLine();
    EXPECT_TRUE(abort);
    EXPECT_EQ(port.find("Lagerkraft"), std::string::npos);
    const auto boxes = dialogs.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("TEXT.HXP"), std::string::npos) << boxes[0].text;
}

TEST_F(WriterTest, NoTemporaryFolderRefusesTheTemporaryDevicesOnly) {
    auto w =
        ReportWriter(state, WriterContext{settings, dialogs, launcher, abort, status, title, "TRB - Test",
                                          "1.6", CaseName{folder.string() + "/", "case", "trb"}, "",
                                          catalogue, "24.12.2026", "9:05"});
    for (int device :
         {kScreen, kWindowsPrinter, kTextProgram, kTabFile, kHtmlFile, kDosFile, kTabFileForCase}) {
        abort = false;
        w.OpenOutput(device);
        EXPECT_TRUE(abort) << "device " << device;
    }
    ASSERT_FALSE(dialogs.Entries("box").empty());
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "ung\xC3\xBCltiger Ordner f\xC3\xBCr tempor\xC3\xA4re Dateien konfiguriert");
    abort = false;
    dialogs.Reply((folder / "bericht").string());
    w.OpenOutput(kTextFile);
    EXPECT_FALSE(abort) << "a file the user names needs no temporary folder";
}

TEST_F(WriterTest, ScreenShowsTheUtf8CopyAndRemovesThePrintout) {
    std::string printout;
    Printout(kScreen, [&](ReportWriter& w) {
        w.WriteLine("Schmierstoffzuf\x81hrdruck");
        printout = state.outputName;
    });
    const auto viewers = dialogs.Entries("viewer");
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(viewers[0].text, (folder / "outwin.txt").string());
    EXPECT_NE(ReadWholeFile(folder / "outwin.txt").find("Schmierstoffzuf\xC3\xBChrdruck"), std::string::npos);
    EXPECT_EQ(fs::path(printout).filename(), "$OUT1.TMP");
    EXPECT_FALSE(fs::exists(printout));
}

TEST_F(WriterTest, TextFileAnnouncesItselfAndTheDisplayCopy) {
    const std::string target = (folder / "bericht").string();
    dialogs.Reply(target);
    Printout(kTextFile, [](ReportWriter& w) { w.WriteLine("x"); });
    EXPECT_TRUE(fs::exists(target + ".txt"));
    EXPECT_TRUE(fs::exists(folder / "outwin.txt"));
    const auto boxes = dialogs.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, target + ".txt und Windows-Datei outwin.txt wurden angelegt..");
}

TEST_F(WriterTest, ExternalProgramsAreStartedOrReportedMissing) {
    settings.textProgram = (folder / "missing-editor").string();
    Printout(kTextProgram, [](ReportWriter& w) { w.WriteLine("x"); });
    EXPECT_TRUE(launcher.calls.empty());
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text, settings.textProgram + " not found");

    settings.textProgram.clear();
    Printout(kTextProgram, [](ReportWriter& w) { w.WriteLine("x"); });
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, "") << "no text program: the desktop's default";
    EXPECT_EQ(launcher.calls[0].arguments, std::vector<std::string>{(folder / "outwin.txt").string()});

    Printout(kHtmlFile, [](ReportWriter& w) { w.WriteLine("x"); });
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].arguments, std::vector<std::string>{(folder / "trb.htm").string()});
    // Each written file is named in the status line.
    EXPECT_EQ(dialogs.statusNotes,
              (std::vector<std::string>{"Gespeichert: " + (folder / "outwin.txt").string(),
                                        "Gespeichert: " + (folder / "trb.htm").string()}));
}

TEST_F(WriterTest, AFileNothingCanOpenIsSaidWithItsName) {
    launcher.succeed = false;
    launcher.failure = "file not found: xdg-open";
    Printout(kHtmlFile, [](ReportWriter& w) { w.WriteLine("x"); });
    const std::string page = (folder / "trb.htm").string();
    EXPECT_EQ(dialogs.statusNotes, std::vector<std::string>{"Gespeichert: " + page});
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_EQ(dialogs.Entries("box")[0].text,
              "Kein Programm konnte " + page + " \xC3\xB6" + "ffnen (file not found: xdg-open).");
    // An opener that starts and fails later says so with the file's name too.
    std::vector<std::string> late;
    launcher.SetLateFailureReport([&](const std::string& text) { late.push_back(text); });
    launcher.succeed = true;
    Printout(kTextProgram, [](ReportWriter& w) { w.WriteLine("x"); });
    launcher.EndOpener(3);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0], "Kein Programm konnte " + (folder / "outwin.txt").string() + " \x94" +
                           "ffnen (xdg-open endete mit Exit-Code 3, kein Programm f\x81r diesen Dateityp).");
}

TEST_F(WriterTest, CancelledDeviceChoiceLeavesNoFile) {
    settings.textDeviceWindow = true;
    settings.textDevice = 3;
    dialogs.ReplyCancel();
    ReportWriter w = Writer();
    w.OpenOutput(kChooseDevice);
    w.Rewrite();
    w.PageHeader(0);
    w.WriteLine("never written");
    w.CloseOutput();
    EXPECT_TRUE(abort);
    const auto choice = dialogs.Entries("list");  // the seven devices and the PDF file
    ASSERT_EQ(choice.size(), 1u);
    EXPECT_EQ(choice[0].items.size(), 8u);
    EXPECT_EQ(choice[0].number, 3) << "the current device is preselected";
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(WriterTest, MessageSectionListsEveryMessageWithCauseAndRemedy) {
    status.AddMessage("Warnung: t2>tBlim !");
    status.AddMessage("Fehler : something new");
    const std::string text = Printout(kDosFile, [](ReportWriter& w) { w.WriteMessageSection(); });
    EXPECT_NE(text.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"), std::string::npos);
    EXPECT_NE(text.find("Warnung: t2>tBlim !"), std::string::npos);
    EXPECT_NE(text.find(GetRemedy(catalogue, "Warnung: t2>tBlim !").substr(0, 30)), std::string::npos);
    EXPECT_NE(text.find(std::string(kNoDescription)), std::string::npos);

    const std::string tab = Printout(kTabFile, [](ReportWriter& w) { w.WriteMessageSection(); });
    EXPECT_NE(tab.find("Warnung: t2>tBlim !\t" + GetCause(catalogue, "Warnung: t2>tBlim !") + "\t"),
              std::string::npos);
}

}  // namespace
}  // namespace trb::report::testing

namespace trb::report::testing {
namespace {

class HtmlTest : public WriterFixture {};

TEST_F(HtmlTest, PageIsWellFormedAndEscapesEveryInsertedText) {
    title.remarks = {"<script>alert(1)</script>", "Tom & Jerry", "\"quoted\""};
    status.AddMessage("Fehler : p>plim !");
    status.AddMessage("Fehler : <unknown>");
    ReportWriter w = Writer();
    w.SetReportHeader("", "a < b", "W\x84rme", "", "", 0);
    w.OpenOutput(kHtmlFile);
    w.Rewrite();
    w.PageHeader(0);
    w.WriteLine("line with <tag> & ampersand");
    w.WriteValueLine("h0 < h0lim", "\xE6/psi", "mm\xFD/s", "<1>");
    w.WriteWrapped(std::string(100, 'x'));
    w.EndPage();
    w.WriteMessageSection();
    w.CloseOutput();
    ASSERT_FALSE(abort);
    const std::string page = ReadWholeFile(folder / "trb.htm");
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("a &lt; b"), std::string::npos);
    EXPECT_NE(page.find("<h5>W\xC3\xA4rme</h5>"), std::string::npos) << "texts are converted to UTF-8";
    EXPECT_NE(page.find("\xC2\xB5/psi"), std::string::npos);
    EXPECT_NE(page.find("&lt;tag&gt; &amp; ampersand"), std::string::npos);
    EXPECT_NE(page.find("Fehler : &lt;unknown&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<tag>"), std::string::npos);
    EXPECT_EQ(page.find("<unknown>"), std::string::npos);
    const test_support::ProgramRun check = test_support::RunProgram(
        TRB_PYTHON, {std::string(TRB_TEST_DATA_DIR) + "/../check_html.py", (folder / "trb.htm").string()},
        test_support::MergedErrors());
    EXPECT_EQ(check.exitCode, 0) << check.output << page;
}

}  // namespace
}  // namespace trb::report::testing
