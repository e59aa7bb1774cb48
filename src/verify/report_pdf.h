#pragma once

#include <string>

#include "verify/verification.h"

namespace trb::verify {

// The verification as a PDF document of A4 pages on the program's paper device: a first page with
// the machine, the date and the counts of every section, then each section with what it compares,
// its sources, its notes, its tables in fixed columns and its charts. False when cairo failed; `out`
// then holds no file.
bool WriteVerificationPdf(const Verification& verification, const std::string& programVersion,
                          std::string& out);

}  // namespace trb::verify
