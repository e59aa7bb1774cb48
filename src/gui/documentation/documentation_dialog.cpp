#include "gui/documentation/documentation_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "docs/documentation.h"
#include "text/cp850.h"
#include "text/format.h"

namespace trb::gui {

QHBoxLayout* DocumentationDialog::NewFormButtons(int helpNumber, const QString& helpCaption) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(NewOkButton());
    row->addWidget(NewCancelButton());
    if (helpNumber != 0) row->addWidget(NewHelpButton(helpCaption, helpNumber));
    return row;
}

QLineEdit* DocumentationDialog::NewTextEdit(const char* name, int maxLength) {
    QLineEdit* edit = NewEdit(name);
    edit->setMaxLength(maxLength);
    // Wide enough for the longest text it takes, within reason.
    const int width = edit->fontMetrics().horizontalAdvance(QString(std::min(maxLength, 50), QChar('n')));
    edit->setMinimumWidth(std::max(90, width));
    return edit;
}

QPushButton* DocumentationDialog::NewDateButton(const char* name, const QString& prefix,
                                                std::function<void()> click) {
    QPushButton* button = NewProposal(name, prefix + Display(Today()), std::move(click));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void DocumentationDialog::SetText(QLineEdit* edit, std::string_view oem) {
    edit->setText(Display(oem));
    edit->setCursorPosition(0);
}

std::string DocumentationDialog::OemText(const QLineEdit* edit, std::size_t length) {
    return docs::CutTo(text::DisplayToOem(edit->text().toStdString()), length);
}

void DocumentationDialog::SetCell(QTableWidget* grid, int row, int column, std::string_view oem) {
    auto* item = new QTableWidgetItem(Display(oem));
    grid->setItem(row, column, item);
}

std::string DocumentationDialog::OemCell(const QTableWidget* grid, int row, int column, std::size_t length) {
    const QTableWidgetItem* item = grid->item(row, column);
    if (item == nullptr) return {};
    return docs::CutTo(text::DisplayToOem(item->text().toStdString()), length);
}

std::string DocumentationDialog::Today() const {
    return text::DateText(Format());
}

}  // namespace trb::gui
