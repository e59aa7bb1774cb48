#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "graphics/drawing_views.h"
#include "graphics/driver_settings.h"
#include "gui/window/graphics_canvas.h"
#include "gui/window/main_menu.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "report/run_messages.h"
#include "text/cp850.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"
#include "window_fixture.h"
#include "workbook/workbook_reader.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;

// A main window started in a fresh folder (current folder and configuration folder) with scripted
// answers to every question.
class MainWindowTest : public testing::ScriptedWindowTest {
  protected:
    QString MenuTitle(const char* name) { return window_->findChild<QMenu*>(name)->title(); }
};

TEST_F(MainWindowTest, StartsWithACalculatedCaseAndPaintsIt) {
    Thh& window = Start();
    EXPECT_FALSE(window.EndRequested());
    EXPECT_FALSE(program_.status.calculationFailed);
    EXPECT_GT(program_.record.teff, 20) << "the first run has calculated the case";
    EXPECT_FALSE(program_.caseFile.modified);
    EXPECT_TRUE(program_.caseFile.name.empty());
    EXPECT_GT(window.Graphics().List().Size(), 0u);

    window.show();
    const QImage image = window.RenderImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 1u) << "the painted view is not blank";
}

TEST_F(MainWindowTest, TitleShowsTheCaseNameWithItsExtension) {
    Thh& window = Start();
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager");
    program_.caseFile.name = "welle";
    window.RefreshTitle();
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager  -  welle.trb");
    // A case opened from pumpe.edi keeps its extension; one opened from x.v1.trb is x.v1.trb, not x.v1.
    program_.caseFile.name = "pumpe";
    program_.caseFile.extension = "edi";
    window.RefreshTitle();
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager  -  pumpe.edi");
    program_.caseFile.name = "x.v1";
    program_.caseFile.extension = "trb";
    window.RefreshTitle();
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager  -  x.v1.trb");
    // A file named on the command line is shown as it was given.
    program_.caseFile.name = "cases/pumpe.edi";
    program_.caseFile.commandLineFile = true;
    window.RefreshTitle();
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager  -  cases/pumpe.edi");
}

// The recent-files list that cannot be written when the window closes is said, not lost without a
// word: here the configuration folder cannot be made, as on a full disk it could not be written.
TEST_F(MainWindowTest, ARecentFilesListThatCannotBeWrittenIsSaid) {
    Thh& window = Start();
    window.show();
    std::ofstream(Path("blocked")) << "a file where the folder should be";
    program_.places.configFolder = Path("blocked") + "/trb/";
    program_.places.fallbackFolder = program_.places.configFolder;
    EXPECT_TRUE(window.close());
    ASSERT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_EQ(
        dialogs_.Entries("box")[0].text.rfind("Liste der zuletzt geöffneten Dateien nicht gespeichert", 0),
        0u)
        << dialogs_.Entries("box")[0].text;
    // A window that could write it says nothing.
    window_.reset();
    Thh& again = Start();
    again.show();
    EXPECT_TRUE(again.close());
    EXPECT_EQ(dialogs_.Entries("box").size(), 1u);
    EXPECT_TRUE(fs::exists(program_.places.configFolder + "trb.cff"));
}

TEST_F(MainWindowTest, LanguageItemsRecaptionTheMenus) {
    Thh& window = Start();
    EXPECT_EQ(MenuTitle("mi_file"), "&Datei");
    EXPECT_EQ(Item("mi_fileexit")->text(), "&Beenden");
    EXPECT_FALSE(Item("mi_languageFrench")->isVisible());

    Item("mi_languageEnglish")->trigger();
    EXPECT_EQ(MenuTitle("mi_file"), "&File");
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamic Plain Journal Bearings");
    const QString englishView = Item("mi_viewfertlager")->text();

    // Korean: the menus change, the calculation texts are English and the title stays.
    Item("mi_languageGerman")->trigger();
    Item("mi_languageKorean")->trigger();
    EXPECT_NE(MenuTitle("mi_file"), "&Datei");
    EXPECT_NE(MenuTitle("mi_file"), "&File");
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager");
    EXPECT_EQ(program_.texts.Calc(text::CalcText::Lager), "bearing");
    EXPECT_TRUE(Item("mi_viewfertlager")->text().endsWith(" bearing"));
    EXPECT_NE(Item("mi_viewfertlager")->text(), englishView);

    Item("mi_languageGerman")->trigger();
    EXPECT_EQ(MenuTitle("mi_file"), "&Datei");
    EXPECT_EQ(Item("mi_viewfertlager")->text(), "&Fertigungszeichnung Lager");
    EXPECT_EQ(Item("mi_viewnue")->text(), QString::fromUtf8("Kinematische Viskosit\u00e4t &nue = f(T)"));
}

