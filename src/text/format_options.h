#pragma once

// The settings every formatting and parsing function depends on. They are part of the
// program's configuration (config::ConfigSettings holds one of these as `format`) and are
// passed explicitly, so formatting never reads global state.
namespace trb::text {

struct FormatOptions {
    int decimals = 3;              // "Dezimalstellen"
    int decimalSeparator = 1;      // "Dot=1 Komma=2": 1 point, 2 comma
    int units = 0;                 // "Metric Units=0,  English units=1"
    int specialCharacters = 0;     // 0 "²  µ  °", 1 "2  u  deg"
    int cadTextMode = 2;           // "CAD Text Mode": 1 OEM, 2 ANSI (Windows-1252), 3 transliterated
    int spreadsheetSeparator = 2;  // spreadsheet decimal separator: 1 point, 2 comma
    int dateCode = 1;              // "Date Code"
};

}  // namespace trb::text
