#pragma once

#include <QDialog>
#include <QString>
#include <string>

#include "graphics/plot_parameters.h"
#include "gui/input/input_context.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace trb::gui {

// What the plot dialog works with.
struct PlotDialogContext {
    ui::Dialogs& dialogs;                    // program and folder choosers
    std::string tempFolder;                  // the default output folder (with "/")
    InputHelp help;                          // the help button
    const config::ConfigSettings& settings;  // hints by help level from the help files
};

// The plot program's settings: program, output folder, format, interface and port, scale,
// rotation, origin shift, text width factor and PostScript font, with the command line they make
// shown live. It opens on the parameters of a command line (defaults where the line says nothing).
class TForm_conftraceon : public QDialog {
  public:
    TForm_conftraceon(const std::string& commandLine, PlotDialogContext context, QWidget* parent = nullptr);

    graphics::PlotParameters Parameters() const;
    // The command line the controls make: program, blank, output folder + "traceon", switches.
    std::string CommandLine() const;

  private:
    void Fill(const graphics::PlotParameters& p);
    void Rebuild();
    void ChooseProgram();
    void ChooseFolder();

    PlotDialogContext context_;
    std::string extra_;  // switches of the line the dialog has no control for
    QLineEdit* program_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QButtonGroup* format_ = nullptr;
    QButtonGroup* interface_ = nullptr;
    QLineEdit* com_ = nullptr;
    QLineEdit* lpt_ = nullptr;
    QLineEdit* scale_ = nullptr;
    QCheckBox* fit_ = nullptr;
    QString unfitScale_ = "1";  // the scale the field gets back when "fit" is unticked
    QCheckBox* rotate_ = nullptr;
    QLineEdit* xShift_ = nullptr;
    QLineEdit* yShift_ = nullptr;
    QLineEdit* textWidth_ = nullptr;
    QComboBox* font_ = nullptr;
    QLabel* commandLine_ = nullptr;
    QWidget* outdirButtons_[2] = {nullptr, nullptr};
};

}  // namespace trb::gui
