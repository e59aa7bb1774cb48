#include "report/html_text.h"

#include "text/cp850.h"

namespace trb::report {

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HtmlComment(std::string_view text) {
    std::string out = HtmlEscape(text);
    for (std::size_t pos = out.find("--"); pos != std::string::npos; pos = out.find("--", pos)) {
        out.replace(pos, 2, "- -");
    }
    return out;
}

std::string DisplayText(std::string_view oem, const text::FormatOptions& options) {
    constexpr std::size_t kPiece = 128;
    std::string out;
    for (std::size_t pos = 0; pos < oem.size(); pos += kPiece) {
        out += text::OemToDisplay(oem.substr(pos, kPiece), options);
    }
    return out;
}

}  // namespace trb::report
