#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a verification compares and how it judges it: the program's value beside a reference value,
// their deviation and the tolerance it must keep.
namespace trb::verify {

// How a tolerance is meant: a share of the reference (0.01 is 1 %), or a difference in the
// quantity's own unit.
enum class ToleranceKind { Relative, Absolute };

struct Comparison {
    std::string item;  // what is compared, e.g. "L/D 1, eps 0.6: S"
    // None where the program gives no value (a tolerance class it refuses) or the reference prints
    // none: the comparison passes when both give none.
    std::optional<double> program;
    std::optional<double> reference;
    double tolerance = 0;
    ToleranceKind kind = ToleranceKind::Relative;

    // The deviation of the program from the reference: relative (a share) or absolute; none when
    // either value is missing or the relative deviation has no reference to divide by.
    std::optional<double> Deviation() const;
    bool Passed() const;
};

// A comparison of two values with a relative tolerance.
Comparison Relative(std::string item, double program, double reference, double tolerance);
// A comparison of two values with an absolute tolerance.
Comparison Absolute(std::string item, double program, double reference, double tolerance);

// One table of a section: a caption, the unit of its values (empty: dimensionless) and its rows.
struct ComparisonTable {
    std::string caption;
    std::string unit;
    std::vector<Comparison> rows;
};

// A curve of a chart: points (x, y) in order, and its legend.
struct Curve {
    std::string label;
    std::vector<std::pair<double, double>> points;
    bool marks = false;  // drawn as a mark at each point instead of a line through them
};

// A chart of a section: curves over one x axis, and horizontal lines at the tolerance (none: no
// band).
struct Chart {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    std::vector<Curve> curves;
    std::optional<double> band;  // lines at +band and -band
};

// A table of measured figures that nothing is judged against (the speed of the machine).
struct FigureTable {
    std::string caption;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct Section {
    std::string title;
    std::vector<std::string> compared;  // what is compared, as sentences
    std::vector<std::string> sources;   // full citations
    std::vector<std::string> notes;     // doubtful values, limits of the comparison
    std::vector<ComparisonTable> tables;
    std::vector<Chart> charts;
    std::vector<FigureTable> figures;
};

// How many comparisons of a section passed and failed.
struct Tally {
    int passed = 0;
    int failed = 0;
};
Tally Count(const Section& section);
Tally Count(const std::vector<Section>& sections);

}  // namespace trb::verify
