#pragma once

#include <functional>
#include <vector>

#include "tables/table_window.h"

// Stands in for the table window: records what it was shown and answers like a user would.
class FakeTableWindow : public trb::tables::TableWindow {
  public:
    bool ShowTableWindow(trb::tables::DbfTable& table, const trb::tables::TableWindowView& view,
                         int mode) override {
        ++shown;
        lastView = view;
        lastMode = mode;
        startRecord = table.RecNo();
        order.clear();
        for (table.First(); !table.Eof() && table.RecNo() != 0; table.Next()) order.push_back(table.RecNo());
        if (startRecord > 0) table.Go(startRecord);
        if (choose) choose(table);
        return answerOk;
    }

    bool answerOk = true;
    std::function<void(trb::tables::DbfTable&)> choose;  // moves to the record the user picks
    int shown = 0;
    int lastMode = 0;
    int startRecord = 0;
    std::vector<int> order;  // the records in the order the window lists them
    trb::tables::TableWindowView lastView;
};
