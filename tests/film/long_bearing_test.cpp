// The long-bearing limit: at B/D = 20, with the film starting at the widest gap, the middle of the width
// is far from both ends (ten diameters) and must carry the pressure of the one-dimensional Reynolds
// equation of the infinitely long bearing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "film/film_result.h"
#include "film/reynolds_solver.h"

namespace trb::film {
namespace {

constexpr double kPi = std::numbers::pi;

// The infinitely long bearing with the film from the widest gap θ = 0 (P = 0) to the Reynolds condition
// P = dP/dθ = 0 at θ₂: (H³ P')' = 6 H' gives H³ P' = 6 (H − H*), so
// P(θ) = 6 ∫₀^θ (1/H² − H*/H³) dθ with H = 1 + ε cos θ and H* = H(θ₂), where θ₂ makes P(θ₂) = 0
// (Hamrock, Schmid and Jacobson, Fundamentals of Fluid Film Lubrication, 2nd ed. 2004, the long
// journal bearing with Reynolds boundary conditions). Integrated here by Simpson's rule on a fine grid,
// independently of the finite volumes.
class LongBearing {
  public:
    explicit LongBearing(double eps) : eps_(eps) {
        double low = kPi;
        double high = 2 * kPi;
        for (int k = 0; k < 60; ++k) {
            const double mid = (low + high) / 2;
            (Integral(mid, H(mid)) > 0 ? low : high) = mid;
        }
        rupture_ = (low + high) / 2;
        // The pressure on a fine table, integrated interval by interval (Simpson's rule on each), from
        // which Pressure() interpolates.
        const double hStar = H(rupture_);
        const auto f = [&](double t) { return 6 * (1 / (H(t) * H(t)) - hStar / (H(t) * H(t) * H(t))); };
        const double step = rupture_ / kTable;
        table_.assign(kTable + 1, 0.0);
        for (int k = 0; k < kTable; ++k) {
            const double t = k * step;
            table_[static_cast<std::size_t>(k + 1)] =
                table_[static_cast<std::size_t>(k)] + (f(t) + 4 * f(t + step / 2) + f(t + step)) * step / 6;
        }
    }
    double Rupture() const { return rupture_; }
    double Pressure(double theta) const {
        if (theta >= rupture_) return 0.0;
        const double at = theta / rupture_ * kTable;
        const auto k = static_cast<std::size_t>(at);
        const double f = at - static_cast<double>(k);
        return table_[k] * (1 - f) + table_[std::min(k + 1, table_.size() - 1)] * f;
    }

  private:
    static constexpr int kTable = 20000;
    double H(double theta) const { return 1 + eps_ * std::cos(theta); }
    double Integral(double theta, double hStar) const {
        const int n = 2000;
        const double h = theta / n;
        double sum = 0;
        for (int k = 0; k <= n; ++k) {
            const double t = k * h;
            const double f = 1 / (H(t) * H(t)) - hStar / (H(t) * H(t) * H(t));
            sum += f * (k == 0 || k == n ? 1 : (k % 2 == 1 ? 4 : 2));
        }
        return sum * h / 3;
    }

    double eps_;
    double rupture_ = 0;
    std::vector<double> table_;
};

TEST(LongBearing, TheMiddleOfAVeryWideFilmIsTheOneDimensionalSolution) {
    for (double eps : {0.3, 0.6, 0.8}) {
        FilmProblem problem;
        problem.widthRatio = 20;
        problem.start.kind = FilmStart::Kind::LineAtWidestGap;
        ReynoldsSolver solver(problem);
        ASSERT_EQ(solver.Solve(eps, 0), FilmFault::None);
        const LongBearing reference(eps);
        const FilmGrid& grid = solver.Grid();
        double peak = 0;
        for (int i = 0; i < grid.Columns(); ++i)
            peak = std::max(peak, reference.Pressure((i + 0.5) * grid.DPhi()));
        int lastFilm = 0;
        for (int i = 0; i < grid.Columns(); ++i) {
            // The seam, the widest gap, is at θ = 0 of the reference.
            const double theta = (i + 0.5) * grid.DPhi();
            const double p = solver.Pressure()[static_cast<std::size_t>(grid.Index(i, grid.MiddleRow()))];
            EXPECT_NEAR(p, reference.Pressure(theta), 0.003 * peak) << "eps " << eps << " at " << theta;
            if (p > 0) lastFilm = i;
        }
        // The film ends within a column of the rupture angle.
        EXPECT_NEAR((lastFilm + 0.5) * grid.DPhi(), reference.Rupture(), 1.5 * grid.DPhi()) << eps;
    }
}

TEST(LongBearing, TheEndsTakeAShareThatShrinksWithTheWidth) {
    // Away from the middle the ends lower the pressure; the wider the bearing, the smaller their share
    // of the load per width, which tends to the one-dimensional film's.
    const double eps = 0.6;
    const LongBearing reference(eps);
    double fx = 0;
    double fy = 0;
    const int n = 20000;
    for (int k = 0; k < n; ++k) {
        const double theta = (k + 0.5) * 2 * kPi / n;
        fx += reference.Pressure(theta) * std::cos(theta) * 2 * kPi / n;
        fy += reference.Pressure(theta) * std::sin(theta) * 2 * kPi / n;
    }
    // ∬ over Z from −1 to 1 is twice the integral round the bore.
    const double infinite = 0.25 * 2 * std::hypot(fx, fy);
    double previous = 0;
    for (double widthRatio : {2.0, 5.0, 20.0}) {
        FilmProblem problem;
        problem.widthRatio = widthRatio;
        problem.start.kind = FilmStart::Kind::LineAtWidestGap;
        ReynoldsSolver solver(problem);
        ASSERT_EQ(solver.Solve(eps, 0), FilmFault::None);
        const double ratio = Summarise(solver).sommerfeld / infinite;
        EXPECT_LT(ratio, 1);
        EXPECT_GT(ratio, previous) << widthRatio;
        previous = ratio;
    }
    EXPECT_GT(previous, 0.95);
}

}  // namespace
}  // namespace trb::film
