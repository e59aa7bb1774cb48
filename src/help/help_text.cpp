#include "help/help_text.h"

#include <cctype>

#include "config/input_file.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::help {

namespace {

// Help files are a few hundred kilobytes at most.
constexpr std::size_t kMaxHelpFileSize = 8u << 20;
constexpr std::size_t kMaxHelpLineLength = 1024;

// The number in the first four characters of a line, or -1.
int LineNumber(const std::string& line) {
    if (line.size() < 4) return -1;
    int number = 0;
    for (int i = 0; i < 4; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[static_cast<std::size_t>(i)]);
        if (!std::isdigit(c)) return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string PictureOf(const std::string& header) {
    const std::size_t colon = header.find(':');
    if (colon == std::string::npos) return "NULL";
    return text::TrimText(header.substr(colon + 1));
}

HelpEntry Message(std::string text) {
    HelpEntry entry;
    entry.lines[0] = std::move(text);
    return entry;
}

std::string NotFoundText(int number) {
    return "Hilfetext Nr " + text::IntText(number) + ": keine Hilfe vorhanden.";
}

// Collects the entry after its header and first text line: up to four further lines, each a plain
// text line (continuing the count) or a numbered line n+i followed by the text of line i (lines
// counted from 1, the first text line being line 1); a numbered line that is a multiple of 5 is the
// next entry's header.
void CollectEntry(config::LineSplitter& lines, int number, HelpEntry& entry) {
    std::string line;
    std::size_t next = 1;
    for (int further = 0; further < kHelpLines - 1 && lines.Next(line); ++further) {
        const int n = LineNumber(line);
        if (n < 0) {
            if (next < entry.lines.size()) entry.lines[next++] = line;
            continue;
        }
        if (n % 5 == 0) return;
        std::string textLine;
        lines.Next(textLine);
        const int i = n - number;
        if (i >= 1 && i < kHelpLines) {
            entry.lines[static_cast<std::size_t>(i - 1)] = textLine;
            next = static_cast<std::size_t>(i);
        }
    }
}

}  // namespace

std::string HelpFileFor(const std::string& pltFolder, int number) {
    return text::AddBackslash(pltFolder) + (number < kProgramHelpStart ? "korvane.hlp" : "trb.hlp");
}

HelpEntry LookupHelp(const std::string& pltFolder, int number) {
    const std::string path = HelpFileFor(pltFolder, number);
    const config::InputFile file = config::ReadInputFile(path, kMaxHelpFileSize);
    if (file.status != config::InputStatus::Ok && file.status != config::InputStatus::TooLarge)
        return Message("Datei " + path + " nicht gefunden !");
    return FindHelpEntry(file.content, number);
}

HelpEntry FindHelpEntry(std::string_view content, int number) {
    config::LineSplitter lines(content, kMaxHelpLineLength);
    std::string line;
    while (lines.Next(line)) {
        const int header = LineNumber(line);
        if (header < 0) continue;
        std::string first;
        if (!lines.Next(first)) break;
        if (header != number) continue;
        HelpEntry entry;
        entry.found = true;
        entry.picture = PictureOf(line);
        entry.lines[0] = first;
        CollectEntry(lines, number, entry);
        return entry;
    }
    return Message(NotFoundText(number));
}

std::string HelpBoxText(const HelpEntry& entry, const text::FormatOptions& format) {
    std::string shown;
    for (const std::string& line : entry.lines) shown += text::OemToDisplay(line, format) + " ";
    return shown;
}

std::string HelpBoxCaption(int number) {
    return "HILFETEXT Nr." + text::IntText(number);
}

std::string GetHelpText(const std::string& pltFolder, int number, const text::FormatOptions& format) {
    const HelpEntry entry = LookupHelp(pltFolder, number);
    std::string joined;
    for (const std::string& line : entry.lines) {
        const std::string shown = text::TrimText(text::OemToDisplay(line, format));
        if (shown.empty()) continue;
        if (!joined.empty()) joined += ' ';
        joined += shown;
    }
    return joined;
}

}  // namespace trb::help
