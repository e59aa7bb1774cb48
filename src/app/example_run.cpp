#include "app/example_run.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "core/calculation.h"
#include "core/lubricant.h"
#include "core/record.h"
#include "core/run_status.h"

namespace trb::app {

namespace {

using core::TRBrecord;

struct Row {
    const char* symbol;
    const char* unit;
    real TRBrecord::*field;
};

constexpr Row kInputs[] = {
    {"D", "mm", &TRBrecord::db},
    {"Dmax", "mm", &TRBrecord::dbmax},
    {"Dmin", "mm", &TRBrecord::dbmin},
    {"RzB", "um", &TRBrecord::rzb},
    {"nB", "1/s", &TRBrecord::nb},
    {"alpha1B", "1/K", &TRBrecord::alpha1b},
    {"B", "mm", &TRBrecord::b},
    {"dH", "mm", &TRBrecord::dh},
    {"Omega", "deg", &TRBrecord::omega},
    {"d", "mm", &TRBrecord::ds},
    {"dmax", "mm", &TRBrecord::dsmax},
    {"dmin", "mm", &TRBrecord::dsmin},
    {"RzS", "um", &TRBrecord::rzs},
    {"nS", "1/s", &TRBrecord::ns},
    {"alpha1S", "1/K", &TRBrecord::alpha1s},
    {"rho", "kg/m3", &TRBrecord::rho},
    {"pE", "N/mm2", &TRBrecord::pe},
    {"t1", "C", &TRBrecord::t1},
    {"tamb", "C", &TRBrecord::ta},
    {"c", "J/(kg K)", &TRBrecord::c},
    {"F", "N", &TRBrecord::f},
    {"A", "m2", &TRBrecord::a},
    {"k", "W/(m2 K)", &TRBrecord::k},
    {"bG", "mm", &TRBrecord::bg},
    {"bP", "mm", &TRBrecord::bp},
    {"phiA", "deg", &TRBrecord::phia},
    {"phiE", "deg", &TRBrecord::phie},
    {"plim", "N/mm2", &TRBrecord::plim},
    {"tBlim", "C", &TRBrecord::tblim},
    {"h0lim", "mm", &TRBrecord::h0lim},
    {"de", "mm", &TRBrecord::de},
};

constexpr Row kResults[] = {
    {"wS", "1/s", &TRBrecord::ws},
    {"wB", "1/s", &TRBrecord::wb},
    {"w eff", "1/s", &TRBrecord::weff},
    {"uS", "m/s", &TRBrecord::us},
    {"uB", "m/s", &TRBrecord::ub},
    {"p", "N/mm2", &TRBrecord::p},
    {"teff", "C", &TRBrecord::teff},
    {"t2", "C", &TRBrecord::t2},
    {"eta 40", "Pa s", &TRBrecord::eta40},
    {"v 40", "mm2/s", &TRBrecord::nu40},
    {"v eff", "mm2/s", &TRBrecord::nueff},
    {"eta eff", "Pa s", &TRBrecord::etaeff},
    {"s", "mm", &TRBrecord::seff},
    {"s min", "mm", &TRBrecord::smin},
    {"s max", "mm", &TRBrecord::smax},
    {"s 20", "mm", &TRBrecord::s20},
    {"s20min", "mm", &TRBrecord::s20min},
    {"s20max", "mm", &TRBrecord::s20max},
    {"psi min", "-", &TRBrecord::psimin},
    {"psi max", "-", &TRBrecord::psimax},
    {"psi m", "-", &TRBrecord::psim},
    {"psi eff", "-", &TRBrecord::psieff},
    {"So", "-", &TRBrecord::so},
    {"epsilon", "-", &TRBrecord::epsilon},
    {"e", "mm", &TRBrecord::e},
    {"h0", "mm", &TRBrecord::h0},
    {"µ/psi", "-", &TRBrecord::mupsi},
    {"µ", "-", &TRBrecord::mu},
    {"P0", "W", &TRBrecord::p0},
    {"PA", "W", &TRBrecord::pa},
    {"Q1", "mm3/s", &TRBrecord::q1},
    {"Q2", "mm3/s", &TRBrecord::q2},
    {"Q", "mm3/s", &TRBrecord::q},
    {"PQ", "W", &TRBrecord::pq},
    {"Re", "-", &TRBrecord::re},
    {"Re lim", "-", &TRBrecord::relim},
    {"n ue20", "1/s", &TRBrecord::ntr20},
    {"n ueeff", "1/s", &TRBrecord::ntreff},
};

// The symbol padded to `width` characters on screen (UTF-8 continuation bytes take no column).
std::string Padded(const std::string& text, std::size_t width) {
    std::size_t columns = 0;
    for (const char ch : text) {
        if ((static_cast<unsigned char>(ch) & 0xC0U) != 0x80U) ++columns;
    }
    return text + std::string(columns < width ? width - columns : 0, ' ');
}

// One table line; snprintf's number does not depend on the stream's locale.
std::string Line(const char* symbol, const char* unit, real value) {
    char number[40];
    std::snprintf(number, sizeof number, " %-10s %14.6Lg\n", unit, value);
    return "  " + Padded(symbol, 10) + number;
}

template <std::size_t N>
void PrintRows(std::ostream& out, const Row (&rows)[N], const TRBrecord& record) {
    for (const Row& row : rows) out << Line(row.symbol, row.unit, record.*row.field);
}

}  // namespace

void PrintExampleRun(std::ostream& out) {
    TRBrecord record;
    core::RunStatus status;
    bool abort = false;
    core::LoadExampleCase(record);
    const int steps = core::RunCalculation(record, status, abort);

    out << "TRB - Hydrodynamische Radial-Gleitlager (example case)\n\nInputs\n";
    PrintRows(out, kInputs, record);
    out << "  lubricant  " << core::ViscosityClassName(record.schmier) << '\n'
        << "  supply     " << record.zufuhr << '\n'
        << "  heat       " << (record.druckschmierung ? "carried off by the lubricant" : "convection")
        << "\n\n";

    out << "Results after " << steps << " iteration steps\n";
    if (status.calculationFailed) {
        out << "  (calculation failed, no valid results)\n";
    } else {
        PrintRows(out, kResults, record);
    }

    out << "\nMessages (" << status.MessageCount() << ")\n";
    for (int i = 1; i <= status.MessageCount(); ++i) out << "  " << i << "  " << status.Message(i) << '\n';
}

}  // namespace trb::app
