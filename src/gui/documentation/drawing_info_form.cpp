#include "gui/documentation/drawing_info_form.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "docs/documentation.h"
#include "gui/common/dialog_fit.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using docs::DrawingInfo;
using docs::SignatureRow;
using docs::TextItem;

namespace {

constexpr int kSignatureRows = 4;
constexpr int kItemRows = DrawingInfo::kMaxTextItems;
constexpr int kDateButtonColumn = 2;  // beside the signature rows' date and name

QTableWidget* NewGrid(QWidget* parent, const char* name, int rows, const QStringList& columns,
                      const QStringList& rowNames) {
    auto* grid = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(columns);
    grid->setVerticalHeaderLabels(rowNames);
    grid->setTabKeyNavigation(false);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

// Gives the grid's columns the widths of the sample texts and makes it show every row and column
// without scrolling.
void FitGrid(QTableWidget* grid, const QStringList& samples, int rowHeight) {
    const QFontMetrics metrics = grid->fontMetrics();
    int width = grid->verticalHeader()->sizeHint().width() + 2 * grid->frameWidth();
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int sample = metrics.horizontalAdvance(samples.value(c)) + 12;
        const QTableWidgetItem* title = grid->horizontalHeaderItem(c);
        const int header = title ? metrics.horizontalAdvance(title->text()) + 16 : 0;
        grid->setColumnWidth(c, std::max(sample, header));
        width += grid->columnWidth(c);
    }
    grid->verticalHeader()->setDefaultSectionSize(std::max(rowHeight, metrics.height() + 8));
    int height = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
    grid->setFixedSize(width, height);
}

}  // namespace

TForm_zeichInfo::TForm_zeichInfo(InputContext& context, docs::DrawingInfo& info, QWidget* parent)
    : DocumentationDialog(context, parent), info_(info) {
    setObjectName("TForm_zeichInfo");
    setWindowTitle(QStringLiteral("Zeichnungsinfo"));

    auto* fields = new QGridLayout;
    Edit_ersatzfuer = NewTextEdit("Edit_ersatzfuer", DrawingInfo::kReplacementLength);
    Edit_ersetztdurch = NewTextEdit("Edit_ersetztdurch", DrawingInfo::kReplacementLength);
    QLabel* replaces = NewLabel("Label_ersatzfuer", QString::fromUtf8("Ersatz f\u00fcr"));
    QLabel* replacedBy = NewLabel("Label_ersetztdurch", QStringLiteral("Ersetzt durch"));
    replaces->setBuddy(Edit_ersatzfuer);
    replacedBy->setBuddy(Edit_ersetztdurch);
    fields->addWidget(replaces, 0, 0);
    fields->addWidget(Edit_ersatzfuer, 0, 1);
    fields->addWidget(replacedBy, 0, 2);
    fields->addWidget(Edit_ersetztdurch, 0, 3);
    fields->setColumnStretch(4, 1);

    // The signature rows; the "< date" buttons sit in the rows they fill.
    const std::string& releaseText = context.settings.releaseText;
    StringGrid1 = NewGrid(this, "StringGrid1", kSignatureRows,
                          {QStringLiteral("Datum"), QStringLiteral("Name"), QString()},
                          {QStringLiteral("Bearb."), QStringLiteral("Gepr."), QStringLiteral("Norm"),
                           Display(releaseText.empty() ? "Frei" : releaseText)});
    for (int r = 0; r < kSignatureRows; ++r) {
        const std::string name = "Button" + std::to_string(r + 1);
        QPushButton* button = NewDateButton(name.c_str(), QStringLiteral("< "),
                                            [this, r] { SetCell(StringGrid1, r, 0, Today()); });
        StringGrid1->setCellWidget(r, kDateButtonColumn, button);
    }
    auto* signatures = new QHBoxLayout;
    signatures->addWidget(StringGrid1);
    signatures->addStretch(1);

    QStringList rowNumbers;
    for (int r = 1; r <= kItemRows; ++r) rowNumbers << QString::number(r);
    StringGrid2 = NewGrid(this, "StringGrid2", kItemRows,
                          {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("h"),
                           QStringLiteral("phi"), QStringLiteral("Text")},
                          rowNumbers);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(signatures);
    layout->addWidget(StringGrid2);
    layout->addLayout(NewFormButtons(help::kHelpDrawingInformation, QStringLiteral("&Hilfe")));
    Edit_ersatzfuer->setFocus();

    FillFields();
    SizeGrids();
    FitDialog(*this, context.settings, context.mainWindow);
}

