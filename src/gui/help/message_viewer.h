#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "report/run_messages.h"

class QLineEdit;
class QPlainTextEdit;

namespace trb::config {
struct ConfigSettings;
}

namespace trb::gui {

// The message viewer: one message of the calculation with its cause and remedy from the
// catalogue, both editable. OK closes it; the caller asks whether to save a change.
class Thelperr : public QDialog {
  public:
    // Texts in code page 850.
    Thelperr(const std::string& message, const std::string& cause, const std::string& remedy,
             const config::ConfigSettings& settings, std::function<void()> help, QWidget* parent);

    bool Modified() const { return modified_; }
    // The edited texts, in code page 850 and on one line each.
    std::string Cause() const;
    std::string Remedy() const;

  private:
    QLineEdit* Edit_meldung = nullptr;
    QPlainTextEdit* Memo_ursache = nullptr;
    QPlainTextEdit* Memo_abhilfe = nullptr;
    const config::ConfigSettings& settings_;
    bool modified_ = false;
};

// The description editor of the message browser: the viewer, returning whether the user changed
// cause or remedy (both are then updated).
report::DescriptionEditor MessageViewerEditor(const config::ConfigSettings& settings,
                                              std::function<void()> help, QWidget* parent);

}  // namespace trb::gui
