// The tabs "Drucker", "Ausdruck", "Einstellungen", "Extern" and "Zeichnung" of the settings dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <filesystem>

#include "config/config_file.h"
#include "gui/settings/settings_dialog.h"
#include "report/writer_state.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

QWidget* Page(QWidget* parent, const char* name) {
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    return page;
}

}  // namespace

QWidget* Tconfig::PrinterPage() {
    QWidget* page = Page(this, "TabSheet_drucker");
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* scale = new QGridLayout;
    QLineEdit* x = NewEdit("Edit_printscale", 90);
    QLineEdit* y = NewEdit("Edit_printscaley", 90);
    scale->addWidget(NewLabel(Display("Ma\xE1stab x")), 0, 0);
    scale->addWidget(x, 0, 1);
    scale->addWidget(DefaultButton("Button_printscale", x, "1.0"), 0, 2);
    scale->addWidget(NewLabel(Display("Ma\xE1stab y")), 1, 0);
    scale->addWidget(y, 1, 1);
    QPushButton* copy = NewButton("Button_printscaley", "<", [x, y] { y->setText(x->text()); });
    copy->setFixedWidth(28);
    scale->addWidget(copy, 1, 2);
    scale->setColumnStretch(3, 1);
    left->addLayout(scale);

    auto* origin = new QGroupBox("Ursprung", this);
    origin->setObjectName("GroupBox_ursprung");
    auto* originRow = new QHBoxLayout(origin);
    QLineEdit* ox = NewEdit("Edit_printxorigin", 70);
    QLineEdit* oy = NewEdit("Edit_printyorigin", 70);
    originRow->addWidget(NewLabel("x"));
    originRow->addWidget(ox);
    originRow->addWidget(NewLabel("y"));
    originRow->addWidget(oy);
    QPushButton* zero = NewButton("Button_printorigin", "<", [ox, oy] {
        ox->setText("0");
        oy->setText("0");
    });
    zero->setFixedWidth(28);
    originRow->addWidget(zero);
    originRow->addStretch(1);
    left->addWidget(origin);
    left->addWidget(NewCheck("CheckBox_printerDialogbox", "Ausgabeformat abfragen"));
    left->addStretch(1);

    right->addWidget(
        NewRadioGroup("RadioGroup_printmono", "Schattierung", {"Monochrom", "Color / Graustufen"}));
    right->addWidget(NewRadioGroup("RadioGroup_orientation", "Ausdruck", {"Hochformat", "Querformat"}));
    right->addWidget(NewRadioGroup("RadioGroup_lpt", Display("Druckerschnittstelle f\x81r Textausdruck"),
                                   {"LPT1", "LPT2", "LPT3", "LPT4"}, 2));
    right->addStretch(1);
    right->addWidget(
        NewButton("Button_helpprint", "&Hilfe", [this] { ShowHelp(help::kHelpSettingsPrinterHelp); }), 0,
        Qt::AlignRight);
    return page;
}

