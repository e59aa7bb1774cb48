// The reserves as the user reaches them: View → Reserven, the dialog while the thresholds are
// searched off the window's thread and when they are there, its print and PDF buttons, and the
// crossings the operating charts mark once the search is done.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/thresholds.h"
#include "graphics/display_list.h"
#include "gui/charts/chart_commands.h"
#include "gui/charts/reserves_dialog.h"
#include "gui/charts/threshold_search.h"
#include "gui/printing/print_state.h"
#include "run_program.h"
#include "text/language.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using testing::ModalScript;

// The dialog's text once the search is done (within 20 s on a loaded machine).
std::string ReadyText(QWidget& dialog) {
    auto* memo = dialog.findChild<QTextBrowser*>("Memo_reserven");
    EXPECT_NE(memo, nullptr);
    if (memo == nullptr) return {};
    EXPECT_TRUE(QTest::qWaitFor([&] { return !memo->toPlainText().isEmpty(); }, 20000));
    return memo->toPlainText().toStdString();
}

void Press(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_TRUE(button->isEnabled()) << name;
    button->click();
}

std::string PdfText(const std::string& file) {
    const test_support::ProgramRun run = test_support::RunProgram("pdftotext", {file, "-"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run.output;
}

class ReservesWindowTest : public testing::ScriptedWindowTest {
  protected:
    ReservesWindowTest() { Start(); }

    // The circles the screen shows, by pen.
    std::map<int, int> Circles() const {
        std::map<int, int> circles;
        int pen = 0;
        for (const graphics::DisplayCommand& c : window_->Graphics().List().Commands()) {
            if (c.code == static_cast<int>(graphics::Cmd::Color)) pen = static_cast<int>(c.v[0]);
            if (c.code == static_cast<int>(graphics::Cmd::Circle)) ++circles[pen];
        }
        return circles;
    }
};

TEST_F(ReservesWindowTest, TheDialogSaysHowFarTheCaseIsInTheMenusLanguage) {
    std::string german, korean;
    bool searchingShown = false;
    {
        ModalScript script;
        script.Then([&](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "TFreserven");
            german = ReadyText(dialog);
            auto* progress = dialog.findChild<QProgressBar*>("ProgressBar_suche");
            ASSERT_NE(progress, nullptr);
            searchingShown = progress->isVisible();
            Press(dialog, "Button_schliessen");
        });
        Trigger("mi_viewReserven");
        EXPECT_EQ(script.Pending(), 0u);
    }
    EXPECT_FALSE(searchingShown) << "the progress goes once the reserves are there";
    // The example at its mean clearance, as the thresholds give it.
    EXPECT_NE(german.find("Die Last darf bis 90.5 kN (\u00D72.52) steigen, bevor h0 h0lim erreicht."),
              std::string::npos)
        << german;
    EXPECT_NE(german.find("s min: kleinstes Spiel (Dmin, dmax)"), std::string::npos);
    EXPECT_NE(german.find("\u25C0 ma\u00DFgebend"), std::string::npos);

    // In Korean, its PDF too: the Hangul and the numbers both stay text.
    window_->LanguageCommand(text::kKorean);
    const std::string pdf = Path("korean.pdf");
    dialogs_.Reply(pdf);
    {
        ModalScript again;
        again.Then([&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "TRB - \uC5EC\uC720");
            korean = ReadyText(dialog);  // at once: the search's result is kept for the same case
            Press(dialog, "Button_pdf");
            Press(dialog, "Button_schliessen");
        });
        Trigger("mi_viewReserven");
        EXPECT_EQ(again.Pending(), 0u);
    }
    const std::string written = PdfText(pdf);
    EXPECT_NE(written.find("\uD558\uC911"), std::string::npos) << written;
    EXPECT_NE(written.find("90.5 kN"), std::string::npos) << written;
    window_->LanguageCommand(text::kGerman);  // the application's font back for the next tests
    EXPECT_NE(korean.find("\uD558\uC911\uC740(\uB294) 90.5 kN (\u00D72.52)\uAE4C\uC9C0"), std::string::npos)
        << korean;
}

