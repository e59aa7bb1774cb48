#pragma once

#include <memory>

#include "app/command_line.h"
#include "app/program.h"
#include "docs/change_command.h"
#include "gui/window/graphics_form.h"
#include "gui/window/interface_language.h"

namespace trb::graphics {
class Driver;
}

namespace trb::gui {

class DrawingEditors;
class FilmWork;
class MainMenu;

// The maker's web page and mail address.
inline constexpr const char* kMakerWebPage = "https://www.korvane.de";
inline constexpr const char* kMakerMail = "info@korvane.de";

// The main window: the graphics window with the main menu on top. Creating it reads the
// configuration and session, runs the start routine (command-line case or the default case) and
// the first calculation, applies the stored language and sets the title; closing it asks to save a
// changed case; destroying it writes the session.
class Thh : public TFkorvgra {
  public:
    explicit Thh(app::Program& program, const app::CommandLine& commandLine = {}, QWidget* parent = nullptr);
    ~Thh() override;

    // The start routine decided that the program ends (e.g. a command-line file that may not be
    // created).
    bool EndRequested() const { return endRequested_; }

    app::Program& Program() { return program_; }
    // The drawing output driver of the window's drawings (screen and file outputs).
    graphics::Driver& DrawingDriver() { return *driver_; }
    MainMenu& Menu() { return *menu_; }
    // The lubricant film of the case, solved off the window's thread for the screen.
    FilmWork& Film() { return *film_; }

    // Window and application title from the program title and the case name; the arrow cursor;
    // the recent-file items.
    void RefreshTitle();
    // The message item, then the result view the settings choose.
    void RefreshAfterRun();
    void RefreshCaptions();

    // ----- commands of the main menu -----
    void mi_fileNewClick();
    void mi_fileOpenClick();
    void mi_FileSaveClick();
    void mi_FileSaveAsClick();
    void OpenRecent(int i);
    void mi_ViewAusdruckClick();
    void mi_viewErrorMessagesClick();
    void mi_helpErrorMessagesClick();
    // A bearing drawing (views of the drawing list) on the device (0 asks, 3 the screen).
    void DrawView(int device, int view);
    // The viscosity diagram on the screen: 1 kinematic, 2 dynamic.
    void DrawDiagram(int kind);
    void LanguageCommand(int code);
    // Help -> "&Benutzerhandbuch": the user guide's first page in the desktop's browser, or why not.
    void mi_helpguideClick();
    void mi_helpwwwClick();
    void mi_helpverificationClick();
    void mi_helpemailClick();
    void mi_HelpAboutClick();
    void OpenDocument(int i);
    // The change log on the screen or on the chosen output device.
    void ChangeLogCommand(docs::ChangeCommandKind command);
    // Asks for the nominal diameter of the new bearing; Cancel sets the abort flag.
    void PreDimensioning();
    // "&Vorauslegung": the new diameter, then the calculation and the result view.
    void mi_editvorauslegungClick();
    // Draws again what the screen shows (after a language switch).
    void RedrawScreenView();
    void QuickInput();
    // "&Drucken...": the printout dialog, then the drawing on the printer.
    void mi_fileprintClick();
    // "Druckereinstellung": the printout dialog, then the printer's capabilities.
    void mi_fileprintersetupClick();
    // File -> Einstellungen: the settings dialog; afterwards the window takes the configured
    // background colour, also when the dialog was cancelled.
    void mi_fileConfigClick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectCommands();
    void StartRoutine(const app::CommandLine& commandLine);
    void Calculate();
    void DrawResultView();
    void PrintCommand(bool printerInfo);
    // Opens a web page or mail address with the desktop's handler, or says why not.
    void OpenWithDesktop(const std::string& target);

    app::Program& program_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<DrawingEditors> editors_;  // the driver's plot dialog and limits form
    std::unique_ptr<graphics::Driver> driver_;
    std::unique_ptr<FilmWork> film_;  // the film of the pressure-distribution view
    InterfaceLanguage interfaceLanguage_;
    // What the screen shows: a bearing view (view > 0) or a viscosity diagram (diagram > 0).
    struct ScreenView {
        int view = 1;
        int diagram = 0;
    } screenView_;
    bool endRequested_ = false;
    bool sessionWritten_ = false;  // by closeEvent, so the destructor does not write it again
};

}  // namespace trb::gui
