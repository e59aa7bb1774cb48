#include "cad/iges_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace trb::cad {

std::string Hollerith(std::string_view text) {
    if (text.empty()) return {};
    return std::to_string(text.size()) + "H" + std::string(text);
}

namespace {

// End (one past the delimiter) of the parameter that starts at `start`.
std::size_t ParameterEnd(std::string_view text, std::size_t start) {
    std::size_t i = start;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i > start && i < text.size() && text[i] == 'H') {
        std::size_t length = 0;
        for (std::size_t k = start; k < i && length <= text.size(); ++k) {
            length = length * 10 + static_cast<std::size_t>(text[k] - '0');
        }
        i = std::min(text.size(), i + 1 + std::min(length, text.size()));
    }
    while (i < text.size() && text[i] != ',' && text[i] != ';') ++i;
    return std::min(text.size(), i + 1);
}

}  // namespace

std::vector<std::string> SplitParameterText(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = ParameterEnd(text, start);
        std::string_view parameter = text.substr(start, end - start);
        start = end;
        if (line.size() + parameter.size() <= width) {
            line += parameter;
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        // Only a long Hollerith string gets here with more than a line: it continues.
        while (parameter.size() > width) {
            lines.emplace_back(parameter.substr(0, width));
            parameter.remove_prefix(width);
        }
        line = parameter;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string IgesLine(std::string_view data, char section, long number) {
    char tail[16];
    std::snprintf(tail, sizeof tail, "%c%07ld", section, number);
    std::string line(data.substr(0, kIgesDataColumns));
    line.resize(kIgesDataColumns, ' ');
    return line + tail;
}

std::string IgesParameterLine(std::string_view data, int dPointer, long number) {
    char pointer[16];
    std::snprintf(pointer, sizeof pointer, "%8d", dPointer);
    std::string line(data.substr(0, kIgesParameterColumns));
    line.resize(kIgesParameterColumns, ' ');
    return IgesLine(line + pointer, 'P', number);
}

std::string DirectoryLine(const DirectoryFields& fields, long number) {
    std::string data;
    for (const std::string& field : fields) {
        std::string_view value = std::string_view(field).substr(0, 8);
        data.append(8 - value.size(), ' ');
        data += value;
    }
    return IgesLine(data, 'D', number);
}

int IgesColor(int cadColor) {
    if (cadColor < 0) return 0;
    while (cadColor > 15) cadColor = cadColor % 16 + 1;
    // 0..8 as the CAD colours read in IGES; 9..14 (bright green, cyan, red, purple, dark red,
    // light grey on screen) go to the nearest of IGES's predefined colours; 15 is black.
    static constexpr int kTable[16] = {0, 2, 5, 3, 7, 4, 6, 0, 8, 3, 7, 2, 6, 2, 8, 1};
    return kTable[cadColor];
}

}  // namespace trb::cad
