#include "core/input_bounds.h"

#include <limits>

namespace trb::core {

namespace {

constexpr real kNone = -std::numeric_limits<real>::infinity();
// Lengths in mm: the largest plain bearings (ship shafts, hydro turbines) are a few metres across.
constexpr real kLongest = 10000;
// Absolute zero, and a temperature no lubricant film survives, in °C.
constexpr real kColdest = -273.15L;
constexpr real kHottest = 1000;

constexpr InputBound kBounds[] = {
    {&TRBrecord::db, "db", kNone, kLongest},
    {&TRBrecord::dbmax, "dbmax", kNone, kLongest},
    {&TRBrecord::dbmin, "dbmin", kNone, kLongest},
    {&TRBrecord::ds, "ds", 0, kLongest},
    {&TRBrecord::dsmax, "dsmax", kNone, kLongest},
    {&TRBrecord::dsmin, "dsmin", kNone, kLongest},
    {&TRBrecord::de, "de", kNone, 2 * kLongest},
    {&TRBrecord::b, "b", kNone, kLongest},
    {&TRBrecord::dh, "dh", kNone, kLongest},
    {&TRBrecord::bg, "bg", kNone, kLongest},
    {&TRBrecord::bp, "bp", kNone, kLongest},
    // Peak-to-valley roughness Rz in µm: a rough casting has a few hundred.
    {&TRBrecord::rzb, "rzb", 0, 1000},
    {&TRBrecord::rzs, "rzs", 0, 1000},
    // Speeds in 1/s, either direction: 100 000 1/s is 6 million revolutions per minute.
    {&TRBrecord::nb, "nb", -100000, 100000},
    {&TRBrecord::ns, "ns", -100000, 100000},
    // Linear expansion in 1/K: plastics reach 2e-4, no solid 1e-3.
    {&TRBrecord::alpha1b, "alpha1b", -0.001L, 0.001L},
    {&TRBrecord::alpha1s, "alpha1s", -0.001L, 0.001L},
    {&TRBrecord::omega, "omega", 0, 360},
    // Density in kg/m³: mercury has 13 546.
    {&TRBrecord::rho, "rho", kNone, 20000},
    // Supply pressure in N/mm²: 1000 is 10 000 bar.
    {&TRBrecord::pe, "pe", 0, 1000},
    {&TRBrecord::t1, "t1", kColdest, kHottest},
    {&TRBrecord::ta, "ta", kColdest, kHottest},
    // Specific heat capacity in J/(kg K): water has 4186, hydrogen 14 300.
    {&TRBrecord::c, "c", kNone, 100000},
    // Load in N: 1e10 N is a million tonnes.
    {&TRBrecord::f, "f", kNone, 1e10L},
    // Housing surface in m² and heat transfer coefficient in W/(m² K) (water cooling reaches 1e4).
    {&TRBrecord::a, "a", kNone, 10000},
    {&TRBrecord::k, "k", kNone, 100000},
    // Groove angles in °, one turn either way beyond the circle.
    {&TRBrecord::phia, "phia", -720, 720},
    {&TRBrecord::phie, "phie", -720, 720},
    {&TRBrecord::plim, "plim", 0, 10000},
    {&TRBrecord::tblim, "tblim", kColdest, kHottest},
    {&TRBrecord::h0lim, "h0lim", kNone, kLongest},
    // The width ratio B/D of the width proposal.
    {&TRBrecord::bfactor, "bfactor", 0, 100},
};

}  // namespace

std::span<const InputBound> InputBounds() {
    return kBounds;
}

const InputBound* InputOutOfBounds(const TRBrecord& record) {
    for (const InputBound& bound : kBounds) {
        const real value = record.*bound.field;
        // Written so that NaN fails too.
        if (!(value >= bound.lowest && value <= bound.highest)) return &bound;
    }
    return nullptr;
}

}  // namespace trb::core
