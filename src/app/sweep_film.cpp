#include "app/sweep_film.h"

#include <thread>

#include "app/json_text.h"
#include "core/representable.h"

namespace trb::app {

namespace {

// From this many rows on, a second thread solves the upper half of the points: the films are
// independent, so the results are the same whichever thread makes them.
constexpr std::size_t kRowsForTwoThreads = 12;

SweepFilmRow RowOf(const core::CaseRun& run) {
    const film::CaseFilm f = film::SolveCaseFilm(run.record, run.status);
    SweepFilmRow row;
    row.fault = f.fault;
    if (f.fault != film::FilmFault::None) return row;
    row.eccentricity = f.eccentricity;
    row.attitudeAngle = f.attitudeAngle;
    row.stiffness = f.stiffness;
    row.damping = f.damping;
    row.dimensionless = f.dimensionless;
    row.stability = f.stability;
    return row;
}

void SolvePoints(const core::OperatingSweep& sweep, SweepFilms& films, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        for (core::Clearance clearance : core::kClearances) {
            films[i][core::Index(clearance)] = RowOf(sweep.points[i].At(clearance));
        }
    }
}

// A number as the files hold it, "" where there is none.
std::string Number(bool known, real v) {
    return known && core::Representable(v) ? JsonNumber(v) : std::string();
}

void AddMatrix(std::vector<std::string>& values, bool known, const film::Matrix2& m) {
    for (const auto& row : m) {
        for (double v : row) values.push_back(Number(known, v));
    }
}

}  // namespace

SweepFilms SolveSweepFilms(const core::OperatingSweep& sweep) {
    SweepFilms films(sweep.points.size());
    const std::size_t count = sweep.points.size();
    if (count * core::kClearanceCount >= kRowsForTwoThreads && std::thread::hardware_concurrency() > 1) {
        const std::size_t half = count / 2;
        std::jthread upper([&] { SolvePoints(sweep, films, half, count); });
        SolvePoints(sweep, films, 0, half);
    } else {
        SolvePoints(sweep, films, 0, count);
    }
    return films;
}

const std::vector<std::string>& SweepFilmColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names = {"film_eccentricity", "film_attitude_angle"};
        for (const char* matrix : {"k", "d", "kbar", "bbar"}) {
            for (const char* index : {"xx", "xy", "yx", "yy"})
                names.push_back(std::string(matrix) + "_" + index);
        }
        for (const char* name :
             {"whirl_ratio", "critical_mass_parameter", "mass_parameter", "stable", "film_failed"}) {
            names.emplace_back(name);
        }
        return names;
    }();
    return columns;
}

std::vector<std::string> SweepFilmValues(const SweepFilmRow& row) {
    const bool solved = row.fault == film::FilmFault::None;
    const bool threshold = solved && row.stability.threshold;
    std::vector<std::string> values;
    values.push_back(Number(solved, row.eccentricity));
    values.push_back(Number(solved, row.attitudeAngle));
    AddMatrix(values, solved, row.stiffness);
    AddMatrix(values, solved, row.damping);
    AddMatrix(values, solved, row.dimensionless.stiffness);
    AddMatrix(values, solved, row.dimensionless.damping);
    values.push_back(Number(threshold, row.stability.whirlRatio));
    values.push_back(Number(threshold, row.stability.criticalMass));
    values.push_back(Number(solved, row.stability.massParameter));
    values.push_back(solved ? (row.stability.stable ? "true" : "false") : std::string());
    values.push_back(solved ? "false" : "true");
    return values;
}

}  // namespace trb::app
