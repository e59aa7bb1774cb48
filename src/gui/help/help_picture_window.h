#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "help/picture_browser.h"

class QListWidget;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// The help-picture browser window: the list of pictures and commands, a spin button to step
// through the pictures, OK, "&Hilfe" and the four list buttons. Every choice closes it.
class TForm_hilfebild : public QDialog {
  public:
    TForm_hilfebild(const std::vector<std::string>& items, int pictures, int current,
                    const config::ConfigSettings& settings, std::function<void()> help, QWidget* parent);

    help::BrowserAnswer Answer() const { return answer_; }

  private:
    void Choose(help::BrowserAnswer answer);
    void Command(help::PictureCommand command);
    void Step(int delta);
    int SelectedPicture() const;

    QListWidget* ListBox1 = nullptr;
    int pictures_;
    int current_;
    help::BrowserAnswer answer_;
};

// The browser's view on the window, remembering where the user left it.
class PictureBrowserWindow : public help::PictureBrowserView {
  public:
    PictureBrowserWindow(const config::ConfigSettings& settings, std::function<void()> help, QWidget* parent)
        : settings_(settings), help_(std::move(help)), parent_(parent) {}

    help::BrowserAnswer Show(const std::vector<std::string>& items, int pictures, int current) override;

  private:
    const config::ConfigSettings& settings_;
    std::function<void()> help_;
    QWidget* parent_;
};

}  // namespace trb::gui
