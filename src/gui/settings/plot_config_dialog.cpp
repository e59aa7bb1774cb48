#include "gui/settings/plot_config_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

#include "gui/help/help_hints.h"
#include "gui/settings/form_widgets.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

// The standard PostScript fonts, then the way to name another one.
constexpr const char* kPostScriptFonts[] = {
    "Times-Roman",
    "Times-Bold",
    "Times-Italic",
    "Times-BoldItalic",
    "Helvetica",
    "Helvetica-Bold",
    "Helvetica-Oblique",
    "Helvetica-BoldOblique",
    "Helvetica-Narrow",
    "Helvetica-Narrow-Bold",
    "Helvetica-Narrow-Oblique",
    "Helvetica-Narrow-BoldOblique",
    "Courier",
    "Courier-Bold",
    "Courier-Oblique",
    "Courier-BoldOblique",
    "AvantGarde-Book",
    "AvantGarde-BookOblique",
    "AvantGarde-Demi",
    "AvantGarde-DemiOblique",
    "Bookman-Light",
    "Bookman-LightItalic",
    "Bookman-Demi",
    "Bookman-DemiItalic",
    "NewCenturySchlbk-Roman",
    "NewCenturySchlbk-Italic",
    "NewCenturySchlbk-Bold",
    "NewCenturySchlbk-BoldItalic",
    "Palatino-Roman",
    "Palatino-Italic",
    "Palatino-Bold",
    "Palatino-BoldItalic",
    "ZapfChancery-MediumItalic",
    "Symbol",
};
constexpr const char* kOtherFonts = "andere Schriften";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Number(real value) {
    return Q(text::FormatShort(value, text::FormatOptions{}));
}

real Parsed(const QLineEdit* edit) {
    return text::TextToReal(edit->text().toStdString());
}

int Port(const QLineEdit* edit) {
    const long long port = text::TextToInt(edit->text().trimmed().toStdString());
    return port >= 1 && port <= 99 ? static_cast<int>(port) : 1;
}

}  // namespace

