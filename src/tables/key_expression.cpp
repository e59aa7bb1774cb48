#include "tables/key_expression.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "tables/dbf_error.h"
#include "tables/field_text.h"

namespace trb::tables {

namespace {

void SkipBlanks(std::string_view& rest) {
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

[[noreturn]] void Invalid(std::string_view text) {
    throw DbfError(DbfErrorCode::InvalidField, std::string(text));
}

}  // namespace

KeyExpression::KeyExpression(std::string_view text, const std::vector<DbfField>& fields)
    : text_(text), fields_(&fields) {
    std::string_view rest = text;
    root_ = ParseSum(rest);
    SkipBlanks(rest);
    if (!rest.empty()) Invalid(text_);

    // A sum whose operands are single character or logical fields is a character key.
    auto isCharacterField = [&](int node) {
        return nodes_[static_cast<std::size_t>(node)].kind == 'f' &&
               (fields[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(node)].field)].type == 'C' ||
                fields[static_cast<std::size_t>(nodes_[static_cast<std::size_t>(node)].field)].type == 'L');
    };
    const Node& root = nodes_[static_cast<std::size_t>(root_)];
    std::vector<int> terms = root.kind == '+' ? root.operands : std::vector<int>{root_};
    int characterTerms = 0;
    for (int t : terms) characterTerms += isCharacterField(t) ? 1 : 0;
    if (characterTerms == static_cast<int>(terms.size())) {
        for (int t : terms) {
            const int f = nodes_[static_cast<std::size_t>(t)].field;
            characterFields_.push_back(f);
            keyLength_ += fields[static_cast<std::size_t>(f)].length;
        }
        if (keyLength_ > 100) Invalid(text_);
        return;
    }
    for (const Node& n : nodes_)
        if (n.kind == 'f' && (fields[static_cast<std::size_t>(n.field)].type == 'C' ||
                              fields[static_cast<std::size_t>(n.field)].type == 'L'))
            Invalid(text_);
    numeric_ = true;
    keyLength_ = 8;
}

int KeyExpression::ParseSum(std::string_view& rest) {
    Node sum{'+', 0, -1, {ParseProduct(rest)}};
    for (SkipBlanks(rest); !rest.empty() && rest.front() == '+'; SkipBlanks(rest)) {
        rest.remove_prefix(1);
        sum.operands.push_back(ParseProduct(rest));
    }
    if (sum.operands.size() == 1) return sum.operands[0];
    nodes_.push_back(std::move(sum));
    return static_cast<int>(nodes_.size()) - 1;
}

int KeyExpression::ParseProduct(std::string_view& rest) {
    Node product{'*', 0, -1, {ParsePrimary(rest)}};
    for (SkipBlanks(rest); !rest.empty() && rest.front() == '*'; SkipBlanks(rest)) {
        rest.remove_prefix(1);
        product.operands.push_back(ParsePrimary(rest));
    }
    if (product.operands.size() == 1) return product.operands[0];
    nodes_.push_back(std::move(product));
    return static_cast<int>(nodes_.size()) - 1;
}

int KeyExpression::ParsePrimary(std::string_view& rest) {
    SkipBlanks(rest);
    if (rest.empty()) Invalid(text_);
    if (rest.size() > 200 || nodes_.size() > 200) Invalid(text_);
    const char c = rest.front();
    if (c == '(') {
        rest.remove_prefix(1);
        const int inner = ParseSum(rest);
        SkipBlanks(rest);
        if (rest.empty() || rest.front() != ')') Invalid(text_);
        rest.remove_prefix(1);
        return inner;
    }
    Node node;
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
        std::size_t n = 0;
        while (n < rest.size() && (std::isdigit(static_cast<unsigned char>(rest[n])) || rest[n] == '.')) ++n;
        const auto value = ParseFieldNumber(rest.substr(0, n));
        if (!value) Invalid(text_);
        node.kind = 'c';
        node.constant = static_cast<double>(*value);
        rest.remove_prefix(n);
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
        std::size_t n = 0;
        while (n < rest.size() && (std::isalnum(static_cast<unsigned char>(rest[n])) || rest[n] == '_')) ++n;
        const std::string_view name = rest.substr(0, n);
        rest.remove_prefix(n);
        for (std::size_t i = 0; i < fields_->size(); ++i)
            if (SameName((*fields_)[i].name, name)) node.field = static_cast<int>(i);
        if (node.field < 0 || (*fields_)[static_cast<std::size_t>(node.field)].type == 'M') Invalid(text_);
        node.kind = 'f';
    } else {
        Invalid(text_);
    }
    nodes_.push_back(std::move(node));
    return static_cast<int>(nodes_.size()) - 1;
}

double KeyExpression::Value(int index, std::string_view record) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    switch (node.kind) {
        case 'c':
            return node.constant;
        case 'f': {
            const DbfField& f = (*fields_)[static_cast<std::size_t>(node.field)];
            const std::string_view raw =
                record.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.length));
            if (f.type == 'D') return DateKeyValue(raw);
            return static_cast<double>(ParseFieldNumber(raw).value_or(0));
        }
        case '+': {
            double sum = 0;
            for (int o : node.operands) sum += Value(o, record);
            return sum;
        }
        default: {
            double product = 1;
            for (int o : node.operands) product *= Value(o, record);
            return product;
        }
    }
}

double KeyExpression::EvaluateNumber(std::string_view record) const {
    return Value(root_, record);
}

std::string KeyExpression::Evaluate(std::string_view record) const {
    if (numeric_) return NumericKey(EvaluateNumber(record));
    std::string key;
    key.reserve(static_cast<std::size_t>(keyLength_));
    for (int f : characterFields_) {
        const DbfField& field = (*fields_)[static_cast<std::size_t>(f)];
        key.append(
            record.substr(static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.length)));
    }
    return key;
}

std::string NumericKey(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::string key(8, '\0');
    for (int i = 0; i < 8; ++i)
        key[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return key;
}

double DateKeyValue(std::string_view d) {
    int parts[3] = {0, 0, 0};
    const std::size_t widths[3] = {4, 2, 2};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        if (d.size() < pos + widths[i]) return 0;
        const auto r = std::from_chars(d.data() + pos, d.data() + pos + widths[i], parts[i]);
        if (r.ec != std::errc() || r.ptr != d.data() + pos + widths[i]) return 0;
        pos += widths[i];
    }
    const int year = parts[0], month = parts[1], day = parts[2];
    if (month < 1 || month > 12 || day < 1 || day > 31) return 0;
    // Julian day number of a Gregorian date.
    const int a = (14 - month) / 12;
    const int y = year + 4800 - a;
    const int m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

}  // namespace trb::tables
