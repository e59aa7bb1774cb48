#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_structure.h"

namespace trb::tables {

// An index key expression: a field name, character fields joined by "+", or a numeric expression of
// N, F and D fields and constants with "+", "*" and parentheses, as in
// "BORE*10000+OUTER*100+WIDTH". Field names are matched without regard to case.
class KeyExpression {
  public:
    // Throws "Unzulässige Feldangabe" for an unknown field, a memo field, a syntax error or a mix of
    // character and numeric terms.
    KeyExpression(std::string_view text, const std::vector<DbfField>& fields);

    bool IsNumeric() const { return numeric_; }
    // Bytes per key: 8 for numeric keys (an IEEE double), else the sum of the field lengths.
    int KeyLength() const { return keyLength_; }
    const std::string& Text() const { return text_; }

    // The key of a record (the record's raw bytes, deletion flag first): for character keys the
    // field bytes joined, for numeric keys the value as a little-endian double.
    std::string Evaluate(std::string_view record) const;
    double EvaluateNumber(std::string_view record) const;

  private:
    struct Node {
        char kind = 'c';  // 'c' constant, 'f' field, '+' sum, '*' product
        double constant = 0;
        int field = -1;
        std::vector<int> operands;
    };
    int ParseSum(std::string_view& rest);
    int ParseProduct(std::string_view& rest);
    int ParsePrimary(std::string_view& rest);
    double Value(int node, std::string_view record) const;

    std::string text_;
    const std::vector<DbfField>* fields_;
    std::vector<Node> nodes_;
    std::vector<int> characterFields_;
    int root_ = -1;
    bool numeric_ = false;
    int keyLength_ = 0;
};

// The 8-byte key of a number in an index file (the IEEE double, least significant byte first).
std::string NumericKey(double value);

// The day number dBase uses for a date key (Julian day), 0 for a blank or malformed date.
double DateKeyValue(std::string_view yyyymmdd);

}  // namespace trb::tables
