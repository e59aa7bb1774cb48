#include "app/sweep_option.h"

#include <cctype>
#include <vector>

#include "text/cp850.h"
#include "text/format.h"

namespace trb::app {

namespace {

constexpr const char* kShape = " (n=von:bis:Schritte oder F=von:bis:Schritte, mit :film dahinter)";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return pieces;
        text.remove_prefix(at + 1);
    }
}

// "film" in any case.
bool IsFilmSwitch(std::string_view part) {
    constexpr std::string_view kFilm = "film";
    if (part.size() != kFilm.size()) return false;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(part[i])) != kFilm[i]) return false;
    }
    return true;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::string ParseSweepOption(std::string_view text, core::SweepRange& range, bool* withFilm) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return "/SWEEP:" + std::string(text) + kShape;
    const std::string quantity = text::TrimText(text.substr(0, equals));
    if (quantity == "n" || quantity == "N" || quantity == "ns" || quantity == "nS") {
        range.quantity = core::SweptQuantity::ShaftSpeed;
    } else if (quantity == "F" || quantity == "f") {
        range.quantity = core::SweptQuantity::Load;
    } else {
        return "/SWEEP: " + Quoted(quantity) +
               " ist keine Gr\xC3\xB6\xC3\x9F"
               "e" +
               kShape;
    }
    std::vector<std::string_view> parts = Split(text.substr(equals + 1), ':');
    if (withFilm != nullptr) {
        *withFilm = parts.size() == 4 && IsFilmSwitch(parts[3]);
        if (*withFilm) parts.pop_back();
    }
    if (parts.size() != 3) return "/SWEEP:" + std::string(text) + kShape;
    if (!text::ParseReal(parts[0], range.from)) return "/SWEEP: von " + Quoted(parts[0]) + " ist keine Zahl";
    if (!text::ParseReal(parts[1], range.to)) return "/SWEEP: bis " + Quoted(parts[1]) + " ist keine Zahl";
    long long steps = 0;
    if (!text::ParseInt(parts[2], steps)) {
        return "/SWEEP: Schrittzahl " + Quoted(parts[2]) + " ist keine ganze Zahl";
    }
    // Far too many steps are refused like too many, without overflowing the count.
    range.steps = steps > core::kMaxSweepSteps ? core::kMaxSweepSteps + 1
                  : steps < 0                  ? -1
                                               : static_cast<int>(steps);
    const core::SweepRangeFault fault = core::CheckSweepRange(range);
    if (fault == core::SweepRangeFault::None) return {};
    return "/SWEEP: " + text::OemToDisplay(core::SweepRangeFaultText(fault), {});
}

}  // namespace trb::app
