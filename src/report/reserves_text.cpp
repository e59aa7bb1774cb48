#include "report/reserves_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "report/html_text.h"
#include "text/cp850.h"
#include "text/format.h"
#include "text/reserve_texts.h"

namespace trb::report {

namespace {

using core::Clearance;
using core::ThresholdInput;
using core::ThresholdLimit;
using text::ReserveText;

// A sentence's fields by name ("what", "value" …).
using Fields = std::map<std::string, std::string>;

// The template with each {name} replaced; a field that does not start the sentence starts with a
// small letter ("the load" inside a sentence, "The load" at its start).
std::string Fill(const std::string& pattern, const Fields& fields) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const std::size_t close = pattern.find('}', i);
        if (pattern[i] != '{' || close == std::string::npos) {
            out += pattern[i++];
            continue;
        }
        const auto field = fields.find(pattern.substr(i + 1, close - i - 1));
        std::string value = field != fields.end() ? field->second : pattern.substr(i, close - i + 1);
        if (i > 0 && !value.empty() && value[0] >= 'A' && value[0] <= 'Z')
            value[0] = static_cast<char>(value[0] + 32);
        out += value;
        i = close + 1;
    }
    return out;
}

// Values in the settings' units, UTF-8.
class Numbers {
  public:
    explicit Numbers(const text::FormatOptions& format) : format_(format) {}

    // Three significant digits without trailing zeros ("90.5", "0.0303", "276", "2").
    std::string Short(real x) const {
        int decimals = 0;
        if (x != 0 && std::isfinite(x))
            decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(std::fabs(x)))));
        text::FormatOptions unshifted = format_;
        unshifted.decimals = 3;  // the decimals setting would shift the digits
        std::string digits = text::TrimText(text::FormatFixed(x, 1, decimals, unshifted));
        if (digits.find_first_of(".,") != std::string::npos) {
            while (digits.back() == '0') digits.pop_back();
            if (digits.back() == '.' || digits.back() == ',') digits.pop_back();
        }
        return digits;
    }

    // Loads in N, kN or MN (lbf, klbf with English units).
    std::string Load(real newton) const {
        const real value = text::ForceValue(newton, format_);
        const std::string unit = text::ForceUnit(format_);
        const real size = std::fabs(value);
        if (size >= 1e6L) return Short(value / 1e6L) + " M" + unit;
        if (size >= 1e3L) return Short(value / 1e3L) + " k" + unit;
        return Short(value) + " " + unit;
    }

    std::string Speed(real perSecond) const { return Short(perSecond) + " 1/s"; }

    std::string Temperature(real celsius) const {
        const real shown = text::EnglishUnits(format_) ? celsius * text::kFahrenheitPerCelsius + 32 : celsius;
        return Short(shown) + " " + Display(text::TemperatureUnit(format_));
    }

    // A temperature difference: "+5.7 K" (with English units in °F).
    std::string TemperatureChange(real kelvin) const {
        const bool english = text::EnglishUnits(format_);
        const real value = english ? kelvin * text::kFahrenheitPerCelsius : kelvin;
        const std::string unit = english ? Display(text::TemperatureUnit(format_)) : "K";
        return (value < 0 ? "\u2212" : "+") + Short(std::fabs(value)) + " " + unit;
    }

    // "×2.51"; a dash where the case's own value is 0.
    std::string Ratio(real ratio) const { return std::isfinite(ratio) ? "\u00D7" + Short(ratio) : "\u2013"; }

    std::string Length(real mm) const {
        return text::FormatLengthLong(mm, format_) + " " + Display(text::LengthUnit(format_));
    }

    std::string Pressure(real mpa) const {
        return text::FormatPressureShort(mpa, format_) + " " + Display(text::PressureUnit(format_));
    }

  private:
    std::string Display(const std::string& oem) const { return text::OemToDisplay(oem, format_); }

    const text::FormatOptions& format_;
};

