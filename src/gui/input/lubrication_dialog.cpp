#include "gui/input/lubrication_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "core/characteristic.h"
#include "core/lubricant.h"
#include "gui/common/dialog_fit.h"
#include "gui/help/help_hints.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using text::CalcText;

namespace {

constexpr int kEditColumn = 1;
constexpr int kUnitColumn = 2;
constexpr int kButtonColumn = 3;
constexpr int kSupplyCodes = 8;

// Supply item indexes of the grooves, the partial groove and the pockets.
bool IsGroove(int i) {
    return i == 3 || i == 4;
}
bool IsPartialGroove(int i) {
    return i == 4;
}
bool IsPocket(int i) {
    return i >= 5 && i <= 7;
}

}  // namespace

TForm_trbinp2::TForm_trbinp2(InputContext& context, QWidget* parent) : InputDialog(context, parent) {
    setObjectName("TForm_trbinp2");
    setWindowTitle(Display("TRB - " + context.texts.Calc(CalcText::Schmierstoffzufuhr)));

    auto* lubricant = new QGroupBox(Calc(CalcText::Schmierstoff, " ").prepend(' '), this);
    lubricant->setObjectName("GroupBox_schmier");
    lubricant->setLayout(BuildLubricant());

    CheckBox_druckschmierung =
        new QCheckBox(Display(context.texts.Calc(CalcText::Druckschmierung) + " (" +
                              context.texts.Calc(CalcText::WaermeabfuhrDurchSchmierstoff) + ")"),
                      this);
    CheckBox_druckschmierung->setObjectName("CheckBox_druckschmierung");
    SetHelpHint(CheckBox_druckschmierung, help::kHelpHeatPicture, context.settings);

    auto* convection = new QGroupBox(Calc(CalcText::WaermeabflussDurchKonvektion, " ").prepend(' '), this);
    convection->setObjectName("GroupBox_konvektion");
    convection->setLayout(BuildConvection());

    auto* supply = new QGroupBox(Display(" " + context.texts.Calc(CalcText::Schmierstoffzufuhr) + " (" +
                                         context.texts.Calc(CalcText::Druckschmierung) + ")"),
                                 this);
    supply->setObjectName("GroupBox_druckschmierung");
    supply->setLayout(BuildSupply());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lubricant);
    layout->addWidget(CheckBox_druckschmierung);
    layout->addWidget(convection);
    layout->addWidget(supply);
    QHBoxLayout* buttons = NewButtonRow();
    auto* picture = new QPushButton(QStringLiteral("Hilfe&bild"), this);
    picture->setObjectName("Button_hilfebild");
    picture->setAutoDefault(false);
    connect(picture, &QPushButton::clicked, this, [this] { ShowHelpPicture(help::kHelpHeatPicture); });
    buttons->insertWidget(3, picture);
    layout->addLayout(buttons);

    connect(CheckBox_druckschmierung, &QCheckBox::toggled, this, [this] { EnableFields(); });
    connect(ComboBox_zufuhr, &QComboBox::currentIndexChanged, this, [this] { EnableFields(); });

    SetTabOrder();
    FillFields();
    EnableFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

