#include "report/result_report.h"

#include <array>

#include "text/format.h"

namespace trb::report {

namespace {

using text::CalcText;

constexpr std::array<int, 19> kViscosityClasses = {0,  2,   3,   5,   7,   10,  15,  22,   32,  46,
                                                   68, 100, 150, 220, 320, 460, 680, 1000, 1500};
constexpr std::string_view kDegreeC =
    "\xF8"
    "C";  // "°C" in code page 850

// The rows of the report, written in order through the writer.
class ResultRows {
  public:
    ResultRows(ReportWriter& writer, const core::TRBrecord& record, const text::LanguageTexts& texts)
        : w_(writer), r_(record), t_(texts), fo_(writer.Context().settings.format) {}

    bool Write();

  private:
    std::string T(CalcText id) const { return t_.Calc(id); }
    std::string T(CalcText a, CalcText b) const { return t_.Calc(a) + " " + t_.Calc(b); }
    std::string AtTeff() const { return text::FormatDecimals(r_.teff, 0, fo_) + std::string(kDegreeC); }
    std::string R9(real x) const { return text::FormatRight(x, 9, fo_); }
    std::string F(real x, int i, int d) const { return text::FormatFixed(x, i, d, fo_); }
    std::string L(real x, int i, int d) const { return text::FormatLengthFixed(x, i, d, fo_); }
    std::string P(real x, int i, int d) const { return text::FormatPressureFixed(x, i, d, fo_); }
    std::string Temp(real x) const { return text::FormatTemperatureFixed(x, 7, 1, fo_); }
    void Value(const std::string& designation, std::string_view symbol, const std::string& unit,
               const std::string& value) {
        w_.WriteValueLine(designation, symbol, unit, value);
    }
    void Section(CalcText heading, bool doubleRule) {
        w_.WriteLine("");
        w_.WriteLine(T(heading));
        w_.WriteLine(doubleRule ? w_.DoubleRule() : w_.ThinRule());
    }

    void Bearing();
    void Supply();
    void Shaft();
    void Lubrication();
    void Temperature();
    void Limits();

