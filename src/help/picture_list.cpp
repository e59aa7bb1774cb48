#include "help/picture_list.h"

namespace trb::help {

namespace {

// A list of 130 short lines is a few kilobytes; lines beyond the entries are kept for rewriting.
constexpr std::size_t kMaxListSize = 1u << 20;
constexpr std::size_t kMaxLineLength = 1024;

// One field at `pos`; false when it does not start with a double quote.
bool ReadField(std::string_view line, std::size_t& pos, std::string& field) {
    if (pos < line.size() && line[pos] == ',') ++pos;
    field.clear();
    if (pos >= line.size()) return true;
    if (line[pos] != '"') return false;
    const std::size_t start = pos + 1;
    const std::size_t end = line.find('"', start);
    if (end == std::string_view::npos) {
        field = line.substr(start);
        pos = line.size();
    } else {
        field = line.substr(start, end - start);
        pos = end + 1;
    }
    return true;
}

}  // namespace

bool ParsePictureLine(std::string_view line, PictureEntry& entry) {
    entry = {};
    std::size_t pos = 0;
    return ReadField(line, pos, entry.name) && ReadField(line, pos, entry.description);
}

std::string PictureListLine(std::string_view name, std::string_view description) {
    return "\"" + std::string(name) + "\",\"" + std::string(description) + "\"";
}

std::string PictureChoiceItem(const PictureEntry& entry) {
    std::string name = entry.name;
    if (name.size() < static_cast<std::size_t>(kPictureNameLength))
        name.append(static_cast<std::size_t>(kPictureNameLength) - name.size(), ' ');
    return name + ": " + entry.description;
}

PictureList ReadPictureList(const std::string& path) {
    const config::InputFile file = config::ReadInputFile(path, kMaxListSize);
    if (file.status != config::InputStatus::Ok && file.status != config::InputStatus::TooLarge) {
        PictureList list;
        list.status = file.status;
        return list;
    }
    PictureList list = ParsePictureList(file.content);
    list.status = file.status;
    return list;
}

PictureList ParsePictureList(std::string_view content) {
    PictureList list;
    list.status = config::InputStatus::Ok;
    config::LineSplitter splitter(content, kMaxLineLength);
    std::string line;
    while (splitter.Next(line)) {
        if (list.entries.size() < static_cast<std::size_t>(kMaxPictures)) {
            PictureEntry entry;
            if (!ParsePictureLine(line, entry)) list.malformed = true;
            list.entries.push_back(std::move(entry));
        }
        list.lines.push_back(line);
    }
    return list;
}

}  // namespace trb::help