QLayout* TForm_trbinp2::BuildLubricant() {
    const text::LanguageTexts& texts = Context().texts;
    auto* grid = new QGridLayout;
    grid->addWidget(NewLabel("Label_schmier", Calc(CalcText::Schmierstoff), help::kHelpLubricantLabel), 0, 0);
    ComboBox_schmier = new QComboBox(this);
    ComboBox_schmier->setObjectName("ComboBox_schmier");
    for (int i = 0; i <= core::kViscosityClassCount; ++i) {
        ComboBox_schmier->addItem(QString::fromStdString(core::ViscosityClassName(i)));
    }
    grid->addWidget(ComboBox_schmier, 0, kEditColumn);

    const std::string lubricant = texts.Calc(CalcText::Schmierstoff);
    grid->addWidget(NewLabel("Label_rho", Display(texts.Calc(CalcText::Dichte) + " " + lubricant + " rho"),
                             help::kHelpDensityLabel),
                    1, 0);
    Edit_rho = NewEdit("Edit_rho");
    grid->addWidget(Edit_rho, 1, kEditColumn);
    grid->addWidget(NewLabel("Label_rhou", Display("kg/m\xFC")), 1, kUnitColumn);
    grid->addWidget(NewProposal("Button_rho", "<", [this] { Propose(Edit_rho, "900"); }), 1, kButtonColumn);

    grid->addWidget(
        NewLabel("Label_c", Calc(CalcText::SpezifischeWaermekapazitaet, " c"), help::kHelpHeatCapacityLabel),
        2, 0);
    Edit_c = NewEdit("Edit_c");
    grid->addWidget(Edit_c, 2, kEditColumn);
    grid->addWidget(NewLabel("Label_cu", "J/(kg K)"), 2, kUnitColumn);
    grid->addWidget(NewProposal("Button_c", "<", [this] { Propose(Edit_c, "2000"); }), 2, kButtonColumn);
    grid->setColumnStretch(0, 1);
    return grid;
}

QLayout* TForm_trbinp2::BuildConvection() {
    auto* grid = new QGridLayout;
    grid->addWidget(
        NewLabel("Label_ta", Calc(CalcText::Umgebungstemperatur, " ta"), help::kHelpAmbientTemperatureLabel),
        0, 0);
    Edit_ta = NewEdit("Edit_ta");
    grid->addWidget(Edit_ta, 0, kEditColumn);
    Label_tau = NewLabel("Label_tau", {});
    grid->addWidget(Label_tau, 0, kUnitColumn);
    grid->addWidget(NewProposal("Button_ta", "<",
                                [this] { Propose(Edit_ta, text::FormatTemperatureShort(20, Format())); }),
                    0, kButtonColumn);

    grid->addWidget(
        NewLabel("Label_a", Calc(CalcText::OberflaecheLagergehaeuse, " A"), help::kHelpHousingAreaLabel), 1,
        0);
    Edit_a = NewEdit("Edit_a");
    grid->addWidget(Edit_a, 1, kEditColumn);
    Label_au = NewLabel("Label_au", {});
    grid->addWidget(Label_au, 1, kUnitColumn);
    grid->addWidget(NewProposal("Button_a", "<", [this] { Button_aClick(); }), 1, kButtonColumn);

    grid->addWidget(
        NewLabel("Label_k", Calc(CalcText::Waermeuebergangszahl, " k"), help::kHelpHeatTransferLabel), 2, 0);
    Edit_k = NewEdit("Edit_k");
    grid->addWidget(Edit_k, 2, kEditColumn);
    grid->addWidget(NewLabel("Label_ku", Display("W/(m\xFD K)")), 2, kUnitColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewProposal("Button_k", "<", [this] { Propose(Edit_k, "18"); }));
    buttons->addWidget(NewProposal("Button_kva", "va", [this] { Button_kvaClick(); }));
    grid->addLayout(buttons, 2, kButtonColumn);
    grid->setColumnStretch(0, 1);
    return grid;
}

