#include "core/representable.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace trb::core {

namespace {

using Field = real TRBrecord::*;

// Inputs, and the results every run writes.
constexpr Field kAlwaysChecked[] = {
    &TRBrecord::db,      &TRBrecord::dbmax,   &TRBrecord::dbmin,  &TRBrecord::rzb,     &TRBrecord::nb,
    &TRBrecord::alpha1b, &TRBrecord::b,       &TRBrecord::dh,     &TRBrecord::omega,   &TRBrecord::ds,
    &TRBrecord::dsmax,   &TRBrecord::dsmin,   &TRBrecord::rzs,    &TRBrecord::ns,      &TRBrecord::alpha1s,
    &TRBrecord::rho,     &TRBrecord::pe,      &TRBrecord::t1,     &TRBrecord::ta,      &TRBrecord::c,
    &TRBrecord::f,       &TRBrecord::a,       &TRBrecord::k,      &TRBrecord::bg,      &TRBrecord::bp,
    &TRBrecord::phia,    &TRBrecord::phie,    &TRBrecord::plim,   &TRBrecord::tblim,   &TRBrecord::h0lim,
    &TRBrecord::de,      &TRBrecord::ws,      &TRBrecord::wb,     &TRBrecord::weff,    &TRBrecord::us,
    &TRBrecord::ub,      &TRBrecord::re,      &TRBrecord::relim,  &TRBrecord::dt20,    &TRBrecord::teff,
    &TRBrecord::eta40,   &TRBrecord::nu40,    &TRBrecord::nueff,  &TRBrecord::etaeff,  &TRBrecord::seff,
    &TRBrecord::smin,    &TRBrecord::smax,    &TRBrecord::s20,    &TRBrecord::s20min,  &TRBrecord::s20max,
    &TRBrecord::psimin,  &TRBrecord::psimax,  &TRBrecord::psieff, &TRBrecord::psim,    &TRBrecord::dpsi,
    &TRBrecord::p,       &TRBrecord::epsilon, &TRBrecord::e,      &TRBrecord::so,      &TRBrecord::h0,
    &TRBrecord::mupsi,   &TRBrecord::mu,      &TRBrecord::p0,     &TRBrecord::q1,      &TRBrecord::q1c,
    &TRBrecord::q2,      &TRBrecord::q,       &TRBrecord::eta20,  &TRBrecord::epstr20, &TRBrecord::epstreff,
    &TRBrecord::sotr20,  &TRBrecord::sotreff, &TRBrecord::ntr20,  &TRBrecord::ntreff,
};
// Written only with heat carried off by the lubricant, or only by convection.
constexpr Field kPressureOnly[] = {&TRBrecord::t2, &TRBrecord::t2new, &TRBrecord::q2c, &TRBrecord::pq};
constexpr Field kConvectionOnly[] = {&TRBrecord::tb, &TRBrecord::tbnew, &TRBrecord::pa};

template <std::size_t N>
bool AllRepresentable(const TRBrecord& record, const Field (&fields)[N]) {
    for (const Field field : fields) {
        if (!Representable(record.*field)) return false;
    }
    return true;
}

}  // namespace

bool Representable(real value) {
    return std::isfinite(value) && std::fabs(value) <= static_cast<real>(std::numeric_limits<double>::max());
}

bool RecordRepresentable(const TRBrecord& record) {
    return AllRepresentable(record, kAlwaysChecked) &&
           (record.druckschmierung ? AllRepresentable(record, kPressureOnly)
                                   : AllRepresentable(record, kConvectionOnly));
}

}  // namespace trb::core