QWidget* Tconfig::PrintoutPage() {
    QWidget* page = Page(this, "TabSheet_ausdruck");
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    left->addWidget(NewRadioGroup(
        "RadioGroup_trenn", "Form der Trennzeilen im Ausdruck",
        {"Trennlinien  ---- ====  ****", Display("Trennlinien  \xC4\xC4\xC4\xC4 \xCD\xCD\xCD\xCD  "),
         "Leerzeichen und Leerzeilen", "komprimiert, ohne Trennzeilen"}));
    auto* lines = new QGridLayout;
    lines->addWidget(NewLabel("Max. Anzahl Zeilen/Seite auf dem Ausdruck"), 0, 0);
    lines->addWidget(NewSpin("SpinEdit_linesperpage", 1, 999), 0, 1);
    lines->addWidget(NewLabel("Leerzeilen am Seitenanfang"), 1, 0);
    lines->addWidget(NewSpin("SpinEdit_spacelines", 0, 30), 1, 1);
    lines->setColumnStretch(2, 1);
    left->addLayout(lines);
    left->addWidget(NewRadioGroup("RadioGroup_date", "Datum",
                                  {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"}, 2));

    auto* device = new QGroupBox("Ausgabeformat", this);
    device->setObjectName("GroupBox_ausdruckdefault");
    auto* deviceColumn = new QVBoxLayout(device);
    auto* devices = new QComboBox(this);
    devices->setObjectName("ComboBox_ausdruckdefault");
    for (std::string_view name : report::OfferedDeviceNames()) devices->addItem(Display(name));
    deviceColumn->addWidget(devices);
    deviceColumn->addWidget(NewCheck("CheckBox_ausdruckshowdialog", "Ausgabeformat abfragen"));
    left->addWidget(device);
    left->addStretch(1);

    auto* window = new QGroupBox("Textfenster", this);
    window->setObjectName("GroupBox_textwindow");
    auto* windowGrid = new QGridLayout(window);
    const char* names[] = {"Edit_textleft", "Edit_texttop", "Edit_textwidth", "Edit_textheight"};
    const QString captions[] = {"links", "oben", "Breite", Display("H\x94he")};
    for (int i = 0; i < 4; ++i) {
        windowGrid->addWidget(NewLabel(captions[i]), i / 2, (i % 2) * 2);
        windowGrid->addWidget(NewEdit(names[i], 70), i / 2, (i % 2) * 2 + 1);
    }
    QPushButton* put = NewButton("Button_textwindow", "<", [this] { PutTextWindow(); });
    put->setFixedWidth(28);
    windowGrid->addWidget(put, 0, 4);
    right->addWidget(window);
    right->addWidget(NewRadioGroup("RadioGroup_ff", "Textausdruck", {"mit Kopf", "Kopf nur 1.Seite"}));

    auto* font = new QHBoxLayout;
    font->addWidget(NewButton("Button_textfont", "Font..", [this] { ChoosePrintoutFont(); }));
    font->addWidget(NewLabel({}, "Label_courier"), 1);
    font->addWidget(
        NewLabel(Display("Gr\x94\xE1"
                         "e")));
    font->addWidget(NewLabel({}, "Label_couriersize"));
    font->addWidget(NewLabel("Stil"));
    font->addWidget(NewLabel({}, "Label_courierstyle"));
    right->addLayout(font);
    right->addWidget(
        NewRadioGroup("RadioGroup_ausgrad", "Winkel", {Display("15.1234\xF8"), Display("15\xF8 7' 26\"")}));
    right->addStretch(1);
    right->addWidget(
        NewButton("Button_helpausdruck", "&Hilfe", [this] { ShowHelp(help::kHelpSettingsPrintoutHelp); }), 0,
        Qt::AlignRight);
    return page;
}

QWidget* Tconfig::OptionsPage() {
    QWidget* page = Page(this, "TabSheet_einstellungen");
    auto* grid = new QGridLayout(page);
    grid->addWidget(NewRadioGroup("RadioGroup_punktkomma", "Dezimalzeichen", {"x.xx", "x,xx"}), 0, 0);
    grid->addWidget(
        NewRadioGroup("RadioGroup_ExcelDot", "Dezimalzeichen Excel", {"English x.xx", "German x,xx"}), 0, 1);
    grid->addWidget(NewRadioGroup("RadioGroup_hilfegrad", "Hilfegrad",
                                  {"0 : Keine Info nach Eingabe", "1 : Normale Einstellung",
                                   "2 : Erweiterte Hilfe, Einzeleingabe"}),
                    1, 0);
    grid->addWidget(NewRadioGroup("RadioGroup_chars", "Sonderzeichen",
                                  {QString::fromUtf8("\u00B2  \u00B5  \u00B0"), "2  u  deg"}),
                    1, 1);
    grid->addWidget(
        NewRadioGroup("RadioGroup_unit", "Einheit", {"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"}), 2,
        0);
    grid->addWidget(
        NewRadioGroup("RadioGroup_ergebnisgrafik", "Ergebnisgrafik",
                      {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"}, 2),
        2, 1);
    auto* checks = new QVBoxLayout;
    checks->addWidget(NewCheck("CheckBox_usereingabe", "Usereingabe bei Programmstart"));
    checks->addWidget(NewCheck("CheckBox_archivmode", "Archivierungsmodus ?"));
    auto* decimals = new QHBoxLayout;
    decimals->addWidget(NewLabel("Anzahl der Dezimalstellen"));
    decimals->addWidget(NewSpin("SpinEdit_dezimalstellen", 3, 6));
    decimals->addStretch(1);
    checks->addLayout(decimals);
    grid->addLayout(checks, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* Tconfig::ExternalPage() {
    QWidget* page = Page(this, "TabSheet_extern");
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    ProgramRow(*grid, 0, "Edit_externhtml", "HTML Browser");
    ProgramRow(*grid, 1, "Edit_externtxt", "Textprogramm");
    grid->addWidget(NewLabel("TRACEON Command Lines"), 2, 0, 1, 3);
    plotLines_ = new QListWidget(this);
    plotLines_->setObjectName("ListBox_traceon");
    for (int i = 0; i < config::kPlotCommandLines; ++i) plotLines_->addItem(QString());
    connect(plotLines_, &QListWidget::itemDoubleClicked, this, [this] { ConfigurePlotLine(); });
    grid->addWidget(plotLines_, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(NewButton("Button_conftraceon", "Config", [this] { ConfigurePlotLine(); }));
    buttons->addWidget(NewButton("Button_edittraceoncommandline", "Edit", [this] { EditPlotLine(); }));
    buttons->addStretch(1);
    grid->addLayout(buttons, 3, 2);
    return page;
}

QWidget* Tconfig::DrawingPage() {
    QWidget* page = Page(this, "TabSheet_zeichnung");
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    top->addWidget(
        NewRadioGroup("RadioGroup_index", "Index", {"a,b,c...", "1,2,3...", "A,B,C...", "......"}));
    auto* fields = new QGridLayout;
    QLineEdit* release = NewEdit("Edit_freigabefeld", 160);
    QLineEdit* factor = NewEdit("Edit_massfaktorconfig", 90);
    fields->addWidget(NewLabel("Freigabefeld"), 0, 0);
    fields->addWidget(release, 0, 1);
    fields->addWidget(DefaultButton("Button_freigabefeld", release, "Frei"), 0, 2);
    fields->addWidget(NewLabel(Display("Gr\x94\xE1"
                                       "enfaktor Bema\xE1ung")),
                      1, 0);
    fields->addWidget(factor, 1, 1);
    fields->addWidget(DefaultButton("Button_massfaktorconfig", factor, "1.0"), 1, 2);
    fields->setRowStretch(2, 1);
    top->addLayout(fields, 1);
    layout->addLayout(top);

    const std::string caseName = std::filesystem::path(context_.caseFile).filename().string();
    layout->addWidget(NewCheck("CheckBox_zeichkorvanetitel",
                               "KORVANE " + Display(context_.programTitle) + " V" +
                                   QString::fromLatin1(config::kProgramVersion.data(),
                                                       static_cast<int>(config::kProgramVersion.size())) +
                                   " ?"));
    layout->addWidget(
        NewCheck("CheckBox_zeichfilename",
                 "file name " + QString::fromStdString(text::ShortenMiddle(caseName, 40)) + " ?"));
    layout->addWidget(NewCheck(
        "CheckBox_zeichdatum",
        QString::fromStdString(text::DateText(context_.settings.format) + " " + text::TimeText()) + " ?"));
    layout->addWidget(NewCheck("CheckBox_zeichlogo", "$logo_1.dx$ ?"));
    layout->addStretch(1);
    return page;
}

}  // namespace trb::gui
