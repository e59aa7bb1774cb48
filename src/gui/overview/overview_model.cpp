#include "gui/overview/overview_model.h"

#include <QBrush>
#include <QColor>

namespace trb::gui {

namespace {

QString StateText(overview::RowState state) {
    switch (state) {
        case overview::RowState::Calculated:
            return {};
        case overview::RowState::Incomplete:
            return QStringLiteral("Datei unvollst\u00e4ndig");
        case overview::RowState::Failed:
            return QStringLiteral("Berechnung abgebrochen");
        case overview::RowState::Unreadable:
            return QStringLiteral("Datei nicht lesbar");
    }
    return {};
}

}  // namespace

OverviewModel::OverviewModel(overview::Overview overview, QObject* parent)
    : QAbstractTableModel(parent), overview_(std::move(overview)) {}

void OverviewModel::SortByColumn(int column) {
    beginResetModel();
    overview::SortRows(overview_.rows, column);
    endResetModel();
}

int OverviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(overview_.rows.size());
}

int OverviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : overview::kColumnCount;
}

QVariant OverviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= overview::kColumnCount) return {};
    const overview::Row& row = RowAt(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(row.cells[column]);
        case Qt::TextAlignmentRole:
            return overview::Columns()[column].numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::ForegroundRole:
            if (row.state == overview::RowState::Unreadable) return QBrush(QColor(128, 128, 128));
            if (row.state == overview::RowState::Failed) return QBrush(QColor(176, 0, 0));
            if (row.state == overview::RowState::Incomplete) return QBrush(QColor(150, 90, 0));
            return {};
        case Qt::ToolTipRole: {
            QStringList lines;
            if (const QString state = StateText(row.state); !state.isEmpty()) lines << state;
            for (const std::string& message : row.messages) lines << QString::fromStdString(message);
            return lines.isEmpty() ? QVariant() : QVariant(lines.join('\n'));
        }
        default:
            return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= overview::kColumnCount) return {};
    const auto& column = overview::Columns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(column.title.data(), static_cast<int>(column.title.size()));
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

}  // namespace trb::gui
