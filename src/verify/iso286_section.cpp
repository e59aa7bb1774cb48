#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/iso286.h"
#include "text/format.h"
#include "verify/published_iso286.h"
#include "verify/sections.h"

namespace trb::verify {

namespace {

struct Zone {
    double lower;
    double upper;
};

// The program's zone of a class at a size; none when it refuses the class there.
std::optional<Zone> ProgramZone(const char* position, int grade, real size) {
    core::ToleranceSteps steps;
    bool abort = false;
    const std::string text = std::string(position) + text::IntText(grade);
    const core::ToleranceZone zone = core::ToleranceLimits(steps, text, size, abort);
    if (abort) return std::nullopt;
    return Zone{static_cast<double>(zone.lower), static_cast<double>(zone.upper)};
}

std::string Range(real lower, real upper) {
    return ">" + text::IntText(static_cast<long long>(lower)) + ".." +
           text::IntText(static_cast<long long>(upper));
}

// One published deviation against the program's: exact, in µm. `upper` says which deviation; a
// reference of kNotDefined must be refused.
Comparison Deviation(const char* position, int grade, real lower, real size, bool upper, int reference) {
    const bool hole = position[0] >= 'A' && position[0] <= 'Z';
    const char* name = upper ? (hole ? "ES" : "es") : (hole ? "EI" : "ei");
    Comparison c;
    c.item = std::string(position) + text::IntText(grade) + " " + Range(lower, size) + ": " + name;
    c.kind = ToleranceKind::Absolute;
    c.tolerance = 0;
    if (reference != kNotDefined) c.reference = reference;
    if (const std::optional<Zone> zone = ProgramZone(position, grade, size))
        c.program = upper ? zone->upper : zone->lower;
    if (reference == kNotDefined)
        c.item = std::string(position) + text::IntText(grade) + " " + Range(lower, size) + ": refused";
    return c;
}

// Every pair of one group of tables, and the sample of it the report prints.
struct Group {
    std::string name;
    std::vector<Comparison> all;
    std::vector<Comparison> sample;
};

template <std::size_t N>
real Lower(const std::array<real, N>& ends, std::size_t r, real first) {
    return r == 0 ? first : ends[r - 1];
}

// Adds the pairs of a row; the ranges in `sampled` go into the sample.
void AddPair(Group& group, Comparison c, bool sampled) {
    if (sampled) group.sample.push_back(c);
    group.all.push_back(std::move(c));
}

Group HolesJToP() {
    Group g{"holes J to P up to 500 mm (ES and EI)", {}, {}};
    for (const CoarseRow& row : PublishedHolesJToP()) {
        for (std::size_t r = 0; r < kCoarseEnds.size(); ++r) {
            const int es = row.deviation[r];
            const real lower = Lower(kCoarseEnds, r, 0);
            // Each letter at 30..50 mm (Delta applies there), N9 at the 3 mm step, M6 at 250..315 mm.
            const std::string name = std::string(row.position) + text::IntText(row.grade);
            const bool sampled = (r == 5 && row.grade == 7) || (name == "N9" && r <= 1) ||
                                 (name == "M6" && r == 10) || (name == "K8" && r == 0);
            AddPair(g, Deviation(row.position, row.grade, lower, kCoarseEnds[r], true, es), sampled);
            AddPair(g,
                    Deviation(row.position, row.grade, lower, kCoarseEnds[r], false,
                              es - PublishedIt(row.grade, static_cast<int>(r))),
                    sampled);
        }
    }
    return g;
}

Group HolesRToZc() {
    Group g{"holes R to ZC up to 500 mm (ES and EI)", {}, {}};
    std::set<std::string> seen;
    for (const FineRow& row : PublishedHolesRToZc()) {
        // Each letter once at 100..120 mm, and where T, V and Y begin.
        const bool first = seen.insert(row.position).second;
        for (std::size_t r = 0; r < kFineEnds.size(); ++r) {
            const int es = row.deviation[r];
            const real lower = Lower(kFineEnds, r, 0);
            const bool begins =
                es == kNotDefined && r + 1 < kFineEnds.size() && row.deviation[r + 1] != kNotDefined;
            const bool sampled = first && (r == 12 || begins);
            AddPair(g, Deviation(row.position, row.grade, lower, kFineEnds[r], true, es), sampled);
            if (es == kNotDefined) continue;
            const int it = PublishedIt(row.grade, kCoarseOfFine[r]);
            AddPair(g, Deviation(row.position, row.grade, lower, kFineEnds[r], false, es - it), sampled);
        }
    }
    return g;
}

Group Shafts() {
    Group g{"shafts a to zc: fundamental deviations", {}, {}};
    for (const FineRow& row : PublishedShafts()) {
        const bool upper = row.position[0] <= 'h';
        for (std::size_t r = 0; r < kFineEnds.size(); ++r) {
            const int d = row.deviation[r];
            // Each letter at 100..120 mm (cd, ef, fg at 3..6 mm and beyond 10 mm), t, v, y where they begin.
            const bool small =
                d != kNotDefined && r + 1 < kFineEnds.size() && row.deviation[r + 1] == kNotDefined;
            const bool begins =
                d == kNotDefined && r + 1 < kFineEnds.size() && row.deviation[r + 1] != kNotDefined;
            const bool ends = d == kNotDefined && r > 0 && row.deviation[r - 1] != kNotDefined;
            const bool sampled = (r == 12 && d != kNotDefined) ||
                                 (r == 1 && row.deviation[12] == kNotDefined) || small || begins || ends ||
                                 (std::string(row.position) == "k" && r == 0);
            AddPair(g, Deviation(row.position, row.grade, Lower(kFineEnds, r, 0), kFineEnds[r], upper, d),
                    sampled);
        }
    }
    for (const CoarseRow& row : PublishedJShafts()) {
        for (std::size_t r = 0; r < kCoarseEnds.size(); ++r)
            AddPair(g,
                    Deviation(row.position, row.grade, Lower(kCoarseEnds, r, 0), kCoarseEnds[r], false,
                              row.deviation[r]),
                    r == 5);
    }
    return g;
}

Group LargeShafts() {
    Group g{"shafts d to u above 500 mm", {}, {}};
    for (const LargeMainRow& row : PublishedLargeMainShafts()) {
        const bool upper = row.position[0] <= 'h';
        for (std::size_t r = 0; r < kLargeMainEnds.size(); ++r)
            AddPair(g,
                    Deviation(row.position, row.grade, Lower(kLargeMainEnds, r, 500), kLargeMainEnds[r],
                              upper, row.deviation[r]),
                    r == 0 || r == 7);
    }
    for (const LargeFineRow& row : PublishedLargeFineShafts()) {
        for (std::size_t r = 0; r < kLargeFineEnds.size(); ++r)
            AddPair(g,
                    Deviation(row.position, row.grade, Lower(kLargeFineEnds, r, 500), kLargeFineEnds[r],
                              false, row.ei[r]),
                    r == 15);
    }
    return g;
}

Group HolesAToH() {
    Group g{"holes A to H up to 80 mm (ES and EI)", {}, {}};
    for (const HoleLimitsRow& row : PublishedHolesAToH()) {
        for (std::size_t r = 0; r < kHoleTableEnds.size(); ++r) {
            const real lower = r == 0 ? 3 : kHoleTableEnds[r - 1];
            const bool sampled = r == 3;
            AddPair(g, Deviation(row.position, row.grade, lower, kHoleTableEnds[r], true, row.limits[r][0]),
                    sampled);
            AddPair(g, Deviation(row.position, row.grade, lower, kHoleTableEnds[r], false, row.limits[r][1]),
                    sampled);
        }
    }
    return g;
}

// JS and js: ±IT/2, the half width compared.
Group Symmetric() {
    Group g{"JS and js: +/- IT/2 up to 250 mm", {}, {}};
    for (const SymmetricRow& row : PublishedJs()) {
        for (std::size_t r = 0; r < row.half.size(); ++r) {
            for (const char* position : {"JS", "js"}) {
                const real lower = Lower(kCoarseEnds, r, 0);
                Comparison c;
                c.item = std::string(position) + text::IntText(row.grade) + " " +
                         Range(lower, kCoarseEnds[r]) + ": ES = -EI";
                c.kind = ToleranceKind::Absolute;
                c.reference = row.half[r];
                if (const auto zone = ProgramZone(position, row.grade, kCoarseEnds[r]))
                    c.program = zone->upper == -zone->lower ? zone->upper : NAN;
                AddPair(g, c, r == 3 && row.grade == 7);
            }
        }
    }
    return g;
}

Group Corrigendum() {
    Group g{"values corrected by ISO 286-2:1988/Cor.1:2006", {}, {}};
    for (const CorrectedValue& v : Iso286Corrigendum()) {
        Comparison c = Deviation(v.position, v.grade, v.from, v.size, v.upper, v.corrected);
        c.item += " (printed " + text::IntText(v.printed) + ", " + v.where + ")";
        AddPair(g, c, true);
    }
    return g;
}

}  // namespace

Section Iso286Section() {
    Section s;
    s.title = "4. ISO 286 limit deviations";
    s.compared = {
        "The program's limit deviations (um) of tolerance classes at the upper end of each size range, which",
        "the range includes, against published ISO 286-2 tables: every hole letter A to ZC and shaft letter",
        "a to zc, with the special rules: Delta for the holes K to ZC up to IT8, N9 (ES = -4 up to 3 mm, 0",
        "above), the M6 exception at 250..315 mm, K and k at the smallest sizes, cd/ef/fg only up to 10 mm,",
        "t/T from 24 mm, v/V from 14 mm and y/Y from 18 mm (refused below), j/J from their own table, js/JS",
        "symmetric, and the shafts above 500 mm. Every pair of the tables is compared exactly (tolerance 0);",
        "the table below prints a sample, one count per group says how many pairs agree.",
    };
    s.sources = {std::string(kIso286Source)};
    s.notes = {
        "ISO 286-2:1988 printed four values wrongly (A13 at 315..355 mm, E8 at 80..120 mm, R10 at 18..30 mm,",
        "f9 at 250..315 mm); its Technical Corrigendum 1 of 2006 corrects them. The program is compared with",
        "the corrected values; the printed ones are named beside them.",
        "ISO 286-1 restricts the holes A and B and the grades IT14 to IT18 to sizes above 1 mm; the program",
        "calculates them below 1 mm as well. No table compared here covers sizes below 1 mm.",
        "No published value could be found for the holes A to H between 80 and 500 mm other than through",
        "the shaft tables (A..H use the fundamental deviations of a..h), and none for JS above 250 mm.",
    };
    ComparisonTable sample{"Sample of the limit deviations", "um", {}};
    ComparisonTable counts{"Pairs that agree, per group of tables", "pairs", {}};
    for (const Group& g :
         {HolesAToH(), HolesJToP(), HolesRToZc(), Symmetric(), Shafts(), LargeShafts(), Corrigendum()}) {
        for (const Comparison& c : g.sample) sample.rows.push_back(c);
        int agree = 0;
        for (const Comparison& c : g.all) agree += c.Passed() ? 1 : 0;
        counts.rows.push_back(Absolute(g.name, agree, static_cast<double>(g.all.size()), 0));
    }
    s.tables = {std::move(sample), std::move(counts)};
    return s;
}

}  // namespace trb::verify
