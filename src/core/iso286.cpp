#include "core/iso286.h"

#include <cctype>
#include <charconv>

#include "core/iso286_zones.h"
#include "core/messages.h"

namespace trb::core {

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// A whole number written on its own (blanks around it allowed); anything else counts as 0.
int ReadNumber(std::string_view text) {
    text = Trim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) return 0;
    return value;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string ToleranceDeviations(ToleranceSteps& steps, std::string& position, int grade, real nominal,
                                ToleranceZone& zone) {
    if (position.empty()) return {};
    const iso286::Outcome out = iso286::Evaluate(steps, position, grade, nominal);
    if (out.position.data() != position.data()) position = std::string(out.position);
    zone = out.zone;
    return iso286::MessageText(out);
}

ToleranceClass ParseToleranceClass(std::string_view text) {
    if (text.empty()) return {};
    if (text.size() > 1 && text[1] == ' ') return {text.substr(0, 1), ReadNumber(text.substr(2))};
    if (text.size() > 3 && text[2] == ' ') return {text.substr(0, 2), ReadNumber(text.substr(3))};
    if (text.size() > 1 && IsDigit(text[1])) return {text.substr(0, 1), ReadNumber(text.substr(1))};
    if (text.size() > 2 && IsDigit(text[2])) return {text.substr(0, 2), ReadNumber(text.substr(2))};
    return {"  ", 0};
}

ToleranceZone ToleranceLimits(ToleranceSteps& steps, std::string_view text, real nominal, bool& abort) {
    if (text.empty() || text == " ") return {};
    const ToleranceClass parsed = ParseToleranceClass(text);
    if (parsed.grade == 0) {  // "ungültige ISO-Toleranz"
        abort = true;
        return {};
    }
    const iso286::Outcome out = iso286::Evaluate(steps, parsed.position, parsed.grade, nominal);
    if (out.issue != iso286::Issue::None) abort = true;
    return out.zone;
}

int GradeOfClass(std::string_view text) {
    text = Trim(text);
    if (text.size() < 2) return 0;
    const bool twoDigits = text[text.size() - 2] == '1';
    return ReadNumber(text.substr(text.size() - (twoDigits ? 2 : 1)));
}

std::string ShaftClassForClearance(ToleranceSteps& steps, int grade, real target, real nominal,
                                   RunStatus& status) {
    iso286::Evaluate(steps, "c", grade, nominal);
    std::string_view position;
    do {
        const iso286::Outcome out = iso286::Evaluate(steps, ">w", grade, nominal);
        position = out.position;
        const real meanDiameter = nominal + (out.zone.lower + out.zone.upper) / 2 * 0.001L;
        if (out.issue == iso286::Issue::None && meanDiameter >= target) break;
    } while (position != "zc");
    if (position == "zc") status.AddMessage(kMsgShaftClassRefused);
    return std::string(position) + " " + std::to_string(grade);
}

}  // namespace trb::core
