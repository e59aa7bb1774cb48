#include "film/film_grid.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <numbers>

namespace trb::film {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// What one cell of the half that is solved costs: the field, the coefficients and work vectors
// (about 30 doubles), plus the factor of the sparse solve, which holds about a band of the axial count
// per cell.
double BytesNeeded(GridSize size) {
    const double cells = static_cast<double>(size.circumferential) * (size.axial / 2);
    const double band = size.axial / 2 + 4;
    // The factor's entries carry an 8-byte index each (Eigen::Index, see ReynoldsSolver).
    return cells * (30.0 * sizeof(double) + 2.0 * band * (sizeof(double) + sizeof(std::int64_t)));
}

double PhysicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return 1e9;  // unknown: assume a small machine
    return static_cast<double>(pages) * static_cast<double>(pageSize);
}

}  // namespace

FilmFault CheckGrid(GridSize size) {
    if (size.circumferential < kMinCircumferentialCells || size.axial < kMinAxialCells) {
        return FilmFault::GridTooCoarse;
    }
    if (size.axial % 4 != 0) return FilmFault::GridAxialCount;
    if (static_cast<long>(size.circumferential) * size.axial > kMaxCells) return FilmFault::GridTooLarge;
    // Leave half the machine's memory to everything else.
    if (BytesNeeded(size) > PhysicalMemory() / 2) return FilmFault::GridTooLarge;
    return FilmFault::None;
}

namespace {

// The grading of the nodes of a half: t in 0 .. 1 to Z in 0 .. 1.
double Graded(double t) {
    return (1 - FilmGrid::kAxialGrading) * t + FilmGrid::kAxialGrading * std::sin(std::numbers::pi / 2 * t);
}

double Ungraded(double z) {
    double low = 0;
    double high = 1;
    for (int k = 0; k < 60; ++k) {
        const double mid = (low + high) / 2;
        (Graded(mid) < z ? low : high) = mid;
    }
    return (low + high) / 2;
}

// The nodes of a half, 0 … 1, `half` intervals: graded towards the end, with a node on every break and
// an even number of intervals between breaks (so that Simpson's rule never straddles one). Breaks that
// leave no room for two intervals on each side are dropped, the one nearest to another edge first.
std::vector<double> HalfNodes(int half, std::vector<double> breaks) {
    std::sort(breaks.begin(), breaks.end());
    breaks.erase(std::unique(breaks.begin(), breaks.end()), breaks.end());
    while (half % 2 == 0) {
        std::vector<double> edges = {0.0};
        edges.insert(edges.end(), breaks.begin(), breaks.end());
        edges.push_back(1.0);
        const std::size_t segments = edges.size() - 1;
        std::vector<int> count(segments);
        int total = 0;
        std::size_t widest = 0;
        double narrowest = 2;
        std::size_t tightest = 0;
        for (std::size_t s = 0; s < segments; ++s) {
            const double span = Ungraded(edges[s + 1]) - Ungraded(edges[s]);
            count[s] = std::max(2, 2 * static_cast<int>(std::lround(span * half / 2)));
            total += count[s];
            if (count[s] > count[widest]) widest = s;
            if (s > 0 && span < narrowest) {
                narrowest = span;
                tightest = s - 1;  // the break at the start of this segment
            }
        }
        count[widest] += half - total;
        if (count[widest] < 2) {
            breaks.erase(breaks.begin() + static_cast<std::ptrdiff_t>(tightest));
            continue;
        }
        std::vector<double> nodes;
        for (std::size_t s = 0; s < segments; ++s) {
            const double t0 = Ungraded(edges[s]);
            const double t1 = Ungraded(edges[s + 1]);
            nodes.push_back(edges[s]);  // exactly on the break
            for (int k = 1; k < count[s]; ++k) nodes.push_back(Graded(t0 + (t1 - t0) * k / count[s]));
        }
        nodes.push_back(1.0);
        return nodes;
    }
    // An odd half: plain grading, no breaks.
    std::vector<double> nodes;
    for (int k = 0; k <= half; ++k) nodes.push_back(Graded(static_cast<double>(k) / half));
    return nodes;
}

// Simpson's rule on the nodes z (an even number of intervals, not necessarily equal): the integral of
// the parabola through each three nodes in turn.
std::vector<double> SimpsonWeights(const std::vector<double>& z) {
    std::vector<double> w(z.size(), 0.0);
    for (std::size_t a = 0; a + 2 < z.size(); a += 2) {
        const double h1 = z[a + 1] - z[a];
        const double h2 = z[a + 2] - z[a + 1];
        const double span = h1 + h2;
        w[a] += span / 6 * (2 - h2 / h1);
        w[a + 1] += span * span * span / (6 * h1 * h2);
        w[a + 2] += span / 6 * (2 - h1 / h2);
    }
    return w;
}

}  // namespace

