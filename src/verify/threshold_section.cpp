#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "core/thresholds.h"
#include "text/format.h"
#include "verify/sections.h"

namespace trb::verify {

namespace {

using core::Clearance;

double D(real x) {
    return static_cast<double>(x);
}

const char* const kClearanceNames[] = {"smallest clearance", "mean clearance", "largest clearance"};

// The margins as the limit checks judge them: the film h0 - h0lim, the temperature tblim - teff (the
// example is lubricated under pressure).
double Margin(const core::TRBrecord& r, core::ThresholdLimit limit) {
    return limit == core::ThresholdLimit::Film ? D(r.h0 - r.h0lim) : D(r.tblim - r.teff);
}

// The first place along the sweep where the margin of a clearance changes sign, linear between the
// two points around it; none when it does not.
std::optional<double> SweepCrossing(const core::OperatingSweep& sweep, Clearance clearance,
                                    core::ThresholdLimit limit) {
    for (std::size_t i = 1; i < sweep.points.size(); ++i) {
        const core::CaseRun& a = sweep.points[i - 1].At(clearance);
        const core::CaseRun& b = sweep.points[i].At(clearance);
        if (a.Failed() || b.Failed()) continue;
        const double ma = Margin(a.record, limit);
        const double mb = Margin(b.record, limit);
        if ((ma >= 0) == (mb >= 0)) continue;
        const double xa = D(sweep.points[i - 1].value);
        const double xb = D(sweep.points[i].value);
        return xa + (xb - xa) * ma / (ma - mb);
    }
    return std::nullopt;
}

// The threshold crossing that lies inside the swept range; none when there is none.
std::optional<double> ThresholdIn(const std::vector<real>& crossings, double from, double to) {
    for (real c : crossings) {
        if (D(c) >= from && D(c) <= to) return D(c);
    }
    return std::nullopt;
}

struct Search {
    core::SweptQuantity swept;
    core::ThresholdInput input;
    double from;  // times the case's own value
    double to;
    const char* name;
    const char* unit;
};

void Compare(const core::TRBrecord& example, const core::Thresholds& thresholds, const Search& search,
             int steps, ComparisonTable& table, Chart* chart) {
    const double x = D(core::SweptValue(example, search.swept));
    const core::SweepRange range{search.swept, static_cast<real>(search.from * x),
                                 static_cast<real>(search.to * x), steps};
    const core::OperatingSweep sweep = core::RunOperatingSweep(example, range);
    for (Clearance clearance : core::kClearances) {
        for (core::ThresholdLimit limit : core::kThresholdLimits) {
            const std::string item = std::string(search.name) + " at " +
                                     (limit == core::ThresholdLimit::Film ? "h0lim" : "tBlim") + ", " +
                                     kClearanceNames[core::Index(clearance)] + " [" + search.unit + "]";
            const std::optional<double> program =
                ThresholdIn(thresholds.At(clearance).At(search.input, limit), search.from * x, search.to * x);
            Comparison c = Relative(item, 0, 0, 0.002);
            c.program = program;
            c.reference = SweepCrossing(sweep, clearance, limit);
            table.rows.push_back(std::move(c));
        }
        if (!chart) continue;
        Curve curve{kClearanceNames[core::Index(clearance)], {}};
        for (const core::SweepPoint& point : sweep.points) {
            const core::CaseRun& run = point.At(clearance);
            if (!run.Failed()) curve.points.emplace_back(D(point.value) / 1000, D(run.record.h0) * 1000);
        }
        chart->curves.push_back(std::move(curve));
        Curve mark{std::string("threshold, ") + kClearanceNames[core::Index(clearance)], {}, true};
        if (const auto at = ThresholdIn(thresholds.At(clearance).At(search.input, core::ThresholdLimit::Film),
                                        search.from * x, search.to * x))
            mark.points.emplace_back(*at / 1000, D(example.h0lim) * 1000);
        chart->curves.push_back(std::move(mark));
    }
    if (chart) {
        chart->curves.push_back(Curve{"h0lim",
                                      {{search.from * x / 1000, D(example.h0lim) * 1000},
                                       {search.to * x / 1000, D(example.h0lim) * 1000}}});
    }
}

// The clearance range against the same three runs built by hand: the bore and the shaft at the limit
// sizes that make the clearance smallest or largest.
ComparisonTable ClearanceRangeTable(const core::TRBrecord& example) {
    ComparisonTable table{"Clearance range against three single runs (example case)", "", {}};
    const core::ClearanceRange range = core::RunClearanceRange(example);
    for (Clearance clearance : core::kClearances) {
        core::CaseRun single;
        single.record = example;
        if (clearance == Clearance::Smallest) {
            single.record.dbmax = example.dbmin;
            single.record.dsmin = example.dsmax;
        } else if (clearance == Clearance::Largest) {
            single.record.dbmin = example.dbmax;
            single.record.dsmax = example.dsmin;
        }
        core::Calculate(single);
        const core::TRBrecord& a = range.At(clearance).record;
        const core::TRBrecord& b = single.record;
        const std::string at = std::string(kClearanceNames[core::Index(clearance)]) + ": ";
        const struct {
            const char* name;
            real core::TRBrecord::*field;
        } fields[] = {{"s eff [mm]", &core::TRBrecord::seff}, {"teff [C]", &core::TRBrecord::teff},
                      {"So", &core::TRBrecord::so},           {"epsilon", &core::TRBrecord::epsilon},
                      {"h0 [mm]", &core::TRBrecord::h0},      {"mu", &core::TRBrecord::mu},
                      {"P0 [W]", &core::TRBrecord::p0},       {"Q [mm3/s]", &core::TRBrecord::q},
                      {"t2 [C]", &core::TRBrecord::t2}};
        for (const auto& f : fields)
            table.rows.push_back(Relative(at + f.name, D(a.*f.field), D(b.*f.field), 0));
    }
    return table;
}

}  // namespace

Section ThresholdSection(bool quick) {
    Section s;
    s.title = "5. Thresholds and clearance range";
    s.compared = {
        "The thresholds of the example case (the load and the shaft speed at which the minimum film",
        "thickness reaches h0lim or the effective temperature reaches tBlim, at the smallest, mean and",
        "largest clearance) against operating sweeps of the same case: the place where the margin changes",
        "sign between two sweep points, linear between them. Tolerance 0.2 %; where neither finds a",
        "crossing in the swept range both give none. Then the clearance range against three ordinary runs",
        "of the case with the limit sizes set by hand: equal to the last digit.",
    };
    s.sources = {
        "The program's own operating sweeps and single calculation runs (DIN 31652-2:1983-02); the check is",
        "one of consistency: the search must find the operating states the ordinary run computes.",
    };
    s.notes = {
        "The sweep interpolates linearly between its points, " + text::IntText(quick ? 100 : 400) +
        " steps over the range; the threshold search bisects to 1e-6 of the value, so the difference is "
        "the sweep's own interpolation error."};
    core::TRBrecord example;
    core::LoadExampleCase(example);
    const core::Thresholds thresholds = core::FindThresholds(example);
    const int steps = quick ? 100 : 400;
    ComparisonTable table{"Thresholds against operating sweeps (example case)", "", {}};
    Chart chart{"Film thickness over the load, example case, with the thresholds",
                "F [kN]",
                "h0 [um]",
                {},
                std::nullopt};
    Compare(example, thresholds, {core::SweptQuantity::Load, core::ThresholdInput::Load, 1, 5, "load", "N"},
            steps, table, &chart);
    Compare(
        example, thresholds,
        {core::SweptQuantity::ShaftSpeed, core::ThresholdInput::ShaftSpeed, 0.05, 1, "shaft speed", "1/s"},
        steps, table, nullptr);
    s.tables = {std::move(table), ClearanceRangeTable(example)};
    s.charts = {std::move(chart)};
    return s;
}

}  // namespace trb::verify
