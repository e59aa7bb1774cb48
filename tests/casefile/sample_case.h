#pragma once

#include <filesystem>
#include <string>

#include "casefile/case_format.h"

namespace trb::casefile::testing {

// A case with its documentation, every field set to a value of its own.
struct SampleCase {
    core::TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;

    CaseContent Content() { return {record, title, changes, info, documents}; }
};

void FillSample(SampleCase& c);

// Expects every input and documentation field of two cases to agree.
void ExpectSameCase(SampleCase& a, SampleCase& b);

}  // namespace trb::casefile::testing
