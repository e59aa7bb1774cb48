#pragma once

#include <iosfwd>

#include "ui/dialogs.h"

namespace trb::ui {

// Dialogs for the command-line modes: nothing is asked. Questions take their preset or
// default answer (yes/no/cancel questions answer `questionAnswer`), choosers choose nothing,
// error boxes go to the error stream as "Fehler : <text>". With `noGui` ("/NOGUI") only
// error boxes are written; otherwise notes go to the error stream and the text screen (the
// command-line usage) to `output` (the error stream when not given).
class BatchDialogs : public Dialogs {
  public:
    BatchDialogs(std::ostream& errors, bool noGui, std::ostream* output = nullptr)
        : errors_(errors), output_(output ? *output : errors), noGui_(noGui) {}

    Answer questionAnswer = Answer::Yes;
    bool NoGui() const { return noGui_; }

  protected:
    void MessageBox(const std::string& caption, const std::string& text) override;
    Answer QuestionBox(const std::string& caption, const std::string& text) override;
    std::optional<int> ChooseItem(ChoiceStyle style, const std::string& prompt,
                                  const std::vector<std::string>& items, int preselected) override;
    std::optional<std::string> EnterText(const std::string& prompt, const std::string& preset,
                                         int maxLength) override;
    std::optional<bool> EnterYesNo(const std::string& prompt, bool presetYes) override;
    std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
    std::optional<std::string> ChooseSavePath(const OpenFileRequest& request) override;
    std::optional<std::string> ChooseFolderPath(const std::string& start) override;
    void ShowTextViewer(const std::string& file, const std::string& printFile) override;
    void PrintText(const std::string& file, int pages) override;
    void ShowScreen(const std::string& caption, const std::vector<std::string>& lines) override;
    bool CanAskAgain() const override { return false; }

  private:
    std::ostream& errors_;
    std::ostream& output_;
    bool noGui_;
};

}  // namespace trb::ui
