#pragma once

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "film/film_fault.h"
#include "film/film_grid.h"
#include "film/film_problem.h"

namespace trb::film {

// A force on the journal in the load frame, So units.
struct Force2 {
    double x = 0;
    double y = 0;
};

// How the film force changes with the journal's position and velocity: column j of `position` is
// ∂f/∂X_j, of `velocity` ∂f/∂X'_j (X' = dX/dτ), rows the force components, all with the cavitated zone
// held as it is.
struct ForceDerivatives {
    std::array<std::array<double, 2>, 2> position{};
    std::array<std::array<double, 2>, 2> velocity{};
};

// What a cell of the film is after a solve.
enum class CellState : std::uint8_t { Film = 0, Supply = 1, Cavitated = 2 };

// The film solver of one problem. Finite volumes on the grid of FilmGrid: the flux through each face is
// its conductance (H³ of the exact film there, over the distance of the two cells it joins) times their
// pressure difference; a film-start line lies half a column from its neighbours, the ends are nodes at
// P = 0, and a supply area's edge where it is (SupplyCells::edge). Multiplying by −1 makes the operator
// A a symmetric M-matrix, so the film is the linear complementarity problem
//
//     P ≥ 0,   w = A P − b ≥ 0,   P · w = 0,     b = −6 (H_east − H_west) dZ − 12 H' dφ dZ,
//
// with the supply cells held at their pressure. It is solved exactly by the primal–dual active-set
// method: solve the film on the cells believed to carry pressure (a sparse LDLᵀ factorisation of A on
// those cells), let cells with negative pressure cavitate and cavitated cells with negative residual
// carry pressure again, and repeat until the sets stay. For an M-matrix the method ends after finitely
// many steps; each solve starts from the cavitated zone of the last one, a first one from that of the
// same film on a grid half as fine.
class ReynoldsSolver {
  public:
    explicit ReynoldsSolver(const FilmProblem& problem);

    // Solves the film with the journal centre at (x, y) (in units of C, load frame) and at rest.
    FilmFault Solve(double x, double y, const Progress& progress = {});

    // Of the last successful solve:
    Force2 Force() const;
    // The derivatives by the position and, when asked, by the velocity (a back-substitution each).
    ForceDerivatives Derivatives(bool velocity = true);
    double X() const { return x_; }
    double Y() const { return y_; }
    const FilmGrid& Grid() const { return grid_; }
    const FilmProblem& Problem() const { return problem_; }
    // Pressure of every cell of the solved grid (mirrored grids: the half 0 ≤ Z < 1).
    const std::vector<double>& Pressure() const { return pressure_; }
    CellState State(int cell) const { return static_cast<CellState>(state_[static_cast<std::size_t>(cell)]); }
    // The residual A P − b of every cell (zero in the film, ≥ 0 where it cavitated).
    std::vector<double> Residuals() const;
    // H at the centre of column i and at the face after it.
    double FilmAtColumn(int i) const { return hCentre_[static_cast<std::size_t>(i)]; }
    double FilmAtFace(int i) const { return hFace_[static_cast<std::size_t>(i)]; }
    // Whether a film-start line cuts the face before column 0.
    bool SeamIsLine() const { return cut_; }
    // Active-set steps the last solve took.
    int Steps() const { return steps_; }

    // The most active-set steps a solve makes before it gives up.
    static constexpr int kMaxSteps = 200;
    // Grids with fewer columns than twice this start cold from the converging part of the gap.
    static constexpr int kCoarsestColumns = 36;

  private:
    // The face conductances of the operator (or of its derivative), per unit row height or row gap:
    // `east[i]` (H³/dφ at the face) couples column i to column i + 1, `axial[i]` ((D/B)² H³ dφ at the
    // centre) couples neighbouring rows of column i and the end rows to the ends; `seam` is the
    // conductance from the cells next to a film-start line to the line.
    struct Conductances {
        std::vector<double> east;
        std::vector<double> axial;
        double seam = 0;
    };

    void SetGeometry(double x, double y);
    // A cold start takes the cavitated zone of the same film on a grid half as fine: the active-set
    // method moves the rupture line by about a cell per step, so most of its way is made where steps
    // are cheap.
    FilmFault StartFromCoarserGrid(double x, double y, const Progress& progress);
    // The source b of cell k: the column's −6 (H_east − H_west) times the row's height.
    double SourceOf(int k) const {
        return b_[static_cast<std::size_t>(k / grid_.Rows())] * grid_.RowHeight(k % grid_.Rows());
    }
    void Conductance(const std::vector<double>& cube, const std::vector<double>& cubeCentre,
                     Conductances& g) const;
    // The couplings of cell (i, j) to its four neighbours (0 where there is none) and to the fixed
    // ambient pressure of an end or a film-start line, for the conductances g.
    struct Stencil {
        double east = 0;
        double west = 0;
        double north = 0;
        double south = 0;
        double ambient = 0;
        double Diagonal() const { return east + west + north + south + ambient; }
    };
    Stencil StencilOf(const Conductances& g, int i, int j) const;
    // out = A p for the operator with conductances g.
    void Apply(const Conductances& g, const std::vector<double>& p, std::vector<double>& out) const;
    // Factorises A on the film cells (or, with patternOnly, only lays out the factor).
    FilmFault Factorise(bool patternOnly = false);
    void SolveFilm(const std::vector<double>& rhs, std::vector<double>& p);
    // Factorises and solves the film on the cells of the current zone (fixed cells already set).
    FilmFault SolveOnZone();
    // Lets the cells whose pressure ended at zero cavitate, so that the zone does not depend on how it
    // was found.
    FilmFault SettleZone();
    bool UpdateStates();

    FilmProblem problem_;
    FilmGrid grid_;
    double kappa_;  // (D/B)²
    bool cut_ = false;
    double x_ = 0;
    double y_ = 0;
    SupplyCells supply_;
    std::optional<double> rasterisedSeam_;  // the seam the supply areas were laid out for

    std::vector<double> hCentre_;
    std::vector<double> hFace_;
    std::vector<double> cosCentre_, sinCentre_, cosFace_, sinFace_;
    Conductances g_;
    std::vector<double> b_;
    std::vector<std::uint8_t> state_;
    std::vector<double> pressure_;
    std::vector<double> work_;
    std::vector<int> unknown_;  // cell → unknown of the factorised system, −1 for fixed cells
    std::vector<int> cellOf_;   // unknown → cell
    // Indices of Eigen's own index type: only then does Eigen see the natural ordering as such and
    // factorise the matrix in place instead of copying it twice for an identity permutation.
    using Matrix = Eigen::SparseMatrix<double, Eigen::ColMajor, Eigen::Index>;
    Matrix matrix_;
    Eigen::SimplicialLDLT<Matrix, Eigen::Upper, Eigen::NaturalOrdering<Eigen::Index>> ldlt_;
    bool factorised_ = false;
    int steps_ = 0;
};

}  // namespace trb::film
