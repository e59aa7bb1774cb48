#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QPlainTextEdit;

namespace trb::config {
struct ConfigSettings;
}
namespace trb::ui {
class Launcher;
}

namespace trb::gui {

// The screen viewer of a text output: shows the display copy, prints the output file, hands the
// text to the text program, and remembers its place and size in the settings when closed.
class TForm_showtextfile : public QDialog {
  public:
    TForm_showtextfile(const std::string& file, config::ConfigSettings& settings, ui::Launcher& launcher,
                       std::function<void()> print, QWidget* parent = nullptr);

    // Loads the file; false (nothing shown) when it is missing.
    bool Load();
    const std::string& File() const { return file_; }

  protected:
    void done(int result) override;

  private:
    std::string file_;
    config::ConfigSettings& settings_;
    ui::Launcher& launcher_;
    QPlainTextEdit* memo_ = nullptr;
};

}  // namespace trb::gui
