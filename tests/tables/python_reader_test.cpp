// Tables written here must read the same in a third-party reader (python3-dbfread).
#include <gtest/gtest.h>

#include "python_reader.h"
#include "tables/dbf_table.h"
#include "temp_folder.h"

namespace trb::tables {
namespace {

using test_support::TempFolder;

TEST(PythonReaderTest, DbfreadSeesTheSameValuesAndUmlauts) {
    TempFolder folder;
    const auto path = folder / "parts.dbf";
    DbfTable::Create(path, {{"NAME", 'C', 16, 0},
                            {"BORE", 'N', 8, 3},
                            {"RATIO", 'F', 9, 4},
                            {"OK", 'L', 1, 0},
                            {"MADE", 'D', 8, 0},
                            {"NOTE", 'M', 10, 0}});
    DbfTable t;
    t.Open(path);
    t.Insert();
    t.SetFieldText(1,
                   "Gr\x94\xE1"
                   "e \x84\x81");  // "Größe äü" in code page 850
    t.SetFieldNumber(2, 120.035L);
    t.SetFieldNumber(3, -0.25L);
    t.SetFieldLogical(4, true);
    t.SetFieldText(5, "20261209");
    t.SetMemoText(6,
                  "Bemerkung \x9A"
                  "ber " +
                      std::string(700, 'z'));
    t.Post();
    t.Insert();
    t.SetFieldText(1, "leer");
    t.Post();
    t.Go(2);
    t.Delete();
    t.Close();

    const std::string script =
        "import sys\n"
        "from dbfread import DBF\n"
        "t = DBF(sys.argv[1], load=True)\n"
        "print(t.encoding)\n"
        "for r in t.records:\n"
        "    print(repr(r[\"NAME\"]), r[\"BORE\"], r[\"RATIO\"], r[\"OK\"], r[\"MADE\"], len(r[\"NOTE\"] or "
        "\"\"), (r[\"NOTE\"] or \"\")[:14])\n"
        "print(len(t.deleted))\n";
    const std::string output = RunPython(script, path);
    EXPECT_EQ(output,
              "cp850\n"
              "'Größe äü' 120.035 -0.25 True 2026-12-09 715 Bemerkung Über\n"
              "1\n");
}

}  // namespace
}  // namespace trb::tables
