#include "docs/documentation_section.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "docs/documentation.h"
#include "text/format.h"

namespace trb::docs {

namespace {

constexpr const char* kChangesHeading =
    "\x8E"
    "NDERUNGEN";  // "ÄNDERUNGEN" in code page 850
constexpr const char* kDocumentsHeading = "Dokumente";
constexpr const char* kLongRule = "--------------------";
constexpr const char* kShortRule = "--------------";

// A field of a "|"-separated line: its own "|" would shift the following fields.
std::string Field(std::string_view text) {
    std::string field(text);
    std::replace(field.begin(), field.end(), '|', '/');
    return field;
}

// Line breaks (CR LF, LF or CR) become "|".
std::string JoinLines(std::string_view text) {
    std::string joined;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            joined += '|';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (text[i] == '\n') {
            joined += '|';
        } else {
            joined += text[i];
        }
    }
    return joined;
}

std::string SplitLines(std::string_view text) {
    std::string split(text);
    std::replace(split.begin(), split.end(), '|', '\n');
    return split;
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) {
            if (start < line.size()) fields.emplace_back(line.substr(start));
            break;
        }
        fields.emplace_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    return fields;
}

int ClampedCount(std::string_view text, int max) {
    return static_cast<int>(std::clamp<long long>(text::TextToInt(text), 0, max));
}

// Stores field i of `fields` cut to `length`, when the line has it.
void Take(const std::vector<std::string>& fields, std::size_t i, std::string& target, std::size_t length) {
    if (i < fields.size()) target = CutTo(fields[i], length);
}

void TakeReal(const std::vector<std::string>& fields, std::size_t i, real& target) {
    if (i < fields.size()) target = text::TextToReal(fields[i]);
}

bool ReadField(CaseLineReader& in, std::string& target, std::size_t length) {
    std::string line;
    if (!in.Next(line)) return false;
    target = CutTo(line, length);
    return true;
}

}  // namespace

void WriteDocumentationSection(CaseLineWriter& out, const ChangeLog& changes, const DrawingInfo& info,
                               const text::FormatOptions& format) {
    const int changeCount = std::clamp(changes.count, 0, ChangeLog::kMaxChanges);
    out.Line(kChangesHeading);
    out.Line(text::IntText(changeCount));
    out.Line(kLongRule);
    for (int i = 1; i <= changeCount; ++i) {
        const AendRecord& r = changes.Record(i);
        out.Line(r.changeText);
        out.Line(r.date);
        out.Line(r.editor);
        out.Line(JoinLines(r.description));
        out.Line(kShortRule);
    }

    const int itemCount = std::clamp(info.textItemCount, 0, DrawingInfo::kMaxTextItems);
    std::string signatures;
    for (const auto row : {kRowGepr, kRowNorm, kRowRelease}) {
        signatures += Field(info.rows[row].date) + "|" + Field(info.rows[row].name) + "|";
    }
    signatures += text::IntText(itemCount) + "||";
    out.Line(signatures);
    out.Line(info.rows[kRowBearb].date);
    out.Line(info.replaces);
    out.Line(info.replacedBy);
    out.Line(info.rows[kRowBearb].name);
    // Positions keep three significant digits whatever the decimals setting: fewer decimals would
    // move a text item a little on every save.
    text::FormatOptions fileFormat = format;
    fileFormat.decimals = std::max(fileFormat.decimals, 3);
    for (int i = 0; i < itemCount; ++i) {
        const TextItem& item = info.textItems[static_cast<std::size_t>(i)];
        std::string line;
        for (const real v : {item.x, item.y, item.h, item.phi})
            line += (std::fabs(v) >= text::kExponentFormFrom ? text::FormatExponent(v, fileFormat)
                                                             : text::FormatShort(v, fileFormat)) +
                    "|";
        line += Field(item.text) + "||";
        out.Line(line);
    }
}

bool ReadDocumentationSection(CaseLineReader& in, ChangeLog& changes, DrawingInfo& info) {
    std::string line;
    if (!in.Skip(1) || !in.Next(line)) return false;
    const int changeCount = ClampedCount(line, ChangeLog::kMaxChanges);
    if (!in.Skip(1)) return false;
    for (int i = 1; i <= changeCount; ++i) {
        AendRecord& r = changes.Record(i);
        if (!in.Next(line)) {
            changes.count = i - 1;
            return false;
        }
        changes.count = i;
        r.changeText = CutTo(line, AendRecord::kChangeTextLength);
        if (!ReadField(in, r.date, AendRecord::kDateLength) ||
            !ReadField(in, r.editor, AendRecord::kEditorLength)) {
            return false;
        }
        if (!in.Next(line)) return false;
        r.description = SplitLines(line);
        if (!in.Skip(1)) return false;
    }
    changes.count = changeCount;

    if (!in.Next(line)) return false;
    const auto fields = SplitFields(line);
    std::size_t f = 0;
    for (const auto row : {kRowGepr, kRowNorm, kRowRelease}) {
        Take(fields, f++, info.rows[row].date, SignatureRow::kDateLength);
        Take(fields, f++, info.rows[row].name, SignatureRow::kNameLength);
    }
    const int itemCount = f < fields.size() ? ClampedCount(fields[f], DrawingInfo::kMaxTextItems) : 0;

    if (!ReadField(in, info.rows[kRowBearb].date, SignatureRow::kDateLength) ||
        !ReadField(in, info.replaces, DrawingInfo::kReplacementLength) ||
        !ReadField(in, info.replacedBy, DrawingInfo::kReplacementLength) ||
        !ReadField(in, info.rows[kRowBearb].name, SignatureRow::kNameLength)) {
        return false;
    }
    // Only the items actually present count, so a cut-off file shows no stale items.
    info.textItemCount = 0;
    for (int i = 0; i < itemCount; ++i) {
        if (!in.Next(line)) return false;
        TextItem& item = info.textItems[static_cast<std::size_t>(i)];
        const auto values = SplitFields(line);
        TakeReal(values, 0, item.x);
        TakeReal(values, 1, item.y);
        TakeReal(values, 2, item.h);
        TakeReal(values, 3, item.phi);
        Take(values, 4, item.text, TextItem::kTextLength);
        info.textItemCount = i + 1;
    }
    return true;
}

void WriteDocumentsSection(CaseLineWriter& out, const LinkedDocuments& documents) {
    out.Line(kDocumentsHeading);
    out.Line(text::IntText(LinkedDocuments::kCount));
    out.Line(kLongRule);
    for (const LinkedDocument& d : documents.entries) {
        out.Line(CutTo(d.program, LinkedDocument::kFieldLength));
        out.Line(CutTo(d.file, LinkedDocument::kFieldLength));
        out.Line(kShortRule);
    }
}

bool ReadDocumentsSection(CaseLineReader& in, LinkedDocuments& documents) {
    // The layout always holds five entries; the count line is not trusted to shift the fields after it.
    if (!in.Skip(3)) return false;
    for (LinkedDocument& d : documents.entries) {
        d.confirmed = false;  // a program from a file is the file's, not the user's
        if (!ReadField(in, d.program, LinkedDocument::kFieldLength) ||
            !ReadField(in, d.file, LinkedDocument::kFieldLength) || !in.Skip(1)) {
            return false;
        }
    }
    return true;
}

}  // namespace trb::docs
