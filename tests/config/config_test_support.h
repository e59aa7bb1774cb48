#pragma once

#include <cstdio>
#include <string>

#include "config/config_file.h"
#include "config/config_table.h"
#include "text/format.h"

// Helpers shared by the configuration tests.
namespace trb::config::testing {

// A row's value as comparable text.
inline std::string RowValue(const ConfigRow& row, const ConfigSettings& settings) {
    ConfigSettings s = settings;
    switch (row.kind) {
        case ValueKind::Text:
            return row.ref.text(s);
        case ValueKind::Integer:
            return std::to_string(row.ref.integer(s));
        case ValueKind::Boolean:
        case ValueKind::BooleanNotFalse:
            return row.ref.boolean(s) ? "true" : "false";
        case ValueKind::Character:
            return std::string(1, row.ref.character(s));
        case ValueKind::RealShort:
        case ValueKind::Real: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.6Lf", row.ref.number(s));
            return buffer;
        }
        case ValueKind::PlotLines: {
            // The further lines 2..5; line 1 has a row of its own.
            std::string all = std::to_string(s.plotLineCount);
            for (std::size_t i = 1; i < s.plotCommandLines.size(); ++i) all += "|" + s.plotCommandLines[i];
            return all;
        }
        case ValueKind::Rectangle: {
            const WindowRect& r = row.ref.rectangle(s);
            return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) +
                   "," + std::to_string(r.height);
        }
    }
    return {};
}

// Every setting changed from its default to a value its read rule keeps.
inline ConfigSettings ChangedSettings() {
    ConfigSettings s;
    const auto table = ConfigTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ConfigRow& row = table[i];
        const int n = static_cast<int>(i);
        switch (row.kind) {
            case ValueKind::Text:
                row.ref.text(s) = "value " + std::to_string(n);
                break;
            case ValueKind::Integer: {
                int value = 100 + n;
                if (row.rule == ReadRule::OutsideTo) {
                    value = static_cast<int>(row.low) + 1;
                    if (value > row.high || value == static_cast<int>(row.value))
                        value = static_cast<int>(row.low);
                    if (value == row.ref.integer(s) && value + 1 <= row.high) ++value;
                }
                if (row.rule == ReadRule::AboveTo) value = 5;
                row.ref.integer(s) = value;
                break;
            }
            case ValueKind::Boolean:
            case ValueKind::BooleanNotFalse:
                row.ref.boolean(s) = !row.ref.boolean(s);
                break;
            case ValueKind::Character:
                row.ref.character(s) = 'X';
                break;
            case ValueKind::RealShort:
            case ValueKind::Real:
                row.ref.number(s) = 1.5L + n;
                break;
            case ValueKind::PlotLines:
            case ValueKind::Rectangle:
                break;
        }
    }
    s.plotLineCount = 4;
    s.plotCommandLines = {"plot one", "plot two", "plot three", "plot four", ""};
    s.textWindow = {1, 2, 3, 4};
    return s;
}

// Number of file lines up to and including row `last` (after the two header lines).
inline std::size_t LinesThrough(std::size_t last, const ConfigSettings& s) {
    std::size_t lines = 2;
    const auto table = ConfigTable();
    for (std::size_t i = 0; i <= last; ++i) {
        if (!table[i].label.empty()) ++lines;
        lines += table[i].kind == ValueKind::PlotLines ? static_cast<std::size_t>(s.plotLineCount - 1) : 1;
    }
    return lines;
}

// The first `lines` lines of a CR LF text.
inline std::string FirstLines(const std::string& text, std::size_t lines) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < lines; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

inline std::size_t RowIndex(std::string_view label) {
    const auto table = ConfigTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].label == label) return i;
    return table.size();
}

}  // namespace trb::config::testing