TForm_conftraceon::TForm_conftraceon(const std::string& commandLine, PlotDialogContext context,
                                     QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setObjectName("TForm_conftraceon");
    setWindowTitle("TRACEON");
    auto* layout = new QVBoxLayout(this);

    auto* paths = new QGridLayout;
    program_ = NamedEdit(this, "Edit_traceonPath");
    folder_ = NamedEdit(this, "Edit_outdir");
    QPushButton* browse = NamedButton(this, "Button_traceonPath", "...");
    QPushButton* dir = NamedButton(this, "Button_outdir", "Dir...");
    QPushButton* temp = NamedButton(this, "Button_outdirtemp", "<");
    temp->setFixedWidth(28);
    paths->addWidget(new QLabel("TRACEON Programmverzeichnis", this), 0, 0);
    paths->addWidget(program_, 0, 1);
    paths->addWidget(browse, 0, 2);
    paths->addWidget(new QLabel("Ausgabeordner", this), 1, 0);
    paths->addWidget(folder_, 1, 1);
    paths->addWidget(dir, 1, 2);
    paths->addWidget(temp, 1, 3);
    paths->setColumnStretch(1, 1);
    layout->addLayout(paths);
    outdirButtons_[0] = dir;
    outdirButtons_[1] = temp;
    connect(browse, &QPushButton::clicked, this, [this] { ChooseProgram(); });
    connect(dir, &QPushButton::clicked, this, [this] { ChooseFolder(); });
    connect(temp, &QPushButton::clicked, this, [this] { folder_->setText(Q(context_.tempFolder)); });

    auto* groups = new QHBoxLayout;
    auto* formatBox = new QGroupBox("Ausgabeformat", this);
    formatBox->setObjectName("RadioGroup_outcode");
    QStringList formats;
    for (const auto& item : graphics::PlotFormats()) formats << Q(std::string(item.caption));
    format_ = AddRadioButtons(*formatBox, formats);
    groups->addWidget(formatBox);
    auto* interfaceColumn = new QVBoxLayout;
    auto* interfaceBox = new QGroupBox("Ausgabeschnittstelle", this);
    interfaceBox->setObjectName("RadioGroup_d");
    QStringList interfaces;
    for (std::string_view item : graphics::PlotInterfaces()) interfaces << Q(std::string(item));
    interface_ = AddRadioButtons(*interfaceBox, interfaces);
    interfaceColumn->addWidget(interfaceBox);
    auto* ports = new QGridLayout;
    com_ = NamedEdit(this, "Edit_com", 50);
    lpt_ = NamedEdit(this, "Edit_lpt", 50);
    ports->addWidget(new QLabel("COM", this), 0, 0);
    ports->addWidget(com_, 0, 1);
    ports->addWidget(new QLabel("LPT", this), 1, 0);
    ports->addWidget(lpt_, 1, 1);
    ports->setColumnStretch(2, 1);
    interfaceColumn->addLayout(ports);
    interfaceColumn->addStretch(1);
    groups->addLayout(interfaceColumn);
    layout->addLayout(groups);

    const text::FormatOptions plain;
    const auto caption = [&](const char* oem) { return Q(text::OemToDisplay(oem, plain)); };
    auto* values = new QGridLayout;
    scale_ = NamedEdit(this, "Edit_scale", 90);
    fit_ = new QCheckBox(caption("Ma\xE1stab anpassen ?"), this);
    fit_->setObjectName("CheckBox_scale");
    rotate_ = new QCheckBox("Plot um 90 Grad drehen ?", this);
    rotate_->setObjectName("CheckBox_rotate");
    xShift_ = NamedEdit(this, "Edit_xnull", 90);
    yShift_ = NamedEdit(this, "Edit_ynull", 90);
    textWidth_ = NamedEdit(this, "Edit_textbreitenfaktor", 90);
    font_ = new QComboBox(this);
    font_->setObjectName("ComboBox_psfont");
    font_->setEditable(true);
    for (const char* name : kPostScriptFonts) font_->addItem(name);
    font_->addItem(kOtherFonts);
    auto* scaleLabel = new QLabel(caption("Ma\xE1stab"), this);
    auto* xLabel = new QLabel("Nullpunktverschiebung in x-Richtung", this);
    auto* yLabel = new QLabel("Nullpunktverschiebung in y-Richtung", this);
    auto* widthLabel = new QLabel("Textbreitenfaktor", this);
    auto* fontLabel = new QLabel("Postscript-Zeichensatz", this);
    values->addWidget(scaleLabel, 0, 0);
    values->addWidget(scale_, 0, 1);
    values->addWidget(fit_, 0, 2);
    values->addWidget(rotate_, 1, 0, 1, 3);
    values->addWidget(xLabel, 2, 0);
    values->addWidget(xShift_, 2, 1);
    values->addWidget(yLabel, 3, 0);
    values->addWidget(yShift_, 3, 1);
    values->addWidget(widthLabel, 4, 0);
    values->addWidget(textWidth_, 4, 1);
    values->addWidget(fontLabel, 5, 0);
    values->addWidget(font_, 5, 1, 1, 2);
    values->setColumnStretch(3, 1);
    layout->addLayout(values);

    commandLine_ = new QLabel(this);
    commandLine_->setObjectName("Label_commandline");
    commandLine_->setWordWrap(true);
    commandLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    commandLine_->setFrameShape(QFrame::StyledPanel);
    commandLine_->setMinimumHeight(40);
    layout->addWidget(commandLine_);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = NamedButton(this, "Button_ok", "OK");
    ok->setDefault(true);
    QPushButton* cancel = NamedButton(this, "Button_cancel", "Abbrechen");
    QPushButton* help = NamedButton(this, "Button_help", "&Hilfe");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (context_.help.showText) context_.help.showText(help::kHelpPlotCommandLine);
    });

    const config::ConfigSettings& s = context_.settings;
    SetHelpHint(program_, help::kHelpPlotProgramFolder, s);
    SetHelpHint(formatBox, help::kHelpPlotFormat, s);
    SetHelpHint(interfaceBox, help::kHelpPlotInterface, s);
    SetHelpHint(scale_, help::kHelpPlotScale, s);
    SetHelpHint(fit_, help::kHelpPlotFitScale, s);
    SetHelpHint(font_, help::kHelpPlotFont, s);
    SetHelpHint(rotate_, help::kHelpPlotRotate, s);
    SetHelpHint(xShift_, help::kHelpPlotOrigin, s);
    SetHelpHint(yShift_, help::kHelpPlotOrigin, s);
    SetHelpHint(textWidth_, help::kHelpPlotTextWidth, s);

    graphics::PlotParameters parameters = graphics::ParsePlotCommandLine(commandLine);
    if (text::TrimText(commandLine).empty()) parameters.plotFile = context_.tempFolder + "traceon";
    Fill(parameters);

    for (QLineEdit* edit : {program_, folder_, com_, lpt_, scale_, xShift_, yShift_, textWidth_})
        connect(edit, &QLineEdit::textChanged, this, [this] { Rebuild(); });
    for (QButtonGroup* group : {format_, interface_})
        connect(group, &QButtonGroup::idToggled, this, [this] { Rebuild(); });
    connect(fit_, &QCheckBox::toggled, this, [this](bool fit) {
        // Scale 0 means "fit"; unticking gives the field a real scale again, or the line would still
        // say "/M*".
        if (fit) {
            if (Parsed(scale_) != 0) unfitScale_ = scale_->text();
            scale_->setText("0");
        } else if (Parsed(scale_) == 0) {
            scale_->setText(unfitScale_);
        }
        Rebuild();
    });
    connect(rotate_, &QCheckBox::toggled, this, [this] { Rebuild(); });
    connect(font_, &QComboBox::currentTextChanged, this, [this] { Rebuild(); });
    Rebuild();
}

