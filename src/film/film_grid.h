#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "film/film_fault.h"
#include "film/film_problem.h"

namespace trb::film {

// Grid limits: the coarsest grid that still resolves a pressure peak, and the largest one solved at all.
inline constexpr int kMinCircumferentialCells = 24;
inline constexpr int kMinAxialCells = 4;
inline constexpr long kMaxCells = 4'000'000;

// Whether a grid can be solved: its counts, and the memory it needs against the machine's.
FilmFault CheckGrid(GridSize size);

// The finite-volume grid on the developed bore: cell-centred columns round the bore starting at the seam
// angle, and across the width rows of nodes, whose control volumes reach halfway to the next node.
// The ends Z = ±1 are nodes at P = 0 themselves, so a film whose pressure is a parabola across the
// width (the short bearing) is solved without error in that direction. Mirrored grids hold the half
// 0 ≤ Z < 1 (the node Z = 0 lies on the middle plane, a symmetry plane), full-width grids −1 < Z < 1.
// Cell (i, j) — column i, node row j — is number i · Rows() + j.
//
// The columns are equal. The rows grow finer towards the bearing ends, where the pressure falls to the
// ambient one over a short distance when the film is thin: the nodes of a half lie at
// Z = (1 − a) t + a sin(π t / 2), t = k / (axial / 2), a = kAxialGrading, moved so that the axial edge of
// every supply area is a node (a groove's land then starts where the groove ends, and no integral
// across the width straddles the step of the pressure there).
class FilmGrid {
  public:
    // `breaks`: Z values (0 < Z < 1) that get a node of their own, the axial edges of the supply areas.
    FilmGrid(GridSize size, bool fullWidth, const std::vector<double>& breaks = {});

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int Cells() const { return columns_ * rows_; }
    bool Mirrored() const { return mirrored_; }
    GridSize Size() const { return size_; }
    double DPhi() const { return dPhi_; }
    // The angle of the face before column 0 (rad): the film-start line lies there when there is one.
    double Seam() const { return seam_; }
    void SetSeam(double seam) { seam_ = seam; }

    double CellAngle(int i) const { return seam_ + (i + 0.5) * dPhi_; }
    // The face after column i (the one before column 0 is face Columns() − 1).
    double FaceAngle(int i) const { return seam_ + (i + 1) * dPhi_; }
    int Index(int i, int j) const { return i * rows_ + j; }

    double RowZ(int j) const { return node_[static_cast<std::size_t>(j)]; }
    // The height of the control volume of row j.
    double RowHeight(int j) const { return height_[static_cast<std::size_t>(j)]; }
    // 1 / (distance from row j to the next row), for j = Rows() − 1 to the end Z = 1.
    double RowGap(int j) const { return gap_[static_cast<std::size_t>(j)]; }
    // 1 / (distance from row 0 to the end Z = −1); 0 on a mirrored grid.
    double StartGap() const { return startGap_; }
    // Half the distance from the last row to the end: the height of the end node's control volume.
    double EndHeight() const { return endHeight_; }
    // The weight of a cell of row j in an integral over the whole film: dφ times the weight of its node in
    // Simpson's rule across the width (piecewise parabolas through three nodes; a mirrored row counts
    // for itself and its mirror image). Exact for a parabola across the width.
    double CellWeight(int j) const { return dPhi_ * weight_[static_cast<std::size_t>(j)]; }
    // The row on the middle plane.
    int MiddleRow() const { return mirrored_ ? 0 : rows_ / 2; }

    static constexpr double kAxialGrading = 0.7;

  private:
    GridSize size_;
    int columns_;
    int rows_;
    bool mirrored_;
    double dPhi_;
    double seam_ = 0;
    std::vector<double> node_;
    std::vector<double> weight_;
    std::vector<double> height_;
    std::vector<double> gap_;
    double startGap_ = 0;
    double endHeight_ = 0;
};

// The cells the supply areas hold: for each cell, whether it is fixed and at which pressure (the higher
// one where areas overlap). For the other cells, `edge` scales the coupling to each neighbour held by an
// area (east, west, north, south): the area's edge lies a fraction θ of the way to that neighbour, and
// the coupling is 1/θ times the usual one, so the film feels the edge where it is and not where the
// cells happen to end (θ no smaller than kSmallestEdgeFraction).
struct SupplyCells {
    std::vector<std::uint8_t> fixed;
    std::vector<double> pressure;
    std::vector<std::array<double, 4>> edge;
    long count = 0;
};
inline constexpr double kSmallestEdgeFraction = 0.01;
enum Neighbour { kEast = 0, kWest = 1, kNorth = 2, kSouth = 3 };

SupplyCells RasteriseSupply(const FilmGrid& grid, const std::vector<SupplyArea>& areas);

// The angle a − b brought into (−π, π].
double AngleBetween(double a, double b);

}  // namespace trb::film