FilmGrid::FilmGrid(GridSize size, bool fullWidth, const std::vector<double>& breaks)
    : size_(size),
      columns_(size.circumferential),
      rows_(fullWidth ? size.axial - 1 : size.axial / 2),
      mirrored_(!fullWidth),
      dPhi_(kTwoPi / size.circumferential) {
    const int half = size.axial / 2;
    const std::vector<double> halfNodes = HalfNodes(half, breaks);
    // Every node across the whole width, from Z = −1 to Z = 1.
    std::vector<double> width;
    for (int k = half; k > 0; --k) width.push_back(-halfNodes[static_cast<std::size_t>(k)]);
    for (int k = 0; k <= half; ++k) width.push_back(halfNodes[static_cast<std::size_t>(k)]);
    // The rows solved, each with its neighbours (a half starts at the middle plane, whose neighbour
    // below is the mirror image of the one above).
    const auto first = static_cast<std::size_t>(fullWidth ? 1 : half);
    for (std::size_t a = first; a + 1 < width.size(); ++a) {
        node_.push_back(width[a]);
        height_.push_back((width[a + 1] - width[a - 1]) / 2);
        gap_.push_back(1 / (width[a + 1] - width[a]));
    }
    const std::vector<double> simpson = SimpsonWeights(width);
    for (int j = 0; j < rows_; ++j) {
        const auto node = static_cast<std::size_t>(fullWidth ? j + 1 : half + j);
        weight_.push_back(fullWidth || j == 0 ? simpson[node] : 2 * simpson[node]);
    }
    // A half's middle-plane node has its control volume on one side only.
    if (!fullWidth) height_.front() /= 2;
    if (fullWidth) startGap_ = 1 / (width[1] - width[0]);
    endHeight_ = (width.back() - width[width.size() - 2]) / 2;
}

double AngleBetween(double a, double b) {
    double d = std::remainder(a - b, kTwoPi);
    if (d <= -std::numbers::pi) d += kTwoPi;
    return d;
}

namespace {

bool Inside(const SupplyArea& area, double dPhi, double z) {
    if (area.shape == SupplyArea::Shape::Rectangle) {
        return (area.halfAngle >= std::numbers::pi || std::fabs(dPhi) <= area.halfAngle) &&
               std::fabs(z) <= area.halfWidth;
    }
    const double u = dPhi / area.halfAngle;
    const double v = z / area.halfWidth;
    return u * u + v * v <= 1;
}

void Fix(SupplyCells& cells, int k, double pressure) {
    const auto index = static_cast<std::size_t>(k);
    if (!cells.fixed[index]) {
        cells.fixed[index] = 1;
        cells.pressure[index] = pressure;
        ++cells.count;
    } else {
        cells.pressure[index] = std::max(cells.pressure[index], pressure);
    }
}

// An area no cell centre lies in takes the cells nearest to its centre: the columns closest in angle
// (both, on a tie) on the middle plane.
void FixNearest(const FilmGrid& grid, const SupplyArea& area, SupplyCells& cells) {
    double nearest = 1e300;
    for (int i = 0; i < grid.Columns(); ++i) {
        nearest = std::min(nearest, std::fabs(AngleBetween(grid.CellAngle(i), area.centre)));
    }
    const double tie = 1e-9 * grid.DPhi();
    for (int i = 0; i < grid.Columns(); ++i) {
        if (std::fabs(AngleBetween(grid.CellAngle(i), area.centre)) > nearest + tie) continue;
        Fix(cells, grid.Index(i, grid.MiddleRow()), area.pressure);
    }
}

}  // namespace

