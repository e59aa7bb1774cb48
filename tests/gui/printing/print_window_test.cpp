// Printing from the window as the user does it: the menu item, the dialogs answered through their
// components, the printout written to a PDF file and read back with poppler-utils and dbfread.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/common/qt_dialogs.h"
#include "gui/help/help_commands.h"
#include "gui/printing/print_state.h"
#include "gui/window/main_window.h"
#include "modal_script.h"
#include "tables/reference_tables.h"
#include "ui/help_numbers.h"
#include "ui/launcher.h"
#include "window_fixture.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using testing::ModalScript;

// A program's output (empty when it cannot be started).
std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {};
    return process.readAllStandardOutput().toStdString();
}

std::vector<std::string> SplitPages(const std::string& text) {
    std::vector<std::string> pages(1);
    for (char c : text) {
        if (c == '\f') {
            pages.emplace_back();
        } else {
            pages.back() += c;
        }
    }
    if (pages.back().find_first_not_of(" \n") == std::string::npos) pages.pop_back();
    return pages;
}

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

void Type(QWidget& dialog, const char* name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    edit->setText(text);
}

QString Field(QWidget& dialog, const char* name) {
    auto* edit = dialog.findChild<QLineEdit*>(name);
    return edit ? edit->text() : QString();
}

bool Checked(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    return button && button->isChecked();
}

void Check(QWidget& dialog, const char* name, bool on = true) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->setChecked(on);
}

void Accept(QWidget& dialog) {
    static_cast<QDialog&>(dialog).accept();
}

void Reject(QWidget& dialog) {
    static_cast<QDialog&>(dialog).reject();
}

// Where long dark lines run on a rendered page: the centre (in pixels) of each group of
// neighbouring columns (or rows) with a dark run of at least `minimum` pixels.
std::vector<double> LongLines(const QImage& image, bool vertical, int minimum) {
    const int across = vertical ? image.width() : image.height();
    const int along = vertical ? image.height() : image.width();
    std::vector<double> centres;
    double sum = 0, weight = 0;
    for (int i = 0; i <= across; ++i) {
        int longest = 0, run = 0;
        for (int j = 0; i < across && j < along; ++j) {
            const QRgb p = vertical ? image.pixel(i, j) : image.pixel(j, i);
            run = qGray(p) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (i < across && longest >= minimum) {
            sum += i;
            weight += 1;
        } else if (weight > 0) {
            centres.push_back(sum / weight);
            sum = weight = 0;
        }
    }
    return centres;
}

// The line nearest to a position (pixels), or a far-away value when there is none.
double Near(const std::vector<double>& lines, double position) {
    double best = -1e9;
    for (double line : lines)
        if (std::abs(line - position) < std::abs(best - position)) best = line;
    return best;
}

class PrintWindowTest : public ::testing::Test, protected testing::FreshFolder {
  protected:
    PrintWindowTest() {
        fs::copy_file(fs::path(TRB_SOURCE_DATA_DIR) / "examples" / "example.trb", folder_ / "example.trb");
        dialogs_.Bind(program_.settings, launcher_);
    }
    ~PrintWindowTest() override { window_.reset(); }

    // The window on the example case, printing into a PDF file, its tables in the test folder.
    Thh& Start() {
        app::CommandLine line;
        line.mode = app::CaseStart{(folder_ / "example.trb").string()};
        line.noGui = true;
        window_ = std::make_unique<Thh>(program_, line);
        dialogs_.SetMainWindow(window_.get());
        dialogs_.SetPrinter(&window_->Printing().printer);
        window_->Printing().printer.PrintToPdf(QString::fromStdString(Pdf()));
        program_.settings.dbfFolder = folder_.string() + "/";
        program_.settings.tempFolder = folder_.string() + "/";
        window_->show();
        return *window_;
    }
    void Trigger(const char* name) {
        QAction* item = window_->findChild<QAction*>(name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }
    std::string Pdf() const { return (folder_ / "out.pdf").string(); }
    // A field of pdfinfo's report on the PDF file.
    std::string PdfInfo(const std::string& field) {
        const std::string info = RunTool("pdfinfo", {QString::fromStdString(Pdf())});
        const std::size_t start = info.find(field + ":");
        if (start == std::string::npos) return {};
        const std::size_t value = info.find_first_not_of(' ', start + field.size() + 1);
        return info.substr(value, info.find('\n', value) - value);
    }
    QImage RenderPdf(int dpi) {
        const QString base = QString::fromStdString((folder_ / "page").string());
        RunTool("pdftoppm",
                {"-r", QString::number(dpi), "-png", "-singlefile", QString::fromStdString(Pdf()), base});
        return QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
    }

    QtDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

TEST_F(PrintWindowTest, TheResultReportPrintsEveryPageInOrderWithItsCharacters) {
    Start();
    program_.settings.textDevice = 4;  // the printer
    program_.settings.textDeviceWindow = false;
    ModalScript script;
    script.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "PrintDialog1");
        Accept(dialog);
    });
    Trigger("mi_ViewAusdruck");
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_TRUE(fs::exists(Pdf()));

    const std::string text = RunTool("pdftotext", {"-layout", QString::fromStdString(Pdf()), "-"});
    const std::vector<std::string> pages = SplitPages(text);
    ASSERT_GE(pages.size(), 2u) << text;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // Each page starts with its header, numbered in order from "Bl. 1"; no page is blank.
        EXPECT_NE(pages[i].find("Bl. " + std::to_string(i + 1)), std::string::npos) << "page " << i + 1;
    }
    EXPECT_EQ(PdfInfo("Pages"), std::to_string(pages.size()));
    // Converted once: umlauts, degree and micro signs and the box lines arrive intact.
    for (const char* word : {"Wärme", "°C", "µm", "═"}) EXPECT_NE(text.find(word), std::string::npos) << word;
    for (const char* garbled : {"Ã", "Â"}) EXPECT_EQ(text.find(garbled), std::string::npos) << garbled;
}

