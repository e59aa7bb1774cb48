#include "gui/input/geometry_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/dialog_fit.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using text::CalcText;

namespace {

constexpr int kSymbolColumn = 1;
constexpr int kEditColumn = 2;
constexpr int kUnitColumn = 3;
constexpr int kButtonColumn = 4;

constexpr real kPerMillion = 0.000001L;

}  // namespace

TForm_trbinp1::TForm_trbinp1(InputContext& context, QWidget* parent) : InputDialog(context, parent) {
    setObjectName("TForm_trbinp1");
    setWindowTitle(Display(context.texts.ProgramTitle()));

    auto* bore = new QGroupBox(Calc(CalcText::Lager, " ").prepend(' '), this);
    bore->setObjectName("GroupBox_B");
    BuildBore(bore);
    auto* shaft = new QGroupBox(Calc(CalcText::Welle, " ").prepend(' '), this);
    shaft->setObjectName("GroupBox_S");
    BuildShaft(shaft);

    auto* load = new QGridLayout;
    load->addWidget(NewLabel("Label_f", Calc(CalcText::Lagerkraft, " F"), help::kHelpLoadLabel), 0, 0);
    Edit_f = NewEdit("Edit_f");
    load->addWidget(Edit_f, 0, kEditColumn);
    Label_fu = NewLabel("Label_fu", {});
    load->addWidget(Label_fu, 0, kUnitColumn);
    load->addWidget(NewProposal("Button_f", "<", [this] { Button_fClick(); }), 0, kButtonColumn);
    load->setColumnStretch(0, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(bore);
    groups->addWidget(shaft);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(load);
    layout->addLayout(NewButtonRow());

    // Typed limit sizes no longer follow a tolerance class.
    connect(Edit_dbmax, &QLineEdit::textEdited, this, [this] { SetClass(Button_dbisotol, {}); });
    connect(Edit_dbmin, &QLineEdit::textEdited, this, [this] { SetClass(Button_dbisotol, {}); });
    connect(Edit_dsmax, &QLineEdit::textEdited, this, [this] { SetClass(Button_dsisotol, {}); });
    connect(Edit_dsmin, &QLineEdit::textEdited, this, [this] { SetClass(Button_dsisotol, {}); });

    SetTabOrder();
    FillFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

void TForm_trbinp1::BuildBore(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    int row = 0;
    auto field = [&](const char* label, const QString& caption, int hint, const char* edit) {
        grid->addWidget(NewLabel(label, caption, hint), row, 0);
        QLineEdit* e = NewEdit(edit);
        grid->addWidget(e, row, kEditColumn);
        return e;
    };
    Edit_db =
        field("Label_db", Calc(CalcText::Lagerinnendurchmesser, " D"), help::kHelpDiameterLabel, "Edit_db");
    grid->addWidget(NewLabel("Label_dbnom", "D nom", help::kHelpNominalSizeLabel), row, kSymbolColumn);
    Label_dbu = NewLabel("Label_dbu", {});
    grid->addWidget(Label_dbu, row, kUnitColumn);
    grid->addWidget(NewProposal("Button_db", "DIN 1850", [this] { Button_dbClick(); }), row++, kButtonColumn);

    grid->addWidget(NewLabel("Label_dbmax", "D max", help::kHelpBoreLimitsLabel), row, kSymbolColumn);
    Edit_dbmax = NewEdit("Edit_dbmax");
    grid->addWidget(Edit_dbmax, row++, kEditColumn);
    grid->addWidget(NewLabel("Label_dbmin", "D min", help::kHelpBoreLimitsLabel), row, kSymbolColumn);
    Edit_dbmin = NewEdit("Edit_dbmin");
    grid->addWidget(Edit_dbmin, row++, kEditColumn);
    grid->addWidget(NewLabel("Label_toldb", "ISO tol D", help::kHelpBoreLimitsLabel), row, kSymbolColumn);
    Button_dbisotol = NewClassButton("Button_dbisotol", [this] { Button_dbisotolClick(); });
    grid->addWidget(Button_dbisotol, row, kEditColumn);
    grid->addWidget(NewProposal("Button_dbh7", "< H7", [this] { Button_dbh7Click(); }), row++, kButtonColumn);

    Edit_rzb =
        field("Label_rzb", Calc(CalcText::Rauhtiefe, " RzB"), help::kHelpBoreRoughnessLabel, "Edit_rzb");
    Label_rzbu = NewLabel("Label_rzbu", {});
    grid->addWidget(Label_rzbu, row, kUnitColumn);
    grid->addWidget(NewProposal("Button_rzb", "<",
                                [this] { Propose(Edit_rzb, text::FormatRoughnessShort(2, Format())); }),
                    row++, kButtonColumn);

    Edit_nb = field("Label_nb", Calc(CalcText::Drehzahl, " nB"), help::kHelpBoreSpeedLabel, "Edit_nb");
    grid->addWidget(new QLabel("1/s", this), row, kUnitColumn);
    grid->addWidget(NewProposal("Button_nb", "<", [this] { Propose(Edit_nb, "0"); }), row++, kButtonColumn);

    Edit_alpha1b = field("Label_alpha1b", Calc(CalcText::Laengenausdehnungskoeff, " al.1B"),
                         help::kHelpBoreExpansionLabel, "Edit_alpha1b");
    grid->addWidget(new QLabel("1e-6/K", this), row, kUnitColumn);
    grid->addWidget(NewProposal("Button_alpha1b", "<", [this] { Propose(Edit_alpha1b, "16"); }), row++,
                    kButtonColumn);

    Edit_b = field("Label_b", Calc(CalcText::Lagerbreite, " B"), help::kHelpWidthLabel, "Edit_b");
    Label_bu = NewLabel("Label_bu", {});
    grid->addWidget(Label_bu, row, kUnitColumn);
    grid->addWidget(NewProposal("Button_b", "<", [this] { Button_bClick(); }), row++, kButtonColumn);

    Edit_de = field("Label_de", Calc(CalcText::Lageraussendurchmesser, " De"), help::kHelpOuterDiameterLabel,
                    "Edit_de");
    Label_deu = NewLabel("Label_deu", {});
    grid->addWidget(Label_deu, row, kUnitColumn);
    grid->addWidget(NewProposal("Button_de", "<", [this] { Button_deClick(); }), row++, kButtonColumn);
    grid->setRowStretch(row, 1);
}

void TForm_trbinp1::BuildShaft(QGroupBox* box) {
    auto* grid = new QGridLayout(box);
    int row = 0;
    auto field = [&](const char* label, const QString& caption, int hint, const char* edit) {
        grid->addWidget(NewLabel(label, caption, hint), row, 0);
        QLineEdit* e = NewEdit(edit);
        grid->addWidget(e, row, kEditColumn);
        return e;
    };
    Edit_ds = field("Label_ds", Calc(CalcText::Wellendurchmesser, " d"), help::kHelpDiameterLabel, "Edit_ds");
    grid->addWidget(NewLabel("Label_dsnom", "d nom", help::kHelpNominalSizeLabel), row, kSymbolColumn);
    Label_dsu = NewLabel("Label_dsu", {});
    grid->addWidget(Label_dsu, row++, kUnitColumn);

    grid->addWidget(NewLabel("Label_dsmax", "d max", help::kHelpShaftLimitsLabel), row, kSymbolColumn);
    Edit_dsmax = NewEdit("Edit_dsmax");
    grid->addWidget(Edit_dsmax, row, kEditColumn);
    grid->addWidget(NewProposal("Button_dsopt", "<", [this] { Button_dsoptClick(); }), row++, kButtonColumn);
    grid->addWidget(NewLabel("Label_dsmin", "d min", help::kHelpShaftLimitsLabel), row, kSymbolColumn);
    Edit_dsmin = NewEdit("Edit_dsmin");
    grid->addWidget(Edit_dsmin, row++, kEditColumn);
    grid->addWidget(NewLabel("Label_tolds", "ISO tol d", help::kHelpShaftLimitsLabel), row, kSymbolColumn);
    Button_dsisotol = NewClassButton("Button_dsisotol", [this] { Button_dsisotolClick(); });
    grid->addWidget(Button_dsisotol, row++, kEditColumn);

    Edit_rzs =
        field("Label_rzs", Calc(CalcText::Rauhtiefe, " RzS"), help::kHelpShaftRoughnessLabel, "Edit_rzs");
    Label_rzsu = NewLabel("Label_rzsu", {});
    grid->addWidget(Label_rzsu, row, kUnitColumn);
    grid->addWidget(NewProposal("Button_rzs", "<",
                                [this] { Propose(Edit_rzs, text::FormatRoughnessShort(1, Format())); }),
                    row++, kButtonColumn);

    Edit_ns = field("Label_ns", Calc(CalcText::Drehzahl, " nS"), help::kHelpShaftSpeedLabel, "Edit_ns");
    grid->addWidget(new QLabel("1/s", this), row, kUnitColumn);
    grid->addWidget(NewProposal("Button_ns", "1/min", [this] { Button_nsClick(); }), row++, kButtonColumn);

    Edit_alpha1s = field("Label_alpha1s", Calc(CalcText::Laengenausdehnungskoeff, " al.1S"),
                         help::kHelpShaftExpansionLabel, "Edit_alpha1s");
    grid->addWidget(new QLabel("1e-6/K", this), row, kUnitColumn);
    grid->addWidget(NewProposal("Button_alpha1s", "<", [this] { Propose(Edit_alpha1s, "11"); }), row++,
                    kButtonColumn);
    grid->setRowStretch(row, 1);
}

void TForm_trbinp1::SetTabOrder() {
    const QList<QWidget*> chain = {Edit_db,
                                   Edit_dbmax,
                                   Edit_dbmin,
                                   Button_dbisotol,
                                   Edit_rzb,
                                   Edit_nb,
                                   Edit_alpha1b,
                                   Edit_b,
                                   Edit_de,
                                   Edit_ds,
                                   Edit_dsmax,
                                   Edit_dsmin,
                                   Button_dsisotol,
                                   Edit_rzs,
                                   Edit_ns,
                                   Edit_alpha1s,
                                   Edit_f,
                                   findChild<QPushButton*>("Button_ok"),
                                   findChild<QPushButton*>("Button_cancel"),
                                   findChild<QPushButton*>("Button_help"),
                                   findChild<QPushButton*>("Button_metric")};
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    Edit_db->setFocus();
}

void TForm_trbinp1::FillFields() {
    const core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    Show(Edit_db, text::FormatLengthInch4(r.db, format));
    Show(Edit_dbmax, LimitText(r.dbmax));
    Show(Edit_dbmin, LimitText(r.dbmin));
    SetClass(Button_dbisotol, r.toldb);
    Show(Edit_rzb, text::FormatRoughnessShort(r.rzb, format));
    Show(Edit_nb, text::FormatShort(r.nb, format));
    Show(Edit_alpha1b, text::FormatShort(r.alpha1b * 1000000, format));
    Show(Edit_b, text::FormatLengthInch4(r.b, format));
    Show(Edit_de, text::FormatLengthInch4(r.de, format));
    Show(Edit_ds, text::FormatLengthInch4(r.ds, format));
    Show(Edit_dsmax, LimitText(r.dsmax));
    Show(Edit_dsmin, LimitText(r.dsmin));
    SetClass(Button_dsisotol, r.tolds);
    Show(Edit_rzs, text::FormatRoughnessShort(r.rzs, format));
    Show(Edit_ns, text::FormatShort(r.ns, format));
    Show(Edit_alpha1s, text::FormatShort(r.alpha1s * 1000000, format));
    Show(Edit_f, text::FormatForceShort(r.f, format));

    const QString length = Display(text::LengthUnit(format));
    for (QLabel* label : {Label_dbu, Label_bu, Label_deu, Label_dsu}) label->setText(length);
    Label_rzbu->setText(Display(text::RoughnessUnit(format)));
    Label_rzsu->setText(Display(text::RoughnessUnit(format)));
    Label_fu->setText(Display(text::ForceUnit(format)));
}

void TForm_trbinp1::StoreFields() {
    core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    const auto perMillion = [](std::string_view s) { return text::TextToReal(s) * kPerMillion; };
    const auto roughness = [&format](std::string_view s) { return text::ParseRoughness(s, format); };
    r.db = StoredLength(Edit_db, r.db);
    r.dbmax = StoredLength(Edit_dbmax, r.dbmax);
    r.dbmin = StoredLength(Edit_dbmin, r.dbmin);
    r.toldb = ClassOf(Button_dbisotol);
    r.b = StoredLength(Edit_b, r.b);
    r.rzb = Stored(Edit_rzb, r.rzb, roughness);
    r.nb = StoredPlain(Edit_nb, r.nb);
    r.alpha1b = Stored(Edit_alpha1b, r.alpha1b, perMillion);
    r.de = StoredLength(Edit_de, r.de);
    r.ds = StoredLength(Edit_ds, r.ds);
    r.dsmax = StoredLength(Edit_dsmax, r.dsmax);
    r.dsmin = StoredLength(Edit_dsmin, r.dsmin);
    r.tolds = ClassOf(Button_dsisotol);
    r.rzs = Stored(Edit_rzs, r.rzs, roughness);
    r.ns = StoredPlain(Edit_ns, r.ns);
    r.alpha1s = Stored(Edit_alpha1s, r.alpha1s, perMillion);
    r.f = Stored(Edit_f, r.f, [&format](std::string_view s) { return text::ParseForce(s, format); });
}

real TForm_trbinp1::Length(const QLineEdit* edit) const {
    return text::ParseLength(Text(edit), Format());
}

std::string TForm_trbinp1::LimitText(real mm) const {
    return text::FormatLengthDecimals(mm, 3, Format());
}

void TForm_trbinp1::SetClass(QPushButton* button, const std::string& oem) {
    button->setText(Display(oem));
}

std::string TForm_trbinp1::ClassOf(const QPushButton* button) const {
    return text::DisplayToOem(button->text().toStdString());
}

}  // namespace trb::gui
