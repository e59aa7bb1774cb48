#include "gui/documentation/title_data_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>

#include "gui/common/dialog_fit.h"

namespace trb::gui {

using docs::TitleData;

Tform_uni4::Tform_uni4(InputContext& context, docs::TitleData& title, QWidget* parent)
    : DocumentationDialog(context, parent), title_(title) {
    setObjectName("Tform_uni4");
    setWindowTitle(Display(context.texts.ProgramTitle()));

    auto* grid = new QGridLayout;
    const auto row = [&](int r, const char* label, const QString& caption, const char* edit,
                         std::size_t length) {
        QLineEdit* e = NewTextEdit(edit, static_cast<int>(length));
        QLabel* l = NewLabel(label, caption);
        l->setBuddy(e);
        grid->addWidget(l, r, 0);
        grid->addWidget(e, r, 1);
        return e;
    };
    Edit_zeichname = row(0, "Label_zeichname", QStringLiteral("Zeichnungsname"), "Edit_zeichname",
                         TitleData::kDrawingNameLength);
    Edit_zeichname2 = row(1, "Label_zeichname2", QStringLiteral("Zeichnungsname 2"), "Edit_zeichname2",
                          TitleData::kDrawingName2Length);
    Edit_zeichnr = row(2, "Label_zeichnr", QStringLiteral("Zeichnungsnummer"), "Edit_zeichnr",
                       TitleData::kDrawingNumberLength);
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        Edit_bemerk[static_cast<std::size_t>(i)] =
            row(3 + i, ("Label_bemerk" + n).c_str(), QString::fromStdString("Zeile " + n),
                ("Edit_bemerk" + n).c_str(), TitleData::kRemarkLength);
    }
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(NewFormButtons(0, {}));
    Edit_zeichname->setFocus();

    FillFields();
    FitDialog(*this, context.settings, context.mainWindow);
}

void Tform_uni4::FillFields() {
    SetText(Edit_zeichname, title_.drawingName);
    SetText(Edit_zeichname2, title_.drawingName2);
    SetText(Edit_zeichnr, title_.drawingNumber);
    for (std::size_t i = 0; i < 3; ++i) SetText(Edit_bemerk[i], title_.remarks[i]);
}

void Tform_uni4::StoreFields() {
    title_.drawingName = OemText(Edit_zeichname, TitleData::kDrawingNameLength);
    title_.drawingName2 = OemText(Edit_zeichname2, TitleData::kDrawingName2Length);
    title_.drawingNumber = OemText(Edit_zeichnr, TitleData::kDrawingNumberLength);
    for (std::size_t i = 0; i < 3; ++i) title_.remarks[i] = OemText(Edit_bemerk[i], TitleData::kRemarkLength);
}

}  // namespace trb::gui
