#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/input_file.h"

// The help-picture list "trb.dbh" in the PLT folder: one picture a line, a double-quoted name (the
// file name without ".plt", up to 8 characters), a comma and a double-quoted description (up to 50
// characters).
namespace trb::help {

inline constexpr const char* kPictureListName = "trb.dbh";
inline constexpr const char* kPictureListWorkName = "$$$.dbh";
inline constexpr int kMaxPictures = 130;
inline constexpr int kPictureNameLength = 8;
inline constexpr int kPictureTextLength = 50;
inline constexpr const char* kPictureListError = "DBH file error";

struct PictureEntry {
    std::string name;
    std::string description;  // code page 850
};

struct PictureList {
    config::InputStatus status = config::InputStatus::NotFound;
    std::vector<std::string> lines;     // every line of the file, for rewriting it
    std::vector<PictureEntry> entries;  // the first 130 lines read as entries
    bool malformed = false;             // a line broke the entry rule ("DBH file error")
};

// Reads one entry: an optional leading ",", then a field that starts with a double quote (or is
// empty at the line end) and runs to the next double quote or the line end; twice. False when a
// field starts with anything else; the entry then holds what was read before.
bool ParsePictureLine(std::string_view line, PictureEntry& entry);

// The list line of an entry: "name","description".
std::string PictureListLine(std::string_view name, std::string_view description);

// The choice item of an entry: the name padded to 8 characters, ": " and the description.
std::string PictureChoiceItem(const PictureEntry& entry);

PictureList ReadPictureList(const std::string& path);
// The list in a file's content.
PictureList ParsePictureList(std::string_view content);

}  // namespace trb::help
