#include "gui/settings/form_widgets.h"

#include <algorithm>

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace trb::gui {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxWidth) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxWidth > 0) edit->setMaximumWidth(maxWidth);
    return edit;
}

QButtonGroup* AddRadioButtons(QGroupBox& box, const QStringList& items, int columns) {
    auto* grid = new QGridLayout(&box);
    auto* group = new QButtonGroup(&box);
    const int perColumn = (static_cast<int>(items.size()) + columns - 1) / std::max(columns, 1);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], &box);
        button->setObjectName(box.objectName() + "_" + QString::number(i + 1));
        group->addButton(button, i);
        grid->addWidget(button, i % perColumn, i / perColumn);
    }
    return group;
}

}  // namespace trb::gui
