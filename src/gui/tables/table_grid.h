#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace trb::gui {

// The cell editor of the table grid: a line edit that takes no more characters than the field.
class TableCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor open at the moment, if any.
    QWidget* OpenEditor() const { return editor_; }

  private:
    mutable QPointer<QWidget> editor_;
};

// The table grid: titles, the indicator column, resizable columns, grid lines, Tab between cells,
// check boxes for logical fields. Going down from the last row of an editable grid starts a new
// row at the end.
class TableGrid : public QTableView {
  public:
    explicit TableGrid(QWidget* parent = nullptr);

    // Stores the text of an open cell editor and closes it.
    void FinishEdit();
    // Closes an open cell editor without storing its text.
    void CancelEdit();
    void SetAppendAtEnd(std::function<void()> append) { appendAtEnd_ = std::move(append); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TableCellDelegate* delegate_;
    std::function<void()> appendAtEnd_;
};

}  // namespace trb::gui
