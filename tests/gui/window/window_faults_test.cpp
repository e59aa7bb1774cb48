// The window as an engineer uses it: each case goes the user's way through the menu and the real
// dialogs, and checks what the user would see.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <new>
#include <sstream>

#include "casefile/case_file.h"
#include "core/lubricant.h"
#include "graphics/drawing_views.h"
#include "graphics/driver_settings.h"
#include "gui/common/file_filter.h"
#include "gui/window/application.h"
#include "gui/window/graphics_canvas.h"
#include "gui/window/interface_language.h"
#include "gui/window/painter_canvas.h"
#include "input_test_support.h"
#include "report/writer_state.h"
#include "run_program.h"
#include "tables/pre_design.h"
#include "text/cp850.h"
#include "text/language.h"
#include "whole_file.h"
#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

namespace fs = std::filesystem;

using test_support::ReadWholeFile;

// Picks row `row` (0-based) of the list dialog and confirms it.
ModalScript::Action ChooseRow(int row) {
    return [row](QWidget& dialog) {
        dialog.findChild<QListWidget*>("ListBox1")->setCurrentRow(row);
        Ok(dialog);
    };
}

// What a file dialog offered, and the file it then takes.
struct FileDialogSeen {
    QStringList filters;
    QString proposed;
    QStringList listed;
};
ModalScript::Action TakeFile(const std::string& path, FileDialogSeen& seen) {
    return [path, &seen](QWidget& widget) {
        auto& dialog = dynamic_cast<QFileDialog&>(widget);
        seen.filters = dialog.nameFilters();
        seen.proposed = dialog.selectedFiles().value(0);
        QTest::qWait(200);  // the folder is listed in the background
        if (auto* view = dialog.findChild<QAbstractItemView*>("listView")) {
            for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
                seen.listed << view->model()->index(i, 0, view->rootIndex()).data().toString();
        }
        // Typed into the name field, as a user does.
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        QMetaObject::invokeMethod(&dialog, "accept");
    };
}

// Lines (type 110) whose ends are one point and circular arcs (type 100) without radius.
int DegenerateIgesEntities(const std::string& iges) {
    std::string parameters;
    std::istringstream in(iges);
    for (std::string line; std::getline(in, line);) {
        if (line.size() >= 73 && line[72] == 'P') parameters += line.substr(0, 64);
    }
    int count = 0;
    std::istringstream entities(parameters);
    for (std::string entity; std::getline(entities, entity, ';');) {
        std::vector<double> v;
        std::istringstream fields(entity);
        std::string type;
        std::getline(fields, type, ',');
        for (std::string field; std::getline(fields, field, ',');) v.push_back(std::atof(field.c_str()));
        type.erase(0, type.find_first_not_of(' '));
        if (type == "110" && v.size() >= 6 && v[0] == v[3] && v[1] == v[4]) ++count;
        if (type == "100" && v.size() >= 5 && v[1] == v[3] && v[2] == v[4]) ++count;
    }
    return count;
}

void WriteCase(const std::string& path, real db) {
    ui::ScriptedDialogs quiet;
    ui::RecordingLauncher launcher;
    app::Program program(quiet, launcher);
    core::LoadExampleCase(program.record);
    program.record.db = db;
    auto cases = program.CaseFiles();
    casefile::WriteCaseFile(cases, path);
}

TEST(FileFilter, ProgramFiltersBecomeQtFilters) {
    EXPECT_EQ(QtFileFilter("*.trb|*.trb"), "*.trb (*.trb)");
    EXPECT_EQ(QtFileFilter("*.dxf|*.dxf|*.*|*.*"), "*.dxf (*.dxf);;*.* (*)");
    EXPECT_EQ(QtFileFilter("*.txt"), "*.txt (*.txt)");
    EXPECT_EQ(QtFileFilter("Text|*.txt;*.csv"), "Text (*.txt *.csv)");
    EXPECT_EQ(QtFileFilter(""), "");
}

