#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace trb::ui {
class Dialogs;
class Launcher;
}  // namespace trb::ui

namespace trb::docs {

// A document that belongs to the case: the program that opens it and its file.
struct LinkedDocument {
    static constexpr std::size_t kFieldLength = 50;

    std::string program;  // empty: the desktop's default opener for the file
    std::string file;
    // The user chose this program here (Document Setup) or agreed to start it. A program read from a
    // case file or a workbook is not, until the user agrees: anyone can write a case file.
    bool confirmed = false;

    // The document itself; whether its program was confirmed is not part of it.
    bool operator==(const LinkedDocument& other) const {
        return program == other.program && file == other.file;
    }
};

// The five linked documents of a case. The defaults: no program (the desktop's opener) and no file.
struct LinkedDocuments {
    static constexpr int kCount = 5;

    std::array<LinkedDocument, kCount> entries;

    // Entry i counted from 1.
    LinkedDocument& Entry(int i) { return entries.at(static_cast<std::size_t>(i - 1)); }
    const LinkedDocument& Entry(int i) const { return entries.at(static_cast<std::size_t>(i - 1)); }

    bool operator==(const LinkedDocuments&) const = default;
};

// Stores a program and a file as the setup form does: each cut to 50 characters. A program the user
// typed or chose there (one that differs from the stored one) counts as confirmed.
void SetLinkedDocument(LinkedDocuments& documents, int i, std::string_view program, std::string_view file);

// Opens document i (1..5): starts its program with its file as the one argument (no argument when
// the file is empty), detached and never through a shell; with an empty program the file goes to the
// desktop's opener. A program that came with the case file is first shown with its argument and
// started only when the user agrees (then it counts as confirmed). An entry with neither program nor
// file, or a program that cannot be started, is reported in an error box that says why. Returns
// whether a program was started.
bool OpenLinkedDocument(LinkedDocuments& documents, int i, ui::Launcher& launcher, ui::Dialogs& dialogs);

// The question before starting such a program (code page 850).
std::string StartProgramQuestion(int i, std::string_view program, std::string_view file);

}  // namespace trb::docs
