#include "gui/printing/printout_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/common/dialog_fit.h"
#include "gui/printing/printer_choice.h"
#include "tables/reference_tables.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

QButtonGroup* NewRadioGroup(QWidget* parent, QVBoxLayout* column, const char* name, const QString& caption,
                            const QStringList& items) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        group->addButton(button, i);
        layout->addWidget(button);
    }
    column->addWidget(box);
    return group;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NewEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumWidth(80);
    return edit;
}

std::string Text(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

}  // namespace

TForm_printconf::TForm_printconf(PrintoutDialogContext context, const graphics::PrintoutSettings& values,
                                 QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    setObjectName("TForm_printconf");
    setWindowTitle(QStringLiteral("Ausdruck"));
    context_.abort = false;

    auto* printer = NewButton(this, "Button_printer", QStringLiteral("Drucker..."));
    connect(printer, &QPushButton::clicked, this, [this] { Button_printerClick(); });
    printerName_ = new QLabel(this);
    printerName_->setObjectName("Label_printer");
    printerName_->setMinimumWidth(260);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(printer);
    printerRow->addWidget(printerName_, 1);

    auto* fields = new QGridLayout;
    scaleX_ = NewEdit(this, "Edit_scalex");
    scaleY_ = NewEdit(this, "Edit_scaley");
    originX_ = NewEdit(this, "Edit_xorigin");
    originY_ = NewEdit(this, "Edit_yorigin");
    const std::pair<QLineEdit*, QString> rows[] = {{scaleX_, QStringLiteral("Maßstab x")},
                                                   {scaleY_, QStringLiteral("Maßstab y")},
                                                   {originX_, QStringLiteral("Ursprung x")},
                                                   {originY_, QStringLiteral("Ursprung y")}};
    int row = 0;
    for (const auto& [edit, caption] : rows) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        ++row;
    }
    fit_ = new QCheckBox(QStringLiteral("anpassen"), this);
    fit_->setObjectName("CheckBox_anpassen");
    border_ = new QCheckBox(QStringLiteral("Umrandung"), this);
    border_->setObjectName("CheckBox_umrandung");
    fields->addWidget(fit_, row++, 1);
    fields->addWidget(border_, row++, 1);
    fields->setRowStretch(row, 1);

    auto* groups = new QVBoxLayout;
    orientation_ = NewRadioGroup(this, groups, "RadioGroup_hochquer", QStringLiteral("Ausdruck"),
                                 {QStringLiteral("Hochformat"), QStringLiteral("Querformat")});
    shading_ = NewRadioGroup(this, groups, "RadioGroup_printmono", QStringLiteral("Schattierung"),
                             {QStringLiteral("Monochrom"), QStringLiteral("Color / Graustufen")});
    groups->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(fields, 1);
    middle->addLayout(groups, 1);

    auto* database = NewButton(this, "Button_db", QStringLiteral("Datenbank"));
    connect(database, &QPushButton::clicked, this, [this] { Button_dbClick(); });
    auto* append = NewButton(this, "Button_append", QStringLiteral("Ü&bernehmen Datenbank"));
    connect(append, &QPushButton::clicked, this, [this] { Button_appendClick(); });
    auto* databaseRow = new QHBoxLayout;
    databaseRow->addWidget(database);
    databaseRow->addWidget(append);
    databaseRow->addStretch(1);

    auto* ok = NewButton(this, "Button_ok", QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = NewButton(this, "Button_cancel", QStringLiteral("Abbrechen"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = NewButton(this, "Button_help", QStringLiteral("&Hilfe"));
    connect(help, &QPushButton::clicked, this, [this] {
        if (context_.showHelp) context_.showHelp(help::kHelpPrintoutDialog);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(printerRow);
    layout->addLayout(middle);
    layout->addLayout(databaseRow);
    layout->addLayout(buttons);

    ShowValues(values);
    ShowPrinterName();
    FitDialog(*this, context_.settings, parent);
}

void TForm_printconf::ShowValues(const graphics::PrintoutSettings& values) {
    const text::FormatOptions& format = context_.settings.format;
    scaleX_->setText(QString::fromStdString(text::FormatShort(values.xscale, format)));
    scaleY_->setText(QString::fromStdString(text::FormatShort(values.yscale, format)));
    originX_->setText(QString::fromStdString(text::IntText(values.xorigin)));
    originY_->setText(QString::fromStdString(text::IntText(values.yorigin)));
    orientation_->button(values.landscape ? 1 : 0)->setChecked(true);
    shading_->button(values.colorMode == 2 ? 1 : 0)->setChecked(true);
    fit_->setChecked(values.fit);
    border_->setChecked(values.border);
}

graphics::PrintoutSettings TForm_printconf::Values() const {
    graphics::PrintoutSettings values;
    values.xscale = text::TextToReal(Text(scaleX_));
    values.yscale = text::TextToReal(Text(scaleY_));
    values.xorigin = static_cast<int>(text::TextToInt(Text(originX_)));
    values.yorigin = static_cast<int>(text::TextToInt(Text(originY_)));
    values.landscape = orientation_->checkedId() == 1;
    values.colorMode = shading_->checkedId() + 1;
    values.fit = fit_->isChecked();
    values.border = border_->isChecked();
    return values;
}

void TForm_printconf::accept() {
    context_.abort = false;
    QDialog::accept();
}

void TForm_printconf::reject() {
    context_.abort = true;
    QDialog::reject();
}

void TForm_printconf::showEvent(QShowEvent* event) {
    ShowPrinterName();
    QDialog::showEvent(event);
}

void TForm_printconf::ShowPrinterName() {
    printerName_->setText(context_.printer.Name().left(kPrinterNameLength));
}

void TForm_printconf::Button_printerClick() {
    context_.printer.SetLandscape(orientation_->checkedId() == 1);
    if (!context_.printer.Setup(this)) return;
    ShowPrinterName();
    orientation_->button(context_.printer.Landscape() ? 1 : 0)->setChecked(true);
}

void TForm_printconf::Button_dbClick() {
    bool& abort = context_.abort;
    abort = false;
    const auto record =
        tables::ChoosePrintoutRecord(context_.tables, context_.printoutRecord, context_.status, abort);
    abort = false;
    if (!record) return;
    graphics::PrintoutSettings values;
    values.xscale = text::TextToReal(text::TrimText(record->xscale));
    values.yscale = text::TextToReal(text::TrimText(record->yscale));
    values.xorigin = static_cast<int>(text::TextToInt(text::TrimText(record->xorigin)));
    values.yorigin = static_cast<int>(text::TextToInt(text::TrimText(record->yorigin)));
    values.landscape = record->landscape;
    values.colorMode = record->monochrom ? 1 : 2;
    values.fit = record->variable;
    values.border = record->borderline;
    ShowValues(values);
}

void TForm_printconf::Button_appendClick() {
    const graphics::PrintoutSettings values = Values();
    tables::PrintoutValues stored;
    stored.xscale = values.xscale;
    stored.yscale = values.yscale;
    stored.xorigin = values.xorigin;
    stored.yorigin = values.yorigin;
    stored.landscape = values.landscape;
    stored.monochrom = values.colorMode != 2;
    stored.variable = values.fit;
    stored.borderline = values.border;
    bool& abort = context_.abort;
    abort = false;
    tables::AppendPrintoutRecord(context_.tables, stored, abort);
    abort = false;
}

}  // namespace trb::gui
