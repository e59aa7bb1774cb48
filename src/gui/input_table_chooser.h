#pragma once

#include "config/settings.h"
#include "tables/table_window.h"

class QWidget;

namespace trb::gui {

// A plain list of a table's records to choose one from: every shown record in the table's order,
// opened on the current record; OK (or a double click) makes the chosen record current. It serves
// the proposal buttons wherever no full table window is provided.
class InputTableChooser : public tables::TableWindow {
  public:
    InputTableChooser(const config::ConfigSettings& settings, QWidget* parent);

    bool ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int mode) override;

  private:
    const config::ConfigSettings& settings_;
    QWidget* parent_;
};

}  // namespace trb::gui
