#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace trb::docs {

// One change record of the drawing ("Änderung").
struct AendRecord {
    static constexpr std::size_t kChangeTextLength = 20;
    static constexpr std::size_t kDateLength = 10;
    static constexpr std::size_t kEditorLength = 5;
    static constexpr std::size_t kDescriptionLength = 255;  // what the edit form allows

    std::string changeText;   // "Änderungstext"
    std::string date;         // in the configured date format
    std::string editor;       // "Bearbeiter"
    std::string description;  // "Beschreibung"; line breaks are "\n"

    bool operator==(const AendRecord&) const = default;
};

// The change log of a case: records 1..count are in use, ordered by entry.
struct ChangeLog {
    static constexpr int kMaxChanges = 25;

    int count = 0;
    std::array<AendRecord, kMaxChanges> records;

    bool operator==(const ChangeLog&) const = default;

    // Record i counted from 1.
    AendRecord& Record(int i) { return records.at(static_cast<std::size_t>(i - 1)); }
    const AendRecord& Record(int i) const { return records.at(static_cast<std::size_t>(i - 1)); }
};

}  // namespace trb::docs
