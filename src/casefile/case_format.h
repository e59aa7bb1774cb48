#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "core/real.h"
#include "core/record.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"
#include "text/format_options.h"

// The layout of a case file: positional text in code page 850, one item per line, CR LF.
namespace trb::casefile {

// Everything a case file holds, as references to the program's objects.
struct CaseContent {
    core::TRBrecord& record;
    docs::TitleData& title;
    docs::ChangeLog& changes;
    docs::DrawingInfo& info;
    docs::LinkedDocuments& documents;
};

// A real as the case file holds it: the short form for values below 1 that are whole numbers
// (0 gives "0"), otherwise seven decimals; both with the decimal separator of `format`.
std::string CaseReal(real x, const text::FormatOptions& format);

// Writes the complete case (inputs, title data, documentation, documents) to `out`.
void WriteCaseContent(std::ostream& out, const CaseContent& content, const text::FormatOptions& format,
                      std::string_view programTitle);

// The case as its file would hold it (without the program title): a dialog that leaves this text as
// it was has changed nothing worth saving.
std::string CaseText(const CaseContent& content, const text::FormatOptions& format);

// How far reading a case got.
struct CaseReading {
    bool complete = true;     // false: the text ended before the last line of the layout
    std::size_t lines = 0;    // the lines read
    std::size_t cutLine = 0;  // the first line longer than a line may be (cut), 0 when none
};

// Case files are a few kilobytes; anything beyond this is not read.
inline constexpr std::size_t kMaxCaseFileSize = 1 << 20;

// The first line of a case file is a rule of dashes; a text without it is not a case file, and
// reading it would fill the case with zeros.
bool LooksLikeCaseFile(std::string_view text);

// Reads a case from the text of a case file. Fields the text does not reach keep their values; the
// results of the record are left alone.
CaseReading ReadCaseContent(std::string_view text, CaseContent& content);

}  // namespace trb::casefile