void TForm_zeichInfo::SizeGrids() {
    const auto* button = StringGrid1->cellWidget(0, kDateButtonColumn);
    const QString date = "< " + Display(Today());
    FitGrid(StringGrid1, {QStringLiteral("00.00.00000"), QString(10, QChar('N')), date},
            button ? button->sizeHint().height() : 0);
    const QString number = QStringLiteral("-000.000");
    FitGrid(StringGrid2, {number, number, number, number, QString(50, QChar('n'))}, 0);
}

// The dialog's font follows the dialog element size; the grids are sized for the font they show.
void TForm_zeichInfo::changeEvent(QEvent* event) {
    DocumentationDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && StringGrid2 != nullptr) SizeGrids();
}

void TForm_zeichInfo::FillFields() {
    SetText(Edit_ersatzfuer, info_.replaces);
    SetText(Edit_ersetztdurch, info_.replacedBy);
    for (int r = 0; r < kSignatureRows; ++r) {
        const SignatureRow& row = info_.rows[static_cast<std::size_t>(r)];
        SetCell(StringGrid1, r, 0, row.date);
        SetCell(StringGrid1, r, 1, row.name);
    }
    const int count = std::clamp(info_.textItemCount, 0, kItemRows);
    for (int r = 0; r < kItemRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        auto& shown = shownNumbers_[i];
        shown = {};
        if (r < count) {
            const TextItem& item = info_.textItems[i];
            const real values[] = {item.x, item.y, item.h, item.phi};
            for (std::size_t c = 0; c < 4; ++c) shown[c] = text::FormatShort(values[c], Format());
        }
        for (int c = kColumnX; c <= kColumnPhi; ++c)
            SetCell(StringGrid2, r, c, shown[static_cast<std::size_t>(c)]);
        SetCell(StringGrid2, r, kColumnText, r < count ? info_.textItems[i].text : std::string());
    }
    shownInfo_ = info_;
}

void TForm_zeichInfo::StoreFields() {
    info_.replaces = OemText(Edit_ersatzfuer, DrawingInfo::kReplacementLength);
    info_.replacedBy = OemText(Edit_ersetztdurch, DrawingInfo::kReplacementLength);
    for (int r = 0; r < kSignatureRows; ++r) {
        SignatureRow& row = info_.rows[static_cast<std::size_t>(r)];
        row.date = OemCell(StringGrid1, r, 0, SignatureRow::kDateLength);
        row.name = OemCell(StringGrid1, r, 1, SignatureRow::kNameLength);
    }
    StoreTextItems();
}

void TForm_zeichInfo::StoreTextItems() {
    std::array<docs::TextItemCells, kItemRows> cells;
    for (int r = 0; r < kItemRows; ++r) {
        docs::TextItemCells& row = cells[static_cast<std::size_t>(r)];
        row.x = OemCell(StringGrid2, r, kColumnX, 40);
        row.y = OemCell(StringGrid2, r, kColumnY, 40);
        row.h = OemCell(StringGrid2, r, kColumnH, 40);
        row.phi = OemCell(StringGrid2, r, kColumnPhi, 40);
        row.text = OemCell(StringGrid2, r, kColumnText, TextItem::kTextLength);
    }
    docs::StoreTextItems(info_, cells);
    // A number left as the grid showed it (in the short form) keeps its exact value.
    const int shownCount = std::clamp(shownInfo_.textItemCount, 0, kItemRows);
    for (int r = 0; r < std::min(info_.textItemCount, shownCount); ++r) {
        const auto i = static_cast<std::size_t>(r);
        const TextItem& before = shownInfo_.textItems[i];
        TextItem& item = info_.textItems[i];
        const std::array<std::string, 4> typed = {cells[i].x, cells[i].y, cells[i].h, cells[i].phi};
        const std::array<real, 4> exact = {before.x, before.y, before.h, before.phi};
        std::array<real*, 4> stored = {&item.x, &item.y, &item.h, &item.phi};
        for (std::size_t c = 0; c < 4; ++c) {
            if (typed[c] == shownNumbers_[i][c]) *stored[c] = exact[c];
        }
    }
}

}  // namespace trb::gui