TEST_F(MainWindowTest, MessageItemCountsTheRunsMessages) {
    Thh& window = Start();
    const int count = program_.status.MessageCount();
    EXPECT_EQ(Item("mi_viewErrorMessages")->text(), QString("&Fehlermeldungen (%1)").arg(count));
    EXPECT_EQ(Item("mi_viewErrorMessages")->isEnabled(), count > 0);

    program_.status.ClearMessages();
    window.RefreshAfterRun();
    EXPECT_EQ(Item("mi_viewErrorMessages")->text(), "&Fehlermeldungen (0)");
    EXPECT_FALSE(Item("mi_viewErrorMessages")->isEnabled());

    program_.status.AddMessage("Warnung: Test 1");
    program_.status.AddMessage("Warnung: Test 2");
    window.RefreshAfterRun();
    EXPECT_EQ(Item("mi_viewErrorMessages")->text(), "&Fehlermeldungen (2)");
    EXPECT_TRUE(Item("mi_viewErrorMessages")->isEnabled());

    Item("mi_languageEnglish")->trigger();
    EXPECT_TRUE(Item("mi_viewErrorMessages")->text().endsWith(" (2)"));
    EXPECT_TRUE(Item("mi_viewErrorMessages")->isEnabled());
}

TEST_F(MainWindowTest, SaveAsPutsTheFileFirstInTheRecentList) {
    Start();
    // The menu shows the recent entry as its caption (a long path is shortened).
    const auto caption = [this](int i, const char* name) {
        EXPECT_EQ(program_.caseFile.recent[static_cast<std::size_t>(i - 1)], Path(name));
        return QString::fromStdString(casefile::RecentFileCaption(program_.caseFile.recent, i));
    };
    EXPECT_FALSE(Item("mi_file1")->isVisible());
    dialogs_.Reply(Path("erste.trb"));
    Item("mi_FileSaveAs")->trigger();
    ASSERT_TRUE(fs::exists(Path("erste.trb")));
    EXPECT_TRUE(Item("mi_file1")->isVisible());
    EXPECT_EQ(Item("mi_file1")->text(), caption(1, "erste.trb"));
    EXPECT_TRUE(window_->windowTitle().endsWith("  -  erste.trb"));

    dialogs_.Reply(Path("zweite.trb"));
    Item("mi_FileSaveAs")->trigger();
    EXPECT_EQ(Item("mi_file1")->text(), caption(1, "zweite.trb"));
    EXPECT_EQ(Item("mi_file2")->text(), caption(2, "erste.trb"));
    EXPECT_FALSE(Item("mi_file3")->isVisible());

    // A recent file that has gone is dropped from the menu.
    fs::remove(Path("zweite.trb"));
    const std::size_t boxes = dialogs_.Entries("box").size();
    Item("mi_file1")->trigger();
    EXPECT_EQ(Item("mi_file1")->text(), caption(1, "erste.trb"));
    EXPECT_FALSE(Item("mi_file2")->isVisible());
    ASSERT_EQ(dialogs_.Entries("box").size(), boxes + 1);
    EXPECT_NE(dialogs_.Entries("box").back().text.find("not found"), std::string::npos);

    // Opening the remaining one reads it and calculates.
    program_.record.db = 1;
    Item("mi_file1")->trigger();
    EXPECT_EQ(program_.caseFile.name, "erste");
    EXPECT_EQ(program_.record.db, 120);
}

// The screen's footer line: the last text of the drawing in the footer's pen, as the user reads it.
std::string FooterShown(const graphics::GraphicsWindow& window) {
    std::string footer;
    for (const graphics::DisplayCommand& c : window.List().Commands())
        if (c.code == 6 && c.text.find(" TRB ") != std::string::npos) footer = c.text;
    return text::OemToUtf8(footer);
}

