#include "sample_case.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace trb::casefile::testing {

void FillSample(SampleCase& c) {
    core::TRBrecord& r = c.record;
    // Distinct values with at most seven decimals, as the file keeps them.
    r.db = 80;
    r.toldb = "H7";
    r.dbmax = 80.046L;
    r.dbmin = 80.016L;
    r.rzb = 2.5L;
    r.nb = -1.25L;
    r.alpha1b = 0.0000185L;
    r.b = 48;
    r.dh = 6;
    r.ds = 80;
    r.tolds = "e8";
    r.dsmax = 79.94L;
    r.dsmin = 79.894L;
    r.rzs = 1.6L;
    r.ns = 25;
    r.alpha1s = 0.0000115L;
    r.rho = 870;
    r.pe = 0.15L;
    r.t1 = 45;
    r.ta = 25;
    r.c = 1950;
    r.f = 12500;
    r.a = 0.12L;
    r.k = 15.5L;
    r.schmier = 9;
    r.druckschmierung = true;
    r.zufuhr = 5;
    r.bg = 8;
    r.bp = 12;
    r.phia = 135;
    r.phie = 225;
    r.plim = 5.5L;
    r.tblim = 90;
    r.h0lim = 0.0075L;
    r.de = 105;
    r.din1850rec = 17;
    r.bfactor = 0.6L;

    c.title.drawingName = "Radialgleitlager";
    c.title.drawingNumber = "TRB-4711";
    c.title.drawingName2 = "Pumpenlager Seite A";
    c.title.remarks = {"Kunde: M\x81ller GmbH", "Auftrag 2026-117", "Zeile mit \xE1"};

    c.changes.count = 2;
    c.changes.Record(1) = {"Erstausgabe", "01.02.2026", "HM", "Neu"};
    c.changes.Record(2) = {"Spiel ge\x84ndert", "05.03.2026", "KS", "Spiel kleiner\nPassung e8"};
    c.info.replaces = "TRB-4700";
    c.info.replacedBy = "TRB-4712";
    c.info.rows[docs::kRowBearb] = {"01.02.2026", "Huber"};
    c.info.rows[docs::kRowGepr] = {"02.02.2026", "Meier"};
    c.info.rows[docs::kRowNorm] = {"03.02.2026", "Schulz"};
    c.info.rows[docs::kRowRelease] = {"04.02.2026", "Frei"};
    c.info.textItemCount = 2;
    c.info.textItems[0] = {150, 30, 3.5L, 0,
                           "Gleitfl\x84"
                           "che gel\x84ppt"};
    c.info.textItems[1] = {20.5L, 180, 2.5L, 90, "Kanten gebrochen"};

    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        SetLinkedDocument(c.documents, i, i == 2 ? "" : "prog" + std::to_string(i),
                          "/daten/dok" + std::to_string(i) + ".pdf");
    }
}

void ExpectSameCase(SampleCase& a, SampleCase& b) {
    const core::TRBrecord& x = a.record;
    const core::TRBrecord& y = b.record;
    const auto same = [](real p, real q, const char* name) {
        EXPECT_NEAR(static_cast<double>(p), static_cast<double>(q),
                    1e-9 * (1 + std::abs(static_cast<double>(q))))
            << name;
    };
#define TRB_SAME(field) same(x.field, y.field, #field)
    TRB_SAME(db);
    TRB_SAME(dbmax);
    TRB_SAME(dbmin);
    TRB_SAME(rzb);
    TRB_SAME(nb);
    TRB_SAME(alpha1b);
    TRB_SAME(b);
    TRB_SAME(dh);
    TRB_SAME(omega);
    TRB_SAME(ds);
    TRB_SAME(dsmax);
    TRB_SAME(dsmin);
    TRB_SAME(rzs);
    TRB_SAME(ns);
    TRB_SAME(alpha1s);
    TRB_SAME(rho);
    TRB_SAME(pe);
    TRB_SAME(t1);
    TRB_SAME(ta);
    TRB_SAME(c);
    TRB_SAME(f);
    TRB_SAME(a);
    TRB_SAME(k);
    TRB_SAME(bg);
    TRB_SAME(bp);
    TRB_SAME(phia);
    TRB_SAME(phie);
    TRB_SAME(plim);
    TRB_SAME(tblim);
    TRB_SAME(h0lim);
    TRB_SAME(de);
    TRB_SAME(bfactor);
#undef TRB_SAME
    EXPECT_EQ(x.toldb, y.toldb);
    EXPECT_EQ(x.tolds, y.tolds);
    EXPECT_EQ(x.schmier, y.schmier);
    EXPECT_EQ(x.druckschmierung, y.druckschmierung);
    EXPECT_EQ(x.zufuhr, y.zufuhr);
    EXPECT_EQ(x.din1850rec, y.din1850rec);

    EXPECT_EQ(a.title.drawingName, b.title.drawingName);
    EXPECT_EQ(a.title.drawingNumber, b.title.drawingNumber);
    EXPECT_EQ(a.title.drawingName2, b.title.drawingName2);
    EXPECT_EQ(a.title.remarks, b.title.remarks);

    ASSERT_EQ(a.changes.count, b.changes.count);
    for (int i = 1; i <= a.changes.count; ++i) {
        EXPECT_EQ(a.changes.Record(i).changeText, b.changes.Record(i).changeText);
        EXPECT_EQ(a.changes.Record(i).date, b.changes.Record(i).date);
        EXPECT_EQ(a.changes.Record(i).editor, b.changes.Record(i).editor);
        EXPECT_EQ(a.changes.Record(i).description, b.changes.Record(i).description);
    }
    EXPECT_EQ(a.info.replaces, b.info.replaces);
    EXPECT_EQ(a.info.replacedBy, b.info.replacedBy);
    for (std::size_t r = 0; r < a.info.rows.size(); ++r) {
        EXPECT_EQ(a.info.rows[r].date, b.info.rows[r].date);
        EXPECT_EQ(a.info.rows[r].name, b.info.rows[r].name);
    }
    ASSERT_EQ(a.info.textItemCount, b.info.textItemCount);
    for (std::size_t i = 0; i < static_cast<std::size_t>(a.info.textItemCount); ++i) {
        same(a.info.textItems[i].x, b.info.textItems[i].x, "x");
        same(a.info.textItems[i].y, b.info.textItems[i].y, "y");
        same(a.info.textItems[i].h, b.info.textItems[i].h, "h");
        same(a.info.textItems[i].phi, b.info.textItems[i].phi, "phi");
        EXPECT_EQ(a.info.textItems[i].text, b.info.textItems[i].text);
    }
    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        EXPECT_EQ(a.documents.Entry(i).program, b.documents.Entry(i).program);
        EXPECT_EQ(a.documents.Entry(i).file, b.documents.Entry(i).file);
    }
}

}  // namespace trb::casefile::testing
