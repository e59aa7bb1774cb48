#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "config/config_file.h"
#include "config/settings.h"
#include "gui/input/input_context.h"
#include "gui/settings/settings_bindings.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace trb::gui {

class TFkorvgra;

// What the settings dialog works with; the references must outlive the dialog.
struct SettingsContext {
    config::ConfigSettings& settings;  // the program's settings: OK and "&Speichern" apply to them
    config::ConfigPlaces& places;      // where "&Speichern" writes and "Import.." starts
    ui::Dialogs& dialogs;              // folder, file, text and colour questions, messages
    InputHelp help;                    // hints and help texts
    TFkorvgra* window = nullptr;       // takes the background colour and the window size
    std::string programTitle;          // code page 850, shown in the title-block option
    std::string caseFile;              // the current case file, shown in the title-block option
};

// The settings dialog: every setting on nine tabs. OK applies and closes, "Abbrechen" closes
// (the background colour chosen stays), "&Speichern" applies and writes the configuration file,
// "Import.." reads another configuration file into the controls.
class Tconfig : public QDialog {
  public:
    explicit Tconfig(SettingsContext context, QWidget* parent = nullptr);

    // The controls from settings, and the settings from the controls (without the apply rules).
    void FillFields(const config::ConfigSettings& settings);
    void StoreFields(config::ConfigSettings& settings) const;
    // The controls into the program's settings with the apply rules; the main window follows.
    void Apply();
    void Save();
    void ImportConfig();

    void accept() override;

  private:
    // The tabs.
    QWidget* DirectoriesPage();
    QWidget* GraphicsPage();
    QWidget* CadPage();
    QWidget* ColourPage();
    QWidget* PrinterPage();
    QWidget* PrintoutPage();
    QWidget* OptionsPage();
    QWidget* ExternalPage();
    QWidget* DrawingPage();
    QWidget* ButtonRow();

    // Controls, named as the settings table and the tests know them.
    QLineEdit* NewEdit(const char* name, int width = 0);
    QPushButton* NewButton(const char* name, const QString& caption, std::function<void()> click);
    // A "<" button that puts a text into an edit.
    QPushButton* DefaultButton(const char* name, QLineEdit* edit, const QString& text);
    QGroupBox* NewRadioGroup(const char* name, const QString& caption, const QStringList& items,
                             int columns = 1);
    QCheckBox* NewCheck(const char* name, const QString& caption);
    QSpinBox* NewSpin(const char* name, int minimum, int maximum);
    QLabel* NewLabel(const QString& caption, const char* name = nullptr);
    // A folder edit with its caption and "..." button in a grid row.
    QLineEdit* FolderRow(QGridLayout& grid, int row, const char* name, const QString& caption);
    QLineEdit* ProgramRow(QGridLayout& grid, int row, const char* name, const QString& caption);

    QString Display(std::string_view oem) const;
    void ShowHelp(int number);
    void SetHints();

    // Controls with more to them than one setting each.
    void FillSpecial(const config::ConfigSettings& s);
    void StoreSpecial(config::ConfigSettings& s) const;
    void FillLayerRow(int row, const config::CadLayer& layer);
    void FillColourRow(int row, const config::ColourLayer& layer);
    void ChooseLayerColour();
    void ChooseColourLayerColour(int row);
    void ChooseBackground();
    void ShowBackground();
    void ChooseGraphicsFont();
    void ChoosePrintoutFont();
    void ResizeMainWindow();
    void FitMainWindowToScreen();
    void PutDialogWindowScale();
    void PutDialogElementSize();
    void PutTextWindow();
    void ConfigurePlotLine();
    void EditPlotLine();
    int SelectedPlotLine() const;

    SettingsContext context_;
    config::ConfigSettings edited_;  // the settings the controls show
    SettingFields fields_;
    int background_ = 0;

    QTabWidget* tabs_ = nullptr;
    QTableWidget* layerGrid_ = nullptr;
    QTableWidget* colourGrid_ = nullptr;
    QListWidget* plotLines_ = nullptr;
    QLabel* backgroundPanel_ = nullptr;
};

// The 0xBBGGRR colour value of the settings.
int ColourValue(int red, int green, int blue);
// The size of the screen the program shows on.
QSize ScreenSize();
// Resizes the main window so that its drawing area has the given size.
void ResizeClientArea(TFkorvgra& window, int width, int height);

}  // namespace trb::gui