// Also where the interface font is the Hangul font: the page takes its letters and digits from a
// Latin font, so that the PDF keeps them as text.
TEST_F(ReservesWindowTest, PrintAndPdfPutThePageOnPaper) {
    const QFont interfaceFont = QApplication::font();
    QApplication::setFont(QFont("Noto Sans CJK KR"));
    const std::string printed = Path("printed.pdf");
    const std::string written = Path("reserven.pdf");
    window_->Printing().printer.PrintToPdf(QString::fromStdString(printed));
    dialogs_.Reply(written);
    ModalScript script;
    script
        .Then([&](QWidget& dialog) {
            ReadyText(dialog);
            Press(dialog, "Button_drucken");
        })
        .Then([](QWidget& print) {
            EXPECT_EQ(print.objectName(), "PrintDialog1");
            qobject_cast<QDialog*>(&print)->accept();
        })
        .Then([](QWidget& dialog) {
            Press(dialog, "Button_pdf");
            Press(dialog, "Button_schliessen");
        });
    Trigger("mi_viewReserven");
    EXPECT_EQ(script.Pending(), 0u);
    for (const std::string& file : {printed, written}) {
        ASSERT_TRUE(fs::is_regular_file(file)) << file;
        const std::string text = PdfText(file);
        EXPECT_NE(text.find("Reserven"), std::string::npos) << file << ":\n" << text;
        EXPECT_NE(text.find("90.5 kN"), std::string::npos) << file << ":\n" << text;
        EXPECT_NE(text.find("h0lim"), std::string::npos) << file;
    }
    QApplication::setFont(interfaceFont);
    EXPECT_EQ(dialogs_.Entries("save").size(), 1u);
    ASSERT_FALSE(dialogs_.statusNotes.empty());
    EXPECT_NE(dialogs_.statusNotes.back().find("reserven.pdf"), std::string::npos)
        << dialogs_.statusNotes.back();
}

// Drawn at once without the crossings, the charts gain them when the search ends: on the film
// and on the temperatures chart a circle per clearance, and the legend's.
TEST_F(ReservesWindowTest, TheChartsMarkTheCrossingsOnceTheSearchIsDone) {
    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            testing::Find<QRadioButton>(dialog, "RadioButton_drehzahl")->setChecked(true);
            testing::SetField(dialog, "Edit_von", "0.5");
            testing::SetField(dialog, "Edit_bis", "80");
            testing::SetField(dialog, "Edit_schritte", "80");
            testing::Find<QComboBox>(dialog, "ComboBox_diagramm")->setCurrentIndex(0);
            testing::Ok(dialog);
        });
        Trigger("mi_viewBetriebskennfeld");
    }
    ThresholdSearch& search = ChartCommandsOf(*window_).Search();
    // Drawn at once: while the search runs, no circle yet.
    if (search.Running()) {
        EXPECT_TRUE(Circles().empty());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !search.Running(); }, 20000));
    QApplication::processEvents();
    // In the screen's colours of the smallest, mean and largest clearance: film and temperature
    // crossings, and the legend's circle in the mean clearance's.
    std::vector<int> counts;
    for (const auto& [colour, n] : Circles()) counts.push_back(n);
    std::sort(counts.begin(), counts.end());
    EXPECT_EQ(counts, (std::vector<int>{2, 2, 3}));
}

// The search itself: nothing at first and a thread at work, then the same thresholds as a search
// on the spot; asking for other inputs stops the search that runs and the newer inputs' result
// comes; a search that is thrown away while it runs ends with it.
TEST(ThresholdSearch, SearchesOffTheWindowsThreadAndKeepsTheLastResult) {
    testing::EnsureApplication();
    core::TRBrecord example;
    core::LoadExampleCase(example);
    core::TRBrecord heavier = example;
    heavier.f = 50000;

    ThresholdSearch search;
    QSignalSpy ready(&search, &ThresholdSearch::Ready);
    EXPECT_EQ(search.For(example), nullptr);
    EXPECT_TRUE(search.Running());
    EXPECT_EQ(search.For(heavier), nullptr);  // the example's search stops
    ASSERT_TRUE(ready.wait(20000));
    EXPECT_EQ(ready.count(), 1) << "only the search asked for last reports";
    EXPECT_FALSE(search.Running());
    EXPECT_EQ(search.For(example), nullptr) << "the stopped search left nothing";
    ASSERT_TRUE(ready.wait(20000));
    const core::Thresholds* found = search.For(example);
    ASSERT_NE(found, nullptr);
    const core::Thresholds direct = core::FindThresholds(example);
    for (core::Clearance clearance : core::kClearances) {
        for (core::ThresholdInput input : core::kThresholdInputs) {
            for (core::ThresholdLimit limit : core::kThresholdLimits) {
                EXPECT_EQ(found->At(clearance).At(input, limit), direct.At(clearance).At(input, limit));
            }
        }
    }
    // Results do not matter, inputs do: the result serves the same case calculated again.
    core::TRBrecord calculated = example;
    calculated.h0 = 0.123L;
    EXPECT_EQ(search.For(calculated), found);
    EXPECT_EQ(&search.Now(example), found);

    // Thrown away while it runs: the thread is told to stop and joined, its reports are dropped.
    {
        ThresholdSearch thrownAway;
        EXPECT_EQ(thrownAway.For(heavier), nullptr);
        EXPECT_TRUE(thrownAway.Running());
    }
    QApplication::processEvents();
}

}  // namespace
}  // namespace trb::gui
