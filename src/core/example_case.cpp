#include "core/record.h"

namespace trb::core {

void LoadExampleCase(TRBrecord& r) {
    r.f = 36000;
    r.db = 120;
    r.dbmin = 120.05L;
    r.dbmax = 120.07L;
    r.rzb = 2;
    r.alpha1b = 23e-6L;
    r.b = 60;
    r.de = 140;
    r.ds = 120;
    r.dsmin = 119.93L;
    r.dsmax = 119.95L;
    r.rzs = 1;
    r.alpha1s = 11e-6L;
    r.ns = 33.33L;
    r.schmier = 11;  // ISO VG 100
    r.rho = 900;
    r.c = 2000;
    r.a = 0.3L;
    r.ta = 40;
    r.k = 20;
    r.dh = 5;
    r.zufuhr = kHoleOppositeLoad;
    r.t1 = 58;
    r.pe = 0.5L;
    r.plim = 10;
    r.tblim = 70;
    r.h0lim = 0.009L;
    r.druckschmierung = true;
}

}  // namespace trb::core
