// Unpacks the parts of an .xlsx workbook with minizip (from memory) and reads them with expat.
#include "workbook/workbook_reader.h"

#include <expat.h>
#include <unzip.h>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace trb::workbook {

namespace {

// ----- the zip archive, read from memory -----

struct MemoryFile {
    std::string_view data;
    ZPOS64_T position = 0;
};

voidpf OpenMemory(voidpf opaque, const void* /*name*/, int mode) {
    if ((mode & ZLIB_FILEFUNC_MODE_WRITE) != 0) return nullptr;
    auto* file = static_cast<MemoryFile*>(opaque);
    file->position = 0;
    return file;
}

uLong ReadMemory(voidpf /*opaque*/, voidpf stream, void* buffer, uLong size) {
    auto* file = static_cast<MemoryFile*>(stream);
    const ZPOS64_T left = file->data.size() - std::min<ZPOS64_T>(file->position, file->data.size());
    const auto n = static_cast<uLong>(std::min<ZPOS64_T>(size, left));
    if (n > 0) std::memcpy(buffer, file->data.data() + file->position, n);
    file->position += n;
    return n;
}

uLong WriteMemory(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T TellMemory(voidpf /*opaque*/, voidpf stream) {
    return static_cast<MemoryFile*>(stream)->position;
}

long SeekMemory(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
    auto* file = static_cast<MemoryFile*>(stream);
    ZPOS64_T base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = file->position;
    if (origin == ZLIB_FILEFUNC_SEEK_END) base = file->data.size();
    if (offset > file->data.size() || base > file->data.size() - offset) return -1;
    file->position = base + offset;
    return 0;
}

int CloseMemory(voidpf, voidpf) {
    return 0;
}

int ErrorMemory(voidpf, voidpf) {
    return 0;
}

class Archive {
  public:
    explicit Archive(std::string_view bytes) : file_{bytes} {
        zlib_filefunc64_def functions{};
        functions.zopen64_file = OpenMemory;
        functions.zread_file = ReadMemory;
        functions.zwrite_file = WriteMemory;
        functions.ztell64_file = TellMemory;
        functions.zseek64_file = SeekMemory;
        functions.zclose_file = CloseMemory;
        functions.zerror_file = ErrorMemory;
        functions.opaque = &file_;
        zip_ = unzOpen2_64("workbook", &functions);
    }
    ~Archive() {
        if (zip_ != nullptr) unzClose(zip_);
    }
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsOpen() const { return zip_ != nullptr; }
    bool Has(const std::string& part) { return unzLocateFile(zip_, part.c_str(), 2) == UNZ_OK; }

    // Hands the part's bytes to `consume` piece by piece.
    template <typename Consumer>
    ReadProblem Unpack(const std::string& part, Consumer&& consume) {
        if (unzLocateFile(zip_, part.c_str(), 2) != UNZ_OK) return ReadProblem::NotAWorkbook;
        if (unzOpenCurrentFile(zip_) != UNZ_OK) return ReadProblem::Damaged;
        char buffer[1 << 16];
        std::size_t total = 0;
        ReadProblem problem = ReadProblem::None;
        for (;;) {
            const int n = unzReadCurrentFile(zip_, buffer, sizeof buffer);
            if (n < 0) {
                problem = ReadProblem::Damaged;
                break;
            }
            if (n == 0) break;
            total += static_cast<std::size_t>(n);
            if (total > kMaxPartSize) {
                problem = ReadProblem::TooLarge;
                break;
            }
            if (!consume(std::string_view(buffer, static_cast<std::size_t>(n)))) {
                problem = ReadProblem::Damaged;
                break;
            }
        }
        if (unzCloseCurrentFile(zip_) != UNZ_OK && problem == ReadProblem::None)
            problem = ReadProblem::Damaged;
        return problem;
    }

  private:
    MemoryFile file_;
    unzFile zip_ = nullptr;
};

// ----- XML parts -----

std::string_view LocalName(const char* name) {
    std::string_view view(name);
    const auto colon = view.rfind(':');
    return colon == std::string_view::npos ? view : view.substr(colon + 1);
}

// The value of the attribute with this local name ("" when it is missing).
std::string_view Attribute(const char** attributes, std::string_view local) {
    for (int i = 0; attributes[i] != nullptr; i += 2) {
        if (LocalName(attributes[i]) == local) return attributes[i + 1];
    }
    return {};
}

class XmlReader {
  public:
    virtual ~XmlReader() = default;
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Text(std::string_view /*text*/) {}
    // True once the reader has built all it may: the parsing stops and the part is too large.
    virtual bool Full() const { return false; }
};

ReadProblem ParseXml(Archive& archive, const std::string& part, XmlReader& reader) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (parser == nullptr) return ReadProblem::TooLarge;
    XML_SetUserData(parser, &reader);
    XML_SetElementHandler(
        parser,
        [](void* data, const XML_Char* name, const XML_Char** attributes) {
            static_cast<XmlReader*>(data)->Start(LocalName(name), attributes);
        },
        [](void* data, const XML_Char* name) { static_cast<XmlReader*>(data)->End(LocalName(name)); });
    XML_SetCharacterDataHandler(parser, [](void* data, const XML_Char* text, int length) {
        static_cast<XmlReader*>(data)->Text(std::string_view(text, static_cast<std::size_t>(length)));
    });
    ReadProblem problem = archive.Unpack(part, [&](std::string_view piece) {
        return XML_Parse(parser, piece.data(), static_cast<int>(piece.size()), XML_FALSE) == XML_STATUS_OK &&
               !reader.Full();
    });
    if (problem == ReadProblem::None && XML_Parse(parser, "", 0, XML_TRUE) != XML_STATUS_OK)
        problem = ReadProblem::Damaged;
    XML_ParserFree(parser);
    return reader.Full() ? ReadProblem::TooLarge : problem;
}

// The relationship id of the first sheet in "xl/workbook.xml".
class WorkbookReader : public XmlReader {
  public:
    void Start(std::string_view name, const char** attributes) override {
        if (name == "sheet" && firstSheet.empty()) firstSheet = std::string(Attribute(attributes, "id"));
    }
    void End(std::string_view) override {}
    std::string firstSheet;
};

// The target of one relationship in "xl/_rels/workbook.xml.rels".
class RelationshipReader : public XmlReader {
  public:
    explicit RelationshipReader(std::string id) : id_(std::move(id)) {}
    void Start(std::string_view name, const char** attributes) override {
        if (name == "Relationship" && Attribute(attributes, "Id") == id_)
            target = std::string(Attribute(attributes, "Target"));
    }
    void End(std::string_view) override {}
    std::string target;

