#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/real.h"

namespace trb::docs {

// The signature rows of the title block, in drawing order.
enum SignatureRowIndex : std::size_t {
    kRowBearb = 0,    // "Bearb.": the drawing's creation
    kRowGepr = 1,     // "Gepr."
    kRowNorm = 2,     // "Norm"
    kRowRelease = 3,  // labelled with the configured release-field text ("Frei")
};

struct SignatureRow {
    static constexpr std::size_t kDateLength = 10;
    static constexpr std::size_t kNameLength = 10;

    std::string date;
    std::string name;

    bool operator==(const SignatureRow&) const = default;
};

// A free text placed on the production drawing.
struct TextItem {
    static constexpr std::size_t kTextLength = 80;

    real x = 0;
    real y = 0;
    real h = 0;    // text height
    real phi = 0;  // angle
    std::string text;

    bool operator==(const TextItem&) const = default;
};

// The drawing information of a case. Texts are code page 850 bytes.
struct DrawingInfo {
    static constexpr std::size_t kReplacementLength = 15;
    static constexpr int kMaxTextItems = 8;

    std::string replaces;    // "Ersatz für"
    std::string replacedBy;  // "Ersetzt durch"
    std::array<SignatureRow, 4> rows;
    int textItemCount = 0;  // 0..8
    std::array<TextItem, kMaxTextItems> textItems;

    bool operator==(const DrawingInfo&) const = default;
};

}  // namespace trb::docs