namespace {

bool InsideAny(const std::vector<SupplyArea>& areas, double phi, double z) {
    for (const SupplyArea& area : areas) {
        if (Inside(area, AngleBetween(phi, area.centre), z)) return true;
    }
    return false;
}

// How far from (phi, z) towards (phi + dPhi, z + dZ) the areas begin, as a fraction of the way (1 when
// the way never enters them: a cell that took a feature too small for any cell centre).
double EdgeFraction(const std::vector<SupplyArea>& areas, double phi, double z, double dPhi, double dZ) {
    if (!InsideAny(areas, phi + dPhi, z + dZ)) return 1;
    double outside = 0;
    double inside = 1;
    for (int k = 0; k < 40; ++k) {
        const double t = (outside + inside) / 2;
        (InsideAny(areas, phi + t * dPhi, z + t * dZ) ? inside : outside) = t;
    }
    return std::max(inside, kSmallestEdgeFraction);
}

void MarkEdges(const FilmGrid& grid, const std::vector<SupplyArea>& areas, SupplyCells& cells) {
    const int n = grid.Columns();
    const int rows = grid.Rows();
    for (int i = 0; i < n; ++i) {
        const double phi = grid.CellAngle(i);
        for (int j = 0; j < rows; ++j) {
            const auto k = static_cast<std::size_t>(grid.Index(i, j));
            if (cells.fixed[k]) continue;
            const double z = grid.RowZ(j);
            auto& edge = cells.edge[k];
            const auto held = [&](int ci, int cj) {
                return cells.fixed[static_cast<std::size_t>(grid.Index(ci, cj))] != 0;
            };
            if (held((i + 1) % n, j)) edge[kEast] = 1 / EdgeFraction(areas, phi, z, grid.DPhi(), 0);
            if (held((i + n - 1) % n, j)) edge[kWest] = 1 / EdgeFraction(areas, phi, z, -grid.DPhi(), 0);
            if (j + 1 < rows && held(i, j + 1))
                edge[kNorth] = 1 / EdgeFraction(areas, phi, z, 0, grid.RowZ(j + 1) - z);
            if (j > 0 && held(i, j - 1))
                edge[kSouth] = 1 / EdgeFraction(areas, phi, z, 0, grid.RowZ(j - 1) - z);
        }
    }
}

}  // namespace

SupplyCells RasteriseSupply(const FilmGrid& grid, const std::vector<SupplyArea>& areas) {
    SupplyCells cells;
    const auto n = static_cast<std::size_t>(grid.Cells());
    cells.fixed.assign(n, 0);
    cells.pressure.assign(n, 0.0);
    cells.edge.assign(n, {1.0, 1.0, 1.0, 1.0});
    for (const SupplyArea& area : areas) {
        bool any = false;
        for (int i = 0; i < grid.Columns(); ++i) {
            const double dPhi = AngleBetween(grid.CellAngle(i), area.centre);
            for (int j = 0; j < grid.Rows(); ++j) {
                if (!Inside(area, dPhi, grid.RowZ(j))) continue;
                Fix(cells, grid.Index(i, j), area.pressure);
                any = true;
            }
        }
        if (!any) FixNearest(grid, area, cells);
    }
    if (cells.count > 0) MarkEdges(grid, areas, cells);
    return cells;
}

}  // namespace trb::film