// 1. File > Öffnen asks with the open dialog, which lists the case files of the folder.
TEST_F(RealWindowTest, OpenAsksForTheFileAndReadsIt) {
    Thh& window = Start();
    WriteCase(Path("welle.trb"), 95);
    std::ofstream(Path("notes.txt")) << "x";
    FileDialogSeen seen;
    {
        ModalScript script;
        script.Then(TakeFile(Path("welle.trb"), seen));
        Trigger("mi_fileOpen");
        EXPECT_EQ(script.names, std::vector<std::string>{"OpenDialog"});
    }
    EXPECT_EQ(seen.filters, QStringList{"*.trb (*.trb)"});
    EXPECT_TRUE(seen.listed.contains("welle.trb")) << seen.listed.join(",").toStdString();
    EXPECT_FALSE(seen.listed.contains("notes.txt"));
    EXPECT_EQ(program_.record.db, 95);
    EXPECT_EQ(program_.caseFile.name, "welle");
    EXPECT_TRUE(window.windowTitle().endsWith("  -  welle.trb"));
    EXPECT_EQ(program_.caseFile.recent[0], Path("welle.trb"));

    // Cancel keeps the case.
    ModalScript cancel;
    Trigger("mi_fileOpen");
    EXPECT_EQ(cancel.names, std::vector<std::string>{"OpenDialog"});
    EXPECT_EQ(program_.caseFile.name, "welle");
}

// 2. Save As and the CAD output propose the case's name under Qt's filters, and the status bar says
// what was written where.
TEST_F(RealWindowTest, SaveDialogsProposeTheCaseNameAndTheStatusBarNamesTheFile) {
    Thh& window = Start();
    program_.caseFile.name = "pumpe";
    program_.caseFile.folder = folder_.string();
    FileDialogSeen seen;
    {
        ModalScript script;
        script.Then(TakeFile(Path("pumpe2.trb"), seen));
        Trigger("mi_FileSaveAs");
    }
    EXPECT_EQ(seen.filters, QStringList{"*.trb (*.trb)"});
    EXPECT_TRUE(seen.proposed.endsWith("/pumpe.trb")) << seen.proposed.toStdString();
    ASSERT_TRUE(fs::exists(Path("pumpe2.trb")));
    EXPECT_EQ(window.statusBar()->currentMessage(),
              QString::fromStdString("Gespeichert: " + Path("pumpe2.trb")));

    FileDialogSeen cad;
    program_.settings.cadFolder = folder_.string();
    {
        ModalScript script;
        script.Then(ChooseRow(graphics::kDeviceDxf - 1)).Then(TakeFile(Path("lager.dxf"), cad));
        Trigger("mi_cadfertlager");
        EXPECT_EQ(script.names, (std::vector<std::string>{"Tin_codedialog", "SaveDialog"}));
    }
    EXPECT_EQ(cad.filters, (QStringList{"*.dxf (*.dxf)", "*.* (*)"}));
    EXPECT_TRUE(cad.proposed.endsWith("/pumpe2.dxf")) << cad.proposed.toStdString();
    ASSERT_TRUE(fs::exists(Path("lager.dxf")));
    EXPECT_THAT(ReadWholeFile(Path("lager.dxf")), HasSubstr("ENTITIES"));
    EXPECT_EQ(window.statusBar()->currentMessage(),
              QString::fromStdString("Gespeichert: " + Path("lager.dxf")));
}

