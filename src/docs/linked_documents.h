#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trb::ui {
class Launcher;
}

namespace trb::docs {

// A document that belongs to the case: the program that opens it and its file.
struct LinkedDocument {
    static constexpr std::size_t kFieldLength = 50;

    std::string program;  // empty: the desktop's default opener for the file
    std::string file;
};

// The five linked documents of a case. The defaults: no program (the desktop's opener) and no file.
struct LinkedDocuments {
    static constexpr int kCount = 5;

    std::array<LinkedDocument, kCount> entries;

    // Entry i counted from 1.
    LinkedDocument& Entry(int i) { return entries.at(static_cast<std::size_t>(i - 1)); }
    const LinkedDocument& Entry(int i) const { return entries.at(static_cast<std::size_t>(i - 1)); }
};

// Stores a program and a file as the setup form does: each cut to 50 characters.
void SetLinkedDocument(LinkedDocuments& documents, int i, std::string_view program, std::string_view file);

// Starts the program of document i (1..5) with its file as the one argument (no argument when the
// file is empty), detached and never through a shell. With an empty program the file is handed to the
// desktop's opener. Returns false when nothing could be started (i out of range, nothing to open, or
// the launcher failed); the caller decides whether to tell the user.
bool OpenLinkedDocument(const LinkedDocuments& documents, int i, ui::Launcher& launcher);

}  // namespace trb::docs
