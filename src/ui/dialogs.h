#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "text/format_options.h"

// Every question the program asks and every message it shows goes through Dialogs.
// The public operations take and give code page 850 texts and carry the program's rules
// (abort flag, re-ask loops, list or radio choice, ranges, captions); they are built on a
// few primitive virtual functions that receive display texts (UTF-8). The window program
// supplies the primitives with real dialogs; BatchDialogs and ScriptedDialogs supply them
// for the command-line modes and for tests.
namespace trb::ui {

// Message box kinds: 12 error ("Fehler : "), 3 help ("Hilfe"), anything else "Meldung:".
inline constexpr int kErrorBox = 12;
inline constexpr int kHelpBox = 3;
inline constexpr int kNoteBox = 0;

inline constexpr std::size_t kChoiceListSize = 135;
inline constexpr std::size_t kChoiceTextLength = 65;
inline constexpr int kRadioChoiceLimit = 7;  // up to this many items: radio buttons
inline constexpr int kTextScreenLines = 22;

enum class Answer { Yes, No, Cancel };
enum class SaveChoice { Save, Discard, Cancel };
enum class ChoiceStyle { List, Radio };

// What an open dialog asks for.
struct OpenFileRequest {
    std::string folder;  // start folder (display text)
    // Patterns such as "*.trb", or pairs of description and pattern separated by "|" as in
    // "*.dxf|*.dxf|*.*|*.*".
    std::string filter;
    std::string name;  // the file name proposed in a save dialog (may be empty)
};

class Dialogs {
  public:
    Dialogs() = default;
    virtual ~Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // ----- shared state of the message services -----
    bool errorBoxesOn = true;          // ShowErrorBox shows nothing while false
    bool overwriteQueryOn = true;      // CheckNewFile asks before overwriting while true
    std::string programTitle = "TRB";  // caption of the yes/no/cancel question (code page 850)
    std::string programCode = "TRB";   // caption of the text screen and viewer
    // Items of ChooseFromList and lines of ShowTextScreen; callers fill the first entries.
    std::array<std::string, kChoiceListSize> choiceList{};

    void SetHelpNumber(std::uint16_t number) { helpNumber_ = number; }
    std::uint16_t CurrentHelpNumber() const { return helpNumber_; }

    // The number format the texts are converted and numbers shown with; the program binds
    // its live settings here (the object referred to must outlive this one).
    void UseFormat(const text::FormatOptions& format) { format_ = &format; }
    const text::FormatOptions& Format() const { return format_ ? *format_ : ownFormat_; }

    // ----- message boxes -----
    void ShowBox(std::string_view text, int kind);
    void ShowErrorBox(std::string_view text);
    void ShowNoteBox(std::string_view text);
    void ShowTitledBox(std::string_view caption, std::string_view text);
    // True for Yes, false for No; Cancel sets the abort flag and gives false.
    bool AskYesNoCancel(std::string_view text, bool& abort);
    // Before inputs that are not saved would be lost: "Speichern", "Verwerfen" or "Abbrechen" (the
    // text asks whether to save). Cancel sets the abort flag.
    SaveChoice AskSaveOrDiscard(std::string_view text, bool& abort);

    // ----- checked questions: cancel sets the abort flag and leaves the value unchanged -----
    // The first n entries of choiceList; selection 1-based; more than 7 items use a list.
    void ChooseFromList(std::string_view prompt, int n, int& selection, bool& abort);
    void AskYesNo(std::string_view prompt, char& answer, bool& abort);  // 'J' or 'N'
    void AskYesNo(std::string_view prompt, bool& answer, bool& abort);
    void AskText(std::string_view prompt, int maxLength, std::string& text, bool& abort);
    // Asks again until the entry is a number within [minimum, maximum].
    void AskReal(std::string_view prompt, real& value, real maximum, real minimum, bool& abort);
    // Bounds given the wrong way round are swapped.
    void AskInteger(std::string_view prompt, int& value, int lower, int upper, bool& abort);
    void AskInteger(std::string_view prompt, std::uint16_t& value, int lower, int upper, bool& abort);