// 3. "&Vorauslegung" is a pre-design: every size that follows from D is set, shown in a short list,
// and calculated, so that no limit of the case before is left beside the new diameter.
TEST_F(RealWindowTest, PreDimensioningSetsAConsistentCaseAndCalculates) {
    Start();
    const std::string before = Dump();
    const core::TRBrecord old = program_.record;
    {
        ModalScript script;
        script.Then(Cancel);
        Trigger("mi_editvorauslegung");
        EXPECT_EQ(script.names, std::vector<std::string>{"Tin_textdialog"});
    }
    EXPECT_EQ(program_.record.db, old.db);
    EXPECT_EQ(program_.record.dbmax, old.dbmax);
    EXPECT_EQ(program_.record.b, old.b);
    EXPECT_FALSE(program_.caseFile.modified) << "Cancel changes nothing";

    std::string shown;
    {
        ModalScript script;
        script
            .Then([](QWidget& dialog) {
                dialog.findChild<QLineEdit*>("EditEinText")->setText("80");
                Ok(dialog);
            })
            .Then([&shown](QWidget& widget) {
                auto& box = dynamic_cast<QMessageBox&>(widget);
                shown = box.text().toStdString();
                box.accept();
            });
        Trigger("mi_editvorauslegung");
        EXPECT_EQ(script.names.size(), 2u);
    }
    const core::TRBrecord& r = program_.record;
    EXPECT_EQ(r.db, 80);
    EXPECT_EQ(r.ds, 80);
    EXPECT_EQ(r.toldb, "H7");
    EXPECT_NEAR(static_cast<double>(r.dbmax), 80.030, 1e-9);
    EXPECT_LT(r.dsmax, 80) << "a clearance fit";
    EXPECT_NEAR(static_cast<double>(r.b), 80 * static_cast<double>(r.bfactor), 1e-9);
    EXPECT_NEAR(static_cast<double>(r.de), 96, 1e-9);
    EXPECT_THAT(shown, HasSubstr("B = 40 mm"));
    EXPECT_THAT(shown, HasSubstr("(H7) = 80.000 ... 80.030 mm"));
    // D = 80 is too small for the example's load (p > plim, h0 < h0lim), but no limit size is stale.
    for (int i = 1; i <= program_.status.MessageCount(); ++i) {
        const std::string& message = program_.status.Message(i);
        for (const char* size : {"Dmax", "Dmin", "dmax", "dmin", "Fatal"})
            EXPECT_EQ(message.find(size), std::string::npos) << message;
    }
    EXPECT_NEAR(static_cast<double>(r.p), static_cast<double>(r.f / (80 * r.b)), 1e-9)
        << "calculated with the new sizes";
    EXPECT_TRUE(program_.caseFile.modified);
    EXPECT_NE(Dump(), before);
    EXPECT_THAT(Dump(), HasSubstr(";80\n")) << "the sheet shows D = 80";

    // Left empty, D is the one at which the load reaches the admissible specific load.
    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            dialog.findChild<QLineEdit*>("EditEinText")->clear();
            Ok(dialog);
        });
        Trigger("mi_editvorauslegung");
    }
    EXPECT_EQ(program_.record.db, tables::DiameterForLoad(r.f, r.plim, r.bfactor));
    EXPECT_LE(program_.record.p, program_.record.plim);
}

// Inch results keep four significant digits: the example's h0 = 0.0167939 mm is 0.0006612 in.
TEST_F(RealWindowTest, TheResultSheetInInchesShowsFourSignificantDigits) {
    Start();
    program_.settings.format.units = 1;
    Trigger("mi_viewQuick");
    EXPECT_NEAR(static_cast<double>(program_.record.h0), 0.0167939, 1e-6);
    EXPECT_THAT(Dump(), HasSubstr("0.0006612")) << Dump();
}

// A long value of the result sheet ends inside its cell, before the line of the unit's column, as
// the screen draws it: the example in inches (0.0006612 in) with a large load.
// Every text of the shown tables ends before the next line to its right across its row (a cell's
// column line or the table's frame), measured in the font the screen draws it with.
void ExpectTextsInsideTheirCells(Thh& window, const text::FormatOptions& format, int cells) {
    const RecordedDrawing sheet = ReplayOf(window);
    int measured = 0;
    for (const graphics::PixelText& text : sheet.texts) {
        if (text.escapement != 0 || text.height <= 0) continue;
        const QString shown = QString::fromStdString(text::OemToDisplay(text.text, format));
        const int end = text.origin.x + QFontMetrics(PixelTextFont(text)).horizontalAdvance(shown.trimmed());
        // The first line right of the text's start across its row: a column line, or the frame.
        int edge = std::numeric_limits<int>::max();
        for (const RecordedDrawing::Box& line : sheet.lines) {
            if (line.Width() == 0 && line.left > text.origin.x && line.top <= text.origin.y &&
                line.bottom >= text.origin.y + text.height / 2)
                edge = std::min(edge, line.left);
        }
        if (edge == std::numeric_limits<int>::max()) continue;
        ++measured;
        EXPECT_LE(end, edge) << text.text;
    }
    EXPECT_GT(measured, cells) << "every cell of the sheet";
}

TEST_F(RealWindowTest, LongValuesOfTheResultSheetEndInsideTheirCells) {
    Thh& window = Start();
    program_.settings.format.units = 1;
    program_.record.f = 123456789;
    Trigger("mi_viewQuick");
    ExpectTextsInsideTheirCells(window, program_.settings.format, 60);
    // The English captions and titles are longer.
    Trigger("mi_languageEnglish");
    Trigger("mi_viewQuick");
    ExpectTextsInsideTheirCells(window, program_.settings.format, 60);
    Trigger("mi_languageGerman");
}