TEST_F(PrintWindowTest, TheViewersPrintButtonPrintsFromPageOne) {
    Start();
    program_.settings.textDevice = 1;  // the screen viewer
    program_.settings.textDeviceWindow = false;
    ModalScript script;
    script
        .Then([](QWidget& viewer) {
            EXPECT_EQ(viewer.objectName(), "TForm_showtextfile");
            auto* button = viewer.findChild<QToolButton*>("Button_print");
            ASSERT_NE(button, nullptr);
            button->click();
        })
        .Then([](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "PrintDialog1");
            Accept(dialog);
        })
        .Then([](QWidget& viewer) { Reject(viewer); });
    Trigger("mi_ViewAusdruck");
    EXPECT_EQ(script.Pending(), 0u);
    const std::string text = RunTool("pdftotext", {"-layout", QString::fromStdString(Pdf()), "-"});
    const std::vector<std::string> pages = SplitPages(text);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_NE(pages.front().find("Bl. 1"), std::string::npos);
    EXPECT_NE(text.find("Wärme"), std::string::npos);
}

TEST_F(PrintWindowTest, TheProductionDrawingPrintsAtItsRealSizeOnAnUprightSheet) {
    Start();
    Trigger("mi_viewfertlager");
    ModalScript script;
    script.Then([](QWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "TForm_printconf");
        EXPECT_EQ(dialog.windowTitle(), "Ausdruck");
        // The A4 sheet only fits upright, whatever the configured orientation.
        EXPECT_TRUE(Checked(dialog, "RadioGroup_hochquer_0"));
        EXPECT_TRUE(Checked(dialog, "RadioGroup_printmono_0"));
        EXPECT_EQ(Field(dialog, "Edit_scalex"), "1");
        auto* printer = dialog.findChild<QLabel*>("Label_printer");
        ASSERT_NE(printer, nullptr);
        EXPECT_EQ(printer->text(), "PDF out.pdf");
        Click(dialog, "Button_ok");
    });
    Trigger("mi_fileprint");
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_TRUE(fs::exists(Pdf()));
    EXPECT_EQ(PdfInfo("Pages"), "1");
    EXPECT_EQ(PdfInfo("Page size"), "595 x 842 pts (A4)");

    constexpr int kDpi = 300;
    const double pxPerMm = kDpi / 25.4;
    const QImage page = RenderPdf(kDpi);
    ASSERT_FALSE(page.isNull());
    int dark = 0, coloured = 0;
    for (int y = 0; y < page.height(); y += 2) {
        for (int x = 0; x < page.width(); x += 2) {
            const QRgb p = page.pixel(x, y);
            if (qGray(p) < 128) ++dark;
            if (std::abs(qRed(p) - qBlue(p)) > 40 || std::abs(qGreen(p) - qBlue(p)) > 40) ++coloured;
        }
    }
    EXPECT_GT(dark, 20000) << "the drawing page is not blank";
    EXPECT_EQ(coloured, 0) << "monochrome prints every colour black";

    // The frame: 18 mm and 205 mm from the left, 5 mm from the top and bottom, so 187 by 287 mm.
    const std::vector<double> columns = LongLines(page, true, static_cast<int>(250 * pxPerMm));
    const std::vector<double> rows = LongLines(page, false, static_cast<int>(150 * pxPerMm));
    const double left = Near(columns, 18 * pxPerMm) / pxPerMm;
    const double right = Near(columns, 205 * pxPerMm) / pxPerMm;
    const double top = Near(rows, 5 * pxPerMm) / pxPerMm;
    const double bottom = Near(rows, 292 * pxPerMm) / pxPerMm;
    EXPECT_NEAR(right - left, 187, 0.5);
    EXPECT_NEAR(bottom - top, 287, 0.5);
    EXPECT_NEAR(left, 18, 0.5);
    EXPECT_NEAR(top, 5, 0.5);
}

