#pragma once

#include <QPointer>
#include <QWidget>

#include "gui/common/standard_dialogs.h"
#include "ui/dialogs.h"

namespace trb::config {
struct ConfigSettings;
}
namespace trb::ui {
class Launcher;
}

namespace trb::gui {

class PrinterChoice;

// The dialog services with real dialogs: message boxes with the fixed captions, the standard
// question dialogs, the file and folder choosers, the text viewer and text printing.
class QtDialogs : public ui::Dialogs {
  public:
    QtDialogs() = default;

    // The settings the dialogs size themselves by and the viewer stores its place in, and the
    // launcher of the viewer's text program. Both must outlive this object.
    void Bind(config::ConfigSettings& settings, ui::Launcher& launcher);
    // The window dialogs are centred over.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // The printer text printouts go to; without one each printout starts from the default printer.
    void SetPrinter(PrinterChoice* printer) { printer_ = printer; }
    // What the help buttons of the question dialogs show.
    void SetHelpActions(HelpActions actions) { help_ = std::move(actions); }

    void SetBusy(bool busy) override;

  protected:
    void MessageBox(const std::string& caption, const std::string& text) override;
    ui::Answer QuestionBox(const std::string& caption, const std::string& text) override;
    ui::Answer SaveQuestionBox(const std::string& caption, const std::string& text) override;
    std::optional<int> ChooseItem(ui::ChoiceStyle style, const std::string& prompt,
                                  const std::vector<std::string>& items, int preselected) override;
    std::optional<std::string> EnterText(const std::string& prompt, const std::string& preset,
                                         int maxLength) override;
    std::optional<bool> EnterYesNo(const std::string& prompt, bool presetYes) override;
    std::optional<std::string> ChooseOpenFile(const ui::OpenFileRequest& request) override;
    std::optional<std::string> ChooseSavePath(const ui::OpenFileRequest& request) override;
    std::optional<std::string> ChooseFolderPath(const std::string& start) override;
    void ShowTextViewer(const std::string& file, const std::string& printFile) override;
    void PrintText(const std::string& file, int pages) override;
    void ShowScreen(const std::string& caption, const std::vector<std::string>& lines) override;
    void Beep() override;
    void ShowStatus(const std::string& text) override;

  private:
    void Fit(QWidget& dialog) const;

    config::ConfigSettings* settings_ = nullptr;
    ui::Launcher* launcher_ = nullptr;
    QPointer<QWidget> mainWindow_;
    HelpActions help_;
    PrinterChoice* printer_ = nullptr;
    int busy_ = 0;
};

}  // namespace trb::gui
