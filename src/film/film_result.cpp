#include "film/film_result.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trb::film {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t At(int k) {
    return static_cast<std::size_t>(k);
}

// The row the pressure peaks in: the middle plane, unless a supply area lies there all round (a ring
// groove), where it is the row of the highest film pressure.
int PeakRow(const ReynoldsSolver& solver) {
    const FilmGrid& grid = solver.Grid();
    const std::vector<double>& p = solver.Pressure();
    int best = grid.MiddleRow();
    double highest = -1;
    for (int k = 0; k < grid.Cells(); ++k) {
        if (solver.State(k) == CellState::Film && p[At(k)] > highest) {
            highest = p[At(k)];
            best = k % grid.Rows();
        }
    }
    for (int i = 0; i < grid.Columns(); ++i) {
        if (solver.State(grid.Index(i, grid.MiddleRow())) != CellState::Supply) return grid.MiddleRow();
    }
    return best;
}

std::vector<double> RowProfile(const ReynoldsSolver& solver, int row) {
    const FilmGrid& grid = solver.Grid();
    std::vector<double> profile(At(grid.Columns()));
    for (int i = 0; i < grid.Columns(); ++i) profile[At(i)] = solver.Pressure()[At(grid.Index(i, row))];
    return profile;
}

// The flow variable of the side flow: Q_s/(R C N B) = (π/6) (D/B)² Σ H³ (−∂P/∂Z) dφ over one end of a
// symmetric film. What leaves through an end is what the finite volumes carry from the last row to the
// end node, plus the wedge flow the end node's own half control volume receives where the film
// reaches it.
double SideFlow(const ReynoldsSolver& solver, double kappa) {
    const FilmGrid& grid = solver.Grid();
    const std::vector<double>& p = solver.Pressure();
    const int rows = grid.Rows();
    const int n = grid.Columns();
    const auto end = [&](int i, int row, double gap) {
        const int k = grid.Index(i, row);
        if (solver.State(k) != CellState::Film) return 0.0;
        const double h = solver.FilmAtColumn(i);
        const double wedge =
            -6 * (solver.FilmAtFace(i) - solver.FilmAtFace((i + n - 1) % n)) * grid.EndHeight();
        return kappa * h * h * h * p[At(k)] * gap * grid.DPhi() + wedge;
    };
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        double ends = end(i, rows - 1, grid.RowGap(rows - 1));
        if (!grid.Mirrored()) ends = (ends + end(i, 0, grid.StartGap())) / 2;
        sum += ends;
    }
    return std::numbers::pi / 6 * sum;
}

// The flow variable of the flow across the film-start line into the film:
// Q/(R C N B) = π ∫ (H/2 − H³ ∂P/∂φ / 12) dZ over the whole width, with the slope the finite volumes
// carry from the line to the first column.
double InletFlow(const ReynoldsSolver& solver) {
    if (!solver.SeamIsLine()) return 0;
    const FilmGrid& grid = solver.Grid();
    const std::vector<double>& p = solver.Pressure();
    const double h = solver.FilmAtFace(grid.Columns() - 1);
    double pressureFlow = 0;
    for (int j = 0; j < grid.Rows(); ++j) {
        const double slope = 2 * p[At(grid.Index(0, j))] / grid.DPhi();
        pressureFlow += h * h * h * slope / 12 * grid.CellWeight(j) / grid.DPhi();
    }
    return std::numbers::pi * (h - pressureFlow);
}