TEST_F(PrintWindowTest, OriginAndShadingMoveAndColourThePrintout) {
    Start();
    Trigger("mi_viewfertlager");
    ModalScript script;
    script.Then([](QWidget& dialog) {
        Type(dialog, "Edit_xorigin", "21");
        Check(dialog, "RadioGroup_printmono_1");
        Click(dialog, "Button_ok");
    });
    Trigger("mi_fileprint");
    constexpr int kDpi = 150;
    const double pxPerMm = kDpi / 25.4;
    const QImage page = RenderPdf(kDpi);
    ASSERT_FALSE(page.isNull());
    int coloured = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2)
            if (std::abs(qRed(page.pixel(x, y)) - qBlue(page.pixel(x, y))) > 60) ++coloured;
    EXPECT_GT(coloured, 100) << "colour mode prints the palette colours";
    const std::vector<double> columns = LongLines(page, true, static_cast<int>(250 * pxPerMm));
    EXPECT_NEAR(Near(columns, 39 * pxPerMm) / pxPerMm, 39, 0.5) << "21 mm to the right";
}

TEST_F(PrintWindowTest, AReportAfterAColourDrawingPrintsBlack) {
    Start();
    Trigger("mi_viewfertlager");
    ModalScript script;
    script
        .Then([](QWidget& dialog) {
            Check(dialog, "RadioGroup_printmono_1");
            Click(dialog, "Button_ok");
        })
        .Then([](QWidget& dialog) { Accept(dialog); });
    Trigger("mi_fileprint");
    fs::rename(Pdf(), folder_ / "drawing.pdf");
    program_.settings.textDevice = 4;
    program_.settings.textDeviceWindow = false;
    Trigger("mi_ViewAusdruck");
    EXPECT_EQ(script.Pending(), 0u);
    const QImage page = RenderPdf(60);
    ASSERT_FALSE(page.isNull());
    int dark = 0, coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qGray(p) < 160) ++dark;
            if (std::abs(qRed(p) - qBlue(p)) > 40 || std::abs(qGreen(p) - qBlue(p)) > 40) ++coloured;
        }
    }
    EXPECT_GT(dark, 1000);
    EXPECT_EQ(coloured, 0) << "the drawing's last colour stayed on the printer";
}

