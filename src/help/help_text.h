#pragma once

#include <array>
#include <string>
#include <string_view>

#include "text/format_options.h"

// Numbered help texts: the general texts below 4000 in korvane.hlp, the program's own from 4000 on in
// trb.hlp, both in the PLT folder (code page 850, CR LF).
namespace trb::help {

inline constexpr int kProgramHelpStart = 4000;
inline constexpr int kHelpLines = 5;

struct HelpEntry {
    bool found = false;                         // false: lines[0] holds the message
    std::array<std::string, kHelpLines> lines;  // code page 850
    std::string picture = "NULL";               // help picture name, "NULL" for none
};

// The help file that holds the number ("<pltFolder>korvane.hlp" or "<pltFolder>trb.hlp").
std::string HelpFileFor(const std::string& pltFolder, int number);

// The entry of the number. A missing file gives "Datei <path> nicht gefunden !" and a number without
// an entry "Hilfetext Nr <n>: keine Hilfe vorhanden." as its first line.
HelpEntry LookupHelp(const std::string& pltFolder, int number);

// The entry of the number in the content of a help file.
HelpEntry FindHelpEntry(std::string_view content, int number);

// The entry's lines, each converted for display and followed by a blank (the help box text).
std::string HelpBoxText(const HelpEntry& entry, const text::FormatOptions& format);
// The caption of the help box: "HILFETEXT Nr.<n>".
std::string HelpBoxCaption(int number);
// The entry's lines converted for display and joined with single blanks (hints).
std::string GetHelpText(const std::string& pltFolder, int number, const text::FormatOptions& format);

}  // namespace trb::help
