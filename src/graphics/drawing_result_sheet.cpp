#include "graphics/drawing_result_sheet.h"

#include <string>
#include <vector>

#include "core/lubricant.h"
#include "graphics/drawing_table.h"
#include "graphics/driver.h"
#include "text/format.h"

namespace trb::graphics {

namespace {

using text::CalcText;
using Rows = std::vector<std::vector<std::string>>;

constexpr real kTextHeight = 2;

// Formats the values of one sheet in the current unit system.
class SheetValues {
  public:
    explicit SheetValues(const DrawingData& data) : texts_(data.texts), format_(data.settings.format) {}

    const std::string& Caption(CalcText id) const { return texts_.Calc(id); }
    std::string Length(real mm) const { return text::FormatLengthShort(mm, format_); }
    std::string Clearance(real mm) const { return text::FormatLengthLong(mm, format_); }
    std::string Temperature(real c) const { return text::FormatTemperatureShort(c, format_); }
    std::string Pressure(real mpa) const { return text::FormatPressureShort(mpa, format_); }
    std::string Plain(real v) const { return text::FormatShort(v, format_); }
    std::string Small(real v) const { return text::FormatAuto(v, format_); }
    std::string LengthUnit() const { return text::LengthUnit(format_); }
    std::string TemperatureUnit() const { return text::TemperatureUnit(format_); }
    std::string PressureUnit() const { return text::PressureUnit(format_); }
    const text::FormatOptions& Format() const { return format_; }

