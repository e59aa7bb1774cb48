#include "gui/tables/table_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace trb::gui {

QWidget* TableCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int length = index.data(Qt::UserRole).toInt();
        if (length > 0) line->setMaxLength(length);
    }
    editor_ = editor;
    return editor;
}

TableGrid::TableGrid(QWidget* parent) : QTableView(parent), delegate_(new TableCellDelegate(this)) {
    setObjectName("TableGrid");
    setItemDelegate(delegate_);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(56);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void TableGrid::FinishEdit() {
    QWidget* editor = delegate_->OpenEditor();
    if (state() != QAbstractItemView::EditingState || editor == nullptr) return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TableGrid::CancelEdit() {
    QWidget* editor = delegate_->OpenEditor();
    if (state() != QAbstractItemView::EditingState || editor == nullptr) return;
    closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && appendAtEnd_ && model() &&
        current.isValid() && current.row() == model()->rowCount() - 1 &&
        (model()->flags(current) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))) {
        appendAtEnd_();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace trb::gui
