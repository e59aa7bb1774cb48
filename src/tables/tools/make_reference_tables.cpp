// Writes the reference tables the design proposals read: make_reference_tables <folder>.
//
// din1850g: the bushing series of DIN 1850 (ISO 4379): bore d1, outer diameter d2 and the usual
//           widths b1 of each bore, in mm.
// h0lim:    admissible minimum lubricant film thickness in µm after the guide values of
//           DIN 31652-3, by shaft diameter class (rows) and sliding-speed class (columns
//           U ≤ 1, 1…3, 3…10, 10…30, above 30 m/s). Below 24 mm the standard gives no row; the
//           row for 24…63 mm is used unchanged, which errs on the safe side.
// psi_m:    mean relative bearing clearance in ‰ by diameter class (D ≤ 100, 100…250, above
//           250 mm) and sliding-speed class (U ≤ 3, 3…10, 10…25, 25…50, 50…125, above
//           125 m/s), following the guide values of DIN 31652-3: numbers of the R20 series
//           that grow with the speed roughly as Vogelpohl's ψ ≈ 0.8·U^0.25 ‰ and fall one
//           step per larger diameter class.
#include <cstdio>
#include <filesystem>
#include <vector>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"

using trb::tables::DbfField;
using trb::tables::DbfTable;

namespace {

struct Bushing {
    int bore;
    int outer;
    std::vector<int> widths;
};

const std::vector<Bushing> kBushings = {
    {4, 8, {3, 4, 6}},           {5, 9, {4, 5, 8}},           {6, 12, {6, 10}},
    {8, 14, {6, 10, 12}},        {10, 16, {6, 10, 15}},       {12, 18, {10, 15, 20}},
    {14, 20, {10, 15, 20}},      {15, 21, {10, 15, 20}},      {16, 22, {12, 15, 20}},
    {18, 24, {12, 20, 30}},      {20, 26, {15, 20, 30}},      {22, 28, {15, 20, 30}},
    {24, 30, {15, 20, 30}},      {25, 32, {20, 25, 30}},      {28, 36, {20, 25, 30}},
    {30, 38, {20, 30, 40}},      {32, 40, {20, 30, 40}},      {35, 45, {30, 40, 50}},
    {38, 48, {30, 40, 50}},      {40, 50, {30, 40, 60}},      {42, 52, {30, 40, 60}},
    {45, 55, {30, 40, 60}},      {48, 58, {40, 50, 60}},      {50, 60, {40, 50, 60}},
    {55, 65, {40, 50, 70}},      {60, 70, {40, 60, 80}},      {65, 75, {50, 60, 80}},
    {70, 80, {50, 70, 90}},      {75, 85, {50, 70, 90}},      {80, 95, {60, 80, 100}},
    {85, 100, {60, 80, 100}},    {90, 105, {60, 80, 120}},    {95, 110, {60, 100, 120}},
    {100, 115, {80, 100, 120}},  {105, 120, {80, 100, 120}},  {110, 125, {80, 100, 120}},
    {120, 135, {100, 120, 150}}, {130, 145, {100, 120, 150}}, {140, 160, {100, 120, 150}},
    {150, 170, {120, 150, 180}}, {160, 180, {120, 150, 180}}, {170, 190, {120, 180, 200}},
    {180, 200, {150, 180, 250}}, {190, 210, {150, 180, 250}}, {200, 220, {180, 200, 250}},
};

// Upper diameter of the class (mm), then µm for the five sliding-speed classes.
const std::vector<std::vector<double>> kH0lim = {
    {24, 3, 4, 5, 7, 10},   {63, 3, 4, 5, 7, 10},     {160, 4, 5, 7, 9, 12},
    {400, 6, 7, 9, 11, 14}, {1000, 8, 9, 11, 13, 16}, {2500, 10, 12, 14, 16, 18},
};

// Upper diameter of the class (mm), then ‰ for the six sliding-speed classes.
const std::vector<std::vector<double>> kPsiMean = {
    {100, 1.32, 1.6, 1.9, 2.24, 2.65, 3.0},
    {250, 1.12, 1.32, 1.6, 1.9, 2.24, 2.65},
    {9999, 1.0, 1.12, 1.32, 1.6, 1.9, 2.24},
};

void WriteRows(const std::filesystem::path& path, std::vector<DbfField> fields,
               const std::vector<std::vector<double>>& rows) {
    DbfTable::Create(path, fields);
    DbfTable table;
    table.Open(path);
    for (const auto& row : rows) {
        table.Insert();
        for (std::size_t i = 0; i < row.size(); ++i) table.SetFieldNumber(static_cast<int>(i + 1), row[i]);
        table.Post();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    try {
        std::vector<std::vector<double>> bushings;
        for (const Bushing& b : kBushings)
            for (int w : b.widths) bushings.push_back({double(b.bore), double(b.outer), double(w)});
        WriteRows(folder / "din1850g.dbf", {{"D1", 'N', 7, 2}, {"D2", 'N', 7, 2}, {"B1", 'N', 7, 2}},
                  bushings);
        WriteRows(folder / "h0lim.dbf",
                  {{"DMAX", 'N', 6, 0},
                   {"U_1", 'N', 5, 1},
                   {"U_3", 'N', 5, 1},
                   {"U_10", 'N', 5, 1},
                   {"U_30", 'N', 5, 1},
                   {"U_OVER30", 'N', 5, 1}},
                  kH0lim);
        WriteRows(folder / "psi_m.dbf",
                  {{"DMAX", 'N', 6, 0},
                   {"U_3", 'N', 6, 3},
                   {"U_10", 'N', 6, 3},
                   {"U_25", 'N', 6, 3},
                   {"U_50", 'N', 6, 3},
                   {"U_125", 'N', 6, 3},
                   {"U_OVER125", 'N', 6, 3}},
                  kPsiMean);
    } catch (const trb::tables::DbfError& e) {
        std::fprintf(stderr, "%s: %s\n", e.what(), e.Detail().c_str());
        return 1;
    }
    return 0;
}
