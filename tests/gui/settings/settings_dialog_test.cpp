#include "gui/settings/settings_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "../../config/config_test_support.h"
#include "config/config_file.h"
#include "config/config_table.h"
#include "graphics/print_mapping.h"
#include "gui/help/help_hints.h"
#include "gui/settings/settings_bindings.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "text/cp850.h"
#include "ui/help_numbers.h"

namespace trb::gui {
namespace {

namespace fs = std::filesystem;
using config::ConfigRow;
using config::ConfigSettings;
using config::ValueKind;

// A program with scripted questions, its configuration folder in a fresh place.
class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialogTest()
        : folder_(fs::temp_directory_path() / ("trb_gui_settings_" + std::to_string(::getpid()))) {
        testing::EnsureApplication();
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "start");
        program_.places = {Path("start/"), Path("user/trb/"), Path("user/trb/")};
        program_.settings.pltFolder = TRB_SOURCE_DATA_DIR;
    }
    ~SettingsDialogTest() override { fs::remove_all(folder_); }

    std::string Path(const char* name) const { return (folder_ / name).string(); }
    std::unique_ptr<Tconfig> Open() {
        SettingsContext context{program_.settings, program_.places, program_.dialogs, {},
                                nullptr,           "TRB - Test",    "a.trb"};
        return std::make_unique<Tconfig>(context);
    }
    template <class W = QWidget>
    static W* Find(QWidget& dialog, const char* name) {
        W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    ConfigSettings ReadBack() const {
        ConfigSettings read;
        const config::ReadOutcome outcome = config::ReadConfigFile(
            Path("user/trb/trb.cfg"), read, program_.places.startFolder, config::ScreenInfo{});
        EXPECT_TRUE(outcome.read);
        EXPECT_TRUE(outcome.problem.empty()) << outcome.problem;
        return read;
    }

    fs::path folder_;
    ui::ScriptedDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
};

// Changes a simply bound control as a user would and the expected settings likewise.
void ChangeControl(QWidget& dialog, const SettingBinding& b, int n, ConfigSettings& expected) {
    QWidget* control = dialog.findChild<QWidget*>(b.name);
    ASSERT_NE(control, nullptr) << b.name;
    ConfigSettings& e = expected;
    switch (b.control) {
        case SettingControl::Text: {
            const std::string text = "/changed/" + std::to_string(n) + "/";
            static_cast<QLineEdit*>(control)->setText(QString::fromStdString(text));
            b.ref.text(e) = text;
            break;
        }
        case SettingControl::OemText: {
            const std::string text = "Fl\u00e4che " + std::to_string(n);
            static_cast<QLineEdit*>(control)->setText(QString::fromStdString(text));
            b.ref.text(e) = text::DisplayToOem(text);
            break;
        }
        case SettingControl::Integer:
            static_cast<QLineEdit*>(control)->setText(QString::number(100 + n));
            b.ref.integer(e) = 100 + n + b.offset;
            break;
        case SettingControl::Real:
            // Typed with a decimal comma.
            static_cast<QLineEdit*>(control)->setText(QString::number(n) + ",5");
            b.ref.number(e) = n + 0.5L;
            break;
        case SettingControl::Degrees:
            static_cast<QLineEdit*>(control)->setText(QString::number(10 + n));
            b.ref.number(e) = (10 + n) * std::acos(-1.0L) / 180;
            break;
        case SettingControl::Check:
        case SettingControl::Uncheck: {
            auto* check = static_cast<QCheckBox*>(control);
            check->click();
            b.ref.boolean(e) = check->isChecked() == (b.control == SettingControl::Check);
            break;
        }
        case SettingControl::Radio: {
            QButtonGroup* group = control->findChild<QButtonGroup*>();
            const int count = static_cast<int>(group->buttons().size());
            const int id = (std::max(group->checkedId(), 0) + 1) % count;
            group->button(id)->click();
            if (b.ref.boolean) {
                b.ref.boolean(e) = id == 0;
            } else {
                b.ref.integer(e) = id + b.offset;
            }
            break;
        }
        case SettingControl::Spin: {
            auto* spin = static_cast<QSpinBox*>(control);
            const int value = spin->value() < spin->maximum() ? spin->value() + 1 : spin->value() - 1;
            spin->setValue(value);
            b.ref.integer(e) = value;
            break;
        }
        case SettingControl::Combo: {
            auto* combo = static_cast<QComboBox*>(control);
            const int index = (combo->currentIndex() + 1) % combo->count();
            combo->setCurrentIndex(index);
            b.ref.integer(e) = index + b.offset;
            break;
        }
        case SettingControl::Label:
        case SettingControl::LabelInteger:
            break;  // set by the font dialogs
    }
}

// Whether a row holds the same value in both (reals to a millionth: the file keeps seven decimals).
bool SameValue(const ConfigRow& row, const ConfigSettings& a, const ConfigSettings& b) {
    if (row.kind == ValueKind::Real || row.kind == ValueKind::RealShort) {
        ConfigSettings x = a, y = b;
        return std::abs(row.ref.number(x) - row.ref.number(y)) < 1e-6L;
    }
    return config::testing::RowValue(row, a) == config::testing::RowValue(row, b);
}

// The settings the dialog does not show: kept in the file, without effect.
std::set<const void*> HiddenSettings(ConfigSettings& s) {
    return {&s.printerType,        &s.printDensity,       &s.hardcopyRotated,   &s.printThicknessVertical,
            &s.graphicsCorrection, &s.graphicsMode,       &s.graphicsDriver,    &s.hardcopyPort,
            &s.databaseMode,       &s.externalDatabase,   &s.smallOnlineWindow, &s.reserved,
            &s.language,           &s.layers[0].thickness};
}

const void* RowSetting(const ConfigRow& row, ConfigSettings& s) {
    const config::SettingRef& r = row.ref;
    if (r.text) return &r.text(s);
    if (r.integer) return &r.integer(s);
    if (r.boolean) return &r.boolean(s);
    if (r.character) return &r.character(s);
    if (r.number) return &r.number(s);
    return &r.rectangle(s);
}

TEST_F(SettingsDialogTest, EverySettingChangedInTheDialogIsSavedAndReadBackTheSame) {
    auto dialog = Open();
    ConfigSettings expected = program_.settings;
    int n = 0;
    for (const SettingBinding& binding : SettingBindings()) ChangeControl(*dialog, binding, ++n, expected);

    // The layer grid (layer 5 first) and the colour layers, one colour through the colour choice.
    auto* layers = Find<QTableWidget>(*dialog, "StringGrid_layer");
    for (int row = 0; row < 5; ++row) {
        config::CadLayer& layer = expected.layers[static_cast<std::size_t>(5 - row)];
        layer = {"Schicht \x81" + std::to_string(5 - row), 6 + row, 2 + row};
        layers->item(row, 0)->setText(QString::fromStdString(text::OemToDisplay(layer.name, {})));
        layers->item(row, 1)->setText(QString::number(layer.colour));
        layers->item(row, 2)->setText(QString::number(layer.thickness));
    }
    Find<QPushButton>(*dialog, "Button_dick3")->click();
    auto* colours = Find<QTableWidget>(*dialog, "StringGrid_color");
    for (int row = 0; row < config::kColourLayers; ++row) {
        expected.colourLayers[static_cast<std::size_t>(row)] = {16 - row, 3};
        colours->item(row, 0)->setText(QString::number(16 - row));
    }
    colours->setCurrentCell(4, 0);
    dialogs_.Reply("9");
    Find<QPushButton>(*dialog, "Button_selectcolor")->click();
    expected.colourLayers[4].colour = 9;
    EXPECT_EQ(colours->verticalHeaderItem(4)->text().toStdString(),
              "Farbe f\u00fcr Layer 20 (dunkel gr\u00fcn)");

    // Plot lines: the first from the plot dialog, the third typed.
    auto* lines = Find<QListWidget>(*dialog, "ListBox_traceon");
    {
        testing::ModalScript script;
        script.Then([](QWidget& plot) {
            plot.findChild<QLineEdit*>("Edit_traceonPath")->setText("/opt/plot/wtraceon");
            plot.findChild<QRadioButton*>("RadioGroup_d_1")->click();
            plot.findChild<QLineEdit*>("Edit_com")->setText("2");
            testing::Ok(plot);
        });
        Find<QPushButton>(*dialog, "Button_conftraceon")->click();
        EXPECT_EQ(script.names, std::vector<std::string>{"TForm_conftraceon"});
    }
    lines->setCurrentRow(2);
    dialogs_.Reply("plot three /M2");
    Find<QPushButton>(*dialog, "Button_edittraceoncommandline")->click();
    const std::string temp = text::AddBackslash(
        program_.settings.tempFolder.empty() ? config::TemporaryFolder() : program_.settings.tempFolder);
    expected.plotCommandLines = {"/opt/plot/wtraceon " + temp + "traceon /CHPL /D1 /P2", "", "plot three /M2",
                                 "", ""};
    expected.plotLineCount = 3;

    // Both fonts and the background colour through their dialogs.
    {
        testing::ModalScript script;
        const auto chooseFont = [](int size) {
            return [size](QWidget& box) {
                QFont font("DejaVu Serif", size);
                font.setBold(true);
                font.setItalic(true);
                static_cast<QFontDialog&>(box).setCurrentFont(font);
                static_cast<QFontDialog&>(box).accept();
            };
        };
        script.Then(chooseFont(12)).Then(chooseFont(14)).Then([](QWidget& box) {
            static_cast<QColorDialog&>(box).setCurrentColor(QColor(10, 20, 30));
            static_cast<QColorDialog&>(box).accept();
        });
        Find<QPushButton>(*dialog, "Button_font")->click();
        Find<QPushButton>(*dialog, "Button_textfont")->click();
        Find<QPushButton>(*dialog, "Button_hintergrundfarbe")->click();
        EXPECT_EQ(script.names, (std::vector<std::string>{"FontDialog1", "FontDialog1", "ColorDialog1"}));
    }
    expected.graphicsTextStyle = Find<QLineEdit>(*dialog, "Edit_font")->text().toStdString();
    expected.graphicsFontStyle = 3;
    expected.printoutFont = Find<QLabel>(*dialog, "Label_courier")->text().toStdString();
    expected.printoutFontSize = 14;
    expected.printoutFontStyle = 3;
    expected.backgroundColour = 30 << 16 | 20 << 8 | 10;
    EXPECT_NE(expected.graphicsTextStyle, ConfigSettings{}.graphicsTextStyle);
    EXPECT_NE(expected.printoutFont, ConfigSettings{}.printoutFont);

    Find<QPushButton>(*dialog, "Button_save")->click();
    EXPECT_TRUE(dialogs_.Entries("box").empty()) << dialogs_.Entries("box").at(0).text;

    ConfigSettings read = ReadBack();
    ConfigSettings defaults;
    const std::set<const void*> hidden = HiddenSettings(defaults);
    for (const ConfigRow& row : config::ConfigTable()) {
        const std::string label(row.label);
        EXPECT_TRUE(SameValue(row, read, expected))
            << label << ": read " << config::testing::RowValue(row, read) << ", expected "
            << config::testing::RowValue(row, expected);
        EXPECT_TRUE(SameValue(row, program_.settings, expected)) << label << ": applied to the program";
        // Every setting the dialog shows was changed by it.
        if (hidden.count(RowSetting(row, defaults)) == 0) {
            EXPECT_FALSE(SameValue(row, read, defaults))
                << label << " (" << config::testing::RowValue(row, read)
                << ") was not changed through the dialog";
        }
    }
}

TEST_F(SettingsDialogTest, ImportReadsAHandEditedFileIntoTheControlsOnly) {
    ConfigSettings file;
    file.zoomFactor = 1.5L;
    file.panFactor = 0.05L;
    file.cadTextWidthFactor = 1.25L;
    file.cadTextStyle = "ROMANS";
    std::string text = config::ConfigText(file);
    for (const auto& [point, comma] : {std::pair{"1.5000000", "1,5000000"}, std::pair{"0.0500000", "0,05"},
                                       std::pair{"1.25\r\n", "1,25\r\n"}}) {
        const auto at = text.find(point);
        ASSERT_NE(at, std::string::npos) << point;
        text.replace(at, std::string(point).size(), comma);
    }
    // The file ends after "Layer Monochrom": the rest is cut off.
    text = config::testing::FirstLines(
        text, config::testing::LinesThrough(config::testing::RowIndex("Layer Monochrom"), file));
    std::ofstream(Path("start/other.cfg"), std::ios::binary) << text;

    const auto import = [&](QWidget& dialog) {
        // What the file lacks keeps what the controls show: a date code chosen before the import.
        Find<QRadioButton>(dialog, "RadioGroup_date_3")->click();
        dialogs_.Reply(Path("start/other.cfg"));
        Find<QPushButton>(dialog, "Button_import")->click();
        EXPECT_EQ(dialogs_.Entries("open").back().items.at(0), "*.cfg");
        EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_zoomfaktor")->text(), "1.5");
        EXPECT_EQ(Find<QLineEdit>(dialog, "Edit_cadfont")->text(), "ROMANS");
        EXPECT_TRUE(Find<QRadioButton>(dialog, "RadioGroup_date_3")->isChecked());
    };

    // Cancel after an import leaves the program's settings alone.
    {
        auto dialog = Open();
        import(*dialog);
        Find<QPushButton>(*dialog, "Button_cancel")->click();
    }
    EXPECT_EQ(program_.settings.zoomFactor, ConfigSettings{}.zoomFactor);
    EXPECT_EQ(program_.settings.cadTextStyle, "TXT8");
    EXPECT_FALSE(fs::exists(Path("user/trb/trb.cfg"))) << "nothing is saved without \"&Speichern\"";

    auto dialog = Open();
    import(*dialog);
    Find<QPushButton>(*dialog, "Button_ok")->click();
    const ConfigSettings& s = program_.settings;
    EXPECT_EQ(s.zoomFactor, 1.5L);
    EXPECT_EQ(s.panFactor, 0.05L);
    EXPECT_EQ(s.cadTextWidthFactor, 1.25L);
    EXPECT_EQ(s.graphicsTextWidthFactor, 1.25L)
        << "a file ending at \"Layer Monochrom\" takes the CAD factor";
    EXPECT_EQ(s.format.dateCode, 3);
    EXPECT_EQ(s.cadTextStyle, "ROMANS");

    // A file that cannot be read changes nothing and says why.
    auto again = Open();
    dialogs_.Reply(Path("start/missing.cfg"));
    Find<QPushButton>(*again, "Button_import")->click();
    EXPECT_EQ(Find<QLineEdit>(*again, "Edit_zoomfaktor")->text(), "1.5");
    ASSERT_FALSE(dialogs_.Entries("box").empty());
    EXPECT_NE(dialogs_.Entries("box").back().text.find("missing.cfg"), std::string::npos);
}

TEST_F(SettingsDialogTest, ApplyRulesAndTheColourThatStaysAfterCancel) {
    auto dialog = Open();
    Find<QLineEdit>(*dialog, "Edit_zoomfaktor")->setText("0");
    Find<QLineEdit>(*dialog, "Edit_texthoehenfaktor")->setText("0");
    Find<QLineEdit>(*dialog, "Edit_cadtextbreite")->setText("0");
    Find<QLineEdit>(*dialog, "Edit_massfaktorconfig")->setText("0.001");
    Find<QLineEdit>(*dialog, "Edit_x")->setText("9000");
    Find<QLineEdit>(*dialog, "Edit_y")->setText("0");
    Find<QPushButton>(*dialog, "Button_ok")->click();
    const ConfigSettings& s = program_.settings;
    EXPECT_EQ(s.zoomFactor, 1);
    EXPECT_EQ(s.textHeightFactor, 1);
    EXPECT_EQ(s.cadTextWidthFactor, 1) << "as the help says: a 0 is taken as 1";
    EXPECT_EQ(s.dimensionFactor, 1);
    EXPECT_EQ(s.mainClientWidth, 5000);
    EXPECT_GT(s.mainClientHeight, 0) << "0 follows the screen";

    // A number left as shown keeps its exact value.
    program_.settings.panFactor = 0.0123456789L;
    dialog = Open();
    EXPECT_EQ(Find<QLineEdit>(*dialog, "Edit_panfaktor")->text(), "0.0123457");
    Find<QPushButton>(*dialog, "Button_ok")->click();
    EXPECT_EQ(program_.settings.panFactor, 0.0123456789L);

    dialog = Open();
    {
        testing::ModalScript script;
        script.Then([](QWidget& box) {
            static_cast<QColorDialog&>(box).setCurrentColor(QColor(200, 100, 50));
            static_cast<QColorDialog&>(box).accept();
        });
        Find<QPushButton>(*dialog, "Button_hintergrundfarbe")->click();
    }
    Find<QLineEdit>(*dialog, "Edit_zoomfaktor")->setText("7");
    Find<QPushButton>(*dialog, "Button_cancel")->click();
    EXPECT_EQ(program_.settings.backgroundColour, 50 << 16 | 100 << 8 | 200);
    EXPECT_EQ(program_.settings.zoomFactor, 1) << "nothing else of a cancelled dialog is applied";
}

// The printer's orientation is stored as 1 for "Hochformat" and 2 for "Querformat", the shading as
// 1 for "Monochrom" and 2 for colour; a drawing printout then lies as chosen.
TEST_F(SettingsDialogTest, ThePrinterRadioButtonsStoreTheirOwnValues) {
    program_.settings.printerOrientation = 2;
    program_.settings.printShading = 1;
    const auto button = [](const char* group, int value) {
        return std::string(group) + "_" + std::to_string(value);
    };
    // Each round opens the dialog on the values before, chooses the others and closes with OK or Save.
    for (const char* close : {"Button_ok", "Button_save"}) {
        const int orientation = program_.settings.printerOrientation;
        const int shading = program_.settings.printShading;
        ASSERT_TRUE(orientation == 1 || orientation == 2) << orientation;
        ASSERT_TRUE(shading == 1 || shading == 2) << shading;
        auto dialog = Open();
        EXPECT_EQ(Find<QRadioButton>(*dialog, "RadioGroup_orientation_1")->text(), "Hochformat");
        EXPECT_TRUE(
            Find<QRadioButton>(*dialog, button("RadioGroup_orientation", orientation).c_str())->isChecked());
        EXPECT_TRUE(
            Find<QRadioButton>(*dialog, button("RadioGroup_printmono", shading).c_str())->isChecked());
        Find<QRadioButton>(*dialog, button("RadioGroup_orientation", 3 - orientation).c_str())->click();
        Find<QRadioButton>(*dialog, button("RadioGroup_printmono", 3 - shading).c_str())->click();
        Find<QPushButton>(*dialog, close)->click();
        EXPECT_EQ(program_.settings.printerOrientation, 3 - orientation) << close;
        EXPECT_EQ(program_.settings.printShading, 3 - shading) << close;
        const graphics::PrintoutSettings printout = graphics::DrawingPrintoutSettings(program_.settings);
        EXPECT_EQ(printout.landscape, orientation == 1) << close << ": portrait prints upright";
        EXPECT_EQ(printout.colorMode, 3 - shading) << close;
    }
    const ConfigSettings read = ReadBack();
    EXPECT_EQ(read.printerOrientation, 2);
    EXPECT_EQ(read.printShading, 1);
}

TEST_F(SettingsDialogTest, TheDialogShowsNineTabsWithHintsFromTheHelpTexts) {
    program_.settings.helpLevel = 1;
    auto dialog = Open();
    auto* tabs = Find<QTabWidget>(*dialog, "PageControl1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    EXPECT_EQ(captions.join(","),
              "Directories,Grafik,CAD,Farbe,Drucker,Ausdruck,Einstellungen,Extern,Zeichnung");
    EXPECT_EQ(tabs->currentIndex(), 1) << "opens on \"Grafik\"";
    EXPECT_EQ(dialog->windowTitle(), "TRB Konfiguration");
    const QString tempHint = HelpHintText(help::kHelpSettingsTempFolder, program_.settings);
    EXPECT_FALSE(tempHint.isEmpty());
    EXPECT_EQ(Find<QLineEdit>(*dialog, "Edit_dirtemp")->toolTip(), tempHint);
    const QString resultHint = Find<QGroupBox>(*dialog, "RadioGroup_ergebnisgrafik")->toolTip();
    EXPECT_EQ(resultHint, HelpHintText(help::kHelpSettingsResultGraphic, program_.settings));
    // Help level 0: no hints, except the result graphic's.
    program_.settings.helpLevel = 0;
    auto quiet = Open();
    EXPECT_TRUE(Find<QLineEdit>(*quiet, "Edit_dirtemp")->toolTip().isEmpty());
    EXPECT_EQ(Find<QGroupBox>(*quiet, "RadioGroup_ergebnisgrafik")->toolTip(), resultHint);
}

}  // namespace
}  // namespace trb::gui