double FrictionVariable(const ReynoldsSolver& solver, double sommerfeld) {
    const FilmGrid& grid = solver.Grid();
    const std::vector<double>& p = solver.Pressure();
    double couette = 0;
    double pressureTerm = 0;
    for (int i = 0; i < grid.Columns(); ++i) {
        const double phi = grid.CellAngle(i);
        couette += 2 * grid.DPhi() / solver.FilmAtColumn(i);
        // ∬ (H/2) ∂P/∂φ = −½ ∬ P ∂H/∂φ (P vanishes on the line or the ring closes), ∂H/∂φ = X sin φ − Y cos
        // φ.
        const double dh = solver.X() * std::sin(phi) - solver.Y() * std::cos(phi);
        double column = 0;
        for (int j = 0; j < grid.Rows(); ++j) column += p[At(grid.Index(i, j))] * grid.CellWeight(j);
        pressureTerm -= 0.5 * column * dh;
    }
    return (couette + pressureTerm) / (4 * sommerfeld);
}

}  // namespace

double Positive(double angle) {
    const double a = std::fmod(angle, kTwoPi);
    return a < 0 ? a + kTwoPi : a;
}

FilmResult Summarise(const ReynoldsSolver& solver) {
    FilmResult r;
    const FilmGrid& grid = solver.Grid();
    r.x = solver.X();
    r.y = solver.Y();
    r.force = solver.Force();
    r.sommerfeld = std::hypot(r.force.x, r.force.y);
    r.loadAngle = std::atan2(-r.force.y, -r.force.x);
    r.eccentricity = std::hypot(r.x, r.y);
    r.attitude = r.eccentricity > 0 ? AngleBetween(std::atan2(r.y, r.x), r.loadAngle) : 0.0;
    r.middlePlane = RowProfile(solver, PeakRow(solver));
    const int n = grid.Columns();
    r.angles.resize(At(n));
    for (int i = 0; i < n; ++i) r.angles[At(i)] = Positive(grid.CellAngle(i) - r.loadAngle);
    // The peak between cells: the parabola through the largest value and its neighbours.
    const auto top = std::max_element(r.middlePlane.begin(), r.middlePlane.end());
    const int i = static_cast<int>(top - r.middlePlane.begin());
    const double left = r.middlePlane[At((i + n - 1) % n)];
    const double right = r.middlePlane[At((i + 1) % n)];
    const double curvature = left - 2 * *top + right;
    double shift = 0;
    r.pmax = *top;
    if (curvature < 0) {
        shift = std::clamp((left - right) / (2 * curvature), -0.5, 0.5);
        r.pmax = *top - (left - right) * shift / 4;
    }
    r.pmaxAngle = Positive(grid.CellAngle(i) + shift * grid.DPhi() - r.loadAngle);
    const double kappa = 1 / (solver.Problem().widthRatio * solver.Problem().widthRatio);
    r.sideFlow = SideFlow(solver, kappa);
    r.inletFlow = InletFlow(solver);
    r.frictionVariable = r.sommerfeld > 0 ? FrictionVariable(solver, r.sommerfeld) : 0.0;
    return r;
}

std::vector<double> WholeField(const ReynoldsSolver& solver) {
    const FilmGrid& grid = solver.Grid();
    const int nodes = grid.Size().axial + 1;
    const int half = grid.Size().axial / 2;
    std::vector<double> field(At(grid.Columns() * nodes), 0.0);
    for (int i = 0; i < grid.Columns(); ++i) {
        // Node k across the width; the two ends stay at 0.
        for (int k = 1; k + 1 < nodes; ++k) {
            const int row = grid.Mirrored() ? std::abs(k - half) : k - 1;
            field[At(i * nodes + k)] = solver.Pressure()[At(grid.Index(i, row))];
        }
    }
    return field;
}

std::vector<double> FieldZ(const FilmGrid& grid) {
    const int half = grid.Size().axial / 2;
    std::vector<double> z;
    for (int k = 0; k <= grid.Size().axial; ++k) {
        const int from = k - half;
        if (from == -half || from == half) {
            z.push_back(from < 0 ? -1.0 : 1.0);
        } else if (grid.Mirrored()) {
            z.push_back(from < 0 ? -grid.RowZ(-from) : grid.RowZ(from));
        } else {
            z.push_back(grid.RowZ(k - 1));
        }
    }
    return z;
}

}  // namespace trb::film
