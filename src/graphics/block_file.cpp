#include "graphics/block_file.h"

#include <charconv>
#include <cmath>

#include "config/input_file.h"

namespace trb::graphics {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

}  // namespace

real BlockEntity::Number(int code, real fallback) const {
    const auto it = groups.find(code);
    if (it == groups.end()) return fallback;
    const std::string& text = it->second;
    const char* begin = text.c_str();
    if (*begin == '+') ++begin;
    real value = 0;
    const auto result = std::from_chars(begin, text.c_str() + text.size(), value);
    // "nan" and "inf" are numbers to from_chars, but no coordinate or size a drawing can use.
    return result.ec == std::errc() && std::isfinite(value) ? value : fallback;
}

std::string BlockEntity::Text(int code) const {
    const auto it = groups.find(code);
    return it == groups.end() ? std::string() : it->second;
}

std::vector<BlockEntity> ParseBlockFile(std::string_view text) {
    std::vector<BlockEntity> entities;
    config::LineSplitter lines(text, kMaxBlockLineLength);
    std::string codeLine, valueLine;
    while (lines.Next(codeLine) && lines.Next(valueLine)) {
        const std::string_view codeText = Trim(codeLine);
        const std::string_view value = Trim(valueLine);
        int code = 0;
        const auto result = std::from_chars(codeText.data(), codeText.data() + codeText.size(), code);
        if (result.ec != std::errc()) break;
        if (code == 0) {
            if (value == "EOF") break;
            entities.push_back({std::string(value), {}});
        } else if (!entities.empty()) {
            entities.back().groups[code] = std::string(value);
        }
    }
    return entities;
}

}  // namespace trb::graphics
