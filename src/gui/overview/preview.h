#pragma once

#include <QDialog>
#include <QRect>
#include <QTableView>
#include <functional>

#include "overview/overview.h"

class QAction;
class QMenuBar;

namespace trb::text {
class LanguageTexts;
}

namespace trb::gui {

class OverviewModel;

// The overview's grid: a left click on a cell, a cell reached with the keyboard in another row and
// Enter on the current cell pick its row.
class PreviewGrid : public QTableView {
    Q_OBJECT
  public:
    using QTableView::QTableView;
    QSize sizeHint() const override;

  signals:
    void rowPicked(int row);  // 0-based model row

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// What the overview window's menu items do beyond closing it.
struct PreviewHooks {
    std::function<void(const overview::Overview&)> exportToSpreadsheet;  // "Export Excel"
    std::function<void()> help;                                          // "&Hilfe"
};

// The case overview window: every case file of the folder in a row of the grid. Picking a row in
// another row than the remembered one remembers it and closes the window with Accepted; "&Beenden"
// and the close box close it with Rejected. A right click on a column title orders the rows by that
// column.
class TForm_preview : public QDialog {
    Q_OBJECT
  public:
    TForm_preview(overview::Overview overview, const text::LanguageTexts& texts, PreviewHooks hooks,
                  QWidget* parent = nullptr);

    // The grid row picked last, counted from 1 below the title row; 0 when none was picked.
    int RememberedRow() const { return rememberedRow_; }
    // The case of the remembered row (RememberedRow() > 0).
    const overview::Row& RememberedCase() const;
    OverviewModel& Model() { return *model_; }
    PreviewGrid& Grid() { return *StringGrid1; }

    // Orders the data rows by the texts of column c (the title row stays).
    void SortGridByColumn(int c);

    // Shows the window modally again with the remembered row current.
    int ShowModal();
    // Sizes the window to show every column within `room` (a screen's available area): as wide as
    // the columns where there is room, else the text columns (file, date, name, number) give way
    // first and the numbers keep their width as long as they can.
    void FitInto(const QRect& room);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Pick(int modelRow);
    void FitColumns();

    OverviewModel* model_ = nullptr;
    PreviewGrid* StringGrid1 = nullptr;
    PreviewHooks hooks_;
    int rememberedRow_ = 0;
};

}  // namespace trb::gui