TEST_F(PrintWindowTest, StoredPrintoutSettingsRoundTripThroughTheTable) {
    Start();
    Trigger("mi_viewfertlager");
    ModalScript script;
    script
        .Then([](QWidget& dialog) {
            Type(dialog, "Edit_scalex", "0,8");  // a decimal comma is read as well
            Type(dialog, "Edit_scaley", "0.9");
            Type(dialog, "Edit_xorigin", "12");
            Type(dialog, "Edit_yorigin", "-3");
            Check(dialog, "RadioGroup_hochquer_1");
            Check(dialog, "RadioGroup_printmono_1");
            Check(dialog, "CheckBox_anpassen");
            Check(dialog, "CheckBox_umrandung");
            Click(dialog, "Button_append");
        })
        .Then([](QWidget& name) {
            EXPECT_EQ(name.objectName(), "Tin_textdialog");
            Type(name, "EditEinText", "quer farbig");
            Accept(name);
        })
        .Then([](QWidget& dialog) {
            // Other values now, then the stored setting taken back from the table.
            Type(dialog, "Edit_scalex", "1");
            Check(dialog, "RadioGroup_hochquer_0");
            Check(dialog, "RadioGroup_printmono_0");
            Check(dialog, "CheckBox_anpassen", false);
            Click(dialog, "Button_db");
        })
        .Then([](QWidget& chooser) {
            auto* grid = chooser.findChild<QTableView*>("TableGrid");
            ASSERT_NE(grid, nullptr);
            ASSERT_EQ(grid->model()->rowCount(), 1);
            grid->setCurrentIndex(grid->model()->index(0, 0));
            Accept(chooser);
        })
        .Then([](QWidget& dialog) {
            EXPECT_EQ(Field(dialog, "Edit_scalex"), "0.8");
            EXPECT_EQ(Field(dialog, "Edit_scaley"), "0.9");
            EXPECT_EQ(Field(dialog, "Edit_xorigin"), "12");
            EXPECT_EQ(Field(dialog, "Edit_yorigin"), "-3");
            EXPECT_TRUE(Checked(dialog, "RadioGroup_hochquer_1")) << "landscape: Querformat";
            EXPECT_TRUE(Checked(dialog, "RadioGroup_printmono_1"));
            EXPECT_TRUE(Checked(dialog, "CheckBox_anpassen"));
            EXPECT_TRUE(Checked(dialog, "CheckBox_umrandung"));
            Click(dialog, "Button_cancel");
        });
    Trigger("mi_fileprint");
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_FALSE(fs::exists(Pdf())) << "Cancel prints nothing";
    EXPECT_FALSE(program_.abort);

    const std::string table = (folder_ / "printout.dbf").string();
    const std::string read =
        RunTool(TRB_PYTHON, {"-c",
                             "import sys\n"
                             "from dbfread import DBF\n"
                             "for r in DBF(sys.argv[1]):\n"
                             "    print(r['NAME'], r['XSCALE'], r['YSCALE'], r['XORIGIN'], "
                             "r['YORIGIN'], r['LANDSCAPE'], r['MONOCHROM'], r['VARIABLE'], "
                             "r['BORDERLINE'])\n",
                             QString::fromStdString(table)});
    EXPECT_EQ(read, "quer farbig 0.8 0.9 12 -3 True False True True\n");
}

// An installed DBF folder takes no writes: a setting taken over goes with the folder's settings to
// the user's configuration folder, the user is told where, and the next run reads it from there.
TEST_F(PrintWindowTest, SettingsTakenOverFromAReadOnlyDbfFolderAreKeptInTheUsersFolder) {
    Start();
    const fs::path shipped = folder_ / "shipped";
    fs::create_directories(shipped / "TEST.$$$");  // the folder's write check fails, also for root
    tables::DbfTable::Create(shipped / "printout.dbf", tables::PrintoutFields());
    program_.settings.dbfFolder = shipped.string() + "/";
    Trigger("mi_viewfertlager");
    QString told;
    ModalScript script;
    script.Then([](QWidget& dialog) { Click(dialog, "Button_append"); })
        .Then([](QWidget& name) {
            Type(name, "EditEinText", "Plotter A1");
            Accept(name);
        })
        .Then([&told](QWidget& box) {
            if (const auto* message = qobject_cast<QMessageBox*>(&box)) told = message->text();
            Accept(box);
        })
        .Then([](QWidget& dialog) { Click(dialog, "Button_db"); })
        .Then([](QWidget& chooser) {
            EXPECT_EQ(chooser.findChild<QTableView*>("TableGrid")->model()->rowCount(), 1);
            Accept(chooser);
        })
        .Then([](QWidget& dialog) { Click(dialog, "Button_cancel"); });
    Trigger("mi_fileprint");
    EXPECT_EQ(script.Pending(), 0u);
    const fs::path own = folder_ / "config" / "trb" / "printout.dbf";
    EXPECT_EQ(told.toStdString(), "Der DBF-Ordner " + shipped.string() +
                                      "/ ist schreibgesch\xC3\xBCtzt: die Druckeinstellungen werden in " +
                                      own.string() + " gespeichert.");
    ASSERT_TRUE(fs::exists(own));
    const auto names = [](const fs::path& table) {
        return RunTool(TRB_PYTHON, {"-c",
                                    "import sys\n"
                                    "from dbfread import DBF\n"
                                    "for r in DBF(sys.argv[1]): print(r['NAME'])\n",
                                    QString::fromStdString(table.string())});
    };
    EXPECT_EQ(names(own), "Plotter A1\n");
    EXPECT_EQ(names(shipped / "printout.dbf"), "") << "the installed table is left as it is";
}

