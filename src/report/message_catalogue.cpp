#include "report/message_catalogue.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "text/format.h"
#include "ui/checked_file.h"

namespace trb::report {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string OneLine(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\n', ' ');
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return out;
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
    return line.substr(0, kMessageKeyLength) == message.substr(0, kMessageKeyLength);
}

Lookup LookUpMessage(const std::string& catalogue, std::string_view message,
                     MessageDescription& description) {
    std::ifstream in(catalogue, std::ios::binary);
    if (!in) return Lookup::Unreadable;
    std::string line;
    while (ReadLine(in, line)) {
        if (!MatchesMessage(line, message)) continue;
        description = {};
        ReadLine(in, description.cause) && ReadLine(in, description.remedy);
        return Lookup::Found;
    }
    return Lookup::NotFound;
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

    std::ifstream in(catalogue, std::ios::binary);
    std::string content;
    std::string line;
    bool found = false;
    while (ReadLine(in, line)) {
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
    ReadLine(in, line);
    content += OneLine(cause);
    content += kLineEnd;
    ReadLine(in, line);
    content += OneLine(remedy);
    content += kLineEnd;
    while (ReadLine(in, line)) {
        content += line;
        content += kLineEnd;
    }
    in.close();
    if (!ui::WriteFileChecked(work, content, dialogs, abort)) return false;
    return ui::WriteFileChecked(catalogue, content, dialogs, abort);
}

}  // namespace trb::report
