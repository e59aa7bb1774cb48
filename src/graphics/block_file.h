#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"

// Block files: the DXF entity lists (group code and value lines, up to "0 / EOF") that the screen
// device writes for each block and reads back when a block is inserted. They lie in the temporary
// folder, where anybody may have put something else under their name, so they are read like any
// outside file.
namespace trb::graphics {

inline constexpr std::size_t kMaxBlockFileSize = std::size_t{16} << 20;
// Longer lines are no lines of a block file; they are cut here.
inline constexpr std::size_t kMaxBlockLineLength = 4096;

// One entity of a block file: its type and its groups (the last value of each code).
struct BlockEntity {
    std::string type;
    std::map<int, std::string> groups;

    // The group's value as a number; `fallback` when the group is missing or holds no finite number.
    real Number(int code, real fallback = 0) const;
    std::string Text(int code) const;
};

// The entities of a block file's text. Reading stops at "EOF" or at a code line that holds no
// number (the rest is then ignored).
std::vector<BlockEntity> ParseBlockFile(std::string_view text);

}  // namespace trb::graphics
