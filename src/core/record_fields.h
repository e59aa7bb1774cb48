#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "core/real.h"
#include "core/record.h"

namespace trb::core {

// A member of the record, of one of the four kinds it holds.
using RecordMember =
    std::variant<real TRBrecord::*, std::string TRBrecord::*, std::uint16_t TRBrecord::*, bool TRBrecord::*>;

// One field of the record under its member name; `result` marks the fields a calculation run
// writes (from "ws" on).
struct RecordField {
    std::string_view name;
    RecordMember member;
    bool result;
};

// Every field of the record in declaration order: the one name table the files that list fields by
// name (JSON, sweep tables) and the scripting interface share.
std::span<const RecordField> RecordFields();

// The field of that name, or nullptr.
const RecordField* FindRecordField(std::string_view name);

}  // namespace trb::core
