#include "gui/input/input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/help/help_hints.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

InputDialog::InputDialog(InputContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    // The proposal buttons test the flag right after each step they take.
    context_.abort = false;
}

void InputDialog::accept() {
    context_.abort = false;
    StoreFields();
    QDialog::accept();
}

void InputDialog::reject() {
    context_.abort = true;
    QDialog::reject();
}

void InputDialog::SwitchUnits() {
    StoreFields();
    int& units = context_.settings.format.units;
    units = units == 1 ? 0 : 1;
    FillFields();
}

QString InputDialog::Calc(text::CalcText id, std::string_view suffix) const {
    std::string oem = context_.texts.Calc(id);
    oem += suffix;
    return Display(oem);
}

QString InputDialog::Display(std::string_view oem) const {
    return QString::fromStdString(text::OemToDisplay(oem, Format()));
}

QLabel* InputDialog::NewLabel(const char* name, const QString& caption, int hintNumber) {
    auto* label = new QLabel(caption, this);
    label->setObjectName(name);
    if (hintNumber != 0) SetHelpHint(label, hintNumber, context_.settings);
    return label;
}

QLineEdit* InputDialog::NewEdit(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMinimumWidth(90);
    return edit;
}

QPushButton* InputDialog::NewProposal(const char* name, const QString& caption, std::function<void()> click) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, std::move(click));
    return button;
}

QPushButton* InputDialog::NewClassButton(const char* name, std::function<void()> click) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setMinimumWidth(70);
    connect(button, &QPushButton::clicked, this, std::move(click));
    return button;
}

QPushButton* InputDialog::NewOkButton() {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    return ok;
}

QPushButton* InputDialog::NewCancelButton() {
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName("Button_cancel");
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return cancel;
}

QPushButton* InputDialog::NewHelpButton(const QString& caption, int helpNumber) {
    auto* help = new QPushButton(caption, this);
    help->setObjectName("Button_help");
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this, helpNumber] { ShowHelpText(helpNumber); });
    return help;
}

QHBoxLayout* InputDialog::NewButtonRow() {
    auto* row = new QHBoxLayout;
    auto* metric = new QPushButton(QStringLiteral("mm <--> inch"), this);
    metric->setObjectName("Button_metric");
    metric->setAutoDefault(false);
    connect(metric, &QPushButton::clicked, this, [this] { SwitchUnits(); });
    row->addWidget(NewOkButton());
    row->addWidget(NewCancelButton());
    row->addWidget(NewHelpButton(QStringLiteral("&Hilfetext"), help::kHelpInputGeometry));
    row->addStretch(1);
    row->addWidget(metric);
    return row;
}

void InputDialog::ShowHelpText(int number) {
    if (context_.help.showText) {
        context_.help.showText(number);
    } else {
        context_.dialogs.ShowBox("Hilfetext Nr " + text::IntText(number) + ": keine Hilfe vorhanden.",
                                 ui::kHelpBox);
    }
    context_.abort = false;
}

void InputDialog::ShowHelpPicture(int number) {
    if (context_.help.showPicture) context_.help.showPicture(number);
    raise();
    activateWindow();
    context_.abort = false;
}

void InputDialog::Show(QLineEdit* edit, const std::string& shown) {
    edit->setText(QString::fromStdString(shown));
    shown_[edit] = shown;
}

void InputDialog::Propose(QLineEdit* edit, const std::string& proposal) {
    edit->setText(QString::fromStdString(proposal));
}

std::string InputDialog::Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

real InputDialog::Stored(const QLineEdit* edit, real current,
                         const std::function<real(std::string_view)>& parse) const {
    const std::string typed = Text(edit);
    const auto found = shown_.find(edit);
    if (found != shown_.end() && found->second == typed) return current;
    return parse(typed);
}

real InputDialog::StoredLength(const QLineEdit* edit, real current) const {
    return Stored(edit, current, [this](std::string_view s) { return text::ParseLength(s, Format()); });
}

real InputDialog::StoredPlain(const QLineEdit* edit, real current) const {
    return Stored(edit, current, [](std::string_view s) { return text::TextToReal(s); });
}

}  // namespace trb::gui