// A case named with an umlaut: the footer, the report's header and the printout's sheet show the
// name as typed; an unnamed case names no file.
TEST_F(MainWindowTest, ACaseNameWithAnUmlautIsShownAsTypedWhereverTheCaseIsNamed) {
    Start();
    const std::string unnamed = FooterShown(window_->Graphics());
    ASSERT_FALSE(unnamed.empty());
    EXPECT_TRUE(unnamed.ends_with(" TRB 1.6 ")) << unnamed;

    const std::string name = Path(
        "Pr\xC3\xBC"
        "fstand.trb");
    dialogs_.Reply(name);
    Item("mi_FileSaveAs")->trigger();
    ASSERT_TRUE(fs::exists(name));
    Item("mi_viewQuick")->trigger();
    EXPECT_TRUE(FooterShown(window_->Graphics()).ends_with(" " + name)) << FooterShown(window_->Graphics());

    program_.settings.textDevice = 1;  // the report goes to the screen viewer
    Item("mi_ViewAusdruck")->trigger();
    const auto viewers = dialogs_.Entries("viewer");
    ASSERT_EQ(viewers.size(), 1u);
    const std::string report = test_support::ReadWholeFile(viewers[0].text);
    EXPECT_NE(report.find("Pr\xC3\xBC"
                          "fstand.trb"),
              std::string::npos)
        << report.substr(0, 1200);

    // The printout's sheet names the case in its second row, not the temporary file it came from.
    Item("mi_OlePrintoutExcel")->trigger();
    const std::string workbook = Path(
        "Pr\xC3\xBC"
        "fstand-report.xlsx");
    const workbook::SheetCells sheet = workbook::ReadFirstSheet(test_support::ReadWholeFile(workbook));
    ASSERT_EQ(sheet.problem, workbook::ReadProblem::None);
    ASSERT_GE(sheet.rows.size(), 2u);
    ASSERT_FALSE(sheet.rows[1].empty());
    EXPECT_EQ(sheet.rows[1][0], name);
}

// Four cases saved with bores of 100, 110, 120 and 130 mm: each recent item opens the case it names,
// and the opened case moves to the top of the list.
TEST_F(MainWindowTest, EachRecentItemOpensTheCaseItNames) {
    Start();
    for (const auto& [name, bore] : {std::pair{"a.trb", 100}, std::pair{"b.trb", 110},
                                     std::pair{"c.trb", 120}, std::pair{"d.trb", 130}}) {
        program_.record.db = program_.record.ds = bore;
        dialogs_.Reply(Path(name));
        Item("mi_FileSaveAs")->trigger();
    }
    // The list is d, c, b, a.
    const auto open = [this](const char* item, const char* name, int bore) {
        const QString caption = Item(item)->text();
        program_.record.db = 1;
        Item(item)->trigger();
        EXPECT_EQ(program_.caseFile.name, std::string(name).substr(0, 1)) << item;
        EXPECT_EQ(program_.record.db, bore) << item;
        EXPECT_TRUE(caption.endsWith(name)) << item << " " << caption.toStdString();
        EXPECT_EQ(program_.caseFile.recent[0], Path(name)) << item;
    };
    open("mi_file3", "b.trb", 110);  // now b, d, c, a
    open("mi_file4", "a.trb", 100);  // now a, b, d, c
    open("mi_file3", "d.trb", 130);  // now d, a, b, c
    open("mi_file2", "a.trb", 100);  // now a, d, b, c
    open("mi_file4", "c.trb", 120);
    open("mi_file1", "c.trb", 120);
    EXPECT_TRUE(dialogs_.Entries("box").empty()) << dialogs_.Entries("box").at(0).text;
}

