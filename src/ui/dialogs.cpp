#include "ui/dialogs.h"

#include <algorithm>
#include <filesystem>

#include "text/cp850.h"
#include "text/format.h"
#include "ui/text_printout.h"

namespace trb::ui {

namespace {

std::string_view BoxCaption(int kind) {
    if (kind == kErrorBox) return "Fehler : ";
    if (kind == kHelpBox) return "Hilfe";
    return "Meldung:";
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string Dialogs::Display(std::string_view oem) const {
    // Long texts are converted piecewise so that a long message never shows up empty.
    return text::OemToDisplayAll(oem, Format());
}

void Dialogs::ShowBox(std::string_view message, int kind) {
    MessageBox(Display(BoxCaption(kind)), Display(message));
}

void Dialogs::ShowErrorBox(std::string_view message) {
    if (errorBoxesOn) ShowBox(message, kErrorBox);
}

void Dialogs::ShowNoteBox(std::string_view message) {
    ShowBox(message, kNoteBox);
}

void Dialogs::ShowTitledBox(std::string_view caption, std::string_view message) {
    MessageBox(Display(caption), Display(message));
}

bool Dialogs::AskYesNoCancel(std::string_view message, bool& abort) {
    switch (QuestionBox(Display(programTitle), Display(message))) {
        case Answer::Yes:
            return true;
        case Answer::No:
            return false;
        case Answer::Cancel:
            break;
    }
    abort = true;
    return false;
}

SaveChoice Dialogs::AskSaveOrDiscard(std::string_view message, bool& abort) {
    switch (SaveQuestionBox(Display(programTitle), Display(message))) {
        case Answer::Yes:
            return SaveChoice::Save;
        case Answer::No:
            return SaveChoice::Discard;
        case Answer::Cancel:
            break;
    }
    abort = true;
    return SaveChoice::Cancel;
}

void Dialogs::ChooseFromList(std::string_view prompt, int n, int& selection, bool& abort) {
    n = std::min(n, static_cast<int>(kChoiceListSize));
    if (n < 1) {
        abort = true;
        return;
    }
    const int preselected = selection < 1 || selection > n ? 1 : selection;
    std::vector<std::string> items;
    for (int i = 0; i < n; ++i)
        items.push_back(
            Display(std::string_view(choiceList[static_cast<std::size_t>(i)]).substr(0, kChoiceTextLength)));
    const ChoiceStyle style = n > kRadioChoiceLimit ? ChoiceStyle::List : ChoiceStyle::Radio;
    const auto chosen = ChooseItem(style, Display(prompt), items, preselected);
    if (!chosen) {
        abort = true;
        return;
    }
    selection = std::clamp(*chosen, 1, n);
}

void Dialogs::AskYesNo(std::string_view prompt, char& answer, bool& abort) {
    const auto yes = EnterYesNo(Display(prompt), answer != 'N' && answer != 'n');
    if (!yes) {
        abort = true;
        return;
    }
    answer = *yes ? 'J' : 'N';
}

void Dialogs::AskYesNo(std::string_view prompt, bool& answer, bool& abort) {
    char c = answer ? 'J' : 'N';
    AskYesNo(prompt, c, abort);
    answer = c != 'N';
}

void Dialogs::AskText(std::string_view prompt, int maxLength, std::string& value, bool& abort) {
    const auto entered = EnterText(Display(prompt), Display(value), maxLength);
    if (!entered) {
        abort = true;
        return;
    }
    std::string oem = text::DisplayToOem(*entered);
    if (maxLength >= 0 && oem.size() > static_cast<std::size_t>(maxLength))
        oem.resize(static_cast<std::size_t>(maxLength));
    value = std::move(oem);
}

void Dialogs::AskReal(std::string_view prompt, real& value, real maximum, real minimum, bool& abort) {
    if (minimum > maximum) std::swap(minimum, maximum);
    const text::FormatOptions& format = Format();
    for (;;) {
        const std::string shown = text::FormatShort(value, format);
        const auto entered = EnterText(Display(prompt), Display(shown), 30);
        if (!entered) {
            abort = true;
            return;
        }
        const std::string entry = text::DisplayToOem(*entered);
        real candidate = value;
        if (entry != shown && !text::ParseReal(entry, candidate)) {
            Beep();
            ShowErrorBox("Ung\x81ltige Eingabe \"" + entry + "\" !");
            if (CanAskAgain()) continue;
            abort = true;
            return;
        }
        if (candidate < minimum || candidate > maximum) {
            Beep();
            ShowErrorBox("G\x81ltiger Wertebereich: " + text::FormatShort(minimum, format) + " .. " +
                         text::FormatShort(maximum, format) + " !");
            if (CanAskAgain()) continue;
            abort = true;
            return;
        }
        value = candidate;
        return;
    }
}

bool Dialogs::AskIntegerRange(std::string_view prompt, long long& value, long long lower, long long upper,
                              bool& abort) {
    if (lower > upper) std::swap(lower, upper);
    for (;;) {
        const std::string shown = text::IntText(value);
        const auto entered = EnterText(Display(prompt), shown, 12);
        if (!entered) {
            abort = true;
            return false;
        }
        const std::string entry = text::DisplayToOem(*entered);
        long long candidate = value;
        if (entry != shown && !text::ParseInt(entry, candidate)) {
            Beep();
            ShowErrorBox("Ung\x81ltige Eingabe \"" + entry + "\" !");
            if (CanAskAgain()) continue;
            abort = true;
            return false;
        }
        if (candidate < lower || candidate > upper) {
            Beep();
            ShowErrorBox("G\x81ltiger Wertebereich: " + text::IntText(lower) + " .. " + text::IntText(upper) +
                         " !");
            if (CanAskAgain()) continue;
            abort = true;
            return false;
        }
        value = candidate;
        return true;
    }
}

void Dialogs::AskInteger(std::string_view prompt, int& value, int lower, int upper, bool& abort) {
    long long v = value;
    if (AskIntegerRange(prompt, v, lower, upper, abort)) value = static_cast<int>(v);
}

void Dialogs::AskInteger(std::string_view prompt, std::uint16_t& value, int lower, int upper, bool& abort) {
    long long v = value;
    if (AskIntegerRange(prompt, v, std::clamp(lower, 0, 65535), std::clamp(upper, 0, 65535), abort))
        value = static_cast<std::uint16_t>(v);
}

void Dialogs::AskOpenFile(int kind, std::string& folder, std::string_view filter, std::string& result,
                          bool& abort, std::string* caseExtension) {
    const auto chosen = ChooseOpenFile({folder, std::string(filter), {}});
    if (!chosen || chosen->empty()) {
        abort = true;
        result.clear();
        return;
    }
    folder = text::FolderOfPath(*chosen);
    const std::string name = text::NameOfPath(*chosen);
    result = kind == 5 ? *chosen : name;
    if (kind == 4 && caseExtension) {
        const auto dot = name.rfind('.');
        if (dot != std::string::npos) *caseExtension = name.substr(dot + 1, 3);
    }
}

void Dialogs::AskProgramFile(std::string_view currentPath, std::string_view filter, std::string& result,
                             bool& abort) {
    const std::string current(currentPath);
    const auto chosen = ChooseOpenFile({text::FolderOfPath(current), std::string(filter), {}});
    if (!chosen || chosen->empty()) {
        result = current;
        abort = true;
        return;
    }
    result = *chosen;
}

void Dialogs::AskFolder(std::string_view currentFolder, std::string& result, bool& abort) {
    const std::string current(currentFolder);
    std::error_code error;
    const std::string start = std::filesystem::is_directory(current, error) ? current : std::string();
    const auto chosen = ChooseFolderPath(start);
    if (!chosen || chosen->empty()) {
        result = current;
        abort = false;
        return;
    }
    result = text::AddBackslash(*chosen);
}

std::optional<std::string> Dialogs::ChooseSaveFile(std::string_view folder, std::string_view filter,
                                                   std::string_view name) {
    auto chosen = ChooseSavePath({std::string(folder), std::string(filter), std::string(name)});
    if (chosen && chosen->empty()) chosen.reset();
    return chosen;
}

void Dialogs::FileWritten(std::string_view path) {
    // Paths are the file system's own bytes (UTF-8), shown as they are.
    ShowStatus(std::string(kFileWrittenPrefix) + std::string(path));
}

void Dialogs::ShowTextFile(const std::string& file, const std::string& printFile) {
    if (!FileExists(file)) {
        ShowNoteBox(text::DisplayToOem(file) + " not found !");
        return;
    }
    ShowTextViewer(file, printFile);
}

void Dialogs::PrintTextFile(const std::string& file) {
    if (!FileExists(file)) {
        ShowNoteBox(text::DisplayToOem(file) + " not found !");
        return;
    }
    PrintText(file, CountTextPages(file));
}

void Dialogs::ShowTextScreen() {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kTextScreenLines); ++i)
        lines.push_back(Display(choiceList[i]));
    ShowScreen(Display(programCode), lines);
}

int CountTextPages(const std::string& file) {
    return static_cast<int>(ReadTextPages(file).size());
}

}  // namespace trb::ui
