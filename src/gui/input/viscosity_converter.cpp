#include "gui/input/viscosity_converter.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/lubricant.h"
#include "gui/common/dialog_fit.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::gui {

namespace {

const QString kViscosity = QStringLiteral("Schmierstoffviskosität");

}  // namespace

TForm_viskot::TForm_viskot(bool& abort, const config::ConfigSettings& settings, QWidget* parent)
    : QDialog(parent), abort_(abort), settings_(settings) {
    setObjectName("TForm_viskot");
    setWindowTitle(kViscosity);

    auto* radio = new QGroupBox(kViscosity, this);
    radio->setObjectName("RadioGroup_visko");
    auto* radioLayout = new QVBoxLayout(radio);
    inputs_ = new QButtonGroup(this);
    const char* items[] = {"nue 50", "nue 40", "nue"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(items[i]), radio);
        button->setObjectName(QStringLiteral("RadioGroup_visko_%1").arg(i));
        inputs_->addButton(button, i);
        radioLayout->addWidget(button);
    }

    const QString unit =
        QString::fromStdString(text::OemToDisplay(text::ViscosityUnit(settings.format), settings.format));
    auto* grid = new QGridLayout;
    const auto row = [&](int r, const char* label, const QString& caption, const char* edit,
                         const char* unitName) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(label);
        grid->addWidget(l, r, 0);
        auto* e = new QLineEdit(this);
        e->setObjectName(edit);
        grid->addWidget(e, r, 1);
        auto* u = new QLabel(unit, this);
        u->setObjectName(unitName);
        grid->addWidget(u, r, 2);
        return std::pair{l, e};
    };
    Edit_visko50 = row(0, "Label_visko50", kViscosity + " nue 50", "Edit_visko50", "Label_visko50u").second;
    Edit_visko40 = row(1, "Label_visko40", kViscosity + " nue 40", "Edit_visko40", "Label_visko40u").second;
    std::tie(Label_viskox, Edit_viskox) =
        row(2, "Label_viskox", kViscosity + " nue ", "Edit_viskox", "Label_viskoxu");
    Edit_temp = new QLineEdit(this);
    Edit_temp->setObjectName("Edit_temp");
    Edit_temp->setMaximumWidth(60);
    grid->addWidget(Edit_temp, 2, 3);
    grid->addWidget(new QLabel(QString::fromStdString(text::OemToDisplay("\xF8"
                                                                         "C",
                                                                         settings.format)),
                               this),
                    2, 4);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName("Button_cancel");
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(radio);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    Edit_visko50->setText(QStringLiteral("100"));
    Edit_temp->setText(QStringLiteral("0"));
    Label_viskox->setText(kViscosity + " nue 0");
    SelectInput(Nu50);

    connect(inputs_, &QButtonGroup::idClicked, this, [this](int id) { SelectInput(static_cast<Input>(id)); });
    for (QLineEdit* edit : {Edit_visko50, Edit_visko40, Edit_viskox}) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] {
            if (edit == InputEdit()) RecomputeViscosities();
        });
    }
    connect(Edit_temp, &QLineEdit::textChanged, this, [this](const QString& typed) {
        Label_viskox->setText(kViscosity + " nue " + typed);
        RecomputeViscosities();
    });

    RecomputeViscosities();
    FitDialogInPlace(*this, settings);
}

void TForm_viskot::accept() {
    abort_ = false;
    QDialog::accept();
}

void TForm_viskot::reject() {
    abort_ = true;
    QDialog::reject();
}

void TForm_viskot::SelectInput(Input input) {
    inputs_->button(input)->setChecked(true);
    Edit_visko50->setEnabled(input == Nu50);
    Edit_visko40->setEnabled(input == Nu40);
    Edit_viskox->setEnabled(input == NuX);
}

TForm_viskot::Input TForm_viskot::SelectedInput() const {
    return static_cast<Input>(std::max(inputs_->checkedId(), 0));
}

QLineEdit* TForm_viskot::InputEdit() const {
    switch (SelectedInput()) {
        case Nu40:
            return Edit_visko40;
        case NuX:
            return Edit_viskox;
        default:
            return Edit_visko50;
    }
}

void TForm_viskot::RecomputeViscosities() {
    const auto read = [](const QLineEdit* edit) { return text::TextToReal(edit->text().toStdString()); };
    const auto write = [this](QLineEdit* edit, real value) {
        edit->setText(QString::fromStdString(text::FormatShort(value, settings_.format)));
    };
    const real tx = read(Edit_temp);
    core::ViscosityTriple v;
    switch (SelectedInput()) {
        case Nu50:
            v = core::ConvertFromNu50(read(Edit_visko50), tx);
            write(Edit_visko40, v.nu40);
            write(Edit_viskox, v.nux);
            break;
        case Nu40:
            v = core::ConvertFromNu40(read(Edit_visko40), tx);
            write(Edit_visko50, v.nu50);
            write(Edit_viskox, v.nux);
            break;
        case NuX:
            v = core::ConvertFromNux(read(Edit_viskox), tx);
            write(Edit_visko50, v.nu50);
            write(Edit_visko40, v.nu40);
            break;
    }
    nu50_ = v.nu50;
}

}  // namespace trb::gui
