#include "core/record_fields.h"

#include <algorithm>
#include <array>

namespace trb::core {

namespace {

#define TRB_INPUT(name)                \
    RecordField {                      \
#name, &TRBrecord::name, false \
    }
#define TRB_RESULT(name)              \
    RecordField {                     \
#name, &TRBrecord::name, true \
    }

const RecordField kFields[] = {
    TRB_INPUT(db),         TRB_INPUT(dbmax),    TRB_INPUT(dbmin),
    TRB_INPUT(rzb),        TRB_INPUT(nb),       TRB_INPUT(alpha1b),
    TRB_INPUT(b),          TRB_INPUT(dh),       TRB_INPUT(omega),
    TRB_INPUT(ds),         TRB_INPUT(dsmax),    TRB_INPUT(dsmin),
    TRB_INPUT(rzs),        TRB_INPUT(ns),       TRB_INPUT(alpha1s),
    TRB_INPUT(rho),        TRB_INPUT(pe),       TRB_INPUT(t1),
    TRB_INPUT(ta),         TRB_INPUT(c),        TRB_INPUT(f),
    TRB_INPUT(a),          TRB_INPUT(k),        TRB_INPUT(toldb),
    TRB_INPUT(tolds),      TRB_INPUT(schmier),  TRB_INPUT(druckschmierung),
    TRB_INPUT(zufuhr),     TRB_INPUT(bg),       TRB_INPUT(bp),
    TRB_INPUT(phia),       TRB_INPUT(phie),     TRB_INPUT(plim),
    TRB_INPUT(tblim),      TRB_INPUT(h0lim),    TRB_INPUT(de),
    TRB_INPUT(din1850rec), TRB_INPUT(bfactor),

    TRB_RESULT(ws),        TRB_RESULT(wb),      TRB_RESULT(weff),
    TRB_RESULT(us),        TRB_RESULT(ub),      TRB_RESULT(re),
    TRB_RESULT(relim),     TRB_RESULT(dt20),    TRB_RESULT(teff),
    TRB_RESULT(eta40),     TRB_RESULT(nu40),    TRB_RESULT(nueff),
    TRB_RESULT(etaeff),    TRB_RESULT(seff),    TRB_RESULT(smin),
    TRB_RESULT(smax),      TRB_RESULT(s20),     TRB_RESULT(s20min),
    TRB_RESULT(s20max),    TRB_RESULT(psimin),  TRB_RESULT(psimax),
    TRB_RESULT(psieff),    TRB_RESULT(psim),    TRB_RESULT(dpsi),
    TRB_RESULT(p),         TRB_RESULT(epsilon), TRB_RESULT(e),
    TRB_RESULT(so),        TRB_RESULT(h0),      TRB_RESULT(mupsi),
    TRB_RESULT(mu),        TRB_RESULT(p0),      TRB_RESULT(pa),
    TRB_RESULT(t2),        TRB_RESULT(t2new),   TRB_RESULT(tb),
    TRB_RESULT(tbnew),     TRB_RESULT(q1),      TRB_RESULT(q1c),
    TRB_RESULT(q2),        TRB_RESULT(q2c),     TRB_RESULT(q),
    TRB_RESULT(pq),        TRB_RESULT(eta20),   TRB_RESULT(epstr20),
    TRB_RESULT(epstreff),  TRB_RESULT(sotr20),  TRB_RESULT(sotreff),
    TRB_RESULT(ntr20),     TRB_RESULT(ntreff),
};

#undef TRB_INPUT
#undef TRB_RESULT

}  // namespace

std::span<const RecordField> RecordFields() {
    return kFields;
}

const RecordField* FindRecordField(std::string_view name) {
    const auto found = std::find_if(std::begin(kFields), std::end(kFields),
                                    [&](const RecordField& f) { return f.name == name; });
    return found == std::end(kFields) ? nullptr : &*found;
}

}  // namespace trb::core
