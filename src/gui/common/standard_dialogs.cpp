#include "gui/common/standard_dialogs.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace trb::gui {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

int Clamp(int preselected, std::size_t count) {
    return std::clamp(preselected, 1, std::max(1, static_cast<int>(count)));
}

}  // namespace

QuestionDialog::QuestionDialog(const QString& caption, const QString& prompt, const HelpActions& help,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(prompt, this);
    label_->setObjectName("Label1");
    layout->addWidget(label_);
    body_ = new QVBoxLayout;
    layout->addLayout(body_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    buttons->addButton("Abbrechen", QDialogButtonBox::RejectRole)->setObjectName("Button_cancel");
    QPushButton* helpText = buttons->addButton("&Hilfetext", QDialogButtonBox::HelpRole);
    helpText->setObjectName("Button_help");
    QPushButton* helpPicture = buttons->addButton("Hilfe&bild", QDialogButtonBox::ActionRole);
    helpPicture->setObjectName("Button_helppicture");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(helpText, &QPushButton::clicked, this, [action = help.helpText] {
        if (action) action();
    });
    connect(helpPicture, &QPushButton::clicked, this, [action = help.helpPicture] {
        if (action) action();
    });
    // The help buttons never end the dialog.
    helpText->setAutoDefault(false);
    helpPicture->setAutoDefault(false);
    layout->addWidget(buttons);
}

Tin_codedialog::Tin_codedialog(const QString& prompt, const std::vector<std::string>& items, int preselected,
                               const HelpActions& help, QWidget* parent)
    : QuestionDialog("Auswahl", prompt, help, parent) {
    setObjectName("Tin_codedialog");
    Prompt()->setFixedHeight(39);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    for (const auto& item : items) list_->addItem(FromUtf8(item));
    if (!items.empty()) list_->setCurrentRow(Clamp(preselected, items.size()) - 1);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    Body()->addWidget(list_);
    // The arrow keys move in the list and Enter takes the highlighted item.
    list_->setFocus();
}

int Tin_codedialog::Choice() const {
    return list_->currentRow() + 1;
}

Tin_radiodialog::Tin_radiodialog(const QString& prompt, const std::vector<std::string>& items,
                                 int preselected, const HelpActions& help, QWidget* parent)
    : QuestionDialog("Auswahl", prompt, help, parent) {
    setObjectName("Tin_radiodialog");
    auto* box = new QGroupBox(this);
    box->setObjectName("RadioGroup1");
    auto* layout = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(FromUtf8(items[i]), box);
        group_->addButton(button, static_cast<int>(i) + 1);
        layout->addWidget(button);
    }
    if (!items.empty()) {
        QAbstractButton* checked = group_->button(Clamp(preselected, items.size()));
        checked->setChecked(true);
        checked->setFocus();  // the arrow keys step through the items
    }
    box->setFixedHeight(static_cast<int>(items.size()) * 25 + 25);
    Body()->addWidget(box);
}

int Tin_radiodialog::Choice() const {
    return std::max(group_->checkedId(), 1);
}

Tin_textdialog::Tin_textdialog(const QString& prompt, const QString& preset, int maxLength,
                               const HelpActions& help, QWidget* parent)
    : QuestionDialog("Eingabe", prompt, help, parent) {
    setObjectName("Tin_textdialog");
    Prompt()->setWordWrap(true);
    Prompt()->setMinimumSize(300, 33);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("EditEinText");
    if (maxLength > 0) edit_->setMaxLength(maxLength);
    edit_->setText(preset);
    edit_->selectAll();
    Body()->addWidget(edit_);
    // What the user types replaces the preset, and Enter takes it.
    edit_->setFocus();
}

QString Tin_textdialog::Text() const {
    return edit_->text();
}

Tin_janeindialog::Tin_janeindialog(const QString& prompt, bool presetYes, const HelpActions& help,
                                   QWidget* parent)
    : QuestionDialog("Eingabe", prompt, help, parent) {
    setObjectName("Tin_janeindialog");
    Prompt()->setWordWrap(true);
    Prompt()->setMinimumSize(250, 33);
    auto* box = new QGroupBox("Auswahl", this);
    box->setObjectName("RadioGroup_janein");
    auto* layout = new QVBoxLayout(box);
    yes_ = new QRadioButton("&Ja", box);
    auto* no = new QRadioButton("&Nein", box);
    layout->addWidget(yes_);
    layout->addWidget(no);
    QRadioButton* preset = presetYes ? yes_ : no;
    preset->setChecked(true);
    preset->setFocus();
    Body()->addWidget(box);
}

bool Tin_janeindialog::Yes() const {
    return yes_->isChecked();
}

TShowScreen::TShowScreen(const QString& caption, const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TShowScreen");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    memo->setReadOnly(true);
    memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QStringList text;
    for (const auto& line : lines) text << FromUtf8(line);
    memo->setPlainText(text.join('\n'));
    memo->setMinimumSize(520, 380);
    layout->addWidget(memo);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString ChooseFolder(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, "Select Directory", QDir(start).exists() ? start : QString());
    dialog.setObjectName("TForm_selectDir");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace trb::gui
