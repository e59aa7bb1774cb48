#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "gui/input/input_context.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace trb::gui {

// The common part of the three case dialogs: OK stores every field and clears the abort flag,
// Cancel (also Esc and closing the window) stores nothing and sets it, "&Hilfetext" shows the help
// text, "mm <--> inch" switches the program's unit system. The dialog remembers the text it wrote
// into each edit field; a field whose text is still that text keeps the record's exact value on
// store, so showing a rounded number never changes the case by itself.
class InputDialog : public QDialog {
  public:
    InputDialog(InputContext& context, QWidget* parent);

    virtual void FillFields() = 0;
    virtual void StoreFields() = 0;

    void accept() override;
    void reject() override;

    // Stores the fields in the units shown, toggles metric/English units, shows them again.
    void SwitchUnits();

  protected:
    InputContext& Context() { return context_; }
    const text::FormatOptions& Format() const { return context_.settings.format; }
    // A calculation text (code page 850) with a suffix, converted for display.
    QString Calc(text::CalcText id, std::string_view suffix = {}) const;
    QString Display(std::string_view oem) const;

    QLabel* NewLabel(const char* name, const QString& text, int hintNumber = 0);
    QLineEdit* NewEdit(const char* name);
    // A button beside a field: not in the tab order, never the default button.
    QPushButton* NewProposal(const char* name, const QString& text, std::function<void()> click);
    // A tolerance-class button: captioned with the class, and in the tab order unlike the proposals.
    QPushButton* NewClassButton(const char* name, std::function<void()> click);
    // The row of OK, Cancel, help (and further buttons the caller adds) and the unit switch.
    QHBoxLayout* NewButtonRow();
    // OK (the default button), "Abbrechen" and a help button that shows the help text of a number.
    QPushButton* NewOkButton();
    QPushButton* NewCancelButton();
    QPushButton* NewHelpButton(const QString& caption, int helpNumber);
    void ShowHelpText(int number);
    void ShowHelpPicture(int number);

    // Writes a text into a field and remembers it as the text the record's value is shown with.
    void Show(QLineEdit* edit, const std::string& text);
    // Writes a proposal into a field (it then counts as typed).
    static void Propose(QLineEdit* edit, const std::string& text);
    static std::string Text(const QLineEdit* edit);
    // The record's value while the field shows what Show wrote, else the parsed text.
    real Stored(const QLineEdit* edit, real current,
                const std::function<real(std::string_view)>& parse) const;
    real StoredLength(const QLineEdit* edit, real current) const;
    real StoredPlain(const QLineEdit* edit, real current) const;

  private:
    InputContext& context_;
    std::map<const QLineEdit*, std::string> shown_;
};

}  // namespace trb::gui
