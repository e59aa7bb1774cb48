// Delimited text import and export: one record per line, fields separated by commas, character
// fields in double quotes (a quote inside doubled), memo fields left out.
#include <algorithm>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/field_text.h"

namespace trb::tables {

namespace {

std::string TrimBoth(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Splits one line into its values.
std::vector<std::string> SplitDelimited(std::string_view line) {
    std::vector<std::string> values;
    std::size_t i = 0;
    for (;;) {
        std::string value;
        while (i < line.size() && line[i] == ' ') ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        value += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += line[i];
            }
            while (i < line.size() && line[i] != ',') ++i;
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            value = TrimBoth(line.substr(i, comma - i));
            i = comma;
        }
        values.push_back(std::move(value));
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    return values;
}

}  // namespace

void DbfTable::CopyToDelimited(const std::filesystem::path& textFile) const {
    RequireOpen();
    std::string out;
    std::uint32_t record = Edge(+1);
    for (; record != 0; record = Step(record, +1)) {
        const std::string bytes = ReadRecord(static_cast<int>(record));
        bool first = true;
        for (int f = 1; f <= FieldCount(); ++f) {
            const DbfField& field = FieldInfo(f);
            if (field.type == 'M') continue;
            if (!first) out += ',';
            first = false;
            const std::string text = FieldTextForm(
                field,
                bytes.substr(static_cast<std::size_t>(field.offset), static_cast<std::size_t>(field.length)),
                '.');
            if (field.type == 'C') {
                out += '"';
                for (char c : text) {
                    if (c == '"') out += '"';
                    out += c;
                }
                out += '"';
            } else {
                out += TrimBoth(text);
            }
        }
        out += "\r\n";
    }
    WriteFileReplacing(textFile, out);
}

void DbfTable::AppendFromDelimited(const std::filesystem::path& textFile) {
    RequireOpen();
    PostIfEditing();
    FileHandle file = FileHandle::OpenReadOnly(textFile);
    std::string text(static_cast<std::size_t>(file.Size()), '\0');
    text.resize(file.ReadAt(0, text.data(), text.size()));
    if (const auto end = text.find(kDbfEndOfFile); end != std::string::npos) text.resize(end);

    std::vector<int> targets;
    for (int f = 1; f <= FieldCount(); ++f)
        if (FieldInfo(f).type != 'M') targets.push_back(f);
    std::vector<std::string> records;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        if (line.empty()) continue;
        const std::vector<std::string> values = SplitDelimited(line);
        std::string record = BlankRecord();
        for (std::size_t i = 0; i < targets.size() && i < values.size(); ++i) {
            const DbfField& field = FieldInfo(targets[i]);
            std::string stored;
            try {
                stored = EncodeFieldText(field, values[i]);
            } catch (const DbfError&) {
                stored = std::string(static_cast<std::size_t>(field.length), ' ');  // number too wide: blank
            }
            record.replace(static_cast<std::size_t>(field.offset), stored.size(), stored);
        }
        records.push_back(std::move(record));
    }
    AppendRecords(records);
    if (recNo_ == 0) First();
    LoadBuffer();
}

}  // namespace trb::tables