TEST_F(PrintWindowTest, TheDialogStartsFromWhatTheWindowShows) {
    Thh& window = Start();
    program_.settings.printScaleX = 0.75L;
    program_.settings.printOriginX = 7;
    program_.settings.printShading = 2;
    Trigger("mi_viewnue");  // a diagram: the configured graphics printout values
    ModalScript script;
    script
        .Then([](QWidget& dialog) {
            EXPECT_EQ(Field(dialog, "Edit_scalex"), "0.75");
            EXPECT_EQ(Field(dialog, "Edit_xorigin"), "7");
            EXPECT_TRUE(Checked(dialog, "RadioGroup_printmono_1"));
            EXPECT_TRUE(Checked(dialog, "RadioGroup_hochquer_1"));  // the diagram fits landscape
            Click(dialog, "Button_cancel");
        })
        .Then([](QWidget& dialog) {
            EXPECT_EQ(Field(dialog, "Edit_scalex"), "1.1");
            EXPECT_EQ(Field(dialog, "Edit_scaley"), "1");
            EXPECT_EQ(Field(dialog, "Edit_xorigin"), "0");
            EXPECT_TRUE(Checked(dialog, "RadioGroup_hochquer_0"));
            EXPECT_FALSE(Checked(dialog, "CheckBox_umrandung"));
            Type(dialog, "Edit_scaley", "2");
            Click(dialog, "Button_ok");
        })
        .Then([](QWidget& dialog) {
            // Anything else starts from the last printout's values.
            EXPECT_EQ(Field(dialog, "Edit_scaley"), "2");
            Click(dialog, "Button_cancel");
        });
    Trigger("mi_fileprint");
    HelpCommandsOf(window).ShowHelpPicture(help::kHelpInputGeometry);  // "Hilfe&bild" of a dialog
    Trigger("mi_fileprint");
    EXPECT_EQ(PdfInfo("Page size"), "595 x 842 pts (A4)") << "the help picture printed upright";
    const QImage picture = RenderPdf(50);
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 500);
    window.DrawLogo();
    Trigger("mi_fileprint");
    EXPECT_EQ(script.Pending(), 0u);
}

TEST_F(PrintWindowTest, PrinterSetupShowsTheCapabilitiesAndPrintsNothing) {
    Start();
    ModalScript script;
    script.Then([](QWidget& dialog) { Click(dialog, "Button_ok"); }).Then([](QWidget& info) {
        EXPECT_EQ(info.objectName(), "TForm_printerinfo");
        auto* grid = info.findChild<QTableWidget*>("StringGrid1");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->rowCount(), 20);
        EXPECT_EQ(grid->item(0, 0)->text(), "Name");
        EXPECT_TRUE(grid->item(0, 1)->text().endsWith("out.pdf"));
        EXPECT_EQ(grid->item(9, 0)->text(), "DPI (horizontal)");
        EXPECT_EQ(grid->item(9, 1)->text(), "1200");
        Click(info, "Button_ok");
    });
    Trigger("mi_fileprintersetup");
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_FALSE(fs::exists(Pdf()));
}

TEST_F(PrintWindowTest, TheOperatingChartsPrintAsTheWindowShowsThem) {
    Start();
    ModalScript script;
    script
        .Then([](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "TFbetriebskennfeld");
            Type(dialog, "Edit_von", "5");
            Type(dialog, "Edit_bis", "60");
            Type(dialog, "Edit_schritte", "55");
            Click(dialog, "Button_ok");
        })
        .Then([](QWidget& dialog) {
            EXPECT_EQ(dialog.objectName(), "TForm_printconf");
            Click(dialog, "Button_ok");
        });
    Trigger("mi_viewBetriebskennfeld");
    Trigger("mi_fileprint");
    EXPECT_EQ(script.Pending(), 0u);
    ASSERT_TRUE(fs::exists(Pdf()));
    EXPECT_EQ(PdfInfo("Pages"), "1");
    const std::string text = RunTool("pdftotext", {"-layout", QString::fromStdString(Pdf()), "-"});
    for (const char* shown : {"Betriebskennfeld", "h0 lim", "tB lim", "nS = 5 ... 60 1/s, 55 Schritte"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
}

}  // namespace
}  // namespace trb::gui