// Saving from the window: a write-protected case file is refused with the message that says so and
// keeps its content; a case file that is a link is written where the link leads and stays a link.
TEST_F(MainWindowTest, SaveRespectsWriteProtectionAndWritesThroughLinks) {
    Start();
    dialogs_.Reply(Path("lager.trb"));
    Item("mi_FileSaveAs")->trigger();
    ASSERT_TRUE(fs::exists(Path("lager.trb")));
    const std::string saved = test_support::ReadWholeFile(Path("lager.trb"));
    fs::permissions(Path("lager.trb"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    program_.record.f = 4711;
    program_.caseFile.modified = true;
    Item("mi_FileSave")->trigger();
    const auto boxes = dialogs_.Entries("box");
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, "Schreibschutz entfernen !");
    EXPECT_EQ(test_support::ReadWholeFile(Path("lager.trb")), saved);
    EXPECT_TRUE(program_.caseFile.modified) << "not saved";

    fs::create_directory(Path("archiv"));
    fs::permissions(Path("lager.trb"), fs::perms::owner_read | fs::perms::owner_write);
    fs::rename(Path("lager.trb"), Path("archiv/lager.trb"));
    fs::create_symlink("archiv/lager.trb", Path("lager.trb"));
    Item("mi_FileSave")->trigger();
    EXPECT_TRUE(fs::is_symlink(Path("lager.trb")));
    EXPECT_NE(test_support::ReadWholeFile(Path("archiv/lager.trb")), saved)
        << "the new case went where the link leads";
    EXPECT_NE(test_support::ReadWholeFile(Path("archiv/lager.trb")).find("4711.0000000"), std::string::npos);
}

TEST_F(MainWindowTest, ClosingAChangedUnnamedCaseAsksFirst) {
    Thh& window = Start();
    window.show();
    program_.caseFile.modified = true;
    dialogs_.Reply("cancel");
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs_.Entries("question").size(), 1u);
    EXPECT_EQ(dialogs_.Entries("question")[0].text, "Bisherige Eingaben speichern ?");
    EXPECT_FALSE(program_.abort);

    dialogs_.Reply("no");  // discard
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, NewAsksForTheDiameterAndStopsWhenCancelled) {
    Thh& window = Start();
    program_.caseFile.name = "alt";
    {
        testing::ModalScript script;
        script.Then(testing::Ok).Then(testing::Cancel);
        dialogs_.Reply("80");
        window.mi_fileNewClick();
        EXPECT_EQ(script.names, (std::vector<std::string>{"Tform_uni4", "TForm_trbinp1"}));
    }
    EXPECT_EQ(program_.record.db, 80);
    EXPECT_TRUE(program_.caseFile.name.empty());
    EXPECT_TRUE(program_.caseFile.modified);
    EXPECT_EQ(window.windowTitle(), "TRB - Hydrodynamische Radial-Gleitlager");

    // Cancelling the diameter opens none of the case dialogs.
    program_.caseFile.modified = false;
    testing::ModalScript script;
    dialogs_.ReplyCancel();
    window.mi_fileNewClick();
    EXPECT_TRUE(script.names.empty());
    EXPECT_FALSE(program_.caseFile.modified);
    EXPECT_FALSE(program_.abort);
}

