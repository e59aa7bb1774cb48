#include "film/reynolds_solver.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace trb::film {

namespace {

// Relative sizes below which a negative pressure or residual counts as zero: rounding, not a change of
// the cavitated zone. Without them a cell at the rupture line could flip back and forth.
constexpr double kPressureTolerance = 1e-12;
constexpr double kResidualTolerance = 1e-12;

std::size_t At(int k) {
    return static_cast<std::size_t>(k);
}

}  // namespace

namespace {

// The axial edges of the supply areas that lie inside the width.
std::vector<double> AxialEdges(const FilmProblem& problem) {
    std::vector<double> edges;
    for (const SupplyArea& area : problem.areas) {
        if (area.halfWidth > 0 && area.halfWidth < 1) edges.push_back(area.halfWidth);
    }
    return edges;
}

}  // namespace

ReynoldsSolver::ReynoldsSolver(const FilmProblem& problem)
    : problem_(problem),
      grid_(problem.grid, problem.fullWidth, AxialEdges(problem)),
      kappa_(1.0 / (problem.widthRatio * problem.widthRatio)),
      cut_(problem.start.kind != FilmStart::Kind::None) {
    const auto columns = At(grid_.Columns());
    const auto cells = At(grid_.Cells());
    hCentre_.resize(columns);
    hFace_.resize(columns);
    cosCentre_.resize(columns);
    sinCentre_.resize(columns);
    cosFace_.resize(columns);
    sinFace_.resize(columns);
    b_.resize(columns);
    state_.assign(cells, static_cast<std::uint8_t>(CellState::Film));
    pressure_.assign(cells, 0.0);
    work_.resize(cells);
    unknown_.resize(cells);
    cellOf_.reserve(cells);
    // Room for the largest system at once: the film grows step by step, and storage that grows with it
    // would be given back and fetched again from the system at every step.
    matrix_.resize(static_cast<Eigen::Index>(cells), static_cast<Eigen::Index>(cells));
    matrix_.resizeNonZeros(4 * static_cast<Eigen::Index>(cells));
}

void ReynoldsSolver::SetGeometry(double x, double y) {
    x_ = x;
    y_ = y;
    double seam = 0;
    if (problem_.start.kind == FilmStart::Kind::LineAtAngle) seam = problem_.start.angle;
    if (problem_.start.kind == FilmStart::Kind::LineAtWidestGap) seam = std::atan2(y, x) + std::numbers::pi;
    if (!rasterisedSeam_ || seam != *rasterisedSeam_) {
        grid_.SetSeam(seam);
        for (int i = 0; i < grid_.Columns(); ++i) {
            cosCentre_[At(i)] = std::cos(grid_.CellAngle(i));
            sinCentre_[At(i)] = std::sin(grid_.CellAngle(i));
            cosFace_[At(i)] = std::cos(grid_.FaceAngle(i));
            sinFace_[At(i)] = std::sin(grid_.FaceAngle(i));
        }
        supply_ = RasteriseSupply(grid_, problem_.areas);
        rasterisedSeam_ = seam;
    }
    std::vector<double> cubeFace(hFace_.size());
    std::vector<double> cubeCentre(hCentre_.size());
    const int n = grid_.Columns();
    for (int i = 0; i < n; ++i) {
        const std::size_t c = At(i);
        hCentre_[c] = 1 - x * cosCentre_[c] - y * sinCentre_[c];
        hFace_[c] = 1 - x * cosFace_[c] - y * sinFace_[c];
        cubeCentre[c] = hCentre_[c] * hCentre_[c] * hCentre_[c];
        cubeFace[c] = hFace_[c] * hFace_[c] * hFace_[c];
    }
    for (int i = 0; i < n; ++i) {
        b_[At(i)] = -6 * (hFace_[At(i)] - hFace_[At((i + n - 1) % n)]);
    }
    Conductance(cubeFace, cubeCentre, g_);
}