    // ----- file and folder choosers: names are the file system's own bytes, not converted -----
    // kind 5 gives the full path, any other kind the name without folder (the folder is
    // updated); kind 4 also stores the file's extension (at most 3 characters) in
    // caseExtension when given. No choice sets the abort flag and clears the result.
    void AskOpenFile(int kind, std::string& folder, std::string_view filter, std::string& result, bool& abort,
                     std::string* caseExtension = nullptr);
    // No choice returns the current path and sets the abort flag.
    void AskProgramFile(std::string_view currentPath, std::string_view filter, std::string& result,
                        bool& abort);
    // Cancel returns the current folder and resets the abort flag. The result ends with "/".
    void AskFolder(std::string_view currentFolder, std::string& result, bool& abort);
    // A save dialog in `folder` with the given filter, proposing `name`; the chosen full path, or
    // nothing.
    std::optional<std::string> ChooseSaveFile(std::string_view folder, std::string_view filter,
                                              std::string_view name = {});
    // Tells the user that a file was written and where (the window's status bar).
    void FileWritten(std::string_view path);

    // ----- text output -----
    // The text viewer on `file` (display copy); printing from it prints `printFile`.
    void ShowTextFile(const std::string& file, const std::string& printFile);
    // The print dialog and printout of a text file; a missing file gives "<path> not found !".
    void PrintTextFile(const std::string& file);
    // The first 22 entries of choiceList in the text screen.
    void ShowTextScreen();

    // The status note after a file was written, followed by its path.
    static constexpr std::string_view kFileWrittenPrefix = "Gespeichert: ";

    // The refusal of user and file commands in archive mode.
    static constexpr std::string_view kArchiveModeRefusal =
        "File- und User- Befehle sind im Archivierungsmodus nicht m\x94glich.";

    // Hourglass around long operations.
    virtual void SetBusy(bool /*busy*/) {}

    // False in batch runs: nobody can act on a message before the operation is tried again.
    bool UserCanAct() const { return CanAskAgain(); }

  protected:
    // ----- primitives: display texts (UTF-8) in and out; nullopt means cancelled -----
    virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
    virtual Answer QuestionBox(const std::string& caption, const std::string& text) = 0;
    // The question of AskSaveOrDiscard: Yes saves, No discards. Where there are no buttons of those
    // names it is the yes/no/cancel question.
    virtual Answer SaveQuestionBox(const std::string& caption, const std::string& text) {
        return QuestionBox(caption, text);
    }
    virtual std::optional<int> ChooseItem(ChoiceStyle style, const std::string& prompt,
                                          const std::vector<std::string>& items, int preselected) = 0;
    virtual std::optional<std::string> EnterText(const std::string& prompt, const std::string& preset,
                                                 int maxLength) = 0;
    virtual std::optional<bool> EnterYesNo(const std::string& prompt, bool presetYes) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) = 0;
    virtual std::optional<std::string> ChooseSavePath(const OpenFileRequest& request) = 0;
    virtual std::optional<std::string> ChooseFolderPath(const std::string& start) = 0;
    virtual void ShowTextViewer(const std::string& file, const std::string& printFile) = 0;
    // Called only for an existing file, with its page count (lines starting with a form feed).
    virtual void PrintText(const std::string& file, int pages) = 0;
    virtual void ShowScreen(const std::string& caption, const std::vector<std::string>& lines) = 0;
    virtual void Beep() {}
    // A short note that needs no answer (display text); nothing where there is no status line.
    virtual void ShowStatus(const std::string& /*text*/) {}
    // False where nobody could answer a repeated question (batch runs): a refused entry
    // then ends the question as cancelled instead of asking again.
    virtual bool CanAskAgain() const { return true; }

  private:
    std::string Display(std::string_view oem) const;
    bool AskIntegerRange(std::string_view prompt, long long& value, long long lower, long long upper,
                         bool& abort);

    std::uint16_t helpNumber_ = 0;
    const text::FormatOptions* format_ = nullptr;
    text::FormatOptions ownFormat_{};
};

// Number of printed pages of a report text (see SplitTextPages).
int CountTextPages(const std::string& file);

}  // namespace trb::ui
