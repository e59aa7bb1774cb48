#include "casefile/case_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "docs/case_lines.h"
#include "docs/documentation.h"
#include "docs/documentation_section.h"
#include "text/format.h"

namespace trb::casefile {

namespace {

const std::string kRule(65, '-');
constexpr const char* kShortRule = "--";

// One input line of the record block (lines 15 to 50 of the file), in file order.
struct InputField {
    enum class Kind { Real, Text, Integer, Boolean, Reserved };
    Kind kind;
    real* realValue = nullptr;
    std::string* textValue = nullptr;
    std::uint16_t* integerValue = nullptr;
    bool* booleanValue = nullptr;
};

InputField R(real& v) {
    return {InputField::Kind::Real, &v};
}
InputField T(std::string& v) {
    return {InputField::Kind::Text, nullptr, &v};
}
InputField I(std::uint16_t& v) {
    return {InputField::Kind::Integer, nullptr, nullptr, &v};
}
InputField B(bool& v) {
    return {InputField::Kind::Boolean, nullptr, nullptr, nullptr, &v};
}
InputField Reserved() {
    return {InputField::Kind::Reserved};
}

std::vector<InputField> InputFields(core::TRBrecord& r) {
    return {R(r.db),     T(r.toldb), R(r.dbmax),   R(r.dbmin), R(r.rzb),   R(r.nb),      R(r.alpha1b),
            R(r.b),      R(r.dh),    R(r.omega),   R(r.ds),    T(r.tolds), R(r.dsmax),   R(r.dsmin),
            R(r.rzs),    R(r.ns),    R(r.alpha1s), R(r.rho),   R(r.pe),    R(r.t1),      R(r.ta),
            R(r.c),      R(r.f),     R(r.a),       R(r.k),     Reserved(), I(r.schmier), B(r.druckschmierung),
            I(r.zufuhr), R(r.bg),    R(r.bp),      R(r.phia),  R(r.phie),  R(r.plim),    R(r.tblim),
            R(r.h0lim)};
}

std::string WriteField(const InputField& field, const text::FormatOptions& format) {
    switch (field.kind) {
        case InputField::Kind::Real:
            return CaseReal(*field.realValue, format);
        case InputField::Kind::Text:
            return *field.textValue;
        case InputField::Kind::Integer:
            return text::IntText(*field.integerValue);
        case InputField::Kind::Boolean:
            return *field.booleanValue ? "TRUE" : "FALSE";
        case InputField::Kind::Reserved:
            return CaseReal(0, format);
    }
    return {};
}

std::uint16_t ToUInt16(std::string_view line) {
    return static_cast<std::uint16_t>(std::clamp<long long>(text::TextToInt(line), 0, UINT16_MAX));
}

bool ToBoolean(std::string_view line) {
    std::string upper = text::TrimText(line);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return upper == "TRUE";
}

void ReadField(const InputField& field, const std::string& line) {
    switch (field.kind) {
        case InputField::Kind::Real:
            *field.realValue = text::TextToReal(line);
            break;
        case InputField::Kind::Text:
            *field.textValue = line;
            break;
        case InputField::Kind::Integer:
            *field.integerValue = ToUInt16(line);
            break;
        case InputField::Kind::Boolean:
            *field.booleanValue = ToBoolean(line);
            break;
        case InputField::Kind::Reserved:
            break;
    }
}

bool ReadText(docs::CaseLineReader& in, std::string& target, std::size_t length) {
    std::string line;
    if (!in.Next(line)) return false;
    target = docs::CutTo(line, length);
    return true;
}

}  // namespace

std::string CaseReal(real x, const text::FormatOptions& format) {
    if (std::fabs(x) >= text::kExponentFormFrom) return text::FormatExponent(x, format);
    // Seven decimals at least: fewer decimals setting would cut small inputs such as expansion
    // coefficients (23e-6) in the saved file.
    text::FormatOptions fileFormat = format;
    fileFormat.decimals = std::max(fileFormat.decimals, 3);
    const std::string fixed = text::FormatDecimals(x, 7, fileFormat);
    // A value whose long form reads back as a whole number below 1 (0, "-20.0000000") is written in
    // the short form that number is saved in, so that a saved case saves again unchanged.
    const real held = text::TextToReal(fixed);
    if (held < 1 && held == std::round(held)) return text::FormatShort(held, format);
    return fixed;
}

std::string CaseText(const CaseContent& content, const text::FormatOptions& format) {
    std::ostringstream out;
    WriteCaseContent(out, content, format, {});
    return out.str();
}

void WriteCaseContent(std::ostream& out, const CaseContent& content, const text::FormatOptions& format,
                      std::string_view programTitle) {
    docs::CaseLineWriter lines(out);
    lines.Line(kRule);
    lines.Line(programTitle);
    lines.Line("Version " + std::string(config::kProgramVersion));
    lines.Line("");
    lines.Line(kRule);
    for (const auto& remark : content.title.remarks) lines.Line(remark);
    lines.Line(content.title.drawingName);
    lines.Line(content.title.drawingNumber);
    lines.Line(content.title.drawingName2);
    for (int i = 0; i < 3; ++i) lines.Line(kShortRule);
    for (const InputField& field : InputFields(content.record)) lines.Line(WriteField(field, format));
    docs::WriteDocumentationSection(lines, content.changes, content.info, format);
    docs::WriteDocumentsSection(lines, content.documents);
    lines.Line(CaseReal(content.record.de, format));
    lines.Line(text::IntText(content.record.din1850rec));
    lines.Line(CaseReal(content.record.bfactor, format));
}

bool LooksLikeCaseFile(std::string_view text) {
    return text.size() >= 2 && text[0] == '-' && text[1] == '-';
}

namespace {

// Every line of the layout in order; false when the text ended first.
bool ReadLayout(docs::CaseLineReader& in, CaseContent& content) {
    if (!in.Skip(5)) return false;
    docs::TitleData& title = content.title;
    for (auto& remark : title.remarks) {
        if (!ReadText(in, remark, docs::TitleData::kRemarkLength)) return false;
    }
    if (!ReadText(in, title.drawingName, docs::TitleData::kDrawingNameLength) ||
        !ReadText(in, title.drawingNumber, docs::TitleData::kDrawingNumberLength) ||
        !ReadText(in, title.drawingName2, docs::TitleData::kDrawingName2Length) || !in.Skip(3)) {
        return false;
    }
    std::string line;
    for (const InputField& field : InputFields(content.record)) {
        if (!in.Next(line)) return false;
        ReadField(field, line);
    }
    if (!docs::ReadDocumentationSection(in, content.changes, content.info) ||
        !docs::ReadDocumentsSection(in, content.documents)) {
        return false;
    }
    if (!in.Next(line)) return false;
    content.record.de = text::TextToReal(line);
    if (!in.Next(line)) return false;
    content.record.din1850rec = ToUInt16(line);
    if (!in.Next(line)) return false;
    content.record.bfactor = text::TextToReal(line);
    return true;
}

}  // namespace

CaseReading ReadCaseContent(std::string_view text, CaseContent& content) {
    docs::CaseLineReader in(text);
    CaseReading reading;
    reading.complete = ReadLayout(in, content);
    reading.lines = in.LineNumber();
    reading.cutLine = in.FirstCutLine();
    return reading;
}

}  // namespace trb::casefile