void ReynoldsSolver::Conductance(const std::vector<double>& cubeFace, const std::vector<double>& cubeCentre,
                                 Conductances& g) const {
    const int n = grid_.Columns();
    g.east.resize(At(n));
    g.axial.resize(At(n));
    for (int i = 0; i < n; ++i) {
        g.east[At(i)] = cubeFace[At(i)] / grid_.DPhi();
        g.axial[At(i)] = kappa_ * cubeCentre[At(i)] * grid_.DPhi();
    }
    g.seam = 0;
    if (cut_) {
        // The line lies on the face after the last column, half a cell from both neighbours.
        g.seam = 2 * g.east[At(n - 1)];
        g.east[At(n - 1)] = 0;
    }
}

ReynoldsSolver::Stencil ReynoldsSolver::StencilOf(const Conductances& g, int i, int j) const {
    const int n = grid_.Columns();
    const double h = grid_.RowHeight(j);
    const double gz = g.axial[At(i)];
    Stencil s;
    s.east = g.east[At(i)] * h;
    s.west = g.east[At((i + n - 1) % n)] * h;
    if (cut_ && (i == n - 1 || i == 0)) s.ambient += g.seam * h;
    if (j + 1 < grid_.Rows()) {
        s.north = gz * grid_.RowGap(j);
    } else {
        s.ambient += gz * grid_.RowGap(j);  // the bearing end at P = 0
    }
    if (j > 0) {
        s.south = gz * grid_.RowGap(j - 1);
    } else {
        s.ambient += gz * grid_.StartGap();  // the other end; nothing across the middle plane of a half
    }
    const auto& edge = supply_.edge[At(grid_.Index(i, j))];
    s.east *= edge[kEast];
    s.west *= edge[kWest];
    s.north *= edge[kNorth];
    s.south *= edge[kSouth];
    return s;
}

void ReynoldsSolver::Apply(const Conductances& g, const std::vector<double>& p,
                           std::vector<double>& out) const {
    const int n = grid_.Columns();
    const int rows = grid_.Rows();
    for (int i = 0; i < n; ++i) {
        const int east = (i + 1) % n;
        const int west = (i + n - 1) % n;
        for (int j = 0; j < rows; ++j) {
            const int k = grid_.Index(i, j);
            const Stencil s = StencilOf(g, i, j);
            double sum = s.east * p[At(grid_.Index(east, j))] + s.west * p[At(grid_.Index(west, j))];
            if (j + 1 < rows) sum += s.north * p[At(k + 1)];
            if (j > 0) sum += s.south * p[At(k - 1)];
            out[At(k)] = s.Diagonal() * p[At(k)] - sum;
        }
    }
}

std::vector<double> ReynoldsSolver::Residuals() const {
    std::vector<double> out(pressure_.size());
    Apply(g_, pressure_, out);
    for (int k = 0; k < grid_.Cells(); ++k) out[At(k)] -= SourceOf(k);
    return out;
}

