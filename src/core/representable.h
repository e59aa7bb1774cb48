#pragma once

#include "core/record.h"

namespace trb::core {

// True when a value is finite and within what a double holds (reports, case files, JSON and CAD
// numbers are read back as doubles by the programs that take them).
bool Representable(real value);

// True when every real input of the record and every result the last run wrote is representable.
// The fields a run leaves from an earlier run in the other heat-dissipation mode are not looked at.
bool RecordRepresentable(const TRBrecord& record);

}  // namespace trb::core
