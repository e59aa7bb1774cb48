#include "gui/tables/table_grid_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <stdexcept>

#include "tables/field_text.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::gui {

namespace {

bool IsLogical(const tables::DbfField& field) {
    return field.type == 'L';
}

bool IsNumeric(const tables::DbfField& field) {
    return field.type == 'N' || field.type == 'F';
}

}  // namespace

TableGridModel::TableGridModel(const text::FormatOptions& format, QObject* parent)
    : QAbstractTableModel(parent), format_(format) {}

void TableGridModel::SetTable(tables::DbfTable* table, bool editable) {
    beginResetModel();
    table_ = table;
    editable_ = editable;
    newRow_ = false;
    records_ = table_ ? table_->ShownRecords() : std::vector<std::uint32_t>();
    blocks_.clear();
    endResetModel();
}

void TableGridModel::Reload() {
    beginResetModel();
    blocks_.clear();
    try {
        records_ = table_ ? table_->ShownRecords() : std::vector<std::uint32_t>();
    } catch (const std::exception& e) {
        records_.clear();
        endResetModel();
        Failed(e);
        return;
    }
    endResetModel();
}

int TableGridModel::RecordAt(int row) const {
    if (row < 0 || row >= static_cast<int>(records_.size())) return 0;
    return static_cast<int>(records_[static_cast<std::size_t>(row)]);
}

int TableGridModel::RowOf(int record) const {
    const auto it = std::find(records_.begin(), records_.end(), static_cast<std::uint32_t>(record));
    return it == records_.end() ? -1 : static_cast<int>(it - records_.begin());
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_) return 0;
    return static_cast<int>(records_.size()) + (newRow_ ? 1 : 0);
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || !table_ || !table_->IsOpen()) return 0;
    return table_->FieldCount();
}

const tables::DbfField& TableGridModel::Field(int column) const {
    return table_->FieldInfo(column + 1);
}

QString TableGridModel::Display(const std::string& oem) const {
    return QString::fromStdString(text::OemToDisplay(oem, format_));
}

void TableGridModel::Failed(const std::exception& error) const {
    if (onError_) onError_(error);
}

// The rows of one block are read together; a cell that cannot be read shows "?".
const TableGridModel::Row& TableGridModel::RowData(int row) const {
    if (row == NewRowIndex()) return newValues_;
    const int block = row / kBlockRows;
    auto it = blocks_.find(block);
    if (it == blocks_.end()) {
        if (blocks_.size() >= kBlocksKept) blocks_.clear();
        std::vector<Row> rows;
        const int first = block * kBlockRows;
        const int last = std::min(first + kBlockRows, static_cast<int>(records_.size()));
        for (int r = first; r < last; ++r) {
            Row data;
            std::string bytes;
            try {
                bytes = table_->RecordBytes(RecordAt(r));
            } catch (const std::exception&) {
                bytes.clear();
            }
            data.deleted = !bytes.empty() && bytes[0] == '*';
            for (int f = 1; f <= table_->FieldCount(); ++f) {
                try {
                    data.texts.push_back(bytes.empty() ? std::string("?") : table_->FieldText(bytes, f));
                } catch (const std::exception&) {
                    data.texts.push_back("?");
                }
            }
            rows.push_back(std::move(data));
        }
        it = blocks_.emplace(block, std::move(rows)).first;
    }
    return it->second[static_cast<std::size_t>(row - block * kBlockRows)];
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !table_ || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const tables::DbfField& field = Field(index.column());
    const Row& row = RowData(index.row());
    const std::string& text = row.texts[static_cast<std::size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (IsLogical(field)) return {};
            return Display(text::TrimText(text));
        case Qt::CheckStateRole:
            if (!IsLogical(field)) return {};
            return text == "T" ? Qt::Checked : Qt::Unchecked;
        case Qt::TextAlignmentRole:
            return IsNumeric(field) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                    : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            if (row.deleted) return QBrush(QColor(128, 128, 128));
            return {};
        case Qt::FontRole:
            if (row.deleted) {
                QFont font;
                font.setStrikeOut(true);
                return font;
            }
            return {};
        case Qt::UserRole:  // the longest text the cell takes
            return field.length;
        default:
            return {};
    }
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!table_ || role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        return Display(Field(section).name);
    }
    // The indicator column: the record number, deleted records marked with "*", the new row "+".
    if (section == NewRowIndex()) return QStringLiteral("+");
    const int record = RecordAt(section);
    if (record == 0) return {};
    return (RowData(section).deleted ? QStringLiteral("* ") : QString()) + QString::number(record);
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !table_) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!editable_ || table_->IsReadOnly()) return flags;
    const tables::DbfField& field = Field(index.column());
    if (IsLogical(field)) return flags | Qt::ItemIsUserCheckable;
    if (field.type == 'M') return flags;  // memo texts are not edited in a cell
    return flags | Qt::ItemIsEditable;
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) return false;
    const tables::DbfField& field = Field(index.column());
    std::string text;
    if (role == Qt::CheckStateRole && IsLogical(field)) {
        text.assign(1, value.value<Qt::CheckState>() == Qt::Checked ? 'T' : 'F');
    } else if (role == Qt::EditRole && !IsLogical(field)) {
        text = text::DisplayToOem(value.toString().toStdString());
    } else {
        return false;
    }
    if (!StoreText(index.row(), index.column(), text)) return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, index.row(), index.row());
    return true;
}

