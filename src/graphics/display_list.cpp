#include "graphics/display_list.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace trb::graphics {

namespace {

void AppendReal(std::string& out, real value) {
    char buffer[64];
    // to_chars is locale-independent.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 8);
    out.append(buffer, result.ptr);
}

void AppendInt(std::string& out, real value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::llround(value));
    out.append(buffer, result.ptr);
}

real ParseReal(std::string_view field) {
    // Accept a decimal comma as well as a point; anything unparsable is 0.
    std::string text(field);
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    const char* begin = text.c_str();
    while (*begin == ' ') ++begin;
    if (*begin == '+') ++begin;
    real value = 0;
    const auto result = std::from_chars(begin, text.c_str() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

}  // namespace

int FieldCount(int code) {
    switch (code) {
        case 1:
        case 2:
            return 2;
        case 3:
        case 14:
            return 3;
        case 4:
            return 4;
        case 5:
        case 7:
        case 10:
            return 8;
        case 6:
            return 2;
        case 9:
            return 4;
        case 8:
        case 11:
        case 12:
        case 13:
            return 1;
        default:
            return 0;
    }
}

bool IsIntegerField(int code, int index) {
    switch (code) {
        case 8:
        case 11:
        case 12:
        case 13:
        case 14:
            return true;
        case 9:
            return index == 2;  // font number
        case 10:
            return index < 4;  // viewport in pixels
        default:
            return false;
    }
}

std::string FormatCommand(const DisplayCommand& command) {
    std::string out = std::to_string(command.code);
    const int n = FieldCount(command.code);
    for (int i = 0; i < n; ++i) {
        out += ';';
        const real value = command.v[static_cast<std::size_t>(i)];
        if (IsIntegerField(command.code, i)) {
            AppendInt(out, value);
        } else {
            AppendReal(out, value);
        }
    }
    if (command.code == static_cast<int>(Cmd::Text)) {
        out += ';';
        out += command.text;
    }
    return out;
}

DisplayCommand ParseCommand(std::string_view line) {
    DisplayCommand command;
    std::size_t pos = line.find(';');
    {
        const std::string_view head = line.substr(0, pos);
        int code = 0;
        const auto result = std::from_chars(head.data(), head.data() + head.size(), code);
        command.code = result.ec == std::errc() ? code : 0;
    }
    const int n = FieldCount(command.code);
    for (int i = 0; i < n && pos != std::string_view::npos; ++i) {
        const std::size_t next = line.find(';', pos + 1);
        const std::string_view field =
            line.substr(pos + 1, next == std::string_view::npos ? std::string_view::npos : next - pos - 1);
        real value = ParseReal(field);
        if (IsIntegerField(command.code, i)) value = std::trunc(value);
        command.v[static_cast<std::size_t>(i)] = value;
        pos = next;
    }
    if (command.code == static_cast<int>(Cmd::Text) && pos != std::string_view::npos) {
        command.text = std::string(line.substr(pos + 1));
    }
    return command;
}

std::string DisplayList::Dump() const {
    std::string out;
    for (const DisplayCommand& command : commands_) {
        out += FormatCommand(command);
        out += '\n';
    }
    return out;
}

}  // namespace trb::graphics
