#pragma once

#include <string>

#include "tables/dbf_table.h"

namespace trb::tables {

// The modes of the table window.
inline constexpr int kSelectionMode = 1;  // choose a record: read-only, deleted records hidden
inline constexpr int kEditingMode = 2;    // edit the table: all commands, deleted records shown

// What the table window shows besides the table itself.
struct TableWindowView {
    std::string title1;    // display text (UTF-8)
    std::string title2;    // display text; also the caption of the window's table help item
    std::string filePath;  // the open table file
    // The write check fell back to a copy in the temporary folder; edit mode says so.
    bool workingOnCopy = false;
};

// The window that shows one dBase table in a grid (the Qt window implements it). It works on the
// table it is given and leaves its current record on the chosen one.
class TableWindow {
  public:
    virtual ~TableWindow() = default;
    // Shows the table modally in `mode`; true when closed with OK, false when cancelled.
    virtual bool ShowTableWindow(DbfTable& table, const TableWindowView& view, int mode) = 0;
    // Called before a sort index is built, so the window behind is repainted first.
    virtual void RefreshGraphicsWindow() {}
};

}  // namespace trb::tables