QLayout* TForm_trbinp2::BuildSupply() {
    const InputContext& c = Context();
    const text::LanguageTexts& texts = c.texts;
    auto* grid = new QGridLayout;
    ComboBox_zufuhr = new QComboBox(this);
    ComboBox_zufuhr->setObjectName("ComboBox_zufuhr");
    for (int code = 1; code <= kSupplyCodes; ++code)
        ComboBox_zufuhr->addItem(Display(texts.SupplyText(code)));
    grid->addWidget(ComboBox_zufuhr, 0, 0, 1, 4);

    int next = 1;
    auto row = [&](const char* label, const QString& caption, int hint, const char* edit, QLabel*& unit,
                   const char* unitName, const char* button, std::function<void()> click) {
        grid->addWidget(NewLabel(label, caption, hint), next, 0);
        QLineEdit* e = NewEdit(edit);
        grid->addWidget(e, next, kEditColumn);
        unit = NewLabel(unitName, {});
        grid->addWidget(unit, next, kUnitColumn);
        grid->addWidget(NewProposal(button, "<", std::move(click)), next, kButtonColumn);
        ++next;
        return e;
    };
    const auto hole = [this] {
        return text::FormatLengthInch4(core::HoleDiameterProposal(Context().record.db), Format());
    };
    Edit_dh = row("Label_dh", Calc(CalcText::Schmierlochdurchmesser, " dH"), help::kHelpHoleDiameterLabel,
                  "Edit_dh", Label_dhu, "Label_dhu", "Button_dh", [this, hole] { Propose(Edit_dh, hole()); });
    Edit_bg = row("Label_bg", Calc(CalcText::Schmiernutbreite, " bG"), help::kHelpGrooveWidthLabel, "Edit_bg",
                  Label_bgu, "Label_bgu", "Button_bg", [this, hole] { Propose(Edit_bg, hole()); });
    Edit_bp = row(
        "Label_bp", Display(texts.Calc(CalcText::Breite) + " " + texts.Calc(CalcText::Schmiertasche) + " bp"),
        help::kHelpPocketWidthLabel, "Edit_bp", Label_bpu, "Label_bpu", "Button_bp", [this] {
            Propose(Edit_bp,
                    text::FormatLengthInch4(core::PocketWidthProposal(Context().record.db), Format()));
        });
    const std::string groove = texts.Calc(CalcText::Schmiernutwinkel) + " ";
    Edit_phia = row("Label_phia", Display(groove + texts.Calc(CalcText::Start) + " phi A"),
                    help::kHelpGrooveStartLabel, "Edit_phia", Label_phiau, "Label_phiau", "Button_phia",
                    [this] { Propose(Edit_phia, "15"); });
    Edit_phie =
        row("Label_phie", Display(groove + texts.Calc(CalcText::Ende) + " phi E"), help::kHelpGrooveEndLabel,
            "Edit_phie", Label_phieu, "Label_phieu", "Button_phie", [this] { Propose(Edit_phie, "75"); });
    Edit_t1 = row("Label_t1", Calc(CalcText::Schmierstoffeintrittstemperatur, " t1"),
                  help::kHelpInletTemperatureLabel, "Edit_t1", Label_t1u, "Label_t1u", "Button_t1",
                  [this] { Propose(Edit_t1, text::FormatTemperatureShort(50, Format())); });
    Edit_pe = row("Label_pe", Calc(CalcText::Schmierstoffzufuehrdruck, " pE"), help::kHelpSupplyPressureLabel,
                  "Edit_pe", Label_peu, "Label_peu", "Button_pe",
                  [this] { Propose(Edit_pe, text::FormatPressureShort(0.5L, Format())); });
    auto* bar = NewProposal("Button_pebar", "bar", [this] { Button_pebarClick(); });
    grid->addWidget(bar, next - 1, kButtonColumn + 1);
    grid->setColumnStretch(0, 1);
    return grid;
}

void TForm_trbinp2::SetTabOrder() {
    const QList<QWidget*> chain = {ComboBox_schmier,
                                   Edit_rho,
                                   Edit_c,
                                   CheckBox_druckschmierung,
                                   Edit_ta,
                                   Edit_a,
                                   Edit_k,
                                   ComboBox_zufuhr,
                                   Edit_dh,
                                   Edit_bg,
                                   Edit_bp,
                                   Edit_phia,
                                   Edit_phie,
                                   Edit_t1,
                                   Edit_pe,
                                   findChild<QPushButton*>("Button_ok"),
                                   findChild<QPushButton*>("Button_cancel"),
                                   findChild<QPushButton*>("Button_help"),
                                   findChild<QPushButton*>("Button_hilfebild"),
                                   findChild<QPushButton*>("Button_metric")};
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    ComboBox_schmier->setFocus();
}