FilmFault ReynoldsSolver::Factorise(bool patternOnly) {
    const int n = grid_.Columns();
    const int rows = grid_.Rows();
    // Natural order, column by column, starting behind the film-start line or else at the column with
    // the fewest film cells: a column without film cuts the ring, and the factor keeps the band of one
    // column instead of filling the wrap-around.
    int start = 0;
    if (!cut_) {
        int fewest = rows + 1;
        for (int i = 0; i < n && fewest > 0; ++i) {
            int film = 0;
            for (int j = 0; j < rows; ++j) film += state_[At(grid_.Index(i, j))] == 0;
            if (film < fewest) {
                fewest = film;
                start = i;
            }
        }
    }
    cellOf_.clear();
    for (int c = 0; c < n; ++c) {
        const int i = (start + c) % n;
        for (int j = 0; j < rows; ++j) {
            const int k = grid_.Index(i, j);
            if (state_[At(k)] == 0) {
                unknown_[At(k)] = static_cast<int>(cellOf_.size());
                cellOf_.push_back(k);
            } else {
                unknown_[At(k)] = -1;
            }
        }
    }
    const auto unknowns = static_cast<Eigen::Index>(cellOf_.size());
    if (unknowns == 0) {
        factorised_ = false;
        return FilmFault::None;
    }
    matrix_.resize(unknowns, unknowns);
    matrix_.resizeNonZeros(4 * unknowns);
    Eigen::Index* outer = matrix_.outerIndexPtr();
    Eigen::Index* inner = matrix_.innerIndexPtr();
    double* value = matrix_.valuePtr();
    Eigen::Index nnz = 0;
    for (int u = 0; u < static_cast<int>(unknowns); ++u) {
        const int k = cellOf_[At(u)];
        const int i = k / rows;
        const int j = k % rows;
        const int east = (i + 1) % n;
        const int west = (i + n - 1) % n;
        const Stencil s = StencilOf(g_, i, j);
        // The upper triangle, column by column: the couplings to unknowns numbered before this one,
        // then the diagonal. (Eigen factorises an upper column-major matrix in place, without a copy.)
        std::array<std::pair<int, double>, 3> above{};
        int count = 0;
        if (j > 0 && unknown_[At(k - 1)] >= 0) above[At(count++)] = {unknown_[At(k - 1)], -s.south};
        const int kw = grid_.Index(west, j);
        if (s.west != 0 && unknown_[At(kw)] >= 0 && unknown_[At(kw)] < u)
            above[At(count++)] = {unknown_[At(kw)], -s.west};
        const int ke = grid_.Index(east, j);
        if (s.east != 0 && east != west && unknown_[At(ke)] >= 0 && unknown_[At(ke)] < u) {
            above[At(count++)] = {unknown_[At(ke)], -s.east};
        }
        std::sort(above.begin(), above.begin() + count);
        outer[u] = nnz;
        for (int e = 0; e < count; ++e) {
            inner[nnz] = above[At(e)].first;
            value[nnz++] = above[At(e)].second;
        }
        inner[nnz] = u;
        value[nnz++] = s.Diagonal();
    }
    outer[unknowns] = nnz;
    if (patternOnly) {
        ldlt_.analyzePattern(matrix_);
        return FilmFault::None;
    }
    ldlt_.compute(matrix_);
    factorised_ = ldlt_.info() == Eigen::Success;
    return factorised_ ? FilmFault::None : FilmFault::NotFinite;
}

void ReynoldsSolver::SolveFilm(const std::vector<double>& rhs, std::vector<double>& p) {
    if (!factorised_) return;
    const Eigen::Map<const Eigen::VectorXd> right(rhs.data(), static_cast<Eigen::Index>(rhs.size()));
    const Eigen::VectorXd solution = ldlt_.solve(right);
    for (std::size_t u = 0; u < cellOf_.size(); ++u)
        p[At(cellOf_[u])] = solution[static_cast<Eigen::Index>(u)];
}

bool ReynoldsSolver::UpdateStates() {
    Apply(g_, pressure_, work_);
    double pressureScale = 0;
    for (double p : pressure_) pressureScale = std::max(pressureScale, std::fabs(p));
    double height = 0;
    for (int j = 0; j < grid_.Rows(); ++j) height = std::max(height, grid_.RowHeight(j));
    double residualScale = 0;
    for (double b : b_) residualScale = std::max(residualScale, std::fabs(b) * height);

    const double pressureLimit = -kPressureTolerance * pressureScale;
    const double residualLimit = -kResidualTolerance * residualScale;
    bool changed = false;
    for (int k = 0; k < grid_.Cells(); ++k) {
        const auto cell = At(k);
        if (state_[cell] == static_cast<std::uint8_t>(CellState::Film) && pressure_[cell] < pressureLimit) {
            state_[cell] = static_cast<std::uint8_t>(CellState::Cavitated);
            changed = true;
        } else if (state_[cell] == static_cast<std::uint8_t>(CellState::Cavitated) &&
                   work_[cell] - SourceOf(k) < residualLimit) {
            state_[cell] = static_cast<std::uint8_t>(CellState::Film);
            changed = true;
        }
    }
    return changed;
}

