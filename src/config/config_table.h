#pragma once

#include <span>
#include <string>
#include <string_view>

#include "config/settings.h"

// The configuration file as one table: one row per value line, in file order. A row with a
// label is preceded by its label line in the file; rows without a label continue the entry
// above. Reading, writing and the round-trip test are all driven by this table.
namespace trb::config {

enum class ValueKind {
    Text,             // the line as it is
    Integer,          // plain decimal
    Boolean,          // "TRUE" / "FALSE"; true only for "TRUE"
    BooleanNotFalse,  // true unless the line is "FALSE"
    Character,        // a single character
    RealShort,        // short number form
    Real,             // seven decimals (short form for whole numbers below 1)
    PlotLines,        // the further plot command lines 2..n of the count row above
    Rectangle,        // "left|top|width|height|"
};

// What the reader does with a value after parsing it.
enum class ReadRule {
    None,
    ZeroTo,      // 0 → value
    OutsideTo,   // outside [low, high] → value
    BelowTo,     // below low → value
    AboveTo,     // above high → value
    EmptyTo,     // empty text → text
    EmptyKeeps,  // empty text keeps the current value
    EmptyToStartFolder,
    ScaleX,         // 0 → 1, and the vertical print scale becomes 1 too
    BelowToScaleX,  // below low → the horizontal print scale
};

// End-of-file marks.
enum class EofMark {
    None,
    Stop,            // after this row: at the end of the file, stop reading
    Opt,             // the value is read only when the file has not ended
    OptPair,         // as Opt, for this row and the next together
    StopMonochrome,  // as Stop; at the end the screen text settings take the CAD ones first
};

// Access to the setting a row stores; exactly one of these is set, matching the kind.
struct SettingRef {
    std::string& (*text)(ConfigSettings&) = nullptr;
    int& (*integer)(ConfigSettings&) = nullptr;
    bool& (*boolean)(ConfigSettings&) = nullptr;
    char& (*character)(ConfigSettings&) = nullptr;
    real& (*number)(ConfigSettings&) = nullptr;
    WindowRect& (*rectangle)(ConfigSettings&) = nullptr;
};

struct ConfigRow {
    std::string_view label;  // code page 850; empty for continuation lines
    ValueKind kind = ValueKind::Text;
    SettingRef ref;
    ReadRule rule = ReadRule::None;
    real low = 0;
    real high = 0;
    real value = 0;
    std::string_view text;  // replacement text of EmptyTo
    EofMark mark = EofMark::None;
};

std::span<const ConfigRow> ConfigTable();

}  // namespace trb::config
