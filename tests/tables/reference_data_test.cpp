// The reference tables shipped in data/ as a third-party reader sees them.
#include <gtest/gtest.h>

#include "python_reader.h"

namespace {

TEST(ReferenceData, TablesHoldTheIntendedValues) {
    const std::string script =
        "import sys\n"
        "from dbfread import DBF\n"
        "h = DBF(sys.argv[1] + \"/h0lim.dbf\", load=True)\n"
        "rows = [list(r.values()) for r in h.records]\n"
        "print(len(rows), len(h.field_names), rows[2][4], h.encoding)\n"
        "p = DBF(sys.argv[1] + \"/psi_m.dbf\", load=True)\n"
        "prows = [list(r.values()) for r in p.records]\n"
        "print(len(prows), len(p.field_names), all(x > 0.5 and x < 4 for r in prows for x in r[1:]))\n"
        "print(all(r[i] <= r[i + 1] for r in rows for i in range(1, 5)), all(r[i] < r[i + 1] for r in prows "
        "for i in range(1, 6)))\n"
        "d = DBF(sys.argv[1] + \"/din1850g.dbf\", load=True)\n"
        "b = [list(r.values()) for r in d.records]\n"
        "print(min(r[0] for r in b) <= 6, max(r[0] for r in b) >= 200, all(r[1] > r[0] and r[2] > 0 for r in "
        "b))\n";
    EXPECT_EQ(RunPython(script, TRB_SOURCE_DATA_DIR),
              "6 6 9.0 cp850\n"
              "3 7 True\n"
              "True True\n"
              "True True True\n");
}

}  // namespace
