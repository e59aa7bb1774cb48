#include "gui/charts/chart_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "config/settings.h"
#include "gui/common/dialog_fit.h"
#include "gui/help/help_hints.h"
#include "text/chart_texts.h"
#include "text/cp850.h"
#include "text/film_texts.h"
#include "text/format.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

using text::ChartText;

QString Display(const std::string& oem) {
    return QString::fromStdString(text::OemToDisplay(oem, {}));
}

// A label starts with a capital in every language ("von" stays as the German dialogs write it).
QString Caption(const QString& text) {
    return text.isEmpty() || text == "von" || text == "bis" ? text : text.left(1).toUpper() + text.mid(1);
}

// The help text of a field: its hint (by the help level), and what the help button shows while
// the field has the focus.
void Tag(QWidget* widget, std::uint16_t help, const config::ConfigSettings& settings) {
    widget->setProperty("helpNumber", help);
    SetHelpHint(widget, help, settings);
}

}  // namespace

TFbetriebskennfeld::TFbetriebskennfeld(Context context, const ChartRequest& start, bool withChart,
                                       QWidget* parent)
    : QDialog(parent), context_(std::move(context)), request_(start) {
    setObjectName("TFbetriebskennfeld");
    const auto chart = [this](ChartText id) { return Display(text::Chart(context_.texts, id)); };
    setWindowTitle("TRB - " + chart(withChart ? ChartText::Betriebskennfeld : ChartText::Betriebspunkte));

    auto* quantity = new QGroupBox(Caption(chart(ChartText::Groesse)), this);
    quantity->setObjectName("GroupBox_groesse");
    RadioButton_drehzahl = new QRadioButton("nS [1/s]", quantity);
    RadioButton_drehzahl->setObjectName("RadioButton_drehzahl");
    RadioButton_last =
        new QRadioButton(Display("F [" + text::ForceUnit(context_.settings.format) + "]"), quantity);
    RadioButton_last->setObjectName("RadioButton_last");
    auto* quantityRow = new QHBoxLayout(quantity);
    quantityRow->addWidget(RadioButton_drehzahl);
    quantityRow->addWidget(RadioButton_last);
    Tag(quantity, help::kHelpSweptQuantity, context_.settings);

    auto* grid = new QGridLayout;
    const auto edit = [&](int row, ChartText caption, const char* name, const char* unitName, QLabel** unit,
                          std::uint16_t help) {
        auto* label = new QLabel(Caption(chart(caption)), this);
        label->setObjectName(QString("Label_") + (name + 5));
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        Tag(field, help, context_.settings);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        if (unit != nullptr) {
            *unit = new QLabel(this);
            (*unit)->setObjectName(unitName);
            grid->addWidget(*unit, row, 2);
        }
        return field;
    };
    Edit_von = edit(0, ChartText::Von, "Edit_von", "Label_vonu", &Label_vonu, help::kHelpSweepRange);
    Edit_bis = edit(1, ChartText::Bis, "Edit_bis", "Label_bisu", &Label_bisu, help::kHelpSweepRange);
    Edit_schritte = edit(2, ChartText::Schritte, "Edit_schritte", nullptr, nullptr, help::kHelpSweepSteps);

    ComboBox_diagramm = new QComboBox(this);
    ComboBox_diagramm->setObjectName("ComboBox_diagramm");
    ComboBox_diagramm->addItem(chart(ChartText::AlleDiagramme),
                               static_cast<int>(graphics::OperatingChart::All));
    ComboBox_diagramm->addItem("h0", static_cast<int>(graphics::OperatingChart::FilmThickness));
    ComboBox_diagramm->addItem(chart(ChartText::Temperaturen) + " (teff, t2)",
                               static_cast<int>(graphics::OperatingChart::Temperatures));
    ComboBox_diagramm->addItem(QString::fromUtf8("\u00b5"),
                               static_cast<int>(graphics::OperatingChart::Friction));
    ComboBox_diagramm->addItem("P0", static_cast<int>(graphics::OperatingChart::FrictionPower));
    ComboBox_diagramm->addItem("Q", static_cast<int>(graphics::OperatingChart::Flow));
    ComboBox_diagramm->addItem(Display(text::Film(context_.texts, text::FilmText::Koeffizienten)),
                               static_cast<int>(graphics::OperatingChart::Coefficients));
    ComboBox_diagramm->setCurrentIndex(ComboBox_diagramm->findData(static_cast<int>(start.chart)));
    Tag(ComboBox_diagramm, help::kHelpChartChoice, context_.settings);
    auto* chartLabel = new QLabel(Caption(chart(ChartText::Diagramm)), this);
    chartLabel->setObjectName("Label_diagramm");
    chartLabel->setBuddy(ComboBox_diagramm);
    grid->addWidget(chartLabel, 3, 0);
    grid->addWidget(ComboBox_diagramm, 3, 1, 1, 2);
    chartLabel->setVisible(withChart);
    ComboBox_diagramm->setVisible(withChart);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* ok = button("Button_ok", "OK");
    QPushButton* cancel = button("Button_cancel", "Abbrechen");
    QPushButton* helpButton = button("Button_help", "?");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { Button_okClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const std::uint16_t dialogHelp = withChart ? help::kHelpOperatingCharts : help::kHelpOperatingPoints;
    connect(helpButton, &QPushButton::clicked, this, [this, dialogHelp] {
        // The help of the field in use, else the dialog's.
        QWidget* focus = focusWidget();
        const QVariant number = focus != nullptr ? focus->property("helpNumber") : QVariant();
        if (context_.help) context_.help(number.isValid() ? number.toInt() : dialogHelp);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(quantity);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    (start.range.quantity == core::SweptQuantity::Load ? RadioButton_last : RadioButton_drehzahl)
        ->setChecked(true);
    connect(RadioButton_drehzahl, &QRadioButton::toggled, this, [this] { QuantityChanged(); });
    ShowRange(start.range);
    Edit_von->setFocus();
    FitDialog(*this, context_.settings, context_.mainWindow);
}

bool TFbetriebskennfeld::Load() const {
    return RadioButton_last->isChecked();
}

void TFbetriebskennfeld::ShowRange(const core::SweepRange& range) {
    const text::FormatOptions& format = context_.settings.format;
    const bool load = range.quantity == core::SweptQuantity::Load;
    const auto value = [&](real v) {
        return Display(load ? text::FormatForceShort(v, format) : text::FormatLong(v, format));
    };
    Edit_von->setText(value(range.from));
    Edit_bis->setText(value(range.to));
    Edit_schritte->setText(QString::number(range.steps));
    const QString unit = load ? Display(text::ForceUnit(format)) : QString("1/s");
    Label_vonu->setText(unit);
    Label_bisu->setText(unit);
}

void TFbetriebskennfeld::QuantityChanged() {
    // The other quantity starts with its own range around the case's value.
    request_.range.quantity = Load() ? core::SweptQuantity::Load : core::SweptQuantity::ShaftSpeed;
    const real value = Load() ? context_.caseLoad : context_.caseSpeed;
    request_.range.from = value / 4;
    request_.range.to = value * 2;
    ShowRange(request_.range);
}

bool TFbetriebskennfeld::ReadFields() {
    const text::FormatOptions& format = context_.settings.format;
    core::SweepRange range;
    range.quantity = Load() ? core::SweptQuantity::Load : core::SweptQuantity::ShaftSpeed;
    const auto number = [&](QLineEdit* field, real& value) {
        if (!text::ParseReal(field->text().toStdString(), value)) {
            value = std::numeric_limits<real>::quiet_NaN();
            return;
        }
        if (range.quantity == core::SweptQuantity::Load)
            value = text::ParseForce(field->text().toStdString(), format);
    };
    number(Edit_von, range.from);
    number(Edit_bis, range.to);
    long long steps = 0;
    if (!text::ParseInt(Edit_schritte->text().trimmed().toStdString(), steps)) steps = -1;
    range.steps =
        steps > core::kMaxSweepSteps ? core::kMaxSweepSteps + 1 : static_cast<int>(std::max(-1LL, steps));

    const core::SweepRangeFault fault = core::CheckSweepRange(range);
    if (fault != core::SweepRangeFault::None) {
        context_.dialogs.ShowErrorBox(core::SweepRangeFaultText(fault));
        QLineEdit* culprit =
            fault == core::SweepRangeFault::NoSteps || fault == core::SweepRangeFault::TooManySteps
                ? Edit_schritte
                : (std::isfinite(range.from) ? Edit_bis : Edit_von);
        culprit->setFocus();
        culprit->selectAll();
        return false;
    }
    request_.range = range;
    request_.chart = static_cast<graphics::OperatingChart>(ComboBox_diagramm->currentData().toInt());
    return true;
}

void TFbetriebskennfeld::Button_okClick() {
    if (ReadFields()) accept();
}

}  // namespace trb::gui
