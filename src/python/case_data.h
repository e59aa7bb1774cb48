#pragma once

#include <string>
#include <vector>

#include "core/record.h"
#include "docs/change_log.h"
#include "docs/drawing_info.h"
#include "docs/linked_documents.h"
#include "docs/title_data.h"

// A case as scripts hold it: the record with the documentation its file carries, read and written
// as the program reads and saves case files. Nothing here is shared between cases, so cases may be
// used on several threads at once.
namespace trb::python {

struct CaseData {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;
};

// The case the program starts with: the record's start values and the documentation of a new case
// dated today.
CaseData NewCase();

// The example case with its drawing name and number, as the program loads it.
CaseData ExampleCase();

// What reading or writing a case file had to say (UTF-8), and whether it failed.
struct FileOutcome {
    bool failed = false;
    std::vector<std::string> messages;
};

// Reads a case file into a new case (NewCase, then the file) as the program opens one: only regular
// files, a damaged or overlong file as far as it goes, with a message naming the line.
FileOutcome ReadCase(const std::string& path, CaseData& data);

// Saves the case as the program does: a file name without extension gets ".trb", the file is
// written under a temporary name beside it and renamed into place, so a failed save keeps the
// previous file. `written` is the path saved to.
FileOutcome WriteCase(const CaseData& data, const std::string& path, std::string& written);

}  // namespace trb::python