    ReportWriter& w_;
    const core::TRBrecord& r_;
    const text::LanguageTexts& t_;
    const text::FormatOptions& fo_;
};

void ResultRows::Bearing() {
    w_.WriteLine("");
    Value(T(CalcText::Lagerkraft), "F", text::ForceUnit(fo_), R9(text::ForceValue(r_.f, fo_)));
    Section(CalcText::LagerCaps, true);
    const std::string length = text::LengthUnit(fo_);
    const std::string bore = T(CalcText::Lagerinnendurchmesser);
    Value(bore, "D", length, text::FormatLengthInch4(r_.db, fo_) + " " + r_.toldb);
    Value(bore, "Dmax", length, L(r_.dbmax, 5, 3));
    Value(bore, "Dmin", length, L(r_.dbmin, 5, 3));
    Value(T(CalcText::Rauhtiefe), "RzB", text::RoughnessUnit(fo_),
          text::FormatRoughnessFixed(r_.rzb, 7, 1, fo_));
    if (r_.nb != 0) {
        Value(T(CalcText::Drehzahl, CalcText::Lager), "nB", "1/s", text::FormatShort(r_.nb, fo_));
        Value(T(CalcText::Gleitgeschwindigkeit), "uB", "m/s", text::FormatShort(r_.ub, fo_));
        Value(T(CalcText::Winkelgeschwindigkeit), "wB", "1/s", text::FormatShort(r_.wb, fo_));
    }
    Value(T(CalcText::Lagerbreite) + ", " + T(CalcText::Tragend), "B", length, L(r_.b, 6, 2));
    Value(T(CalcText::Lageraussendurchmesser), "De", length, L(r_.de, 6, 2));
    Value(T(CalcText::Umschliessungswinkel), "Omega", text::AngleUnit(fo_), R9(r_.omega));
    Value(T(CalcText::Laengenausdehnungskoeff), "al.1B", "1/K", F(r_.alpha1b, 2, 6));
}

void ResultRows::Supply() {
    if (!r_.druckschmierung) return;
    w_.WriteLine(T(CalcText::Schmierstoffzufuhr) + ": " + t_.SupplyText(r_.zufuhr));
    w_.WriteLine(w_.ThinRule());
    const std::string length = text::LengthUnit(fo_);
    const int code = r_.zufuhr;
    if (code >= 1 && code <= 3) Value(T(CalcText::Schmierlochdurchmesser), "dH", length, L(r_.dh, 6, 2));
    if (code >= 4 && code <= 5) Value(T(CalcText::Schmiernutbreite), "bG", length, L(r_.bg, 6, 2));
    if (code >= 6 && code <= 8)
        Value(T(CalcText::Breite, CalcText::Schmiertasche), "bp", length, L(r_.bp, 6, 2));
    if (code == 5) {
        const std::string angle = text::AngleUnit(fo_);
        Value(T(CalcText::Schmiernutwinkel, CalcText::Start), "phi A", angle, F(r_.phia, 9, 0));
        Value(T(CalcText::Schmiernutwinkel, CalcText::Ende), "phi E", angle, F(r_.phie, 9, 0));
    }
    const std::string pressure = T(CalcText::Schmierstoffzufuehrdruck);
    Value(pressure, "pE", "bar", F(r_.pe * 10, 7, 1));
    Value(pressure, "pE", text::PressureUnit(fo_), P(r_.pe, 6, 2));
}

void ResultRows::Shaft() {
    Section(CalcText::WelleCaps, true);
    const std::string length = text::LengthUnit(fo_);
    const std::string shaft = T(CalcText::Wellendurchmesser);
    Value(shaft, "d", length, text::FormatLengthInch4(r_.ds, fo_) + " " + r_.tolds);
    Value(shaft, "dmax", length, L(r_.dsmax, 5, 3));
    Value(shaft, "dmin", length, L(r_.dsmin, 5, 3));
    Value(T(CalcText::Rauhtiefe), "RzS", text::RoughnessUnit(fo_),
          text::FormatRoughnessFixed(r_.rzs, 7, 1, fo_));
    if (r_.ns != 0) {
        Value(T(CalcText::Drehzahl, CalcText::Welle), "nS", "1/s", R9(r_.ns));
        Value(T(CalcText::Gleitgeschwindigkeit), "uS", "m/s", R9(r_.us));
        Value(T(CalcText::Winkelgeschwindigkeit), "wS", "1/s", R9(r_.ws));
    }
    Value(T(CalcText::Laengenausdehnungskoeff), "al.1S", "1/K", F(r_.alpha1s, 2, 6));
}

void ResultRows::Lubrication() {
    Section(CalcText::SchmierungCaps, true);
    Value(T(CalcText::Schmierstoff), "", "", "ISO VG " + text::IntText(ViscosityClassNumber(r_.schmier)));
    Value(T(CalcText::Dichte), "rho", "kg/m3", R9(r_.rho));
    Value(T(CalcText::SpezifischeWaermekapazitaet), "c", "J/(kg K)", R9(r_.c));
    const std::string kinematic = T(CalcText::KinematischeViskositaet);
    const std::string dynamic = T(CalcText::DynamischeViskositaet);
    const std::string at40 = " 40" + std::string(kDegreeC);
    const std::string atTeff = " " + AtTeff();
    const std::string viscosityUnit = "mm\xFD/s";
    Value(kinematic + at40, "v 40", viscosityUnit, R9(r_.nu40));
    Value(kinematic + atTeff, "v eff", viscosityUnit, R9(r_.nueff));
    Value(dynamic + at40, "eta 40", "Pa s", R9(r_.eta40));
    Value(dynamic + atTeff, "eta eff", "Pa s", R9(r_.etaeff));
    w_.WriteLine("");

    const std::string length = text::LengthUnit(fo_);
    Value(T(CalcText::SpezifischeLagerbelastung), "p", text::PressureUnit(fo_), P(r_.p, 7, 1));
    const std::string clearance20 = T(CalcText::Lagerspiel) + " 20" + std::string(kDegreeC);
    const std::string clearanceEff = T(CalcText::Lagerspiel) + atTeff;
    Value(clearance20, "s 20", length, L(r_.s20, 5, 3));
    Value(clearance20 + ", min.", "s20min", length, L(r_.s20min, 5, 3));
    Value(clearance20 + ", max.", "s20max", length, L(r_.s20max, 5, 3));
    Value(clearanceEff, "s", length, L(r_.seff, 5, 3));
    Value(clearanceEff + ", min.", "s min", length, L(r_.smin, 5, 3));
    Value(clearanceEff + ", max.", "s max", length, L(r_.smax, 5, 3));
    const std::string relative20 = T(CalcText::RelativesLagerspiel) + " 20" + std::string(kDegreeC);
    Value(relative20, "psi m", "", F(r_.psim, 2, 6));
    Value(relative20 + ", min.", "psi min", "", F(r_.psimin, 2, 6));
    Value(relative20 + ", max.", "psi max", "", F(r_.psimax, 2, 6));
    Value(T(CalcText::RelativesLagerspiel) + atTeff, "psi eff", "", F(r_.psieff, 2, 6));
    Value(T(CalcText::Winkelgeschwindigkeit), "w eff", "1/s", R9(r_.weff));
    Value(T(CalcText::ReynoldsscheZahl), "Re", "", R9(r_.re));
    Value(T(CalcText::ReynoldsscheZahl), "Re lim", "", R9(r_.relim));
    Value(T(CalcText::SommerfeldZahl), "So", "", R9(r_.so));
    Value(T(CalcText::RelativeExzentrizitaet), "epsilon", "", F(r_.epsilon, 5, 3));
    Value(T(CalcText::Exzentrizitaet), "e", length, L(r_.e, 5, 3));
    Value(T(CalcText::Schmierfilmdicke) + " min.", "h0", length, L(r_.h0, 5, 3));
    Value(T(CalcText::BezogeneReibungszahl), "\xE6/psi", "", F(r_.mupsi, 5, 3));
    Value(T(CalcText::Reibungszahl), "\xE6", "", F(r_.mu, 3, 5));
}

void ResultRows::Temperature() {
    Section(CalcText::TemperaturCaps, true);
    const std::string temperature = text::TemperatureUnit(fo_);
    const std::string flow = T(CalcText::Schmierstoffdurchsatz);
    const std::string heat = T(CalcText::Waermestrom);
    if (r_.druckschmierung) {
        Value(T(CalcText::Waermeabfuhr),
              T(CalcText::Schmierstoff) + " (" + T(CalcText::Druckschmierung) + ")", "", "");
        Value(T(CalcText::Schmierstoffeintrittstemperatur), "t1", temperature, Temp(r_.t1));
        Value(T(CalcText::Schmierstoffaustrittstemperatur), "t2", temperature, Temp(r_.t2));
        Value(T(CalcText::Schmierstofftemperatur), "teff", temperature, Temp(r_.teff));
        Value(flow + " " + T(CalcText::Eigendruck), "Q1", "mm3/s", R9(r_.q1));
        Value(flow + " " + T(CalcText::Zufuehrdruck), "Q2", "mm3/s", R9(r_.q2));
        Value(flow + " " + T(CalcText::Gesamt), "Q", "mm3/s", R9(r_.q));
        Value(heat + " " + T(CalcText::Reibleistung), "P0", "W", R9(r_.p0));
        Value(heat + " " + T(CalcText::Schmierstoff), "PQ", "W", R9(r_.pq));
        return;
    }
    Value(T(CalcText::Waermeabfuhr), T(CalcText::Konvektion), "", "");
    Value(T(CalcText::Oberflaeche, CalcText::Lagergehaeuse), "A", text::AreaUnit(fo_),
          text::FormatAreaShort(r_.a, fo_));
    Value(T(CalcText::Waermeuebergangszahl), "k", "W/(m\xFD K)", text::FormatShort(r_.k, fo_));
    Value(T(CalcText::Umgebungstemperatur), "ta", temperature, text::FormatTemperatureShort(r_.ta, fo_));
    Value(T(CalcText::Lagertemperatur), "tb", temperature, text::FormatTemperatureShort(r_.teff, fo_));
    Value(flow + " " + T(CalcText::Eigendruck), "Q", "mm3/s", R9(r_.q));
    Value(heat + " " + T(CalcText::Reibleistung), "P0", "W", R9(r_.p0));
    Value(T(CalcText::WaermestromAnUmgebung), "PA", "W", R9(r_.pa));
}

void ResultRows::Limits() {
    Section(CalcText::GrenzwerteCaps, false);
    Value(T(CalcText::MaxSpezifischeLagerbelastung), "p lim", text::PressureUnit(fo_), P(r_.plim, 7, 1));
    Value(T(CalcText::HoechstzulaessigeLagertemperatur), "tB lim", text::TemperatureUnit(fo_),
          Temp(r_.tblim));
    Value(T(CalcText::KleinstzulMinSchmierfilmdicke), "h0 lim", text::LengthUnit(fo_), L(r_.h0lim, 5, 3));
    Section(CalcText::UebergangswerteCaps, false);
    const std::string speed = T(CalcText::Uebergangsdrehzahl);
    Value(speed + " (h0lim,20" + std::string(kDegreeC) + ")", "n ue20", "1/s", F(r_.ntr20, 7, 1));
    Value(speed + " (h0lim," + AtTeff() + ")", "n ueeff", "1/s", F(r_.ntreff, 7, 1));
}

bool ResultRows::Write() {
    Bearing();
    Supply();
    Shaft();
    w_.EndPage();
    if (w_.Context().abort) return false;
    w_.PageHeader(0);
    Lubrication();
    Temperature();
    Limits();
    return true;
}

// The page header of the result report: title, drawing name and number, the remark lines.
void SetResultHeader(ReportWriter& writer, const text::LanguageTexts& texts) {
    const WriterContext& context = writer.Context();
    const docs::TitleData& title = context.title;
    std::string line1 = text::PadRight(title.drawingName, 39) + "Nr.: " + title.drawingNumber;
    line1 = text::PadRight(line1, 72);
    const std::string heading = "TRB V" + context.version + "  " +
                                texts.Calc(text::CalcText::Radialgleitlager) + " " +
                                texts.Calc(text::CalcText::Nach) + " DIN 31652";
    writer.SetReportHeader(heading, line1, title.remarks[0], title.remarks[1], title.remarks[2], 0);
}

}  // namespace

int ViscosityClassNumber(int index) {
    if (index < 0 || index >= static_cast<int>(kViscosityClasses.size())) return 0;
    return kViscosityClasses[static_cast<std::size_t>(index)];
}

void WriteResultReport(ReportWriter& writer, const core::TRBrecord& record, const text::LanguageTexts& texts,
                       const RunMessagesContext& messages, int device) {
    const WriterContext& context = writer.Context();
    bool& abort = context.abort;
    if (context.status.calculationFailed) {
        ShowRunMessages(messages, abort);
        return;
    }
    SetResultHeader(writer, texts);
    writer.OpenOutput(device);
    if (abort) return;
    writer.Rewrite();
    writer.PageHeader(0);
    if (abort) return;
    if (!ResultRows(writer, record, texts).Write()) return;
    writer.EndPage();
    if (abort) return;
    if (context.status.MessageCount() > 0) writer.WriteMessageSection();
    writer.CloseOutput();
    context.dialogs.SetBusy(false);
}

void WriteFailedRunReport(ReportWriter& writer, const text::LanguageTexts& texts, int device) {
    const WriterContext& context = writer.Context();
    bool& abort = context.abort;
    SetResultHeader(writer, texts);
    writer.OpenOutput(device);
    if (abort) return;
    writer.Rewrite();
    writer.WriteMessageSection();  // begins with the page header
    writer.CloseOutput();
    context.dialogs.SetBusy(false);
}

}  // namespace trb::report
