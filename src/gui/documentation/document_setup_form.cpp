#include "gui/documentation/document_setup_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "gui/common/dialog_fit.h"
#include "text/cp850.h"
#include "text/format.h"
#include "ui/help_numbers.h"

namespace trb::gui {

using docs::LinkedDocument;

namespace {

// Programs on Linux carry no extension, and "*.*" would miss every file without a dot.
constexpr const char* kAnyFile = "*";

}  // namespace

TForm_confDoku::TForm_confDoku(InputContext& context, docs::LinkedDocuments& documents, QWidget* parent)
    : DocumentationDialog(context, parent), documents_(documents) {
    setObjectName("TForm_confDoku");
    setWindowTitle(QStringLiteral("Document Setup"));

    auto* layout = new QVBoxLayout(this);
    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        const std::string n = std::to_string(i);
        const auto index = static_cast<std::size_t>(i - 1);
        auto* box = new QGroupBox(QString::fromStdString(" Document " + n + " "), this);
        box->setObjectName(QString::fromStdString("GroupBox" + n));
        auto* grid = new QGridLayout(box);
        const auto row = [&](int r, const std::string& kind, const std::string& caption, int hint,
                             const char* filter) {
            QLineEdit* edit =
                NewTextEdit(("Edit_" + kind + n).c_str(), static_cast<int>(LinkedDocument::kFieldLength));
            QLabel* label =
                NewLabel(("Label_" + kind + n).c_str(), QString::fromStdString(caption + " " + n), hint);
            label->setBuddy(edit);
            QPushButton* choose = NewProposal(("Button_" + kind + n).c_str(), QStringLiteral("..."),
                                              [this, edit, filter] { Choose(edit, filter); });
            choose->setFocusPolicy(Qt::TabFocus);
            grid->addWidget(label, r, 0);
            grid->addWidget(edit, r, 1);
            grid->addWidget(choose, r, 2);
            return edit;
        };
        Edit_prog[index] = row(0, "prog", "Program", help::kHelpDocumentProgram, kAnyFile);
        Edit_file[index] = row(1, "file", "File", help::kHelpDocumentFile, kAnyFile);
        grid->setColumnStretch(1, 1);
        layout->addWidget(box);
    }
    layout->addLayout(NewFormButtons(help::kHelpDocumentSetup, QStringLiteral("&Hilfetext")));
    Edit_prog[0]->setFocus();

    FillFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

void TForm_confDoku::FillFields() {
    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        SetText(Edit_prog[index], documents_.Entry(i).program);
        SetText(Edit_file[index], documents_.Entry(i).file);
    }
}

void TForm_confDoku::StoreFields() {
    for (int i = 1; i <= docs::LinkedDocuments::kCount; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        docs::SetLinkedDocument(documents_, i, OemText(Edit_prog[index], LinkedDocument::kFieldLength),
                                OemText(Edit_file[index], LinkedDocument::kFieldLength));
    }
}

void TForm_confDoku::Choose(QLineEdit* edit, const char* filter) {
    InputContext& c = Context();
    std::string chosen;
    c.dialogs.AskProgramFile(edit->text().toStdString(), filter, chosen, c.abort);
    const bool cancelled = c.abort;
    c.abort = false;
    if (cancelled) return;
    // A longer path would be stored cut, and a cut path opens nothing.
    const std::string stored = text::DisplayToOem(chosen);
    if (stored.size() > LinkedDocument::kFieldLength) {
        c.dialogs.ShowErrorBox(
            stored + ": longer than " + text::IntText(LinkedDocument::kFieldLength) +
            " characters, it cannot be kept. Choose a shorter path (a link, for example).");
        return;
    }
    edit->setText(QString::fromStdString(chosen));
}

}  // namespace trb::gui