  private:
    const text::LanguageTexts& texts_;
    const text::FormatOptions& format_;
};

FramedTable Table(real x, real y, std::vector<real> factors, std::string title, Rows rows) {
    return FramedTable{x, y, std::move(factors), std::move(title), std::move(rows)};
}

FramedTable Header(const DrawingData& data) {
    const auto& remarks = data.title.remarks;
    return Table(2, 118, {43}, "", {{remarks[0]}, {remarks[1]}, {remarks[2]}});
}

FramedTable Limits(const core::TRBrecord& r, const SheetValues& v) {
    return Table(
        82, 118, {24, 6, 6, 6}, v.Caption(CalcText::GrenzwerteCaps),
        {{v.Caption(CalcText::MaxSpezifischeLagerbelastung), "p lim", v.Pressure(r.plim), v.PressureUnit()},
         {v.Caption(CalcText::HoechstzulaessigeLagertemperatur), "tB lim", v.Temperature(r.tblim),
          v.TemperatureUnit()},
         {v.Caption(CalcText::KleinstzulMinSchmierfilmdicke), "h0 lim", v.Clearance(r.h0lim),
          v.LengthUnit()}});
}

FramedTable Bearing(const core::TRBrecord& r, const SheetValues& v) {
    const std::string& diameter = v.Caption(CalcText::Lagerinnendurchmesser);
    std::string nominal = v.Length(r.db);
    if (!r.toldb.empty()) nominal += " " + r.toldb;
    return Table(2, 98, {22, 6, 6, 9}, v.Caption(CalcText::Lager),
                 {{diameter, "D", nominal, v.LengthUnit()},
                  {diameter, "Dmax", v.Clearance(r.dbmax), v.LengthUnit()},
                  {diameter, "Dmin", v.Clearance(r.dbmin), v.LengthUnit()},
                  {v.Caption(CalcText::Laengenausdehnungskoeff), "al.1B", v.Small(r.alpha1b), "1/K"},
                  {v.Caption(CalcText::Lagerbreite), "B", v.Length(r.b), v.LengthUnit()}});
}

FramedTable Shaft(const core::TRBrecord& r, const SheetValues& v) {
    const std::string& diameter = v.Caption(CalcText::Wellendurchmesser);
    std::string nominal = v.Length(r.ds);
    if (!r.tolds.empty()) nominal += " " + r.tolds;
    return Table(82, 98, {22, 6, 6, 8}, v.Caption(CalcText::Welle),
                 {{diameter, "d", nominal, v.LengthUnit()},
                  {diameter, "dmax", v.Clearance(r.dsmax), v.LengthUnit()},
                  {diameter, "dmin", v.Clearance(r.dsmin), v.LengthUnit()},
                  {v.Caption(CalcText::Laengenausdehnungskoeff), "al.1S", v.Small(r.alpha1s), "1/K"},
                  {v.Caption(CalcText::Drehzahl), "nS", v.Plain(r.ns), "1/s"}});
}

FramedTable Lubricant(const core::TRBrecord& r, const SheetValues& v) {
    const std::string viscosityUnit = text::ViscosityUnit(v.Format());
    const std::string& kinematic = v.Caption(CalcText::KinematischeViskositaet);
    const std::string& dynamic = v.Caption(CalcText::DynamischeViskositaet);
    return Table(2, 70, {24, 6, 6, 7},
                 v.Caption(CalcText::Schmierstoff) + ": " + core::ViscosityClassName(r.schmier),
                 {{v.Caption(CalcText::Dichte), "rho", v.Plain(r.rho), "kg/m3"},
                  {v.Caption(CalcText::SpezifischeWaermekapazitaet), "c", v.Plain(r.c), "J/(kgK)"},
                  {kinematic, "v 40", v.Plain(r.nu40), viscosityUnit},
                  {kinematic, "v eff", v.Plain(r.nueff), viscosityUnit},
                  {dynamic, "eta 40", v.Small(r.eta40), "Pa s"},
                  {dynamic, "eta eff", v.Small(r.etaeff), "Pa s"}});
}

FramedTable Results(const core::TRBrecord& r, const SheetValues& v) {
    const std::string& clearance = v.Caption(CalcText::Lagerspiel);
    const std::string& relative = v.Caption(CalcText::RelativesLagerspiel);
    return Table(82, 70, {21, 6, 6, 9}, "TRB",
                 {{v.Caption(CalcText::Lagerkraft), "F", text::FormatForceShort(r.f, v.Format()),
                   text::ForceUnit(v.Format())},
                  {v.Caption(CalcText::SpezifischeLagerbelastung), "p", v.Pressure(r.p), v.PressureUnit()},
                  {clearance, "s 20", v.Clearance(r.s20), v.LengthUnit()},
                  {clearance, "s", v.Clearance(r.seff), v.LengthUnit()},
                  {relative, "psi m", v.Small(r.psim), ""},
                  {relative, "psi eff", v.Small(r.psieff), ""},
                  {v.Caption(CalcText::SommerfeldZahl), "So", v.Small(r.so), ""},
                  {v.Caption(CalcText::RelativeExzentrizitaet), "epsilon", v.Plain(r.epsilon), ""},
                  {v.Caption(CalcText::Schmierfilmdicke) + " min.", "h0", v.Clearance(r.h0), v.LengthUnit()},
                  {v.Caption(CalcText::BezogeneReibungszahl), "\xE6/psi", v.Plain(r.mupsi), ""},
                  {v.Caption(CalcText::Reibungszahl), "\xE6", v.Small(r.mu), ""}});
}

FramedTable Heat(const DrawingData& data, const SheetValues& v) {
    const core::TRBrecord& r = data.record;
    std::string title = v.Caption(CalcText::Schmierstoffzufuhr) + ": ";
    Rows rows;
    const std::vector<std::string> flow = {v.Caption(CalcText::Schmierstoffdurchsatz), "Q", v.Plain(r.q),
                                           "mm3/s"};
    const std::vector<std::string> friction = {v.Caption(CalcText::Reibleistung), "P0", v.Plain(r.p0), "W"};
    if (r.druckschmierung) {
        title += v.Caption(CalcText::Druckschmierung) + " (" + data.texts.SupplyText(r.zufuhr) + ")";
        rows = {
            {v.Caption(CalcText::Schmierstoffeintrittstemperatur), "t1", v.Temperature(r.t1),
             v.TemperatureUnit()},
            {v.Caption(CalcText::Schmierstoffaustrittstemperatur), "t2", v.Temperature(r.t2),
             v.TemperatureUnit()},
            {v.Caption(CalcText::Schmierstofftemperatur), "teff", v.Temperature(r.teff), v.TemperatureUnit()},
            flow,
            friction,
            {v.Caption(CalcText::Waermestrom), "PQ", v.Plain(r.pq), "W"}};
    } else {
        title += v.Caption(CalcText::Konvektion);
        rows = {{v.Caption(CalcText::Oberflaeche), "A", text::FormatAreaShort(r.a, v.Format()),
                 text::AreaUnit(v.Format())},
                {v.Caption(CalcText::Waermeuebergangszahl), "k", v.Plain(r.k), "W/(m\xFDK)"},
                {v.Caption(CalcText::Umgebungstemperatur), "ta", v.Temperature(r.ta), v.TemperatureUnit()},
                {v.Caption(CalcText::Lagertemperatur), "tb", v.Temperature(r.tb), v.TemperatureUnit()},
                flow,
                friction,
                {v.Caption(CalcText::WaermestromAnUmgebung), "PA", v.Plain(r.pa), "W"}};
    }
    return Table(2, 38, {24, 6, 6, 7}, std::move(title), std::move(rows));
}

}  // namespace

void DrawFailedRunSheet(Driver& driver, const DrawingData& data) {
    driver.CadColor(4);
    DrawFramedTable(driver, Header(data), kTextHeight);
    const core::RunStatus& status = driver.Status();
    if (status.MessageCount() > 0) {
        Rows rows;
        for (int i = 2; i <= status.MessageCount(); ++i) rows.push_back({status.Message(i)});
        DrawFramedTable(driver, Table(2, 98, {42}, status.Message(1), std::move(rows)), kTextHeight);
    }
    driver.CadColor(0);
}

void DrawResultSheet(Driver& driver, const DrawingData& data) {
    const SheetValues values(data);
    const core::TRBrecord& r = data.record;
    driver.CadColor(4);
    for (const FramedTable& table : {Header(data), Limits(r, values), Bearing(r, values), Shaft(r, values),
                                     Lubricant(r, values), Results(r, values), Heat(data, values)}) {
        DrawFramedTable(driver, table, kTextHeight);
    }
    const core::RunStatus& status = driver.Status();
    if (status.MessageCount() > 0) {
        Rows rows;
        for (int i = 2; i <= status.MessageCount(); ++i) rows.push_back({status.Message(i)});
        DrawFramedTable(driver, Table(82, 18, {42}, status.Message(1), std::move(rows)), kTextHeight);
    }
    driver.CadColor(0);
}

}  // namespace trb::graphics
