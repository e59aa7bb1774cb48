// Delimited text import and export: one record per line, fields separated by commas, character
// fields in double quotes (a quote inside doubled), memo fields left out.
#include <algorithm>
#include <cerrno>

#include "config/input_file.h"
#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "tables/field_text.h"

namespace trb::tables {

namespace {

// Far beyond any table the program works with; a larger file is refused, not read.
constexpr std::size_t kMaxDelimitedBytes = 64 * 1024 * 1024;
constexpr std::size_t kMaxLineLength = 64 * 1024;

std::string TrimBoth(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// A line that cannot be read: the reason, in code page 850.
struct LineProblem {
    std::string text;
};

// Splits one line into its values; a quote left open or text after a closing quote is refused.
std::vector<std::string> SplitDelimited(std::string_view line) {
    std::vector<std::string> values;
    std::size_t i = 0;
    for (;;) {
        std::string value;
        while (i < line.size() && line[i] == ' ') ++i;
        if (i < line.size() && line[i] == '"') {
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        value += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                value += line[i];
            }
            if (!closed) throw LineProblem{"Anf\x81hrungszeichen nicht geschlossen"};
            while (i < line.size() && line[i] == ' ') ++i;
            if (i < line.size() && line[i] != ',') throw LineProblem{"Text nach Anf\x81hrungszeichen"};
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

// The stored bytes of a value for its field; a value the field cannot take exactly is refused.
std::string StoredValue(const DbfField& field, const std::string& value) {
    const std::string trimmed = TrimBoth(value);
    switch (field.type) {
        case 'N':
        case 'F':
            if (!trimmed.empty() && !ParseFieldNumber(trimmed)) throw LineProblem{"keine Zahl"};
            try {
                return EncodeFieldText(field, trimmed);
            } catch (const DbfError&) {
                throw LineProblem{"Zahl passt nicht ins Feld"};
            }
        case 'L':
            if (trimmed.size() > 1 ||
                (trimmed.size() == 1 &&
                 std::string_view("TtYyJjFfNn?").find(trimmed[0]) == std::string_view::npos))
                throw LineProblem{"kein logischer Wert"};
            return EncodeFieldText(field, trimmed);
        case 'D':
            if (!trimmed.empty() &&
                (trimmed.size() != 8 ||
                 !std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; })))
                throw LineProblem{"kein Datum (JJJJMMTT)"};
            return EncodeFieldText(field, trimmed);
        default:
            if (value.size() > static_cast<std::size_t>(field.length)) throw LineProblem{"Text zu lang"};
            return EncodeFieldText(field, value);
    }
}

std::string LineNote(std::size_t line) {
    return "Zeile " + std::to_string(line);
}

}  // namespace

void DbfTable::CopyToDelimited(const std::filesystem::path& textFile) const {
    RequireOpen();
    // Replacing the table's own files with text would destroy them.
    const std::filesystem::path memo =
        memo_.IsOpen() ? std::filesystem::path(path_).replace_extension(".dbt") : std::filesystem::path();
    if (SameFile(textFile, path_) || (!memo.empty() && SameFile(textFile, memo)))
        throw DbfError(DbfErrorCode::AlreadyInUse, textFile.string());
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
    if (file_.IsReadOnly()) throw DbfError(DbfErrorCode::AccessDenied, path_.string());
    config::InputFile input = config::ReadInputFile(textFile.string(), kMaxDelimitedBytes);
    switch (input.status) {
        case config::InputStatus::Ok:
            break;
        case config::InputStatus::NotFound:
        case config::InputStatus::ReadError:
            ThrowErrno(input.error != 0 ? input.error : ENOENT, textFile.string());
        case config::InputStatus::NotRegular:
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(), "keine normale Datei");
        default:
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(), "zu gro\xE1");
    }
    std::string& text = input.content;
    if (const auto end = text.find(kDbfEndOfFile); end != std::string::npos) text.resize(end);

    std::vector<int> targets;
    for (int f = 1; f <= FieldCount(); ++f)
        if (FieldInfo(f).type != 'M') targets.push_back(f);

    // Every line is checked before anything is written.
    std::vector<std::string> records;
    config::LineSplitter lines(text, kMaxLineLength);
    std::string line;
    while (lines.Next(line)) {
        const std::size_t number = lines.LineNumber();
        if (lines.Cut())
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(), LineNote(number) + ": zu lang");
        if (line.empty()) continue;
        if (std::any_of(line.begin(), line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(),
                           LineNote(number) + ": Steuerzeichen");
        std::vector<std::string> values;
        try {
            values = SplitDelimited(line);
        } catch (const LineProblem& problem) {
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(),
                           LineNote(number) + ": " + problem.text);
        }
        if (values.size() != targets.size())
            throw DbfError(DbfErrorCode::BadTextFile, textFile.string(),
                           LineNote(number) + ": " + std::to_string(values.size()) + " statt " +
                               std::to_string(targets.size()) + " Werte");
        std::string record = BlankRecord();
        for (std::size_t i = 0; i < targets.size(); ++i) {
            const DbfField& field = FieldInfo(targets[i]);
            try {
                const std::string stored = StoredValue(field, values[i]);
                record.replace(static_cast<std::size_t>(field.offset), stored.size(), stored);
            } catch (const LineProblem& problem) {
                throw DbfError(DbfErrorCode::BadTextFile, textFile.string(),
                               LineNote(number) + ", " + field.name + ": " + problem.text);
            }
        }
        records.push_back(std::move(record));
    }
    AppendRecords(records);
    if (recNo_ == 0) First();
    LoadBuffer();
}

}  // namespace trb::tables