// 4. A case started as "test.edi /E" stays test.edi at every save.
TEST_F(RealWindowTest, ACommandLineCaseKeepsItsExtension) {
    app::CommandLine commandLine;
    commandLine.mode = app::CaseStart{Path("test.edi"), false};
    Thh& window = Start(commandLine);
    for (int save = 1; save <= 2; ++save) {
        ModalScript script;
        Trigger("mi_FileSave");
        EXPECT_TRUE(script.names.empty()) << save;
    }
    EXPECT_TRUE(fs::exists(Path("test.edi")));
    EXPECT_FALSE(fs::exists(Path("test.trb")));
    EXPECT_TRUE(window.windowTitle().endsWith("  -  test.edi")) << window.windowTitle().toStdString();
}

// A case file named without its extension (a double-clicked file) is refused in a box, not on an
// error output nobody sees, and no window stays open.
TEST_F(RealWindowTest, ACaseNameWithoutExtensionIsRefusedInABox) {
    app::CommandLine commandLine;
    commandLine.mode = app::MissingExtension{Path("lager"), true};
    std::string shown;
    {
        ModalScript script;
        script.Then([&](QWidget& box) {
            shown = static_cast<QMessageBox&>(box).text().toStdString();
            static_cast<QMessageBox&>(box).accept();
        });
        window_ = std::make_unique<Thh>(program_, commandLine);
        EXPECT_EQ(script.Pending(), 0u);
    }
    EXPECT_TRUE(window_->EndRequested());
    EXPECT_THAT(shown, HasSubstr("Erweiterung .trb mu\xC3\x9F mit angegeben werden"));
    EXPECT_THAT(shown, HasSubstr(Path("lager")));
}

// 5. Round is round: at every window size, zoom and reset the bearing's front view is a circle.
TEST_F(RealWindowTest, TheFrontViewIsRoundAtEverySizeZoomAndReset) {
    Thh& window = Start({}, 1000, 600);
    {
        ModalScript script;
        Trigger("mi_viewLager");
    }
    GraphicsCanvas* canvas = window.Canvas();
    const auto expectRound = [&](const char* when) {
        const auto circle = ReplayOf(window).Largest();
        EXPECT_GT(circle.Width(), 20) << when;
        EXPECT_NEAR(circle.Width(), circle.Height(), 1) << when;
    };
    expectRound("start");
    Resize(500, 900);
    expectRound("tall window");
    Resize(1400, 400);
    expectRound("wide window");
    QTest::keyClick(canvas, Qt::Key_Plus);
    expectRound("zoomed with +");
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    expectRound("double click");
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(400, 150));
    expectRound("rubber band");

    // The A4 production drawing uses the window's height.
    Resize(900, 700);
    {
        ModalScript script;
        Trigger("mi_viewfertlager");
    }
    const auto sheet = ReplayOf(window).Extent();
    EXPECT_GT(sheet.Height(), 0.9 * canvas->height());
    EXPECT_LE(sheet.bottom, canvas->height());
    EXPECT_NEAR(static_cast<double>(sheet.Width()) / sheet.Height(), 210.0 / 297, 0.02)
        << "the frame keeps A4";
}

// 6. The drawings' texts come from code page 850 and are shown as the user reads them.
TEST_F(RealWindowTest, ProductionDrawingTextsKeepTheirUmlauts) {
    Thh& window = Start();
    {
        ModalScript script;
        Trigger("mi_viewfertlager");
    }
    const std::string list = Dump();
    EXPECT_THAT(list, HasSubstr("\x8E"
                                "nderung"));
    EXPECT_THAT(list, HasSubstr("ausdr\x81"
                                "cklich"));
    EXPECT_THAT(list, Not(HasSubstr("ausdr\xFC"
                                    "cklich")))
        << "no Windows-1252 bytes on the screen";
    bool seen = false;
    for (const auto& text : ReplayOf(window).texts)
        seen |= text.text ==
                "\x8E"
                "nderung";
    EXPECT_TRUE(seen);
}

