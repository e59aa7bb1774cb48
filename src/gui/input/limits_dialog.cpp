#include "gui/input/limits_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/dialog_fit.h"
#include "tables/proposals.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using text::CalcText;

TForm_trbinp3::TForm_trbinp3(InputContext& context, QWidget* parent) : InputDialog(context, parent) {
    setObjectName("TForm_trbinp3");
    setWindowTitle(QString::fromStdString("TRB - " + context.texts.Calc(CalcText::GrenzwerteCaps)));

    auto* grid = new QGridLayout;
    const auto row = [&](int r, const char* label, const QString& caption, int hint, const char* edit,
                         QLabel*& unit, const char* unitName, const char* button,
                         std::function<void()> click) {
        grid->addWidget(NewLabel(label, caption, hint), r, 0);
        QLineEdit* e = NewEdit(edit);
        grid->addWidget(e, r, 1);
        unit = NewLabel(unitName, {});
        grid->addWidget(unit, r, 2);
        grid->addWidget(NewProposal(button, "<", std::move(click)), r, 3);
        return e;
    };
    Edit_p = row(0, "Label_p", Calc(CalcText::MaxSpezifischeLagerbelastung, " p lim"),
                 help::kHelpPressureLimit, "Edit_p", Label_pu, "Label_pu", "Button_p",
                 [this] { Propose(Edit_p, text::FormatPressureShort(7, Format())); });
    Edit_t = row(1, "Label_t", Calc(CalcText::HoechstzulaessigeLagertemperatur, " tB lim"),
                 help::kHelpTemperatureLimit, "Edit_t", Label_tu, "Label_tu", "Button_t",
                 [this] { Propose(Edit_t, text::FormatTemperatureShort(90, Format())); });
    Edit_h0 = row(2, "Label_h0", Calc(CalcText::KleinstzulMinSchmierfilmdicke, " h0 lim"),
                  help::kHelpFilmThicknessLimit, "Edit_h0", Label_h0u, "Label_h0u", "Button_h0lim",
                  [this] { Button_h0limClick(); });
    grid->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(NewButtonRow());

    const QList<QWidget*> chain = {Edit_p,
                                   Edit_t,
                                   Edit_h0,
                                   findChild<QPushButton*>("Button_ok"),
                                   findChild<QPushButton*>("Button_cancel"),
                                   findChild<QPushButton*>("Button_help"),
                                   findChild<QPushButton*>("Button_metric")};
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    Edit_p->setFocus();

    FillFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

void TForm_trbinp3::FillFields() {
    const core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    Label_pu->setText(Display(text::PressureUnit(format)));
    Label_tu->setText(Display(text::TemperatureUnit(format)));
    Label_h0u->setText(Display(text::LengthUnit(format)));
    Show(Edit_p, text::FormatPressureShort(r.plim, format));
    Show(Edit_t, text::FormatTemperatureShort(r.tblim, format));
    Show(Edit_h0, text::FormatLengthInch4(r.h0lim, format));
}

void TForm_trbinp3::StoreFields() {
    core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    r.plim = Stored(Edit_p, r.plim, [&format](std::string_view s) { return text::ParsePressure(s, format); });
    r.tblim =
        Stored(Edit_t, r.tblim, [&format](std::string_view s) { return text::ParseTemperature(s, format); });
    r.h0lim = StoredLength(Edit_h0, r.h0lim);
}

void TForm_trbinp3::Button_h0limClick() {
    InputContext& c = Context();
    const real table = tables::H0limProposal(c.tables, c.record.db, c.record.ns, c.abort);
    c.abort = false;  // a missing table has been reported; the roughness sum still serves
    const real h0 = tables::MinimumFilmProposal(table, c.record.rzb, c.record.rzs);
    Propose(Edit_h0, text::FormatLengthDecimals(h0, 4, Format()));
}

}  // namespace trb::gui
