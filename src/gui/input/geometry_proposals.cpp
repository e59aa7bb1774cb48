// The proposal, tolerance-class and conversion buttons of the geometry dialog. They read the
// dialog's own fields and write only field texts (and the class captions); the record receives the
// values on OK. Only the DIN 1850 choice remembers its table row in the record at once.
#include <QLineEdit>
#include <QPushButton>

#include "gui/input/geometry_dialog.h"
#include "tables/proposals.h"
#include "tables/reference_tables.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

constexpr int kClassTextLength = 4;

}  // namespace

void TForm_trbinp1::Button_dbClick() {
    InputContext& c = Context();
    const auto bushing = tables::SelectDin1850Bushing(c.tables, c.record.din1850rec, c.status, c.abort);
    if (!bushing) return;
    const auto size = [this](const std::string& cell) {
        return text::FormatLengthInch4(text::TextToReal(cell), Format());
    };
    Propose(Edit_db, size(bushing->bore));
    Propose(Edit_de, size(bushing->outer));
    Propose(Edit_b, size(bushing->width));
    // The bushing's bore is the shaft's nominal size, and the limits follow the new size.
    Edit_ds->setText(Edit_db->text());
    LimitsFromClass(true);
    LimitsFromClass(false);
}

void TForm_trbinp1::LimitsFromClass(bool bore) {
    InputContext& c = Context();
    QPushButton* button = bore ? Button_dbisotol : Button_dsisotol;
    const std::string caption = ClassOf(button);
    if (text::TrimText(caption).empty()) return;
    const auto limits =
        tables::ToleranceClassLimits(c.steps, caption, Length(bore ? Edit_db : Edit_ds), bore, c.abort);
    if (!limits) return;
    Propose(bore ? Edit_dbmin : Edit_dsmin, LimitText(limits->minimum));
    Propose(bore ? Edit_dbmax : Edit_dsmax, LimitText(limits->maximum));
    SetClass(button, limits->caption);
}

void TForm_trbinp1::Button_dbh7Click() {
    InputContext& c = Context();
    const auto limits = tables::H7Limits(c.steps, Length(Edit_db), c.abort);
    if (!limits) return;
    Propose(Edit_dbmin, LimitText(limits->minimum));
    Propose(Edit_dbmax, LimitText(limits->maximum));
    SetClass(Button_dbisotol, limits->caption);
}

void TForm_trbinp1::Button_dbisotolClick() {
    ClassButtonClick(true);
}

void TForm_trbinp1::Button_dsisotolClick() {
    ClassButtonClick(false);
}

void TForm_trbinp1::ClassButtonClick(bool bore) {
    InputContext& c = Context();
    QPushButton* button = bore ? Button_dbisotol : Button_dsisotol;
    QLineEdit* minimum = bore ? Edit_dbmin : Edit_dsmin;
    QLineEdit* maximum = bore ? Edit_dbmax : Edit_dsmax;
    const real nominal = Length(bore ? Edit_db : Edit_ds);
    std::string answer = ClassOf(button);
    c.dialogs.AskText(c.texts.Calc(text::CalcText::IsoToleranz), kClassTextLength, answer, c.abort);
    if (c.abort) {
        c.abort = false;
        return;
    }
    const auto limits = tables::ToleranceClassLimits(c.steps, answer, nominal, bore, c.abort);
    if (!limits) return;
    Propose(minimum, LimitText(limits->minimum));
    Propose(maximum, LimitText(limits->maximum));
    SetClass(button, limits->caption);
}

void TForm_trbinp1::Button_dsoptClick() {
    InputContext& c = Context();
    Edit_ds->setText(Edit_db->text());
    const real n = text::TextToReal(Text(Edit_ns));
    if (n == 0) {
        Edit_ns->setFocus();
        return;
    }
    const auto limits =
        tables::ShaftLimitsProposal(c.tables, c.steps, ClassOf(Button_dbisotol), Length(Edit_db),
                                    Length(Edit_dbmin), Length(Edit_dbmax), n, c.status, c.abort);
    if (!limits) return;
    Propose(Edit_dsmin, LimitText(limits->dsmin));
    Propose(Edit_dsmax, LimitText(limits->dsmax));
    SetClass(Button_dsisotol, limits->shaftClass);
}

void TForm_trbinp1::Button_nsClick() {
    InputContext& c = Context();
    const std::string prompt = c.texts.Calc(text::CalcText::Drehzahl) + " [1/min]";
    const real start = tables::RevolutionsPerMinute(text::TextToReal(Text(Edit_ns)));
    const auto perMinute = tables::AskValueInOtherUnit(c.dialogs, prompt, start, 0.001L, 100000,
                                                       help::kHelpSpeedPerMinute, c.abort);
    if (perMinute) Propose(Edit_ns, text::FormatShort(tables::RevolutionsPerSecond(*perMinute), Format()));
}

void TForm_trbinp1::Button_bClick() {
    const real width = tables::BearingWidthProposal(Length(Edit_db), Context().record.bfactor);
    Propose(Edit_b, text::FormatLengthInch4(width, Format()));
}

void TForm_trbinp1::Button_deClick() {
    Propose(Edit_de, text::FormatLengthDecimals(tables::OuterDiameterProposal(Length(Edit_db)), 0, Format()));
}

void TForm_trbinp1::Button_fClick() {
    const auto load = tables::LoadProposal(Length(Edit_db), Length(Edit_b));
    if (!load) {
        Edit_b->setFocus();
        return;
    }
    Propose(Edit_f, text::FormatForceShort(*load, Format()));
}

}  // namespace trb::gui