FilmFault ReynoldsSolver::StartFromCoarserGrid(double x, double y, const Progress& progress) {
    const GridSize fine = problem_.grid;
    if (fine.circumferential < 2 * kCoarsestColumns) return FilmFault::None;
    FilmProblem coarse = problem_;
    coarse.grid = {fine.circumferential / 2, std::max(kMinAxialCells, 4 * (fine.axial / 8))};
    ReynoldsSolver solver(coarse);
    if (const FilmFault fault = solver.Solve(x, y, progress); fault != FilmFault::None) {
        // Whatever went wrong there, the fine grid starts cold instead; only a cancel ends it.
        return fault == FilmFault::Cancelled ? fault : FilmFault::None;
    }
    const FilmGrid& cg = solver.Grid();
    for (int i = 0; i < grid_.Columns(); ++i) {
        const int ci =
            std::min(cg.Columns() - 1, static_cast<int>((i + 0.5) * cg.Columns() / grid_.Columns()));
        for (int j = 0; j < grid_.Rows(); ++j) {
            const auto cell = At(grid_.Index(i, j));
            if (state_[cell] == static_cast<std::uint8_t>(CellState::Supply)) continue;
            int cj = 0;
            while (cj + 1 < cg.Rows() && cg.RowZ(cj) + cg.RowHeight(cj) / 2 < grid_.RowZ(j)) ++cj;
            state_[cell] = static_cast<std::uint8_t>(solver.State(cg.Index(ci, cj)) == CellState::Cavitated
                                                         ? CellState::Cavitated
                                                         : CellState::Film);
        }
    }
    return FilmFault::None;
}

FilmFault ReynoldsSolver::SolveOnZone() {
    if (const FilmFault fault = Factorise(); fault != FilmFault::None) return fault;
    // The fixed pressures of the supply cells move to the right-hand side of their neighbours.
    Apply(g_, pressure_, work_);
    std::vector<double> rhs(cellOf_.size());
    for (std::size_t u = 0; u < cellOf_.size(); ++u) {
        const int k = cellOf_[u];
        rhs[u] = SourceOf(k) - work_[At(k)];
    }
    SolveFilm(rhs, pressure_);
    return FilmFault::None;
}

FilmFault ReynoldsSolver::Solve(double x, double y, const Progress& progress) {
    const bool first = !rasterisedSeam_.has_value();
    SetGeometry(x, y);
    if (supply_.count == grid_.Cells()) return FilmFault::NoFreeFilm;
    const int rows = grid_.Rows();
    for (int k = 0; k < grid_.Cells(); ++k) {
        const auto cell = At(k);
        if (supply_.fixed[cell]) {
            state_[cell] = static_cast<std::uint8_t>(CellState::Supply);
        } else if (first || state_[cell] == static_cast<std::uint8_t>(CellState::Supply)) {
            // A cold start: the converging part of the gap carries pressure.
            state_[cell] =
                static_cast<std::uint8_t>(b_[At(k / rows)] > 0 ? CellState::Film : CellState::Cavitated);
        }
    }
    if (first) {
        // The factor of the film on every cell is the largest one: its storage serves every later step.
        std::vector<std::uint8_t> start = state_;
        for (auto& s : state_) {
            if (s == static_cast<std::uint8_t>(CellState::Cavitated))
                s = static_cast<std::uint8_t>(CellState::Film);
        }
        Factorise(true);
        state_ = std::move(start);
        if (const FilmFault fault = StartFromCoarserGrid(x, y, progress); fault != FilmFault::None)
            return fault;
    }
    for (steps_ = 1; steps_ <= kMaxSteps; ++steps_) {
        for (int k = 0; k < grid_.Cells(); ++k) {
            const auto cell = At(k);
            pressure_[cell] =
                state_[cell] == static_cast<std::uint8_t>(CellState::Supply) ? supply_.pressure[cell] : 0.0;
        }
        if (const FilmFault fault = SolveOnZone(); fault != FilmFault::None) return fault;
        if (!UpdateStates()) break;
        if (progress && !progress(0.5)) return FilmFault::Cancelled;
    }
    if (steps_ > kMaxSteps) return FilmFault::NotConverged;
    if (const FilmFault fault = SettleZone(); fault != FilmFault::None) return fault;
    for (double p : pressure_) {
        if (!std::isfinite(p)) return FilmFault::NotFinite;
    }
    return FilmFault::None;
}

