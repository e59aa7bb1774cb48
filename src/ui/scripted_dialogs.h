#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace trb::ui {

// Dialogs for tests: every question takes the next prepared reply and every box and
// question is recorded (display texts, UTF-8). Replies by question kind:
//   question box "yes" / "no" / "cancel"; list and radio the item number ("3");
//   (a save chooser's entry holds the filter and the proposed name as its items)
//   text dialog the text; yes/no dialog "J" or "N"; choosers the path.
// A cancelled dialog is ReplyCancel(). Without a prepared reply a question is cancelled
// and counted in unanswered.
class ScriptedDialogs : public Dialogs {
  public:
    struct Entry {
        std::string kind;  // "box", "question", "list", "radio", "text", "yesno", "open",
                           // "save", "folder", "viewer", "print", "screen", "beep"
        std::string caption;
        std::string text;                // message, prompt, start folder or file
        std::vector<std::string> items;  // choice items, screen lines; preset text for "text"
        int number = 0;                  // preselected item, maximum length, page count
    };

    ScriptedDialogs& Reply(std::string reply);
    ScriptedDialogs& ReplyCancel();

    std::vector<Entry> transcript;
    std::vector<std::string> statusNotes;  // the notes of the status line, in order
    int unanswered = 0;
    std::size_t PendingReplies() const { return replies_.size(); }
    // The entries of one kind, in order.
    std::vector<Entry> Entries(std::string_view kind) const;

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
    void Beep() override;
    void ShowStatus(const std::string& text) override;

  private:
    std::optional<std::string> Next();
    std::deque<std::optional<std::string>> replies_;
};

}  // namespace trb::ui