  private:
    std::string id_;
};

// The texts of "xl/sharedStrings.xml": each <si> joins its <t> pieces, leaving out phonetic runs.
class SharedStringReader : public XmlReader {
  public:
    explicit SharedStringReader(std::size_t budget) : budget_(budget) {}
    // The texts and their places count as the cells do: a part of a million empty items is too large.
    bool Full() const override { return built_ > budget_; }

    void Start(std::string_view name, const char**) override {
        if (Full()) return;
        if (name == "si") {
            inItem_ = true;
            built_ += sizeof(std::string);
            strings.emplace_back();
        } else if (name == "rPh") {
            ++phonetic_;
        } else if (name == "t") {
            inText_ = true;
        }
    }
    void End(std::string_view name) override {
        if (name == "si") inItem_ = false;
        if (name == "rPh" && phonetic_ > 0) --phonetic_;
        if (name == "t") inText_ = false;
    }
    void Text(std::string_view text) override {
        if (!inItem_ || !inText_ || phonetic_ != 0 || Full()) return;
        built_ += text.size();
        if (!Full()) strings.back() += text;
    }
    std::vector<std::string> strings;

  private:
    std::size_t budget_;
    std::size_t built_ = 0;
    bool inItem_ = false;
    bool inText_ = false;
    int phonetic_ = 0;
};

// "B12" → column 2, row 12 (both 1-based); false for anything else.
bool ParseReference(std::string_view reference, std::size_t& row, std::size_t& column) {
    std::size_t i = 0;
    column = 0;
    while (i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z') {
        // Far columns all count as one beyond the limit.
        column = std::min(column * 26 + static_cast<std::size_t>(reference[i] - 'A' + 1), kMaxColumns + 1);
        ++i;
    }
    row = 0;
    const auto result = std::from_chars(reference.data() + i, reference.data() + reference.size(), row);
    return column > 0 && row > 0 && result.ec == std::errc() &&
           result.ptr == reference.data() + reference.size();
}

// A number as the cell holds it, in its shortest exact form.
std::string NumberText(std::string_view stored) {
    double value = 0;
    const auto result = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (result.ec != std::errc() || result.ptr != stored.data() + stored.size()) return std::string(stored);
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

class SheetReader : public XmlReader {
  public:
    SheetReader(const std::vector<std::string>& shared, const SheetLimits& limits)
        : shared_(shared), limits_(limits) {}

    bool Full() const override { return built_ > limits_.bytes; }

    void Start(std::string_view name, const char** attributes) override {
        if (name == "row") {
            std::size_t number = 0;
            const std::string_view r = Attribute(attributes, "r");
            const auto result = std::from_chars(r.data(), r.data() + r.size(), number);
            row_ = result.ec == std::errc() && number > 0 ? number : row_ + 1;
            column_ = 0;
        } else if (name == "c") {
            inCell_ = true;
            type_ = std::string(Attribute(attributes, "t"));
            value_.clear();
            inline_.clear();
            std::size_t row = 0;
            std::size_t column = 0;
            if (ParseReference(Attribute(attributes, "r"), row, column)) {
                row_ = row;
                column_ = column;
            } else {
                ++column_;
            }
        } else if (inCell_ && name == "v") {
            inValue_ = true;
        } else if (inCell_ && name == "t") {
            inInline_ = true;
        }
    }

    void End(std::string_view name) override {
        if (name == "v") inValue_ = false;
        if (name == "t") inInline_ = false;
        if (name == "c" && inCell_) {
            inCell_ = false;
            Store(CellValue());
        }
    }

    void Text(std::string_view text) override {
        if (inValue_) value_ += text;
        if (inInline_) inline_ += text;
    }

    std::vector<std::vector<std::string>> rows;

  private:
    std::string CellValue() const {
        if (type_ == "s") {
            std::size_t index = 0;
            const auto result = std::from_chars(value_.data(), value_.data() + value_.size(), index);
            return result.ec == std::errc() && index < shared_.size() ? shared_[index] : std::string();
        }
        if (type_ == "inlineStr") return inline_;
        if (type_ == "b") return value_ == "1" ? "TRUE" : "FALSE";
        if (type_ == "str" || type_ == "e" || type_ == "d") return value_;
        return NumberText(value_);
    }

    // Counts what the cell costs before anything is built for it: the rows up to its row, the
    // places up to its column, its text.
    void Store(std::string value) {
        if (Full() || row_ == 0 || row_ > limits_.rows || column_ == 0 || column_ > limits_.columns) return;
        if (rows.size() < row_) built_ += (row_ - rows.size()) * sizeof(rows.front());
        const std::size_t have = rows.size() < row_ ? 0 : rows[row_ - 1].size();
        if (have < column_) built_ += (column_ - have) * sizeof(std::string);
        built_ += value.size();
        if (Full()) return;
        if (rows.size() < row_) rows.resize(row_);
        auto& cells = rows[row_ - 1];
        if (cells.size() < column_) cells.resize(column_);
        cells[column_ - 1] = std::move(value);
    }

    const std::vector<std::string>& shared_;
    const SheetLimits& limits_;
    std::size_t built_ = 0;  // bytes the cells take so far
    std::size_t row_ = 0;
    std::size_t column_ = 0;
    bool inCell_ = false;
    bool inValue_ = false;
    bool inInline_ = false;
    std::string type_;
    std::string value_;
    std::string inline_;
};

// The part of the first worksheet: from the workbook and its relationships, else the usual name.
std::string FirstSheetPart(Archive& archive) {
    const std::string fallback = "xl/worksheets/sheet1.xml";
    WorkbookReader workbook;
    if (ParseXml(archive, "xl/workbook.xml", workbook) != ReadProblem::None || workbook.firstSheet.empty())
        return fallback;
    RelationshipReader relationships(workbook.firstSheet);
    if (ParseXml(archive, "xl/_rels/workbook.xml.rels", relationships) != ReadProblem::None ||
        relationships.target.empty())
        return fallback;
    const std::string& target = relationships.target;
    return target.front() == '/' ? target.substr(1) : "xl/" + target;
}

}  // namespace

SheetCells ReadFirstSheet(std::string_view bytes, const SheetLimits& limits) {
    SheetCells result;
    Archive archive(bytes);
    if (!archive.IsOpen()) {
        result.problem = ReadProblem::NotAWorkbook;
        return result;
    }
    const std::string part = FirstSheetPart(archive);
    if (!archive.Has(part)) {
        result.problem = ReadProblem::NotAWorkbook;
        return result;
    }
    SharedStringReader shared(limits.bytes);
    if (archive.Has("xl/sharedStrings.xml")) {
        result.problem = ParseXml(archive, "xl/sharedStrings.xml", shared);
        if (result.problem != ReadProblem::None) return result;
    }
    SheetReader sheet(shared.strings, limits);
    result.problem = ParseXml(archive, part, sheet);
    if (result.problem == ReadProblem::None) result.rows = std::move(sheet.rows);
    return result;
}

}  // namespace trb::workbook