TEST_F(MainWindowTest, NewRunsTheQuickInputAfterTheDiameter) {
    Thh& window = Start();
    const auto loadOf = [this](real diameter) {
        return static_cast<double>(program_.record.f / (diameter * program_.record.b));
    };
    const std::size_t asked = dialogs_.transcript.size();
    {
        testing::ModalScript script;
        script.Then(testing::Ok).Then(testing::Ok).Then(testing::Ok).Then(testing::Ok);
        dialogs_.Reply("80");
        program_.caseFile.modified = false;
        window.mi_fileNewClick();
        EXPECT_EQ(script.names, (std::vector<std::string>{"Tform_uni4", "TForm_trbinp1", "TForm_trbinp2",
                                                          "TForm_trbinp3"}));
    }
    EXPECT_EQ(program_.record.db, 80);
    EXPECT_NEAR(static_cast<double>(program_.record.p), loadOf(80), 1e-9)
        << "calculated with the new diameter";
    EXPECT_GT(program_.record.teff, 20);
    EXPECT_TRUE(program_.caseFile.modified);
    EXPECT_FALSE(program_.abort);
    // The diameter question, then the message viewer closes the chain.
    ASSERT_GE(dialogs_.transcript.size(), asked + 2);
    const auto& last = dialogs_.transcript.back();
    if (program_.status.MessageCount() == 0) {
        EXPECT_EQ(last.text, report::kRunWithoutMessages);
    } else {
        EXPECT_TRUE(last.kind == "list" || last.kind == "radio") << last.kind;
    }
    EXPECT_EQ(Item("mi_viewErrorMessages")->text(),
              QString("&Fehlermeldungen (%1)").arg(program_.status.MessageCount()));

    // Cancelling the lubrication dialog skips the limits dialog and the viewer, but the case with
    // the confirmed geometry is still calculated.
    program_.caseFile.modified = false;
    {
        testing::ModalScript script;
        script.Then(testing::Ok)
            .Then([](QWidget& dialog) {
                testing::SetField(dialog, "Edit_f", "20000");
                testing::Ok(dialog);
            })
            .Then(testing::Cancel)
            .Then(testing::Ok);
        dialogs_.Reply("100");
        const std::size_t before = dialogs_.transcript.size();
        program_.record.p = 0;
        window.mi_fileNewClick();
        EXPECT_EQ(script.names, (std::vector<std::string>{"Tform_uni4", "TForm_trbinp1", "TForm_trbinp2"}));
        ASSERT_EQ(dialogs_.transcript.size(), before + 2) << "the diameter, then what it set";
        EXPECT_EQ(dialogs_.transcript[before + 1].kind, "box");
    }
    EXPECT_EQ(program_.record.db, 100);
    EXPECT_EQ(program_.record.f, 20000);
    EXPECT_NEAR(static_cast<double>(program_.record.p), loadOf(100), 1e-9);
    EXPECT_TRUE(program_.caseFile.modified);
    EXPECT_FALSE(program_.abort);
}

TEST_F(MainWindowTest, KeysAndMouseZoomAndReset) {
    Thh& window = Start();
    window.show();
    GraphicsCanvas* canvas = window.Canvas();
    const graphics::View& view = window.Graphics().CurrentView();
    const graphics::ZoomRect whole = view.zoom;
    const QImage before = window.RenderImage();

    QTest::keyClick(canvas, Qt::Key_Plus, Qt::KeypadModifier);
    const graphics::ZoomRect in = view.zoom;
    EXPECT_LT(in.x2 - in.x1, whole.x2 - whole.x1);
    EXPECT_NE(window.RenderImage(), before);
    QTest::keyClick(canvas, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_NEAR(static_cast<double>(view.zoom.x2 - view.zoom.x1), static_cast<double>(whole.x2 - whole.x1),
                2);

    QTest::keyClick(canvas, Qt::Key_Left);
    EXPECT_GT(view.zoom.x1, whole.x1 - 2) << "Left moves the rectangle to the right";
    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_EQ(view.zoom, whole);

    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(canvas, QPoint(60, 40));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_NE(view.zoom, whole);
    QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(view.zoom, whole);

    // A band without height zooms nothing.
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(80, 10));
    EXPECT_EQ(view.zoom, whole);
}

// Seconds since this process started (clock-tick resolution).
double SecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; ++i) {
    }
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    return uptime - std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Not a check: run alone with --gtest_also_run_disabled_tests to print the start and repaint times
// and save a picture of the window to $TRB_SCREENSHOT.
TEST_F(MainWindowTest, DISABLED_ScreenshotAndTimings) {
    using Clock = std::chrono::steady_clock;
    Thh& window = Start();
    window.show();
    window.RenderImage();
    std::printf("process start to the first painted result sheet: %.0f ms\n",
                1000 * SecondsSinceProcessStart());
    window.DrawView(graphics::kDeviceScreen, graphics::kViewProduction);
    constexpr int kRepaints = 50;
    const auto repaintStart = Clock::now();
    for (int i = 0; i < kRepaints; ++i) window.RenderImage();
    const auto repaintEnd = Clock::now();
    std::printf("production drawing repaint: %.2f ms (%zu commands)\n",
                std::chrono::duration<double, std::milli>(repaintEnd - repaintStart).count() / kRepaints,
                window.Graphics().List().Size());
    window.RefreshAfterRun();
    QApplication::processEvents();
    if (const char* file = std::getenv("TRB_SCREENSHOT")) window.grab().save(file);
}

}  // namespace
}  // namespace trb::gui
