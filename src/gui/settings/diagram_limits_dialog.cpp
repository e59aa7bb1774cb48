#include "gui/settings/diagram_limits_dialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/settings/form_widgets.h"
#include "text/format.h"

namespace trb::gui {

namespace {

QLineEdit* Field(QWidget* parent, const char* name) {
    QLineEdit* edit = NamedEdit(parent, name);
    edit->setFixedWidth(90);
    return edit;
}

real Value(const QLineEdit* edit) {
    return text::TextToReal(edit->text().toStdString());
}

}  // namespace

TEinDiagramLimits::TEinDiagramLimits(const graphics::DiagramLimits& limits,
                                     const graphics::DiagramLimits& automatic,
                                     const text::FormatOptions& format, const QString& caption,
                                     std::function<void()> showHelp, QWidget* parent)
    : QDialog(parent), automatic_(automatic), format_(format) {
    setObjectName("TEinDiagramLimits");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    ymax_ = Field(this, "Edit_ymax");
    ymin_ = Field(this, "Edit_ymin");
    xmin_ = Field(this, "Edit_xmin");
    xmax_ = Field(this, "Edit_xmax");
    auto* frame = new QFrame(this);
    frame->setObjectName("Panel_diagram");
    frame->setFrameShape(QFrame::Box);
    frame->setMinimumSize(220, 150);
    auto* labelY = new QLabel("y", this);
    labelY->setObjectName("Label_y");
    auto* labelX = new QLabel("x", this);
    labelX->setObjectName("Label_x");
    grid->addWidget(labelY, 0, 0, Qt::AlignRight);
    grid->addWidget(ymax_, 0, 1, Qt::AlignTop);
    grid->addWidget(ymin_, 1, 1, Qt::AlignBottom);
    grid->addWidget(frame, 0, 2, 2, 2);
    grid->addWidget(xmin_, 2, 2, Qt::AlignLeft);
    grid->addWidget(xmax_, 2, 3, Qt::AlignRight);
    grid->addWidget(labelX, 3, 3, Qt::AlignRight);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = NamedButton(this, "Button_ok", "OK");
    ok->setDefault(true);
    QPushButton* cancel = NamedButton(this, "Button_cancel", "Abbrechen");
    QPushButton* calc = NamedButton(this, "Button_calc", "Calculate");
    QPushButton* help = NamedButton(this, "Button_help", "&Hilfetext");
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(calc);
    buttons->addStretch(1);
    buttons->addWidget(help);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(calc, &QPushButton::clicked, this, [this] { Show(automatic_); });
    connect(help, &QPushButton::clicked, this, [showHelp = std::move(showHelp)] {
        if (showHelp) showHelp();
    });
    Show(limits);
}

void TEinDiagramLimits::Show(const graphics::DiagramLimits& limits) {
    const auto put = [this](QLineEdit* edit, real value) {
        edit->setText(QString::fromStdString(text::FormatShort(value, format_)));
    };
    put(xmin_, limits.xmin);
    put(xmax_, limits.xmax);
    put(ymin_, limits.ymin);
    put(ymax_, limits.ymax);
}

graphics::DiagramLimits TEinDiagramLimits::Limits() const {
    return {Value(xmin_), Value(xmax_), Value(ymin_), Value(ymax_)};
}

}  // namespace trb::gui
