#include "report/message_catalogue.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "config/input_file.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/checked_file.h"

namespace trb::report {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A catalogue of a few hundred messages is some tens of kilobytes.
constexpr std::size_t kMaxCatalogueSize = 4u << 20;
constexpr std::size_t kMaxCatalogueLine = 64u << 10;

// The catalogue's content, or nothing when it is not a readable regular file (a FIFO or a device
// in its place is never opened for reading, so a lookup can never hang).
std::optional<std::string> ReadCatalogue(const std::string& catalogue) {
    config::InputFile file = config::ReadInputFile(catalogue, kMaxCatalogueSize);
    if (file.status != config::InputStatus::Ok && file.status != config::InputStatus::TooLarge)
        return std::nullopt;
    return std::move(file.content);
}

std::string OneLine(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\n', ' ');
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return out;
}

// The number of the first line longer than a catalogue line may be, or 0.
std::size_t FirstOverlongLine(std::string_view content) {
    config::LineSplitter lines(content, kMaxCatalogueLine);
    std::string line;
    while (lines.Next(line))
        if (lines.Cut()) return lines.LineNumber();
    return 0;
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace

std::string CataloguePath(std::string_view folder) {
    return text::AddBackslash(folder) + std::string(kCatalogueFileName);
}

bool MatchesMessage(std::string_view line, std::string_view message) {
    if (line.substr(0, kMessageKeyLength) == message.substr(0, kMessageKeyLength)) return true;
    // "DBF #*" stands for every message that starts with "DBF #" (messages with a variable part).
    return line.size() > 1 && line.back() == '*' && message.starts_with(line.substr(0, line.size() - 1));
}

Lookup LookUpMessageIn(std::string_view content, std::string_view message, MessageDescription& description) {
    config::LineSplitter lines(content, kMaxCatalogueLine);
    std::string line;
    while (lines.Next(line)) {
        if (!MatchesMessage(line, message)) continue;
        description = {};
        lines.Next(description.cause) && lines.Next(description.remedy);
        return Lookup::Found;
    }
    return Lookup::NotFound;
}

Lookup LookUpMessage(const std::string& catalogue, std::string_view message,
                     MessageDescription& description) {
    const std::optional<std::string> content = ReadCatalogue(catalogue);
    if (!content) return Lookup::Unreadable;
    return LookUpMessageIn(*content, message, description);
}

std::string CatalogueProblem(const std::string& catalogue) {
    const config::InputFile file = config::ReadInputFile(catalogue, kMaxCatalogueSize);
    if (file.status == config::InputStatus::Ok || file.status == config::InputStatus::TooLarge) return {};
    return config::InputProblem(text::DisplayToOem(catalogue), file) + " Ursache und Abhilfe fehlen.";
}

std::string GetCause(const std::string& catalogue, std::string_view message) {
    MessageDescription description;
    switch (LookUpMessage(catalogue, message, description)) {
        case Lookup::Found:
            return description.cause;
        case Lookup::NotFound:
            return std::string(kNoDescription);
        case Lookup::Unreadable:
            break;
    }
    return {};
}

std::string GetRemedy(const std::string& catalogue, std::string_view message) {
    MessageDescription description;
    if (LookUpMessage(catalogue, message, description) != Lookup::Found) return {};
    return description.remedy;
}

bool SaveMessageDescription(const std::string& catalogue, const std::string& tempFolder,
                            std::string_view message, std::string_view cause, std::string_view remedy,
                            ui::Dialogs& dialogs, bool& abort) {
    const std::string work = text::AddBackslash(tempFolder) + std::string(kCatalogueFileName);
    if (Upper(work) == Upper(catalogue)) return false;
    if (!ui::CheckReadable(catalogue, dialogs, abort)) return false;

    // Only a catalogue read whole is rewritten: a cut one would lose its end.
    const config::InputFile old = config::ReadInputFile(catalogue, kMaxCatalogueSize);
    if (old.status != config::InputStatus::Ok) {
        dialogs.ShowErrorBox(config::InputProblem(catalogue, old));
        abort = true;
        return false;
    }
    // Nor one with a line the reader cuts: the rewrite would lose the line's end.
    if (const std::size_t overlong = FirstOverlongLine(old.content); overlong != 0) {
        dialogs.ShowErrorBox("Datei " + catalogue + ": Zeile " +
                             text::IntText(static_cast<long long>(overlong)) + " ist zu lang !");
        abort = true;
        return false;
    }
    config::LineSplitter lines(old.content, kMaxCatalogueLine);
    std::string content;
    std::string line;
    bool found = false;
    while (lines.Next(line)) {
        content += line;
        content += kLineEnd;
        if (MatchesMessage(line, message)) {
            found = true;
            break;
        }
    }
    if (!found) {
        dialogs.ShowNoteBox(std::string(message) + " not found.");
        return false;
    }
    lines.Next(line);
    content += OneLine(cause);
    content += kLineEnd;
    lines.Next(line);
    content += OneLine(remedy);
    content += kLineEnd;
    while (lines.Next(line)) {
        content += line;
        content += kLineEnd;
    }
    if (!ui::WriteFileChecked(work, content, dialogs, abort)) return false;
    return ui::WriteFileChecked(catalogue, content, dialogs, abort);
}

}  // namespace trb::report
