#include "app/film_json.h"

#include "app/case_json.h"
#include "app/json_text.h"

#include <utility>

namespace trb::app {

namespace {

class Members {
  public:
    Members(std::string& out, std::string indent) : out_(out), indent_(std::move(indent)) {}

    void Add(std::string_view name, const std::string& value) {
        out_ += first_ ? "{\n" : ",\n";
        first_ = false;
        out_ += indent_;
        out_ += "  \"";
        out_ += name;
        out_ += "\": " + value;
    }
    void Close() {
        out_ += first_ ? "{" : "\n";
        if (!first_) out_ += indent_;
        out_ += "}";
    }

  private:
    std::string& out_;
    std::string indent_;
    bool first_ = true;
};

// A number, or null where the film has none.
std::string Number(bool known, real x) {
    return known ? JsonNumber(x) : "null";
}

std::string Matrix(bool known, const film::Matrix2& m) {
    if (!known) return "null";
    std::string out = "[";
    for (std::size_t i = 0; i < 2; ++i) {
        out += i == 0 ? "[" : ", [";
        out += JsonNumber(m[i][0]) + ", " + JsonNumber(m[i][1]) + "]";
    }
    return out + "]";
}

std::string Flag(bool known, bool value) {
    return known ? (value ? "true" : "false") : "null";
}

}  // namespace

std::string FilmJson(const film::CaseFilm& f, std::string_view indent) {
    const bool solved = f.fault == film::FilmFault::None;
    const bool coefficients = solved && f.hasCoefficients;
    const bool threshold = coefficients && f.stability.threshold;
    std::string out;
    Members m(out, std::string(indent));
    m.Add("reason", solved ? "null" : JsonText(film::FilmFaultText(f.fault)));
    m.Add("grid", "[" + std::to_string(f.grid.circumferential) + ", " + std::to_string(f.grid.axial) + "]");
    m.Add("eccentricity", Number(solved, f.eccentricity));
    m.Add("attitude_angle", Number(solved, f.attitudeAngle));
    m.Add("h0", Number(solved, f.h0));
    m.Add("pmax", Number(solved, f.pmax));
    m.Add("pmax_angle", Number(solved, f.pmaxAngle));
    m.Add("side_flow", Number(solved, f.sideFlow));
    m.Add("mupsi", Number(solved, f.mupsi));
    m.Add("so", Number(solved, f.so));
    // The DIN run's values of the same quantities, under the record's names.
    std::string din;
    Members d(din, std::string(indent) + "  ");
    d.Add("epsilon", Number(f.hasDin, f.din.epsilon));
    d.Add("h0", Number(f.hasDin, f.din.h0));
    d.Add("so", Number(f.hasDin, f.din.so));
    d.Add("mupsi", Number(f.hasDin, f.din.mupsi));
    d.Add("q", Number(f.hasDin, f.din.q));
    d.Close();
    m.Add("din", din);
    m.Add("frame", JsonText(film::CoefficientFrameText()));
    m.Add("stiffness", Matrix(coefficients, f.stiffness));
    m.Add("damping", Matrix(coefficients, f.damping));
    m.Add("stiffness_dimensionless", Matrix(coefficients, f.dimensionless.stiffness));
    m.Add("damping_dimensionless", Matrix(coefficients, f.dimensionless.damping));
    m.Add("whirl_ratio", Number(threshold, f.stability.whirlRatio));
    m.Add("critical_mass_parameter", Number(threshold, f.stability.criticalMass));
    m.Add("mass_parameter", Number(coefficients, f.stability.massParameter));
    m.Add("stable", Flag(coefficients, f.stability.stable));
    m.Add("onset_speed", Number(coefficients && f.onset.speed.has_value(), f.onset.speed.value_or(0)));
    m.Close();
    return out;
}

}  // namespace trb::app