// 7. The two deviations of the bore ("120 +0.07 +0.05") stand apart on the screen.
TEST_F(RealWindowTest, StackedDeviationsDoNotOverlapOnTheScreen) {
    Thh& window = Start({}, 1200, 800);
    program_.record.toldb.clear();
    {
        ModalScript script;
        Trigger("mi_viewLager");
    }
    const auto texts = ReplayOf(window).texts;
    const auto find = [&](const std::string& wanted) {
        for (const auto& text : texts)
            if (text.text == wanted) return text;
        ADD_FAILURE() << wanted << " not drawn";
        return graphics::PixelText{};
    };
    const auto upper = find("+0.07"), lower = find("+0.05");
    // Vertical dimension: the texts run upward; the upper deviation stands left of the lower one, and
    // further than its digits are high (about three quarters of the font's pixel size).
    EXPECT_GE(lower.origin.x - upper.origin.x, 0.8 * upper.height) << "overlap on the screen";
}

// 8. After a failed run the result sheet shows the messages, not the previous results.
TEST_F(RealWindowTest, AFailedRunShowsItsMessagesOnTheResultSheet) {
    Start();
    ASSERT_THAT(Dump(), HasSubstr("ISO VG"));
    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            dialog.findChild<QComboBox*>("ComboBox_schmier")->setCurrentIndex(0);  // "..."
            Ok(dialog);
        });
        Trigger("mi_editschmierung");
        EXPECT_EQ(script.names, std::vector<std::string>{"TForm_trbinp2"});
    }
    ASSERT_TRUE(program_.status.calculationFailed);
    const std::string list = Dump();
    EXPECT_THAT(list, HasSubstr(program_.status.Message(1)));
    EXPECT_THAT(list, Not(HasSubstr("ISO VG"))) << "no results of the previous run";
}

// 9. CAD > Sonstige: a view on the screen is drawn, and "zurück .." ends the command.
TEST_F(RealWindowTest, OtherViewsDrawOnTheScreenAndBackEnds) {
    Start();
    ModalScript script;
    script.Then(ChooseRow(graphics::kViewFront - 1))
        .Then(ChooseRow(graphics::kDeviceScreen - 1))
        .Then(ChooseRow(graphics::kViewEnd - 1));
    Trigger("mi_cadsonstige");
    EXPECT_EQ(script.names, (std::vector<std::string>{"Tin_codedialog", "Tin_codedialog", "Tin_codedialog"}));
    EXPECT_EQ(script.Pending(), 0u);
    const auto drawing = ReplayOf(*window_);
    EXPECT_EQ(drawing.ellipses.size(), 2u) << "bore and outer circle of the front view";
    EXPECT_THAT(Dump(), Not(HasSubstr("GRENZWERTE")));
}

// 10. Switching the language redraws what the screen shows in the new language.
TEST_F(RealWindowTest, LanguageSwitchRedrawsTheView) {
    Start();
    {
        ModalScript script;
        Trigger("mi_viewfertlager");
    }
    EXPECT_THAT(Dump(), HasSubstr("Hydrodynamische Radial-Gleitlager"));
    Trigger("mi_languageEnglish");
    EXPECT_THAT(Dump(), HasSubstr("Hydrodynamic Plain Journal Bearings"));
    EXPECT_THAT(Dump(), HasSubstr("KORVANE")) << "still the production drawing";
    Trigger("mi_languageGerman");
    EXPECT_THAT(Dump(), HasSubstr("Hydrodynamische Radial-Gleitlager"));
}

// 11. In a small window the whole result sheet is still on the screen.
TEST_F(RealWindowTest, TheResultSheetFitsASmallWindow) {
    Thh& window = Start({}, 420, 300);
    {
        ModalScript script;
        Trigger("mi_viewQuick");
    }
    const auto sheet = ReplayOf(window).Extent();
    EXPECT_GE(sheet.left, 0);
    EXPECT_GE(sheet.top, 0);
    EXPECT_LE(sheet.right, window.Canvas()->width());
    EXPECT_LE(sheet.bottom, window.Canvas()->height());
    EXPECT_TRUE(sheet.Width() > 0.75 * window.Canvas()->width() ||
                sheet.Height() > 0.75 * window.Canvas()->height())
        << "and uses the window";
}