// A number that does not read as one is refused rather than stored as 0.
bool TableGridModel::StoreText(int row, int column, const std::string& oem) {
    const tables::DbfField& field = Field(column);
    try {
        if (IsNumeric(field) && !text::TrimText(oem).empty() && !tables::ParseFieldNumber(oem)) {
            std::string message = "Keine Zahl : ";
            message.append(field.name).append(" = ").append(oem);
            throw std::runtime_error(message);
        }
        if (row == NewRowIndex()) {
            const std::string stored = tables::EncodeFieldText(field, oem);  // refuses what does not fit
            newValues_.texts[static_cast<std::size_t>(column)] = tables::FieldTextForm(field, stored, '.');
            return true;
        }
        const int record = RecordAt(row);
        table_->Go(record);
        table_->SetFieldText(column + 1, oem);
        table_->Post();
        blocks_.erase(row / kBlockRows);
        if (onWritten_) onWritten_(record);
        return true;
    } catch (const std::exception& e) {
        if (table_->IsOpen()) table_->Cancel();
        Failed(e);
        return false;
    }
}

void TableGridModel::AddNewRow() {
    if (!table_ || newRow_ || !editable_ || table_->IsReadOnly()) return;
    const int row = static_cast<int>(records_.size());
    beginInsertRows({}, row, row);
    newRow_ = true;
    newValues_ = Row{};
    for (int f = 1; f <= table_->FieldCount(); ++f) {
        const tables::DbfField& field = table_->FieldInfo(f);
        newValues_.texts.push_back(IsLogical(field) ? "F" : field.type == 'M' ? "none" : "");
    }
    endInsertRows();
}

void TableGridModel::CancelNewRow() {
    if (!newRow_) return;
    const int row = NewRowIndex();
    beginRemoveRows({}, row, row);
    newRow_ = false;
    endRemoveRows();
}

int TableGridModel::PostNewRow() {
    if (!newRow_) return 0;
    try {
        table_->Insert();
        for (int f = 1; f <= table_->FieldCount(); ++f) {
            const std::string& text = newValues_.texts[static_cast<std::size_t>(f - 1)];
            if (table_->FieldInfo(f).type != 'M' && !text::TrimText(text).empty())
                table_->SetFieldText(f, text);
        }
        table_->Post();
    } catch (const std::exception& e) {
        if (table_->IsOpen()) table_->Cancel();
        Failed(e);
        return 0;
    }
    const int record = table_->RecNo();
    newRow_ = false;
    Reload();
    if (onWritten_) onWritten_(record);
    return record;
}

}  // namespace trb::gui