void TForm_trbinp2::FillFields() {
    const core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    ComboBox_schmier->setCurrentIndex(r.schmier <= core::kViscosityClassCount ? r.schmier : 0);
    Show(Edit_rho, text::FormatShort(r.rho, format));
    Show(Edit_c, text::FormatShort(r.c, format));
    CheckBox_druckschmierung->setChecked(r.druckschmierung);
    Show(Edit_ta, text::FormatTemperatureShort(r.ta, format));
    Show(Edit_a, text::FormatAreaShort(r.a, format));
    Show(Edit_k, text::FormatShort(r.k, format));
    ComboBox_zufuhr->setCurrentIndex(r.zufuhr >= 1 && r.zufuhr <= kSupplyCodes ? r.zufuhr - 1 : 0);
    Show(Edit_dh, text::FormatLengthInch4(r.dh, format));
    Show(Edit_bg, text::FormatLengthInch4(r.bg, format));
    Show(Edit_bp, text::FormatLengthInch4(r.bp, format));
    Show(Edit_phia, text::FormatShort(r.phia, format));
    Show(Edit_phie, text::FormatShort(r.phie, format));
    Show(Edit_t1, text::FormatTemperatureShort(r.t1, format));
    Show(Edit_pe, text::FormatPressureShort(r.pe, format));

    const QString temperature = Display(text::TemperatureUnit(format));
    const QString length = Display(text::LengthUnit(format));
    const QString angle = Display(text::AngleUnit(format));
    Label_tau->setText(temperature);
    Label_t1u->setText(temperature);
    Label_au->setText(Display(text::AreaUnit(format)));
    for (QLabel* label : {Label_dhu, Label_bgu, Label_bpu}) label->setText(length);
    Label_phiau->setText(angle);
    Label_phieu->setText(angle);
    Label_peu->setText(Display(text::PressureUnit(format)));
}

void TForm_trbinp2::StoreFields() {
    core::TRBrecord& r = Context().record;
    const text::FormatOptions& format = Format();
    const auto temperature = [&format](std::string_view s) { return text::ParseTemperature(s, format); };
    r.rho = StoredPlain(Edit_rho, r.rho);
    r.c = StoredPlain(Edit_c, r.c);
    r.schmier = static_cast<std::uint16_t>(std::max(ComboBox_schmier->currentIndex(), 0));
    r.druckschmierung = CheckBox_druckschmierung->isChecked();
    r.ta = Stored(Edit_ta, r.ta, temperature);
    r.a = Stored(Edit_a, r.a, [&format](std::string_view s) { return text::ParseArea(s, format); });
    r.k = StoredPlain(Edit_k, r.k);
    r.zufuhr = static_cast<std::uint16_t>(std::max(ComboBox_zufuhr->currentIndex(), 0) + 1);
    r.dh = StoredLength(Edit_dh, r.dh);
    r.bg = StoredLength(Edit_bg, r.bg);
    r.bp = StoredLength(Edit_bp, r.bp);
    r.phia = StoredPlain(Edit_phia, r.phia);
    r.phie = StoredPlain(Edit_phie, r.phie);
    r.t1 = Stored(Edit_t1, r.t1, temperature);
    r.pe = Stored(Edit_pe, r.pe, [&format](std::string_view s) { return text::ParsePressure(s, format); });
}

void TForm_trbinp2::EnableFields() {
    const bool pressure = CheckBox_druckschmierung->isChecked();
    const int i = ComboBox_zufuhr->currentIndex();
    const auto enable = [this](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) findChild<QWidget*>(name)->setEnabled(on);
    };
    enable({"Edit_ta", "Edit_a", "Edit_k", "Button_ta", "Button_a", "Button_k", "Button_kva"}, !pressure);
    enable({"ComboBox_zufuhr", "Edit_dh", "Button_dh", "Edit_t1", "Button_t1", "Edit_pe", "Button_pe",
            "Button_pebar"},
           pressure);
    enable({"Edit_bg", "Button_bg"}, pressure && IsGroove(i));
    enable({"Edit_bp", "Button_bp"}, pressure && IsPocket(i));
    enable({"Edit_phia", "Button_phia", "Edit_phie", "Button_phie"}, pressure && IsPartialGroove(i));
}

}  // namespace trb::gui
