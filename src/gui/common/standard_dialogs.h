#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QVBoxLayout;

namespace trb::gui {

// The help buttons of the question dialogs: the help text and the help picture of the current
// help number. The dialog stays open.
struct HelpActions {
    std::function<void()> helpText;
    std::function<void()> helpPicture;
};

// The common frame of the four question dialogs: prompt label, the dialog's own controls, and
// the buttons "OK", "Abbrechen", "&Hilfetext", "Hilfe&bild". Enter accepts, Esc cancels.
class QuestionDialog : public QDialog {
  public:
    QuestionDialog(const QString& caption, const QString& prompt, const HelpActions& help, QWidget* parent);

  protected:
    QVBoxLayout* Body() { return body_; }
    QLabel* Prompt() { return label_; }

  private:
    QVBoxLayout* body_ = nullptr;
    QLabel* label_ = nullptr;
};

// Chooses one of n items in a list box ("Auswahl").
class Tin_codedialog : public QuestionDialog {
  public:
    Tin_codedialog(const QString& prompt, const std::vector<std::string>& items, int preselected,
                   const HelpActions& help, QWidget* parent = nullptr);
    int Choice() const;  // 1..n

  private:
    QListWidget* list_ = nullptr;
};

// Chooses one of n items with radio buttons ("Auswahl").
class Tin_radiodialog : public QuestionDialog {
  public:
    Tin_radiodialog(const QString& prompt, const std::vector<std::string>& items, int preselected,
                    const HelpActions& help, QWidget* parent = nullptr);
    int Choice() const;  // 1..n

  private:
    QButtonGroup* group_ = nullptr;
};

// Enters a text of at most maxLength characters ("Eingabe").
class Tin_textdialog : public QuestionDialog {
  public:
    Tin_textdialog(const QString& prompt, const QString& preset, int maxLength, const HelpActions& help,
                   QWidget* parent = nullptr);
    QString Text() const;

  private:
    QLineEdit* edit_ = nullptr;
};

// Answers yes or no ("Eingabe"); a preset of "N" or "n" opens on "&Nein".
class Tin_janeindialog : public QuestionDialog {
  public:
    Tin_janeindialog(const QString& prompt, bool presetYes, const HelpActions& help,
                     QWidget* parent = nullptr);
    bool Yes() const;

  private:
    QRadioButton* yes_ = nullptr;
};

// A block of text lines with "OK"; captioned with the program code.
class TShowScreen : public QDialog {
  public:
    TShowScreen(const QString& caption, const std::vector<std::string>& lines, QWidget* parent = nullptr);
};

// The folder chooser "Select Directory"; the start folder when it exists. Empty when cancelled.
QString ChooseFolder(QWidget* parent, const QString& start);

}  // namespace trb::gui
