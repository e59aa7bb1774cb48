#pragma once

#include "docs/case_lines.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "text/format_options.h"

// The documentation and document sections of the case file.
namespace trb::docs {

// "ÄNDERUNGEN", the change count, the changes (descriptions with line breaks as "|"), the signature
// line, the "Bearb." date, replaces, replaced by, the "Bearb." name and one line per text item.
// Reals in the short number form with the decimal separator of `format`.
void WriteDocumentationSection(CaseLineWriter& out, const ChangeLog& changes, const DrawingInfo& info,
                               const text::FormatOptions& format);

// Reads the section back. Reading stops at the end of the content; whatever was not reached keeps
// its value. Counts are kept within their ranges. Returns false when the content ended early.
bool ReadDocumentationSection(CaseLineReader& in, ChangeLog& changes, DrawingInfo& info);

// "Dokumente", "5", a separator, then program, file and a separator for each of the five documents.
void WriteDocumentsSection(CaseLineWriter& out, const LinkedDocuments& documents);

// Reads the five documents back (fields cut to 50 characters); false when the content ended early.
bool ReadDocumentsSection(CaseLineReader& in, LinkedDocuments& documents);

}  // namespace trb::docs
