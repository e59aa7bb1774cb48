#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "tables/dbf_table.h"
#include "text/format_options.h"

namespace trb::gui {

// The grid's view of the open table: one row per shown record in the table's order, one column per
// field. Only the order of the records is held; their contents are read from the table when the
// grid asks for them, a block of rows at a time, and kept until the table changes.
//
// Every edit is written through the table engine at once (a posted edit under the record's lock), so
// the file always holds what the grid shows. A new row (Insert) lives in the model until it is
// posted; it is then appended under the append lock.
class TableGridModel : public QAbstractTableModel {
  public:
    TableGridModel(const text::FormatOptions& format, QObject* parent = nullptr);

    // The table shown (nullptr: none); reads the order of its records.
    void SetTable(tables::DbfTable* table, bool editable);
    bool Editable() const { return editable_; }
    // Called with every engine error of a read or a write; the write is then undone.
    void SetErrorHandler(std::function<void(const std::exception&)> handler) {
        onError_ = std::move(handler);
    }
    // Called after a stored edit, with the record written.
    void SetWrittenHandler(std::function<void(int record)> handler) { onWritten_ = std::move(handler); }

    // Reads the order of the records again and forgets every row read (after a sort, an append, a
    // pack, a refresh, or an edit that moves a record in the index order).
    void Reload();

    // The record shown in a row; 0 for the new row and for rows outside the grid.
    int RecordAt(int row) const;
    // The row of a record; -1 when it is not shown.
    int RowOf(int record) const;

    // The new row at the end (Insert); it is stored by PostNewRow and dropped by CancelNewRow.
    bool HasNewRow() const { return newRow_; }
    int NewRowIndex() const { return newRow_ ? static_cast<int>(records_.size()) : -1; }
    void AddNewRow();
    // Appends the new row as a record; returns its record number, 0 when nothing was stored.
    int PostNewRow();
    void CancelNewRow();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    struct Row {
        std::vector<std::string> texts;  // code page 850, as the table gives them
        bool deleted = false;
    };
    static constexpr int kBlockRows = 64;
    static constexpr std::size_t kBlocksKept = 64;

    const Row& RowData(int row) const;
    const tables::DbfField& Field(int column) const;
    QString Display(const std::string& oem) const;
    bool StoreText(int row, int column, const std::string& oem);
    void Failed(const std::exception& error) const;

    const text::FormatOptions& format_;
    tables::DbfTable* table_ = nullptr;
    bool editable_ = false;
    std::vector<std::uint32_t> records_;
    mutable std::unordered_map<int, std::vector<Row>> blocks_;  // rows read, by block number
    bool newRow_ = false;
    Row newValues_;
    std::function<void(const std::exception&)> onError_;
    std::function<void(int)> onWritten_;
};

}  // namespace trb::gui
