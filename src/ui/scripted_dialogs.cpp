#include "ui/scripted_dialogs.h"

#include "text/format.h"

namespace trb::ui {

ScriptedDialogs& ScriptedDialogs::Reply(std::string reply) {
    replies_.emplace_back(std::move(reply));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::ReplyCancel() {
    replies_.emplace_back(std::nullopt);
    return *this;
}

std::vector<ScriptedDialogs::Entry> ScriptedDialogs::Entries(std::string_view kind) const {
    std::vector<Entry> entries;
    for (const Entry& entry : transcript)
        if (entry.kind == kind) entries.push_back(entry);
    return entries;
}

std::optional<std::string> ScriptedDialogs::Next() {
    if (replies_.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    auto reply = std::move(replies_.front());
    replies_.pop_front();
    return reply;
}

void ScriptedDialogs::MessageBox(const std::string& caption, const std::string& text) {
    transcript.push_back({"box", caption, text, {}, 0});
}

Answer ScriptedDialogs::QuestionBox(const std::string& caption, const std::string& text) {
    transcript.push_back({"question", caption, text, {}, 0});
    const auto reply = Next();
    if (reply == "yes") return Answer::Yes;
    if (reply == "no") return Answer::No;
    return Answer::Cancel;
}

std::optional<int> ScriptedDialogs::ChooseItem(ChoiceStyle style, const std::string& prompt,
                                               const std::vector<std::string>& items, int preselected) {
    transcript.push_back(
        {style == ChoiceStyle::List ? "list" : "radio", "Auswahl", prompt, items, preselected});
    const auto reply = Next();
    if (!reply) return std::nullopt;
    return static_cast<int>(text::TextToInt(*reply));
}

std::optional<std::string> ScriptedDialogs::EnterText(const std::string& prompt, const std::string& preset,
                                                      int maxLength) {
    transcript.push_back({"text", "Eingabe", prompt, {preset}, maxLength});
    return Next();
}

std::optional<bool> ScriptedDialogs::EnterYesNo(const std::string& prompt, bool presetYes) {
    transcript.push_back({"yesno", "Eingabe", prompt, {presetYes ? "J" : "N"}, 0});
    const auto reply = Next();
    if (!reply) return std::nullopt;
    return *reply != "N" && *reply != "n";
}

std::optional<std::string> ScriptedDialogs::ChooseOpenFile(const OpenFileRequest& request) {
    transcript.push_back({"open", "", request.folder, {request.filter}, 0});
    return Next();
}

std::optional<std::string> ScriptedDialogs::ChooseSavePath(const OpenFileRequest& request) {
    transcript.push_back({"save", "", request.folder, {request.filter, request.name}, 0});
    return Next();
}

std::optional<std::string> ScriptedDialogs::ChooseFolderPath(const std::string& start) {
    transcript.push_back({"folder", "Select Directory", start, {}, 0});
    return Next();
}

void ScriptedDialogs::ShowTextViewer(const std::string& file, const std::string& printFile) {
    transcript.push_back({"viewer", programCode + " - " + file, file, {printFile}, 0});
}

void ScriptedDialogs::PrintText(const std::string& file, int pages) {
    transcript.push_back({"print", "", file, {}, pages});
}

void ScriptedDialogs::ShowScreen(const std::string& caption, const std::vector<std::string>& lines) {
    transcript.push_back({"screen", caption, "", lines, 0});
}

void ScriptedDialogs::ShowStatus(const std::string& text) {
    statusNotes.push_back(text);
}

void ScriptedDialogs::Beep() {
    transcript.push_back({"beep", "", "", {}, 0});
}

}  // namespace trb::ui
