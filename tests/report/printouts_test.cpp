// The printouts besides the result report: change log, message report and column tables.
#include "report/change_log_report.h"
#include "report/column_table.h"
#include "report/message_report.h"
#include "report_fixture.h"

namespace trb::report::testing {
namespace {

namespace fs = std::filesystem;

class PrintoutsTest : public WriterFixture {
  protected:
    void SetUp() override {
        WriterFixture::SetUp();
        settings.printoutRuleStyle = 1;
        info.rows[docs::kRowBearb] = {"01.02.2026", "Meier"};
    }
    std::string DosFile() { return ReadWholeFile(folder / "OUTDOS.TXT"); }

    docs::ChangeLog changes;
    docs::DrawingInfo info;
};

TEST_F(PrintoutsTest, ChangeLogListsChangesWithLetterIndexAndMultiLineDescriptions) {
    info.replaces = "ALT-0815";
    changes.count = 2;
    changes.Record(1) = {"Bohrung H7", "03.02.2026", "HM", "Toleranz\ngeaendert"};
    changes.Record(2) = {"Breite", "04.02.2026", "KL", "B = 60"};
    ReportWriter w = Writer();
    WriteChangeLog(w, kDosFile, changes, info, 2);
    ASSERT_FALSE(abort);
    const std::string text = DosFile();
    EXPECT_NE(text.find("\x8E"
                        "nderungsprotokoll"),
              std::string::npos);
    EXPECT_NE(text.find("Erstellungsdatum: 01.02.2026     Erstellt von: Meier"), std::string::npos);
    EXPECT_NE(text.find("Ersatz f\x81r: ALT-0815       \n"), std::string::npos) << "padded to 15";
    EXPECT_EQ(text.find("Ersetzt durch"), std::string::npos) << "an empty field is left out";
    EXPECT_NE(text.find("Index   Datum        Bearb.   \x8Enderung"), std::string::npos);
    EXPECT_NE(text.find("  a     03.02.2026   HM       Bohrung H7          \n"), std::string::npos);
    EXPECT_NE(text.find("  b     04.02.2026   KL       Breite"), std::string::npos)
        << "every style but 1 letters the changes";
    EXPECT_NE(text.find("        Toleranz\n        geaendert\n"), std::string::npos);

    WriteChangeLog(w, kDosFile, changes, info, 1);
    EXPECT_NE(DosFile().find("  2     04.02.2026"), std::string::npos);
}

TEST_F(PrintoutsTest, EmptyChangeLogPrintsTheHeadingsOnly) {
    ReportWriter w = Writer();
    WriteChangeLog(w, kDosFile, changes, info, 1);
    const auto lines = Lines(DosFile());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[lines.size() - 2].find("Index"), std::string::npos);
    EXPECT_EQ(lines.back(), "       " + std::string(70, '='));
}

TEST_F(PrintoutsTest, MessageReportNeedsMessagesAndSendsAFailedRunToTheBrowser) {
    ReportWriter w = Writer();
    RunMessagesContext messages{status, dialogs, catalogue, folder.string(), 1, false, {}};
    WriteMessageReport(w, messages);
    ASSERT_EQ(dialogs.transcript.size(), 1u);
    EXPECT_EQ(dialogs.transcript[0].text, "Berechnung erfolgreich ohne Fehlermeldungen");

    status.AddMessage("Warnung: pE>0.3*p !");
    WriteMessageReport(w, messages);
    ASSERT_EQ(dialogs.Entries("viewer").size(), 1u);
    const std::string shown = ReadWholeFile(dialogs.Entries("viewer")[0].text);
    EXPECT_NE(shown.find("Error Messages"), std::string::npos);
    EXPECT_NE(shown.find("Bl. 1/ 1"), std::string::npos);
    EXPECT_NE(shown.find("Warnung: pE>0.3*p !"), std::string::npos);

    status.calculationFailed = true;
    dialogs.ReplyCancel();
    WriteMessageReport(w, messages);
    EXPECT_EQ(dialogs.Entries("viewer").size(), 1u) << "no printout after a failed run";
    EXPECT_EQ(dialogs.Entries("radio").size(), 1u);
}

TEST_F(PrintoutsTest, ColumnTableOnPagedTabAndHtmlDevices) {
    auto table = [&](int device) {
        ReportWriter w = Writer();
        w.SetReportHeader("Tabelle", "", "", "", "", 0);
        w.OpenOutput(device);
        w.Rewrite();
        w.PageHeader(0);
        ColumnTable t(w);
        t.Create({{"D", 8}, {"B", 6}, {"<De>", 6}, {"unused", 0}, {"never", 5}});
        EXPECT_EQ(t.ColumnCount(), 3u) << "a width of 0 ends the columns";
        t.AddRow({"120", "60", "140"});
        t.Finish();
        w.EndPage();
        w.CloseOutput();
    };
    settings.htmlBrowser = "/nonexistent";
    table(kDosFile);
    EXPECT_NE(DosFile().find("       D       B     <De>  \n       " + std::string(70, '=')),
              std::string::npos);
    EXPECT_NE(DosFile().find("       120     60    140   \n       " + std::string(70, '-')),
              std::string::npos);
    table(kTabFile);
    EXPECT_NE(ReadWholeFile(folder / "$$1.txt").find("D\tB\t<De>\n120\t60\t140\n"), std::string::npos);
    table(kHtmlFile);
    const std::string page = ReadWholeFile(folder / "trb.htm");
    EXPECT_NE(page.find("<TR><TD><CENTER>D</CENTER></TD><TD><CENTER>B</CENTER></TD><TD><CENTER>&lt;De&gt;</"
                        "CENTER></TD></TR>"),
              std::string::npos);
    EXPECT_NE(page.find("<TR><TD>120</TD><TD><DIV ALIGN=\"RIGHT\">60</DIV></TD>"), std::string::npos);
}

}  // namespace
}  // namespace trb::report::testing
