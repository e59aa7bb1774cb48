#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "gui/input/input_dialog.h"

class QHBoxLayout;
class QLineEdit;
class QTableWidget;

namespace trb::gui {

// The common part of the documentation forms (title data, change record, drawing information,
// linked documents): the OK / "Abbrechen" / help row, text fields limited to their stored length,
// and the conversion between the stored code page 850 texts and the display.
class DocumentationDialog : public InputDialog {
  public:
    using InputDialog::InputDialog;

  protected:
    // OK (the default button), "Abbrechen" and, for a help number other than 0, the help button
    // with its caption.
    QHBoxLayout* NewFormButtons(int helpNumber, const QString& helpCaption);
    // A text field that takes at most `maxLength` characters.
    QLineEdit* NewTextEdit(const char* name, int maxLength);
    // A "<" button that writes today's date into a field.
    QPushButton* NewDateButton(const char* name, const QString& prefix, std::function<void()> click);

    // A stored text shown in a field, and the field's text for storing, cut to `length`.
    void SetText(QLineEdit* edit, std::string_view oem);
    static std::string OemText(const QLineEdit* edit, std::size_t length);
    // The same for a grid cell (an empty cell reads as "").
    void SetCell(QTableWidget* grid, int row, int column, std::string_view oem);
    static std::string OemCell(const QTableWidget* grid, int row, int column, std::size_t length);

    // Today's date in the configured date format.
    std::string Today() const;
};

}  // namespace trb::gui
