#include "gui/tables/table_navigator.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace trb::gui {

namespace {

struct ButtonLook {
    const char* name;
    const char* symbol;
    const char* hint;
};

// Symbols rather than icons, so that the buttons read alike under every desktop theme.
constexpr std::array<ButtonLook, TableNavigator::kButtons> kLooks{{
    {"nbFirst", "|\u25C0", "Erster Datensatz"},
    {"nbPrior", "\u25C0", "Vorheriger Datensatz"},
    {"nbNext", "\u25B6", "N\u00E4chster Datensatz"},
    {"nbLast", "\u25B6|", "Letzter Datensatz"},
    {"nbInsert", "+", "Datensatz einf\u00FCgen"},
    {"nbDelete", "\u2212", "Datensatz l\u00F6schen oder wiederherstellen"},
    {"nbEdit", "\u25B2", "Datensatz bearbeiten"},
    {"nbPost", "\u2714", "Bearbeitung speichern"},
    {"nbCancel", "\u2716", "Bearbeitung abbrechen"},
    {"nbRefresh", "\u21BB", "Daten aktualisieren"},
}};

}  // namespace

TableNavigator::TableNavigator(QWidget* parent) : QWidget(parent) {
    setObjectName("TableNavigator");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = 0; i < kButtons; ++i) {
        const ButtonLook& look = kLooks[static_cast<std::size_t>(i)];
        auto* button = new QToolButton(this);
        button->setObjectName(look.name);
        button->setText(QString::fromUtf8(look.symbol));
        button->setToolTip(QString::fromUtf8(look.hint));
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(30);
        connect(button, &QToolButton::clicked, this, [this, i] {
            if (handler_) handler_(static_cast<Button>(i));
        });
        layout->addWidget(button);
        buttons_[static_cast<std::size_t>(i)] = button;
    }
}

void TableNavigator::ShowAllButtons(bool all) {
    for (int i = Insert; i < kButtons; ++i) buttons_[static_cast<std::size_t>(i)]->setVisible(all);
}

}  // namespace trb::gui
