#pragma once

#include <string>
#include <vector>

#include "core/record.h"
#include "core/thresholds.h"
#include "text/format_options.h"

// The reserves of a case in words and numbers: for each clearance how far the load, the shaft
// speed and the temperature may go before the film or the bearing reaches its limit (from the
// thresholds), and how far the load may go before the specific load reaches plim. UTF-8 in one of
// the five interface languages; numbers in the unit system and with the decimal separator of the
// settings.
namespace trb::report {

// One statement; `governing` when its clearance reaches that limit first.
struct ReserveLine {
    std::string text;
    bool governing = false;
};

struct ReserveSection {
    std::string heading;  // "s min: smallest clearance (Dmin, dmax)"
    std::vector<ReserveLine> lines;
};

struct ReservesText {
    std::string title;     // "Reserves" and the case's name
    std::string caseLine;  // the case's own values and limits
    std::string plimLine;  // the load at plim, the same at every clearance
    std::vector<ReserveSection> sections;
    std::string governingNote;  // what the mark of a governing statement means
};

ReservesText DescribeReserves(const core::TRBrecord& record, const core::Thresholds& thresholds,
                              std::string_view caseName, int language, const text::FormatOptions& format);

// The mark a governing statement carries.
inline constexpr const char* kGoverningMark = "\u25C0";  // ◀

// As one HTML page for the window, its printout and its PDF: the title, the case's lines, each
// clearance's statements, the governing ones in bold with the mark.
std::string ReservesHtml(const ReservesText& reserves);

}  // namespace trb::report
