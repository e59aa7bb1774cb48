// Feeds arbitrary bytes to the index reader and the key expression it names.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_error.h"
#include "tables/key_expression.h"
#include "tables/ndx_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<trb::tables::DbfField> fields = {
        {"D1", 'N', 7, 2, 1},    {"D2", 'N', 7, 2, 8},  {"NAME", 'C', 10, 0, 15},
        {"MADE", 'D', 8, 0, 25}, {"OK", 'L', 1, 0, 33}, {"NOTE", 'M', 10, 0, 34}};
    static const std::string record = [] {
        std::string r(44, ' ');
        r.replace(1, 7, " 120.00");
        r.replace(8, 7, " 135.00");
        r.replace(15, 6, "Buchse");
        r.replace(25, 8, "20261209");
        r[33] = 'T';
        return r;
    }();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    try {
        const trb::tables::NdxContents contents = trb::tables::ReadNdx(input);
        const trb::tables::KeyExpression key(contents.expression, fields);
        key.Evaluate(record);
    } catch (const trb::tables::DbfError&) {
    }
    return 0;
}