// 12. The wheel zooms about the mouse; + and - of the main keyboard zoom too.
TEST_F(RealWindowTest, WheelZoomsAboutTheMouseAndPlusMinusZoom) {
    Thh& window = Start();
    GraphicsCanvas* canvas = window.Canvas();
    const graphics::View& view = window.Graphics().CurrentView();
    const QPoint at(300, 200);
    const real x = view.WorldX(at.x()), y = view.WorldY(at.y());
    const real scale = view.sx;
    QWheelEvent wheel(QPointF(at), canvas->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_NEAR(static_cast<double>(view.sx / scale), 1.2, 1e-3) << "a notch zooms by a fifth";
    EXPECT_NEAR(static_cast<double>(view.WorldX(at.x())), static_cast<double>(x), 1e-6);
    EXPECT_NEAR(static_cast<double>(view.WorldY(at.y())), static_cast<double>(y), 1e-6);

    const real zoomed = view.sx;
    QTest::keyClick(canvas, Qt::Key_Minus);
    EXPECT_LT(view.sx, zoomed);
    QTest::keyClick(canvas, Qt::Key_Plus);
    EXPECT_NEAR(static_cast<double>(view.sx), static_cast<double>(zoomed),
                static_cast<double>(zoomed) * 0.01);
}

// 13. The shipped groove case has no feed hole: nothing is drawn for it, and its section goes to
// IGES without degenerate entities.
TEST_F(RealWindowTest, NoHoleIsDrawnForFeedHoleDiameterZero) {
    fs::copy_file(fs::path(TRB_SOURCE_DATA_DIR) / "examples" / "groove.trb", Path("groove.trb"));
    app::CommandLine commandLine;
    commandLine.mode = app::CaseStart{Path("groove.trb"), true};
    Thh& window = Start(commandLine);
    ASSERT_EQ(program_.record.dh, 0);
    ASSERT_EQ(program_.record.zufuhr, core::kRingGroove);
    {
        ModalScript script;
        Trigger("mi_viewLager");
    }
    const auto drawing = ReplayOf(window);
    const auto outer = drawing.Largest();
    for (const auto& ellipse : drawing.ellipses) {
        EXPECT_LE(ellipse.Width(), outer.Width());
    }
    EXPECT_EQ(drawing.ellipses.size(), 3u) << "bore, outer circle and groove bottom of the front view";
    for (const auto& text : drawing.texts) EXPECT_NE(text.text, "0") << "no hole dimension";

#ifdef TRB_IGES_READER
    program_.settings.cadFolder = folder_.string();
    FileDialogSeen seen;
    {
        ModalScript script;
        script.Then(ChooseRow(graphics::kViewSection - 1))
            .Then(ChooseRow(graphics::kDeviceIges - 1))
            .Then(TakeFile(Path("groove_sa.igs"), seen))
            .Then(ChooseRow(graphics::kViewEnd - 1));
        Trigger("mi_cadsonstige");
    }
    ASSERT_TRUE(fs::exists(Path("groove_sa.igs")));
    const test_support::ProgramRun reader =
        test_support::RunProgram(TRB_IGES_READER, {Path("groove_sa.igs")}, test_support::MergedErrors());
    const std::string& report = reader.output;
    EXPECT_EQ(reader.exitCode, 0) << report;
    EXPECT_THAT(report, HasSubstr("fails 0\n"));
    EXPECT_THAT(report, Not(HasSubstr("fail:")));
#endif
    if (fs::exists(Path("groove_sa.igs"))) {
        EXPECT_EQ(DegenerateIgesEntities(ReadWholeFile(Path("groove_sa.igs"))), 0);
    }
}

// Homepage, E-Mail and the viewer's "Export Notepad" start their program through the launcher (an
// argument list, no shell); when nothing can be started the user is told so.
TEST_F(RealWindowTest, ExternalProgramsSayWhenNothingCouldBeStarted) {
    Start();
    launcher_.succeed = false;
    {
        ModalScript script;
        Trigger("mi_helpwww");
        EXPECT_EQ(script.names.size(), 1u) << "a message instead of silence";
    }
    ASSERT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(launcher_.calls[0].program, "") << "the desktop's handler";
    EXPECT_EQ(launcher_.calls[0].arguments, std::vector<std::string>{"https://www.korvane.de"});
    {
        ModalScript script;
        Trigger("mi_helpemail");
        EXPECT_EQ(script.names.size(), 1u);
    }
    EXPECT_EQ(launcher_.calls.back().arguments.at(0), "MAILTO:info@korvane.de?subject=TRB V1.6");

    ModalScript script;
    program_.settings.textDevice = 1;  // the report goes to the screen viewer
    script.Then([](QWidget& viewer) { viewer.findChild<QAction*>("mi_exportNotepad")->trigger(); })
        .Then([](QWidget& box) { dynamic_cast<QDialog&>(box).accept(); });
    Trigger("mi_ViewAusdruck");
    EXPECT_THAT(script.names, ::testing::Contains("ExportFailedBox"));
    EXPECT_EQ(launcher_.calls.back().program, program_.settings.textProgram);
    EXPECT_THAT(launcher_.calls.back().arguments.at(0), ::testing::EndsWith("outwin.txt"));
}

// A printout as an HTML page: the status line names the page, and when the desktop's opener ends
// without finding a program for it, a message names the page.
TEST_F(RealWindowTest, AWrittenPageIsNamedAndAnOpenerThatFailsLaterSaysSo) {
    Start();
    program_.settings.textDevice = report::kHtmlFile;
    Trigger("mi_ViewAusdruck");
    ASSERT_FALSE(launcher_.calls.empty());
    const std::string page = launcher_.calls.back().arguments.at(0);
    EXPECT_EQ(window_->statusBar()->currentMessage().toStdString(), "Gespeichert: " + page);
    ModalScript script;
    QString said;
    script.Then([&said](QWidget& box) {
        if (const auto* message = qobject_cast<QMessageBox*>(&box)) said = message->text();
        dynamic_cast<QDialog&>(box).accept();
    });
    launcher_.EndOpener(3);
    QApplication::processEvents();
    EXPECT_EQ(script.names.size(), 1u);
    EXPECT_THAT(said.toStdString(), HasSubstr("Kein Programm konnte " + page +
                                              " \xC3\xB6"
                                              "ffnen (xdg-open endete mit Exit-Code 3"));
}

// Help > Verification report opens the installed report with the desktop's handler, in the menu's
// language, and says so when the report is not installed or nothing could open it.
TEST_F(RealWindowTest, TheVerificationReportOpensWithTheDesktopOrSaysWhy) {
    Start();
    const fs::path report = folder_ / "verification.pdf";
    ::setenv("TRB_DOC_DIR", folder_.c_str(), 1);
    {
        ModalScript script;
        Trigger("mi_helpverification");
        ASSERT_EQ(script.names.size(), 1u) << "not installed: a message, nothing started";
        EXPECT_TRUE(launcher_.calls.empty());
    }
    std::ofstream(report) << "%PDF-1.4\n";
    {
        ModalScript script;
        Trigger("mi_helpverification");
        EXPECT_TRUE(script.names.empty());
    }
    ASSERT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(launcher_.calls[0].program, "") << "the desktop's handler";
    EXPECT_EQ(launcher_.calls[0].arguments, std::vector<std::string>{report.string()});
    launcher_.succeed = false;
    {
        ModalScript script;
        Trigger("mi_helpverification");
        EXPECT_EQ(script.names.size(), 1u) << "no handler: a message instead of silence";
    }
    ::unsetenv("TRB_DOC_DIR");

    QAction* item = window_->findChild<QAction*>("mi_helpverification");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Verifikationsbericht");
    Trigger("mi_languageEnglish");
    EXPECT_EQ(item->text(), "&Verification report");
    Trigger("mi_languageRomanian");
    EXPECT_EQ(item->text(), "Raport de &verificare");
    Trigger("mi_languageGerman");
}

// Qt's own dialogs speak the menus' language, and Korean menus get a font with Hangul.
TEST_F(RealWindowTest, QtTextsFollowTheMenuLanguageAndKoreanHasAHangulFont) {
    Start();
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    Trigger("mi_languageGerman");
    EXPECT_EQ(cancel(), "Abbrechen");
    Trigger("mi_languageEnglish");
    EXPECT_EQ(cancel(), "Cancel");
    Trigger("mi_languageKorean");
    EXPECT_NE(cancel(), "Cancel") << "Korean buttons";
    const QString hangul = InterfaceLanguage::HangulFamily();
    ASSERT_FALSE(hangul.isEmpty()) << "fonts-noto-cjk is installed by scripts/install-deps";
    EXPECT_EQ(QApplication::font().families().value(0), hangul);
    EXPECT_TRUE(QFontMetrics(QApplication::font()).inFontUcs4(0xD30C))
        << "the Korean File menu's first letter";
    Trigger("mi_languageGerman");
    EXPECT_NE(QApplication::font().families().value(0), hangul);
}

// A command that throws (a failed allocation, a fault in a library) is caught where the event loop
// handed it its event: the user reads why, the window goes on with the case as it stands, nothing
// unsaved is lost. Here a menu item reached by its shortcut, as a user presses it.
TEST_F(RealWindowTest, ACommandThatThrowsIsReportedAndTheUnsavedCaseStays) {
    Start();
    auto* application = dynamic_cast<Application*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    application->SetFailureReport([this](const std::string& text) { dialogs_.ShowErrorBox(text); });
    program_.record.f = 12345;
    program_.caseFile.modified = true;
    auto* failing = new QAction(window_.get());
    failing->setShortcut(QKeySequence("Ctrl+Shift+F12"));
    window_->addAction(failing);
    QObject::connect(failing, &QAction::triggered, [] { throw std::bad_alloc(); });
    QString shown;
    {
        ModalScript script;
        script.Then([&shown](QWidget& box) {
            shown = dynamic_cast<QMessageBox&>(box).text();
            dynamic_cast<QDialog&>(box).accept();
        });
        window_->activateWindow();
        QTest::keyClick(window_.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::processEvents();
    }
    application->SetFailureReport({});
    EXPECT_EQ(
        shown.toStdString(),
        "Der Befehl wurde abgebrochen (zu wenig Speicher). Die Eingaben des Falls bleiben, wie sie sind; "
        "speichern Sie sie.");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(program_.record.f, 12345);
    EXPECT_TRUE(program_.caseFile.modified);
}

// 12. "Pressure distribution" in the View menu draws at once that the film is being solved, solves it off
// the window's thread and draws it when it is there: the colour map's solids in their own colours, the
// comparison with the DIN values. Asked for again, the film kept is drawn at once, alike; a changed case
// has its own film.
TEST_F(RealWindowTest, PressureDistributionDrawsTheFilmOfTheCase) {
    Start();
    Trigger("mi_viewDruckverteilung");
    const auto solved = [this] { return Dump().find("DIN 31652") != std::string::npos; };
    if (!solved()) {
        EXPECT_THAT(Dump(), HasSubstr("Der Schmierfilm wird berechnet"));
    }
    ASSERT_TRUE(QTest::qWaitFor(solved, 20000));
    const std::string sheet = Dump();
    EXPECT_THAT(sheet, HasSubstr("Druckverteilung"));
    EXPECT_THAT(sheet, HasSubstr("\n14;255;255;")) << "the ramp's pale yellow of the lowest pressures";
    EXPECT_THAT(sheet, Not(HasSubstr("Kein Ergebnis")));
    EXPECT_THAT(sheet, Not(HasSubstr("wird berechnet")));
    auto* progress = window_->findChild<QWidget*>("ProgressBar_film");
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->isVisible()) << "the progress goes once the film is there";
    // The pen left by the drawing before is not part of the sheet.
    const auto drawn = [](const std::string& dump) { return dump.substr(dump.find("\n10;")); };
    Trigger("mi_viewQuick");
    Trigger("mi_viewDruckverteilung");
    EXPECT_EQ(drawn(Dump()), drawn(sheet));

    {
        ModalScript script;
        script.Then([](QWidget& dialog) {
            SetField(dialog, "Edit_f", "72000");
            Ok(dialog);
        });
        Trigger("mi_editgrunddaten");
    }
    ASSERT_EQ(program_.record.f, 72000);
    Trigger("mi_viewDruckverteilung");
    EXPECT_THAT(Dump(), HasSubstr("wird berechnet")) << "the heavier case's film is solved anew";
    ASSERT_TRUE(QTest::qWaitFor(solved, 20000));
    EXPECT_NE(Dump(), sheet);
}

}  // namespace
}  // namespace trb::gui::testing
