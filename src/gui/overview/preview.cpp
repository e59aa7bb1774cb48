#include "gui/overview/preview.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/overview/overview_model.h"
#include "text/language.h"

namespace trb::gui {

namespace {

constexpr int kVisibleRows = 20;
constexpr int kRowHeight = 16;
// What the window manager adds around the window: the borders, and the title bar above.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;
// The columns that give way first, in this order: file, number, name, date.
constexpr int kTextColumns[] = {0, 3, 2, 1};

}  // namespace

QSize PreviewGrid::sizeHint() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < horizontalHeader()->count(); ++c) width += horizontalHeader()->sectionSize(c);
    const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                       kVisibleRows * verticalHeader()->defaultSectionSize();
    return {width, height};
}

void PreviewGrid::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && before.isValid()) {
        emit rowPicked(before.row());
        return;
    }
    QTableView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && (!before.isValid() || after.row() != before.row())) emit rowPicked(after.row());
}

void PreviewGrid::mousePressEvent(QMouseEvent* event) {
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) emit rowPicked(index.row());
}

TForm_preview::TForm_preview(overview::Overview overview, const text::LanguageTexts& texts,
                             PreviewHooks hooks, QWidget* parent)
    : QDialog(parent), hooks_(std::move(hooks)) {
    setObjectName("TForm_preview");
    const QString folder = QString::fromStdString(overview.folder);
    setWindowTitle("TRB  " + folder);

    auto* menuBar = new QMenuBar(this);
    QMenu* file = menuBar->addMenu(QString::fromStdString(texts.Menu(text::MenuCaption::Datei)));
    file->setObjectName("mi_File");
    QAction* exportItem = file->addAction(QStringLiteral("Export Excel"));
    exportItem->setObjectName("mi_fileExportExcel");
    QAction* exitItem = file->addAction(QString::fromStdString(texts.Menu(text::MenuCaption::Beenden)));
    exitItem->setObjectName("mi_fileExit");
    QMenu* help = menuBar->addMenu(QString::fromStdString(texts.Menu(text::MenuCaption::Hilfe)));
    help->setObjectName("mi_Help");
    QAction* helpItem = help->addAction(QString::fromStdString(texts.Menu(text::MenuCaption::Hilfe)));
    helpItem->setObjectName("mi_HelpHelp");

    model_ = new OverviewModel(std::move(overview), this);
    StringGrid1 = new PreviewGrid(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setModel(model_);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    StringGrid1->horizontalHeader()->setSectionsClickable(false);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    StringGrid1->horizontalHeader()->viewport()->installEventFilter(this);
    StringGrid1->verticalHeader()->setDefaultSectionSize(
        std::max(kRowHeight, StringGrid1->fontMetrics().height() + 6));
    FitColumns();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar);
    layout->addWidget(StringGrid1);

    connect(StringGrid1, &PreviewGrid::rowPicked, this, [this](int row) { Pick(row); });
    connect(exitItem, &QAction::triggered, this, &QDialog::reject);
    connect(helpItem, &QAction::triggered, this, [this] {
        if (hooks_.help) hooks_.help();
    });
    connect(exportItem, &QAction::triggered, this, [this] {
        if (hooks_.exportToSpreadsheet) hooks_.exportToSpreadsheet(model_->Overview());
    });
}

const overview::Row& TForm_preview::RememberedCase() const {
    return model_->RowAt(rememberedRow_ - 1);
}

void TForm_preview::FitColumns() {
    QHeaderView* header = StringGrid1->horizontalHeader();
    const QAbstractItemView& view = *StringGrid1;
    for (int c = 0; c < overview::kColumnCount; ++c) {
        const int designed = overview::Columns()[static_cast<std::size_t>(c)].width;
        StringGrid1->setColumnWidth(
            c, std::max({designed, header->sectionSizeHint(c), view.sizeHintForColumn(c)}));
    }
}

void TForm_preview::FitInto(const QRect& room) {
    QHeaderView* header = StringGrid1->horizontalHeader();
    const QAbstractItemView& view = *StringGrid1;
    const int available = room.width() - kFrameWidth;
    int excess = StringGrid1->sizeHint().width() - available;
    // Narrows column c down to `floor` by as much as is still too wide.
    const auto giveWay = [&](int c, int floor) {
        const int give = std::clamp(StringGrid1->columnWidth(c) - floor, 0, std::max(excess, 0));
        StringGrid1->setColumnWidth(c, StringGrid1->columnWidth(c) - give);
        excess -= give;
    };
    for (int c : kTextColumns) giveWay(c, overview::Columns()[static_cast<std::size_t>(c)].width);
    for (int c : kTextColumns) giveWay(c, header->sectionSizeHint(c));
    for (int c = 0; c < overview::kColumnCount; ++c)
        if (overview::Columns()[static_cast<std::size_t>(c)].numeric)
            giveWay(c, std::max(header->sectionSizeHint(c), view.sizeHintForColumn(c)));
    const int needed = StringGrid1->sizeHint().width();
    resize(std::min(std::max(width(), needed), available), std::min(height(), room.height() - kFrameHeight));
}

void TForm_preview::SortGridByColumn(int c) {
    model_->SortByColumn(c);
}

void TForm_preview::Pick(int modelRow) {
    const int row = modelRow + 1;
    if (row == rememberedRow_) return;
    rememberedRow_ = row;
    accept();
}

int TForm_preview::ShowModal() {
    if (rememberedRow_ > 0 && rememberedRow_ <= model_->rowCount()) {
        const QModelIndex current = model_->index(rememberedRow_ - 1, 0);
        StringGrid1->setCurrentIndex(current);
        StringGrid1->scrollTo(current);
    }
    return exec();
}

bool TForm_preview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1->horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const int column = StringGrid1->horizontalHeader()->logicalIndexAt(mouse->position().toPoint());
            if (column >= 0) SortGridByColumn(column);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace trb::gui