FilmFault ReynoldsSolver::SettleZone() {
    // A cell can end with a pressure that is zero within rounding (it lies on the rupture line): which
    // zone it joins must not depend on the way the steps went, since the linearised film holds the
    // zone. Such cells cavitate, and the film is solved once more on the cells left.
    double scale = 0;
    for (double p : pressure_) scale = std::max(scale, std::fabs(p));
    bool moved = false;
    for (std::size_t cell = 0; cell < pressure_.size(); ++cell) {
        if (state_[cell] == static_cast<std::uint8_t>(CellState::Film) &&
            pressure_[cell] <= kPressureTolerance * scale) {
            state_[cell] = static_cast<std::uint8_t>(CellState::Cavitated);
            moved = true;
        }
    }
    if (!moved) return FilmFault::None;
    for (std::size_t cell = 0; cell < pressure_.size(); ++cell) {
        if (state_[cell] != static_cast<std::uint8_t>(CellState::Film)) {
            pressure_[cell] =
                state_[cell] == static_cast<std::uint8_t>(CellState::Supply) ? supply_.pressure[cell] : 0.0;
        }
    }
    return SolveOnZone();
}

Force2 ReynoldsSolver::Force() const {
    double sx = 0;
    double sy = 0;
    const int rows = grid_.Rows();
    for (int i = 0; i < grid_.Columns(); ++i) {
        double column = 0;
        for (int j = 0; j < rows; ++j) column += pressure_[At(grid_.Index(i, j))] * grid_.CellWeight(j);
        sx += column * cosCentre_[At(i)];
        sy += column * sinCentre_[At(i)];
    }
    return {-0.25 * sx, -0.25 * sy};
}

ForceDerivatives ReynoldsSolver::Derivatives(bool velocity) {
    ForceDerivatives d;
    const int n = grid_.Columns();
    const int rows = grid_.Rows();
    std::vector<double> rhs(cellOf_.size());
    std::vector<double> change(pressure_.size());
    const auto forceOf = [&](const std::vector<double>& p) {
        double sx = 0;
        double sy = 0;
        for (std::size_t u = 0; u < cellOf_.size(); ++u) {
            const int k = cellOf_[u];
            const double w = p[At(k)] * grid_.CellWeight(k % rows);
            sx += w * cosCentre_[At(k / rows)];
            sy += w * sinCentre_[At(k / rows)];
        }
        return std::array<double, 2>{-0.25 * sx, -0.25 * sy};
    };
    std::vector<double> cubeFace(At(n));
    std::vector<double> cubeCentre(At(n));
    Conductances dg;
    for (int axis = 0; axis < 2; ++axis) {
        // ∂H/∂X = −cos φ, ∂H/∂Y = −sin φ.
        const std::vector<double>& faceDir = axis == 0 ? cosFace_ : sinFace_;
        const std::vector<double>& centreDir = axis == 0 ? cosCentre_ : sinCentre_;
        for (int i = 0; i < n; ++i) {
            const auto c = At(i);
            cubeFace[c] = -3 * hFace_[c] * hFace_[c] * faceDir[c];
            cubeCentre[c] = -3 * hCentre_[c] * hCentre_[c] * centreDir[c];
        }
        Conductance(cubeFace, cubeCentre, dg);
        Apply(dg, pressure_, work_);
        for (std::size_t u = 0; u < cellOf_.size(); ++u) {
            const int k = cellOf_[u];
            const int i = k / rows;
            const double db =
                -6 * (-faceDir[At(i)] + faceDir[At((i + n - 1) % n)]) * grid_.RowHeight(k % rows);
            rhs[u] = db - work_[At(k)];
        }
        std::fill(change.begin(), change.end(), 0.0);
        SolveFilm(rhs, change);
        const auto f = forceOf(change);
        d.position[0][At(axis)] = f[0];
        d.position[1][At(axis)] = f[1];
        if (!velocity) continue;
        // The squeeze term: b gains −12 H' dφ dZ with H' = −X' cos φ − Y' sin φ.
        for (std::size_t u = 0; u < cellOf_.size(); ++u) {
            const int k = cellOf_[u];
            rhs[u] = 12 * centreDir[At(k / rows)] * grid_.DPhi() * grid_.RowHeight(k % rows);
        }
        std::fill(change.begin(), change.end(), 0.0);
        SolveFilm(rhs, change);
        const auto v = forceOf(change);
        d.velocity[0][At(axis)] = v[0];
        d.velocity[1][At(axis)] = v[1];
    }
    return d;
}

}  // namespace trb::film
