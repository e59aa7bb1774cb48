#include "gui/input_table_chooser.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <vector>

#include "gui/dialog_fit.h"
#include "tables/dbf_table.h"
#include "text/cp850.h"

namespace trb::gui {

InputTableChooser::InputTableChooser(const config::ConfigSettings& settings, QWidget* parent)
    : settings_(settings), parent_(parent) {}

bool InputTableChooser::ShowTableWindow(tables::DbfTable& table, const tables::TableWindowView& view, int) {
    const auto display = [this](const std::string& oem) {
        return QString::fromStdString(text::OemToDisplay(oem, settings_.format));
    };
    const int current = table.RecNo();
    std::vector<int> records;
    QDialog dialog(parent_);
    dialog.setObjectName("TableChooser");
    dialog.setWindowTitle(QString::fromStdString(view.title2));
    auto* grid = new QTableWidget(&dialog);
    grid->setObjectName("TableGrid");
    grid->setColumnCount(table.FieldCount());
    QStringList headers;
    for (int field = 1; field <= table.FieldCount(); ++field) headers << display(table.Field(field));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);

    int currentRow = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        const int row = static_cast<int>(records.size());
        records.push_back(table.RecNo());
        if (table.RecNo() == current) currentRow = row;
        grid->insertRow(row);
        for (int field = 1; field <= table.FieldCount(); ++field) {
            grid->setItem(row, field - 1, new QTableWidgetItem(display(table.SField(field)).trimmed()));
        }
    }
    if (records.empty()) return false;
    grid->resizeColumnsToContents();
    grid->selectRow(currentRow);
    grid->setCurrentCell(currentRow, 0);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("Button_ok");
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName("Button_cancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(grid, &QTableWidget::cellDoubleClicked, &dialog, &QDialog::accept);

    auto* layout = new QVBoxLayout(&dialog);
    if (!view.title1.empty()) layout->addWidget(new QLabel(QString::fromStdString(view.title1), &dialog));
    layout->addWidget(grid);
    layout->addWidget(buttons);
    dialog.resize(520, 420);
    FitDialogInPlace(dialog, settings_);

    const bool chosen = dialog.exec() == QDialog::Accepted && grid->currentRow() >= 0;
    table.Go(chosen ? records[static_cast<std::size_t>(grid->currentRow())] : current);
    return chosen;
}

}  // namespace trb::gui
