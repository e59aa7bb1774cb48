#include "help/picture_browser.h"

#include <cstdio>
#include <filesystem>

#include "help/help_picture.h"
#include "help/picture_list.h"
#include "help/picture_print.h"
#include "text/format.h"
#include "ui/checked_file.h"
#include "ui/dialogs.h"
#include "ui/help_numbers.h"

namespace trb::help {

namespace {

constexpr int kCommandCount = 5;

std::string ListPath(const PictureBrowserContext& c) {
    return text::AddBackslash(c.pltFolder) + kPictureListName;
}

// Fills the choice list with the pictures and the command items; the list as read.
PictureList LoadChoices(PictureBrowserContext& c) {
    PictureList list = ReadPictureList(ListPath(c));
    if (list.malformed) c.dialogs.ShowErrorBox(kPictureListError);
    const std::size_t n = list.entries.size();
    for (std::size_t i = 0; i < n; ++i)
        c.dialogs.choiceList[i] = PictureChoiceItem(list.entries[i]).substr(0, ui::kChoiceTextLength);
    for (int k = 0; k < kCommandCount; ++k)
        c.dialogs.choiceList[n + static_cast<std::size_t>(k)] = kPictureCommandItems[k];
    return list;
}

// Writes the lines to "$$$.dbh" and puts it in place of "trb.dbh" in one step.
bool WriteList(PictureBrowserContext& c, const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    const std::string work = text::AddBackslash(c.pltFolder) + kPictureListWorkName;
    // The work file is renamed afterwards: a link planted under its name is replaced, never followed.
    if (!ui::WriteFileChecked(work, content, c.dialogs, c.abort, config::ExistingLink::Replace)) return false;
    std::error_code error;
    std::filesystem::rename(work, ListPath(c), error);
    if (error) {
        c.dialogs.ShowErrorBox("Datei " + ListPath(c) + " kann nicht ersetzt werden: " + error.message());
        c.abort = true;
        return false;
    }
    return true;
}

// The line a command works on: the selected picture, else the user's choice among the n.
bool ChooseLine(PictureBrowserContext& c, const char* prompt, int n, int selected, int& line) {
    if (selected >= 1 && selected <= n) {
        line = selected;
        return true;
    }
    if (n == 0) return false;
    line = 1;
    c.dialogs.ChooseFromList(prompt, n, line, c.abort);
    return !c.abort;
}

// A picture file of the PLT folder chosen in the open dialog: its name without ".plt".
bool ChoosePictureFile(PictureBrowserContext& c, std::string& name) {
    std::string folder = c.pltFolder;
    std::string chosen;
    c.dialogs.AskOpenFile(0, folder, "*.plt", chosen, c.abort);
    if (c.abort) return false;
    name = std::filesystem::path(chosen).stem().string();
    return true;
}

bool AskInformation(PictureBrowserContext& c, std::string& text) {
    c.dialogs.AskText("Information zum Hilfebild", kPictureTextLength, text, c.abort);
    return !c.abort;
}

std::string Lower(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

bool Extend(PictureBrowserContext& c, PictureList& list) {
    c.dialogs.SetHelpNumber(kHelpPictureBrowser);
    std::string name, text;
    if (!ChoosePictureFile(c, name) || !AskInformation(c, text)) return false;
    list.lines.push_back(PictureListLine(name, text));
    return WriteList(c, list.lines);
}

bool Delete(PictureBrowserContext& c, PictureList& list, int selected) {
    c.dialogs.SetHelpNumber(kHelpPictureDelete);
    const int n = static_cast<int>(list.entries.size());
    int line = 0;
    if (selected >= 1 && selected <= n) {
        bool yes = false;  // deleting is never the preset answer
        c.dialogs.AskYesNo("L\x94schen ?", yes, c.abort);
        if (c.abort || !yes) return false;
        line = selected;
    } else if (!ChooseLine(c, "Zu l\x94schende Zeile w\x84hlen...", n, 0, line)) {
        return false;
    }
    list.lines.erase(list.lines.begin() + (line - 1));
    return WriteList(c, list.lines);
}

bool Change(PictureBrowserContext& c, PictureList& list, int selected) {
    c.dialogs.SetHelpNumber(kHelpPictureChangeName);
    const int n = static_cast<int>(list.entries.size());
    int line = 0;
    if (!ChooseLine(c, "Zu \x84ndernde Zeile w\x84hlen...", n, selected, line)) return false;
    const PictureEntry& entry = list.entries[static_cast<std::size_t>(line - 1)];
    std::string name = Lower(entry.name);
    c.dialogs.AskText("Dateiname (ohne Endung .plt)", kPictureNameLength, name, c.abort);
    if (c.abort) return false;
    c.dialogs.SetHelpNumber(kHelpPictureChangeText);
    std::string text = entry.description;
    if (!AskInformation(c, text)) return false;
    list.lines[static_cast<std::size_t>(line - 1)] = PictureListLine(name, text);
    return WriteList(c, list.lines);
}

bool Insert(PictureBrowserContext& c, PictureList& list, int selected) {
    c.dialogs.SetHelpNumber(kHelpPictureInsert);
    const int n = static_cast<int>(list.entries.size());
    int line = n + 1;
    if (n > 0 && !ChooseLine(c, "Vor welche Zeile einf\x81gen ?", n, selected, line)) return false;
    std::string name, text;
    if (!ChoosePictureFile(c, name) || !AskInformation(c, text)) return false;
    list.lines.insert(list.lines.begin() + (line - 1), PictureListLine(name, text));
    return WriteList(c, list.lines);
}

bool Print(PictureBrowserContext& c, PictureList& list, int selected) {
    c.dialogs.SetHelpNumber(kHelpPicturePrint);
    const int n = static_cast<int>(list.entries.size());
    int line = 0;
    if (!ChooseLine(c, "Welches Bild ausdrucken ?", n, selected, line)) return false;
    c.dialogs.SetHelpNumber(kHelpPicturePrintPort);
    int port = 1;
    c.dialogs.AskInteger("Druckerschnittstelle (max = 4, default=1)", port, 1, 4, c.abort);
    if (c.abort) return false;
    c.dialogs.SetHelpNumber(kHelpPicturePrintSequence);
    bool sequences = true;
    c.dialogs.AskYesNo("Steuersequenz f\x81r HP-GL/2-Laserdrucker vorausschicken ?", sequences, c.abort);
    if (c.abort) return false;
    const std::string path = PicturePath(c.pltFolder, list.entries[static_cast<std::size_t>(line - 1)].name);
    // A printer that cannot be reached is reported; the browser goes on.
    SendPictureToPort(path, port, sequences, c.dialogs, c.abort);
    c.abort = false;
    return true;
}

void BrowseWithoutList(PictureBrowserContext& c) {
    std::string folder = c.pltFolder;
    std::string chosen;
    c.dialogs.AskOpenFile(0, folder, "*.plt", chosen, c.abort);
    if (c.abort) return;
    c.pltFolder = text::AddBackslash(folder);
    if (c.drawPicture) c.drawPicture(std::filesystem::path(chosen).stem().string());
}

}  // namespace

bool RunPictureCommand(PictureBrowserContext& context, PictureCommand command, int selected) {
    PictureList list = ReadPictureList(ListPath(context));
    switch (command) {
        case PictureCommand::Extend:
            return Extend(context, list);
        case PictureCommand::Delete:
            return Delete(context, list, selected);
        case PictureCommand::Change:
            return Change(context, list, selected);
        case PictureCommand::Insert:
            return Insert(context, list, selected);
        case PictureCommand::Print:
            return Print(context, list, selected);
    }
    return false;
}

void BrowseHelpPictures(PictureBrowserContext& c, PictureBrowserView& view) {
    c.abort = false;
    if (!std::filesystem::exists(ListPath(c))) {
        BrowseWithoutList(c);
        return;
    }
    int current = 1;
    bool first = true;
    while (true) {
        const PictureList list = LoadChoices(c);
        if (list.status != config::InputStatus::Ok && list.status != config::InputStatus::TooLarge) {
            // A folder, a FIFO or a device where the list belongs.
            config::InputFile file;
            file.status = list.status;
            c.dialogs.ShowErrorBox(config::InputProblem(ListPath(c), file));
            return;
        }
        const int n = static_cast<int>(list.entries.size());
        c.dialogs.SetHelpNumber(kHelpPictureBrowser);
        if (first) {
            first = false;
            if (n > 0 && c.drawPicture) c.drawPicture(list.entries[0].name);
        }
        std::vector<std::string> items(c.dialogs.choiceList.begin(),
                                       c.dialogs.choiceList.begin() + (n + kCommandCount));
        const BrowserAnswer answer = view.Show(items, n, current);
        if (answer.kind == BrowserAnswer::Kind::Ok) return;
        if (answer.kind == BrowserAnswer::Kind::Picture) {
            current = answer.picture;
        } else {
            if (answer.picture >= 1 && answer.picture <= n) current = answer.picture;
            if (!RunPictureCommand(c, answer.command, answer.picture)) {
                c.abort = false;
                return;
            }
        }
        const PictureList now = ReadPictureList(ListPath(c));
        if (current >= 1 && current <= static_cast<int>(now.entries.size()) && c.drawPicture)
            c.drawPicture(now.entries[static_cast<std::size_t>(current - 1)].name);
    }
}

}  // namespace trb::help
