#include "gui/documentation/change_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "docs/documentation.h"
#include "gui/common/dialog_fit.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using docs::AendRecord;

TForm_EinAend::TForm_EinAend(InputContext& context, docs::AendRecord& record, int number, QWidget* parent)
    : DocumentationDialog(context, parent), record_(record) {
    setObjectName("TForm_EinAend");
    setWindowTitle(QString::fromUtf8("\u00c4nderung ") + QString::number(number));

    auto* grid = new QGridLayout;
    const auto label = [&](int r, const char* name, const QString& caption, QWidget* buddy,
                           Qt::Alignment vertical = Qt::AlignVCenter) {
        QLabel* l = NewLabel(name, caption);
        l->setBuddy(buddy);
        grid->addWidget(l, r, 0, Qt::AlignLeft | vertical);
    };
    Edit_aenderung = NewTextEdit("Edit_aenderung", AendRecord::kChangeTextLength);
    label(0, "Label_aenderung", QString::fromUtf8("\u00c4nderungstext"), Edit_aenderung);
    grid->addWidget(Edit_aenderung, 0, 1, 1, 2);

    Edit_datum = NewTextEdit("Edit_datum", AendRecord::kDateLength);
    label(1, "Label_datum", QStringLiteral("Datum"), Edit_datum);
    grid->addWidget(Edit_datum, 1, 1);
    grid->addWidget(
        NewDateButton("Button_datum", QStringLiteral("<"), [this] { SetText(Edit_datum, Today()); }), 1, 2,
        Qt::AlignLeft);

    Edit_bearbeiter = NewTextEdit("Edit_bearbeiter", AendRecord::kEditorLength);
    label(2, "Label_bearbeiter", QStringLiteral("Bearbeiter"), Edit_bearbeiter);
    grid->addWidget(Edit_bearbeiter, 2, 1);

    Memo_beschreibung = new QPlainTextEdit(this);
    Memo_beschreibung->setObjectName("Memo_beschreibung");
    Memo_beschreibung->setTabChangesFocus(true);
    Memo_beschreibung->setMinimumSize(360, 110);
    connect(Memo_beschreibung, &QPlainTextEdit::textChanged, this, [this] { LimitDescription(); });
    label(3, "Label_beschreibung", QStringLiteral("Beschreibung"), Memo_beschreibung, Qt::AlignTop);
    grid->addWidget(Memo_beschreibung, 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(NewFormButtons(help::kHelpChangeRecord, QStringLiteral("&Hilfe")));
    Edit_aenderung->setFocus();

    FillFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

void TForm_EinAend::FillFields() {
    SetText(Edit_aenderung, record_.changeText);
    SetText(Edit_datum, record_.date);
    SetText(Edit_bearbeiter, record_.editor);
    Memo_beschreibung->setPlainText(Display(record_.description));
}

void TForm_EinAend::StoreFields() {
    record_.changeText = OemText(Edit_aenderung, AendRecord::kChangeTextLength);
    record_.date = OemText(Edit_datum, AendRecord::kDateLength);
    record_.editor = OemText(Edit_bearbeiter, AendRecord::kEditorLength);
    record_.description = docs::CutTo(text::DisplayToOem(Memo_beschreibung->toPlainText().toStdString()),
                                      AendRecord::kDescriptionLength);
}

// The description takes at most 255 characters, like the line fields it refuses more as it is
// typed or pasted.
void TForm_EinAend::LimitDescription() {
    const QString typed = Memo_beschreibung->toPlainText();
    if (typed.size() <= static_cast<qsizetype>(AendRecord::kDescriptionLength)) return;
    const QSignalBlocker blocker(Memo_beschreibung);
    Memo_beschreibung->setPlainText(typed.left(static_cast<qsizetype>(AendRecord::kDescriptionLength)));
    Memo_beschreibung->moveCursor(QTextCursor::End);
}

}  // namespace trb::gui
