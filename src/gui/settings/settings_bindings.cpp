#include "gui/settings/settings_bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

namespace {

using S = config::ConfigSettings;
using C = SettingControl;

config::SettingRef Ref(std::string& (*f)(S&)) {
    config::SettingRef r;
    r.text = f;
    return r;
}
config::SettingRef Ref(int& (*f)(S&)) {
    config::SettingRef r;
    r.integer = f;
    return r;
}
config::SettingRef Ref(bool& (*f)(S&)) {
    config::SettingRef r;
    r.boolean = f;
    return r;
}
config::SettingRef Ref(real& (*f)(S&)) {
    config::SettingRef r;
    r.number = f;
    return r;
}

template <std::size_t I>
real& ViewAngle(S& s) {
    return s.view3D[I];
}

SettingBinding Bind(const char* name, C control, config::SettingRef ref, int hint = 0, int offset = 0) {
    SettingBinding b{};
    b.name = name;
    b.control = control;
    b.ref = ref;
    b.hint = hint;
    b.offset = offset;
    return b;
}

SettingBinding ZeroTo(SettingBinding b, real replacement) {
    b.rule = StoreRule::ZeroTo;
    b.replacement = replacement;
    return b;
}

SettingBinding BelowTo(SettingBinding b, real limit, real replacement) {
    b.rule = StoreRule::BelowTo;
    b.limit = limit;
    b.replacement = replacement;
    return b;
}

#define TEXT(member) Ref([](S& s) -> std::string& { return s.member; })
#define INT(member) Ref([](S& s) -> int& { return s.member; })
#define BOOL(member) Ref([](S& s) -> bool& { return s.member; })
#define REAL(member) Ref([](S& s) -> real& { return s.member; })

std::vector<SettingBinding> BuildBindings() {
    return {
        // "Directories"
        Bind("Edit_dirdbf", C::Text, TEXT(dbfFolder), help::kHelpSettingsDbfFolder),
        Bind("Edit_dirplt", C::Text, TEXT(pltFolder), help::kHelpSettingsPltFolder),
        Bind("Edit_dirtemp", C::Text, TEXT(tempFolder), help::kHelpSettingsTempFolder),
        Bind("Edit_dirdata", C::Text, TEXT(defaultDataFolder), help::kHelpSettingsDataFolder),
        Bind("Edit_dircad", C::Text, TEXT(cadFolder), help::kHelpSettingsCadFolder),
        Bind("Edit_direxe", C::Text, TEXT(makerFolder), help::kHelpSettingsMakerFolder),
        Bind("Edit_diredi", C::Text, TEXT(ediFolder), help::kHelpSettingsEdiFolder),
        // "Grafik"
        Bind("RadioGroup_bildschirmgrafik", C::Radio, BOOL(colourGraphics),
             help::kHelpSettingsColourGraphics),
        Bind("Edit_x", C::Integer, INT(mainClientWidth), help::kHelpSettingsWindowSize, -1),
        Bind("Edit_y", C::Integer, INT(mainClientHeight), help::kHelpSettingsWindowSize, -1),
        ZeroTo(Bind("Edit_zoomfaktor", C::Real, REAL(zoomFactor), help::kHelpSettingsZoomFactor), 1),
        Bind("Edit_panfaktor", C::Real, REAL(panFactor), help::kHelpSettingsPanFactor),
        Bind("CheckBox_umrandung", C::Check, BOOL(printBorder)),
        Bind("Edit_font", C::Text, TEXT(graphicsTextStyle)),
        Bind("Label_hstyle", C::LabelInteger, INT(graphicsFontStyle)),
        ZeroTo(Bind("Edit_textbreitenfaktor", C::Real, REAL(graphicsTextWidthFactor),
                    help::kHelpSettingsTextFactor),
               1),
        ZeroTo(Bind("Edit_texthoehenfaktor", C::Real, REAL(textHeightFactor), help::kHelpSettingsTextFactor),
               1),
        ZeroTo(Bind("SpinEdit_dialogfenster", C::Spin, INT(inputWindowScale), help::kHelpSettingsDialogSize),
               100),
        ZeroTo(
            Bind("SpinEdit_dialogelemente", C::Spin, INT(dialogElementSize), help::kHelpSettingsDialogSize),
            100),
        Bind("CheckBox_3dxyz", C::Check, BOOL(edit3D)),
        Bind("Edit_3dx", C::Degrees, Ref(&ViewAngle<0>)),
        Bind("Edit_3dy", C::Degrees, Ref(&ViewAngle<1>)),
        Bind("Edit_3dz", C::Degrees, Ref(&ViewAngle<2>)),
        // "CAD"
        Bind("Edit_cadfont", C::OemText, TEXT(cadTextStyle), help::kHelpSettingsCadTextStyle),
        // A width factor 0 would write texts of no width into DXF and IGES files.
        ZeroTo(Bind("Edit_cadtextbreite", C::Real, REAL(cadTextWidthFactor), help::kHelpSettingsTextFactor),
               1),
        Bind("Edit_cadtextwinkel", C::Real, REAL(cadTextAngle), help::kHelpSettingsTextAngle),
        Bind("SpinEdit_dxfdec", C::Spin, INT(decimalsCad), help::kHelpSettingsDxfDecimals),
        Bind("radiogroupcadtexttyp", C::Radio, INT(format.cadTextMode), 0, 1),
        Bind("CheckBox_layermonochrom", C::Check, BOOL(layerMonochrome), help::kHelpSettingsLayerMonochrome),
        Bind("CheckBox_diagrammgrenzen", C::Check, BOOL(enterDiagramLimits),
             help::kHelpSettingsDiagramLimits),
        // "Drucker"
        Bind("Edit_printscale", C::Real, REAL(printScaleX)),
        Bind("Edit_printscaley", C::Real, REAL(printScaleY)),
        Bind("Edit_printxorigin", C::Integer, INT(printOriginX)),
        Bind("Edit_printyorigin", C::Integer, INT(printOriginY)),
        Bind("RadioGroup_printmono", C::Radio, INT(printShading), 0, 1),
        Bind("RadioGroup_orientation", C::Radio, INT(printerOrientation), 0, 1),
        Bind("CheckBox_printerDialogbox", C::Check, BOOL(graphicPrintoutDialog)),
        Bind("RadioGroup_lpt", C::Radio, INT(printerPort), 0, 1),
        // "Ausdruck"
        Bind("RadioGroup_trenn", C::Radio, INT(printoutRuleStyle), 0, 1),
        Bind("SpinEdit_linesperpage", C::Spin, INT(linesPerPage)),
        Bind("SpinEdit_spacelines", C::Spin, INT(headerSpaceLines)),
        Bind("RadioGroup_date", C::Radio, INT(format.dateCode), 0, 1),
        Bind("ComboBox_ausdruckdefault", C::Combo, INT(textDevice), 0, 1),
        Bind("CheckBox_ausdruckshowdialog", C::Check, BOOL(textDeviceWindow)),
        Bind("Edit_textleft", C::Integer, INT(textWindow.left)),
        Bind("Edit_texttop", C::Integer, INT(textWindow.top)),
        Bind("Edit_textwidth", C::Integer, INT(textWindow.width)),
        Bind("Edit_textheight", C::Integer, INT(textWindow.height)),
        Bind("RadioGroup_ff", C::Radio, INT(printoutHeader), 0, 1),
        Bind("Label_courier", C::Label, TEXT(printoutFont)),
        Bind("Label_couriersize", C::LabelInteger, INT(printoutFontSize)),
        Bind("Label_courierstyle", C::LabelInteger, INT(printoutFontStyle)),
        Bind("RadioGroup_ausgrad", C::Radio, INT(angleFormat), 0, 1),
        // "Einstellungen"
        Bind("RadioGroup_punktkomma", C::Radio, INT(format.decimalSeparator),
             help::kHelpSettingsDecimalSeparator, 1),
        Bind("RadioGroup_hilfegrad", C::Radio, INT(helpLevel), help::kHelpSettingsHelpLevel),
        Bind("CheckBox_usereingabe", C::Check, BOOL(enterPassword), help::kHelpSettingsPasswordAtStart),
        Bind("CheckBox_archivmode", C::Check, BOOL(archiveMode), help::kHelpSettingsArchiveMode),
        Bind("SpinEdit_dezimalstellen", C::Spin, INT(format.decimals), help::kHelpSettingsDecimals),
        Bind("RadioGroup_ExcelDot", C::Radio, INT(format.spreadsheetSeparator), 0, 1),
        Bind("RadioGroup_chars", C::Radio, INT(format.specialCharacters)),
        Bind("RadioGroup_unit", C::Radio, INT(format.units)),
        Bind("RadioGroup_ergebnisgrafik", C::Radio, INT(resultGraphic), help::kHelpSettingsResultGraphic),
        // "Extern"
        Bind("Edit_externhtml", C::Text, TEXT(htmlBrowser)),
        Bind("Edit_externtxt", C::Text, TEXT(textProgram), help::kHelpSettingsTextProgram),
        // "Zeichnung"
        Bind("RadioGroup_index", C::Radio, INT(drawingIndexStyle)),
        Bind("Edit_freigabefeld", C::OemText, TEXT(releaseText)),
        BelowTo(Bind("Edit_massfaktorconfig", C::Real, REAL(dimensionFactor)), 0.01L, 1),
        Bind("CheckBox_zeichkorvanetitel", C::Uncheck, BOOL(hideMakerLine)),
        Bind("CheckBox_zeichfilename", C::Uncheck, BOOL(hideFileName)),
        Bind("CheckBox_zeichdatum", C::Uncheck, BOOL(hideDate)),
        Bind("CheckBox_zeichlogo", C::Uncheck, BOOL(hideLogo)),
    };
}

#undef TEXT
#undef INT
#undef BOOL
#undef REAL

constexpr real kDegreesPerRadian = 180 / std::numbers::pi_v<real>;

int Clamped(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

QString NumberText(real value, const text::FormatOptions& format) {
    // Six significant digits; a field left as shown keeps the exact value anyway.
    return QString::fromStdString(text::FormatLong(value, format));
}

real Ruled(const SettingBinding& b, real value) {
    if (b.rule == StoreRule::ZeroTo && value == 0) return b.replacement;
    if (b.rule == StoreRule::BelowTo && value < b.limit) return b.replacement;
    return value;
}

QButtonGroup* GroupOf(const QWidget& box) {
    return box.findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

std::span<const SettingBinding> SettingBindings() {
    static const std::vector<SettingBinding> kBindings = BuildBindings();
    return kBindings;
}

void SettingFields::Fill(QWidget& root, const config::ConfigSettings& settings) {
    S s = settings;  // the accessors take a mutable record
    const text::FormatOptions& format = settings.format;
    shown_.clear();
    for (const SettingBinding& b : SettingBindings()) {
        QWidget* control = root.findChild<QWidget*>(b.name);
        if (!control) continue;
        const int integer = b.ref.integer ? b.ref.integer(s) - b.offset : 0;
        switch (b.control) {
            case C::Text:
                static_cast<QLineEdit*>(control)->setText(QString::fromStdString(b.ref.text(s)));
                break;
            case C::OemText:
                static_cast<QLineEdit*>(control)->setText(
                    QString::fromStdString(text::OemToDisplay(b.ref.text(s), format)));
                break;
            case C::Integer:
                static_cast<QLineEdit*>(control)->setText(QString::number(integer));
                break;
            case C::Real:
            case C::Degrees: {
                const real value = b.ref.number(s) * (b.control == C::Degrees ? kDegreesPerRadian : 1);
                const QString shown = NumberText(value, format);
                static_cast<QLineEdit*>(control)->setText(shown);
                shown_[b.name] = shown;
                break;
            }
            case C::Check:
            case C::Uncheck:
                static_cast<QCheckBox*>(control)->setChecked(b.ref.boolean(s) == (b.control == C::Check));
                break;
            case C::Radio:
                if (QButtonGroup* group = GroupOf(*control)) {
                    const int id = b.ref.boolean ? (b.ref.boolean(s) ? 0 : 1) : integer;
                    if (QAbstractButton* button = group->button(id)) {
                        button->setChecked(true);
                    } else if (QAbstractButton* checked = group->checkedButton()) {
                        // A value no item stands for: no item is chosen.
                        group->setExclusive(false);
                        checked->setChecked(false);
                        group->setExclusive(true);
                    }
                }
                break;
            case C::Spin:
                static_cast<QSpinBox*>(control)->setValue(integer);
                break;
            case C::Combo:
                static_cast<QComboBox*>(control)->setCurrentIndex(integer);
                break;
            case C::Label:
                static_cast<QLabel*>(control)->setText(QString::fromStdString(b.ref.text(s)));
                break;
            case C::LabelInteger:
                static_cast<QLabel*>(control)->setText(QString::number(integer));
                break;
        }
    }
}

void SettingFields::Store(const QWidget& root, config::ConfigSettings& s) const {
    for (const SettingBinding& b : SettingBindings()) {
        const QWidget* control = root.findChild<const QWidget*>(b.name);
        if (!control) continue;
        const auto found = shown_.find(b.name);
        const QString shown = found == shown_.end() ? QString() : found->second;
        const auto setInteger = [&](long long shownValue) {
            b.ref.integer(s) = static_cast<int>(Ruled(b, Clamped(shownValue + b.offset)));
        };
        switch (b.control) {
            case C::Text:
                b.ref.text(s) = static_cast<const QLineEdit*>(control)->text().toStdString();
                break;
            case C::OemText:
                b.ref.text(s) =
                    text::DisplayToOem(static_cast<const QLineEdit*>(control)->text().toStdString());
                break;
            case C::Integer:
                setInteger(
                    text::TextToInt(static_cast<const QLineEdit*>(control)->text().trimmed().toStdString()));
                break;
            case C::Real:
            case C::Degrees: {
                const real factor = b.control == C::Degrees ? kDegreesPerRadian : 1;
                const QString typed = static_cast<const QLineEdit*>(control)->text();
                if (!shown.isNull() && typed == shown) break;  // left as shown: the exact value stays
                b.ref.number(s) = Ruled(b, text::TextToReal(typed.toStdString()) / factor);
                break;
            }
            case C::Check:
            case C::Uncheck:
                b.ref.boolean(s) =
                    static_cast<const QCheckBox*>(control)->isChecked() == (b.control == C::Check);
                break;
            case C::Radio: {
                const QButtonGroup* group = GroupOf(*control);
                const int id = group ? group->checkedId() : -1;
                if (id < 0) break;  // nothing chosen: the setting stays
                if (b.ref.boolean) {
                    b.ref.boolean(s) = id == 0;
                } else {
                    setInteger(id);
                }
                break;
            }
            case C::Spin:
                setInteger(static_cast<const QSpinBox*>(control)->value());
                break;
            case C::Combo: {
                const int index = static_cast<const QComboBox*>(control)->currentIndex();
                if (index >= 0) setInteger(index);
                break;
            }
            case C::Label:
                b.ref.text(s) = static_cast<const QLabel*>(control)->text().toStdString();
                break;
            case C::LabelInteger:
                setInteger(text::TextToInt(static_cast<const QLabel*>(control)->text().toStdString()));
                break;
        }
    }
}

}  // namespace trb::gui