// What a statement is about.
struct Subject {
    ThresholdInput input;
    ThresholdLimit limit;
};

class Describer {
  public:
    Describer(const core::TRBrecord& record, int language, const text::FormatOptions& format)
        : record_(record), language_(language), numbers_(format) {}

    std::string Text(ReserveText id) const { return std::string(text::Reserve(language_, id)); }

    std::string Value(ThresholdInput input, real value) const {
        switch (input) {
            case ThresholdInput::Load:
                return numbers_.Load(value);
            case ThresholdInput::ShaftSpeed:
                return numbers_.Speed(value);
            case ThresholdInput::Temperature:
                break;
        }
        return numbers_.Temperature(value);
    }

    // A value against the case's own: a factor for load and speed, a difference for temperatures.
    std::string Change(ThresholdInput input, real value) const {
        const real x = core::ThresholdInputValue(record_, input);
        if (core::ThresholdInputIsLogarithmic(input)) return numbers_.Ratio(value / x);
        return numbers_.TemperatureChange(value - x);
    }

    Fields FieldsOf(Subject subject) const {
        static constexpr std::array<ReserveText, core::kThresholdInputCount> kWhat = {
            ReserveText::DieLast, ReserveText::DieDrehzahl, ReserveText::DieEintrittstemperatur};
        ReserveText what = kWhat[core::Index(subject.input)];
        if (subject.input == ThresholdInput::Temperature && !record_.druckschmierung)
            what = ReserveText::DieUmgebungstemperatur;
        const bool film = subject.limit == ThresholdLimit::Film;
        return {{"what", Text(what)},
                {"film", film ? "h0" : (record_.druckschmierung ? "teff" : "tB")},
                {"limit", film ? "h0lim" : "tBlim"}};
    }

    // The statements of one clearance on one input and limit.
    std::vector<std::string> Statements(const core::ClearanceThresholds& at, Subject subject) const {
        const std::vector<real>& crossings = at.At(subject.input, subject.limit);
        Fields fields = FieldsOf(subject);
        if (!at.caseCounts) {
            if (crossings.empty()) return {Fill(Text(ReserveText::KeinBetriebszustandNichtErreicht), fields)};
            std::string list;
            for (real c : crossings) list += (list.empty() ? "" : ", ") + Value(subject.input, c);
            fields["at"] = list;
            return {Fill(Text(ReserveText::KeinBetriebszustand), fields)};
        }
        const real x = core::ThresholdInputValue(record_, subject.input);
        if (crossings.empty()) {
            const int last = core::kThresholdSteps;
            fields["from"] = Value(subject.input, core::ThresholdRunValue(x, subject.input, 0));
            fields["to"] = Value(subject.input, core::ThresholdRunValue(x, subject.input, last));
            return {Fill(Text(ReserveText::NichtErreicht), fields)};
        }
        const bool within = at.caseWithin[core::Index(subject.limit)];
        std::vector<std::string> statements;
        const auto say = [&](ReserveText id, real value) {
            fields["value"] = Value(subject.input, value);
            fields["change"] = Change(subject.input, value);
            statements.push_back(Fill(Text(id), fields));
        };
        // The nearest crossing below the case's value and the nearest above it.
        for (auto c = crossings.rbegin(); c != crossings.rend(); ++c) {
            if (*c < x) {
                say(within ? ReserveText::DarfSinken : ReserveText::MussSinken, *c);
                break;
            }
        }
        for (real c : crossings) {
            if (c >= x) {
                say(within ? ReserveText::DarfSteigen : ReserveText::MussSteigen, c);
                break;
            }
        }
        return statements;
    }

    std::string CaseLine() const {
        const core::TRBrecord& r = record_;
        const bool pressure = r.druckschmierung;
        return Text(ReserveText::Fall) + ": F = " + numbers_.Load(r.f) + ", n = " + numbers_.Speed(r.ns) +
               (pressure ? ", t1 = " + numbers_.Temperature(r.t1) : ", ta = " + numbers_.Temperature(r.ta)) +
               "; h0lim = " + numbers_.Length(r.h0lim) + ", tBlim = " + numbers_.Temperature(r.tblim) +
               ", plim = " + numbers_.Pressure(r.plim);
    }

