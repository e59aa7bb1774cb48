#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trb::docs {

// The title data of a case: shown in page headers and in the title block of drawings.
// All texts are code page 850 bytes.
struct TitleData {
    static constexpr std::size_t kDrawingNameLength = 25;
    static constexpr std::size_t kDrawingName2Length = 30;
    static constexpr std::size_t kDrawingNumberLength = 18;
    static constexpr std::size_t kRemarkLength = 65;

    std::string drawingName;
    std::string drawingNumber;
    std::string drawingName2;
    std::array<std::string, 3> remarks;  // remark lines 1..3

    bool operator==(const TitleData&) const = default;
};

}  // namespace trb::docs
