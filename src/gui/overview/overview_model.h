#pragma once

#include <QAbstractTableModel>

#include "overview/overview.h"

namespace trb::gui {

// The rows of the case overview for the grid: the texts as the engine made them, numbers aligned to
// the right, and rows that could not be read or calculated set apart by colour and tool tip.
class OverviewModel : public QAbstractTableModel {
  public:
    explicit OverviewModel(overview::Overview overview, QObject* parent = nullptr);

    const overview::Overview& Overview() const { return overview_; }
    // The row behind grid row `row` (0-based, without the title row).
    const overview::Row& RowAt(int row) const { return overview_.rows.at(static_cast<std::size_t>(row)); }
    // Orders the rows by one column's texts, byte by byte.
    void SortByColumn(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    overview::Overview overview_;
};

}  // namespace trb::gui
