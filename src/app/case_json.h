#pragma once

#include <string>
#include <vector>

#include "core/record.h"
#include "core/run_status.h"

namespace trb::app {

// The names of the record's fields in declaration order, as the JSON file spells its keys.
const std::vector<std::string>& RecordFieldNames();

// One JSON object: every field of the record under its own name (reals with 21 significant digits,
// texts in UTF-8), "messages" (the message list in order) and "failed" (the calculation-failed flag).
std::string CaseJson(const core::TRBrecord& record, const core::RunStatus& status);

}  // namespace trb::app