    std::string PlimLine(real loadAtPlim) const {
        Fields fields = {{"what", Text(ReserveText::DieLast)},
                         {"film", "p"},
                         {"limit", "plim"},
                         {"value", numbers_.Load(loadAtPlim)},
                         {"change", numbers_.Ratio(loadAtPlim / record_.f)}};
        return Fill(Text(record_.f <= loadAtPlim ? ReserveText::DarfSteigen : ReserveText::MussSinken),
                    fields);
    }

  private:
    const core::TRBrecord& record_;
    int language_;
    Numbers numbers_;
};

constexpr std::array<ReserveText, core::kClearanceCount> kClearanceNames = {
    ReserveText::KleinstesSpiel, ReserveText::MittleresSpiel, ReserveText::GroesstesSpiel};
constexpr std::array<const char*, core::kClearanceCount> kClearanceSymbols = {"s min", "s m", "s max"};
constexpr std::array<const char*, core::kClearanceCount> kClearanceSizes = {" (Dmin, dmax)", "",
                                                                            " (Dmax, dmin)"};

}  // namespace

ReservesText DescribeReserves(const core::TRBrecord& record, const core::Thresholds& thresholds,
                              std::string_view caseName, int language, const text::FormatOptions& format) {
    const Describer describer(record, language, format);
    ReservesText reserves;
    reserves.title = describer.Text(ReserveText::Reserven);
    if (!caseName.empty()) reserves.title += ": " + std::string(caseName);
    reserves.caseLine = describer.CaseLine();
    reserves.plimLine = describer.PlimLine(thresholds.At(Clearance::Mean).loadAtPlim);
    reserves.governingNote = std::string(kGoverningMark) + " " + describer.Text(ReserveText::Massgebend);
    for (Clearance clearance : core::kClearances) {
        const std::size_t i = core::Index(clearance);
        ReserveSection section;
        section.heading = std::string(kClearanceSymbols[i]) + ": " + describer.Text(kClearanceNames[i]) +
                          kClearanceSizes[i];
        for (ThresholdInput input : core::kThresholdInputs) {
            const real x = core::ThresholdInputValue(record, input);
            for (ThresholdLimit limit : core::kThresholdLimits) {
                const bool governing = core::GoverningClearance(thresholds, input, limit, x) == clearance;
                for (std::string& text : describer.Statements(thresholds.At(clearance), {input, limit})) {
                    section.lines.push_back({std::move(text), governing});
                }
            }
        }
        reserves.sections.push_back(std::move(section));
    }
    return reserves;
}

std::string ReservesHtml(const ReservesText& reserves) {
    std::string html = "<html><head><meta charset=\"utf-8\"><title>" + HtmlEscape(reserves.title) +
                       "</title></head><body>\n<h2>" + HtmlEscape(reserves.title) + "</h2>\n";
    html += "<p>" + HtmlEscape(reserves.caseLine) + "</p>\n<p>" + HtmlEscape(reserves.plimLine) + "</p>\n";
    for (const ReserveSection& section : reserves.sections) {
        html += "<h3>" + HtmlEscape(section.heading) + "</h3>\n<ul>\n";
        for (const ReserveLine& line : section.lines) {
            if (line.governing) {
                html += "<li><b>" + HtmlEscape(line.text) + "</b> " + kGoverningMark + "</li>\n";
            } else {
                html += "<li>" + HtmlEscape(line.text) + "</li>\n";
            }
        }
        html += "</ul>\n";
    }
    return html + "<p>" + HtmlEscape(reserves.governingNote) + "</p>\n</body></html>\n";
}

}  // namespace trb::report
