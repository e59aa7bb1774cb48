// The proposal and conversion buttons of the lubrication dialog that compute. They read the
// geometry from the record (as last confirmed) and write only field texts.
#include <QLineEdit>

#include "gui/input/lubrication_dialog.h"
#include "tables/proposals.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {}  // namespace

void TForm_trbinp2::Button_aClick() {
    const core::TRBrecord& r = Context().record;
    Propose(Edit_a, text::FormatAreaShort(tables::HousingAreaProposal(r.b, r.db), Format()));
}

void TForm_trbinp2::Button_kvaClick() {
    InputContext& c = Context();
    const std::string prompt = c.texts.Calc(text::CalcText::Luftgeschwindigkeit) + " va [m/s]";
    const real start = tables::AirVelocityForHeatTransfer(text::TextToReal(Text(Edit_k)));
    const auto va =
        tables::AskValueInOtherUnit(c.dialogs, prompt, start, 0, 1000, help::kHelpAirVelocity, c.abort);
    if (va) Propose(Edit_k, text::FormatDecimals(tables::HeatTransferForAirVelocity(*va), 1, Format()));
}

void TForm_trbinp2::Button_pebarClick() {
    InputContext& c = Context();
    const std::string prompt = c.texts.Calc(text::CalcText::Schmierstoffzufuehrdruck) + " [bar]";
    const real start = tables::BarFromMegapascal(text::ParsePressure(Text(Edit_pe), Format()));
    // This question keeps the help number that is set.
    const auto bar = tables::AskValueInOtherUnit(c.dialogs, prompt, start, 0, 1000,
                                                 c.dialogs.CurrentHelpNumber(), c.abort);
    if (bar) Propose(Edit_pe, text::FormatPressureShort(tables::MegapascalFromBar(*bar), Format()));
}

}  // namespace trb::gui
