#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls of the fixed forms, named as the forms' components so that tests find them.
namespace trb::gui {

// A button that is never the default button unless made so.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
// An edit field, at most `maxWidth` pixels wide when given.
QLineEdit* NamedEdit(QWidget* parent, const char* name, int maxWidth = 0);
// Radio buttons in a group box, in columns filled top to bottom: ids 0..n-1, named after the box
// with "_1", "_2", ...; the button group is a child of the box.
QButtonGroup* AddRadioButtons(QGroupBox& box, const QStringList& items, int columns = 1);

}  // namespace trb::gui
