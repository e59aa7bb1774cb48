#include "ui/batch_dialogs.h"

#include <ostream>

namespace trb::ui {

void BatchDialogs::MessageBox(const std::string& caption, const std::string& text) {
    const bool error = caption == "Fehler : ";
    if (!error && noGui_) return;
    errors_ << caption << (error ? "" : " ") << text << '\n';
}

Answer BatchDialogs::QuestionBox(const std::string&, const std::string&) {
    return questionAnswer;
}

std::optional<int> BatchDialogs::ChooseItem(ChoiceStyle, const std::string&, const std::vector<std::string>&,
                                            int preselected) {
    return preselected;
}

std::optional<std::string> BatchDialogs::EnterText(const std::string&, const std::string& preset, int) {
    return preset;
}

std::optional<bool> BatchDialogs::EnterYesNo(const std::string&, bool presetYes) {
    return presetYes;
}

std::optional<std::string> BatchDialogs::ChooseOpenFile(const OpenFileRequest&) {
    return std::nullopt;
}

std::optional<std::string> BatchDialogs::ChooseSavePath(const OpenFileRequest&) {
    return std::nullopt;
}

std::optional<std::string> BatchDialogs::ChooseFolderPath(const std::string&) {
    return std::nullopt;
}

void BatchDialogs::ShowTextViewer(const std::string&, const std::string&) {}

void BatchDialogs::PrintText(const std::string&, int) {}

void BatchDialogs::ShowScreen(const std::string&, const std::vector<std::string>& lines) {
    if (noGui_) return;
    // Trailing empty lines of the screen are left out.
    std::size_t used = lines.size();
    while (used > 0 && lines[used - 1].empty()) --used;
    for (std::size_t i = 0; i < used; ++i) output_ << lines[i] << '\n';
}

}  // namespace trb::ui