void TForm_conftraceon::Fill(const graphics::PlotParameters& p) {
    extra_ = p.extra;
    program_->setText(Q(p.program));
    const std::filesystem::path file(p.plotFile);
    const std::string folder =
        file.has_parent_path() ? text::AddBackslash(file.parent_path().string()) : context_.tempFolder;
    folder_->setText(Q(folder));
    format_->button(std::clamp(p.format, 1, 5) - 1)->setChecked(true);
    interface_->button(std::clamp(p.interface, 1, 3) - 1)->setChecked(true);
    com_->setText(QString::number(p.comPort));
    lpt_->setText(QString::number(p.lptPort));
    fit_->setChecked(p.scale == 0);
    scale_->setText(Number(p.scale));
    rotate_->setChecked(p.rotate);
    xShift_->setText(Number(p.xShift));
    yShift_->setText(Number(p.yShift));
    textWidth_->setText(Number(p.textWidthFactor));
    if (!p.psFont.empty()) font_->setCurrentText(Q(p.psFont));
}

graphics::PlotParameters TForm_conftraceon::Parameters() const {
    graphics::PlotParameters p;
    p.program = program_->text().trimmed().toStdString();
    p.plotFile = text::AddBackslash(folder_->text().toStdString()) + "traceon";
    p.format = format_->checkedId() + 1;
    p.interface = interface_->checkedId() + 1;
    p.comPort = Port(com_);
    p.lptPort = Port(lpt_);
    if (p.interface == graphics::kPlotFile) p.outputFile = p.plotFile;
    p.scale = fit_->isChecked() ? 0 : Parsed(scale_);
    p.rotate = rotate_->isChecked();
    p.xShift = Parsed(xShift_);
    p.yShift = Parsed(yShift_);
    p.textWidthFactor = Parsed(textWidth_);
    const QString font = font_->currentText().trimmed();
    if (font != kOtherFonts) p.psFont = font.toStdString();
    p.extra = extra_;
    return p;
}

std::string TForm_conftraceon::CommandLine() const {
    return graphics::PlotCommandLineOf(Parameters());
}

void TForm_conftraceon::Rebuild() {
    const int interface = interface_->checkedId() + 1;
    font_->setEnabled(format_->checkedId() + 1 == graphics::kPlotFormatPs);
    com_->setEnabled(interface == graphics::kPlotSerial);
    lpt_->setEnabled(interface == graphics::kPlotParallel);
    folder_->setEnabled(interface == graphics::kPlotFile);
    for (QWidget* button : outdirButtons_) button->setEnabled(interface == graphics::kPlotFile);
    scale_->setEnabled(!fit_->isChecked());
    commandLine_->setText(Q(CommandLine()));
}

void TForm_conftraceon::ChooseProgram() {
    std::string program;
    bool abort = false;
    context_.dialogs.AskProgramFile(program_->text().toStdString(), "*traceon", program, abort);
    if (!abort) program_->setText(Q(program));
}

void TForm_conftraceon::ChooseFolder() {
    std::string folder;
    bool abort = false;
    context_.dialogs.AskFolder(folder_->text().toStdString(), folder, abort);
    folder_->setText(Q(folder));
}

}  // namespace trb::gui
