#pragma once

#include <functional>
#include <string>
#include <vector>

namespace trb::ui {
class Dialogs;
}

// The help-picture browser: the pictures of the list "trb.dbh" in a window, the chosen one drawn
// in the graphics window, and the commands that extend, delete, change and insert list lines or
// send a picture to a printer port.
namespace trb::help {

enum class PictureCommand { Extend = 1, Delete, Change, Insert, Print };

// The command items that follow the n pictures in the list.
inline constexpr const char* kPictureCommandItems[] = {
    "-----  Erweitern  -----", "-----  L\x94schen  -----", "-----  \x8endern  ------",
    "-----  Einf\x81gen ------", "-----  HP-GL/2 drucken/plotten  ------"};

// What the user did in the browser window.
struct BrowserAnswer {
    enum class Kind { Ok, Picture, Command };
    Kind kind = Kind::Ok;
    int picture = 0;  // Picture: the chosen picture (1..n); Command: the selected picture or 0
    PictureCommand command = PictureCommand::Extend;
};

// The browser window: shows the items (n pictures, then the five commands, code page 850) with
// item `current` (1-based) selected, and returns when the user chose something or closed it.
class PictureBrowserView {
  public:
    virtual ~PictureBrowserView() = default;
    virtual BrowserAnswer Show(const std::vector<std::string>& items, int pictures, int current) = 0;
};

struct PictureBrowserContext {
    ui::Dialogs& dialogs;
    std::string& pltFolder;  // a picture chosen without a list makes its folder the PLT folder
    // Draws picture `name` (no ".plt") of the PLT folder in the graphics window.
    std::function<void(const std::string& name)> drawPicture;
    bool& abort;
};

// Runs the browser until OK or a cancelled question. Without a list it offers the pictures of
// the PLT folder in an open dialog and draws the chosen one.
void BrowseHelpPictures(PictureBrowserContext& context, PictureBrowserView& view);

// The list commands, for the browser and for tests. `selected` is the picture (1..n) the command
// applies to, or 0 to ask for the line. False when a question was cancelled (or answered No to
// the delete question), which ends the browser. The list is rewritten through "$$$.dbh".
bool RunPictureCommand(PictureBrowserContext& context, PictureCommand command, int selected);

}  // namespace trb::help
