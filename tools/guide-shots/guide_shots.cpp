// Makes the user guide's pictures from the real window: each picture opens one of the shipped
// example cases in a fresh main window of a fixed size, switches the interface to English (one
// picture keeps German), triggers menu items as a click does and grabs the window or the dialog
// the click opened. `--list` prints the pictures' file names without making them.
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "gui/charts/film_work.h"
#include "gui/common/qt_dialogs.h"
#include "gui/help/help_commands.h"
#include "gui/printing/print_state.h"
#include "gui/window/main_window.h"
#include "ui/launcher.h"

namespace {

namespace fs = std::filesystem;
using trb::gui::Thh;

// The window's client size in every picture, so that a changed window gives comparable pictures.
constexpr int kWindowWidth = 1100;
constexpr int kWindowHeight = 760;

// Lets the event loop run for a while (layouts settle, threads of a search report back).
void Settle(int milliseconds = 150) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.start(milliseconds);
    while (timer.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(const QPixmap& picture, const fs::path& file) {
    if (picture.isNull() || !picture.save(QString::fromStdString(file.string()), "PNG")) {
        std::fprintf(stderr, "guide-shots: could not write %s\n", file.c_str());
        return false;
    }
    return true;
}

// Answers the modal dialogs a click opens, in order: each handler gets the dialog once it is shown
// and settled; a dialog no handler is left for is rejected.
class DialogAnswers : public QObject {
  public:
    using Handler = std::function<void(QWidget&)>;
    explicit DialogAnswers(std::deque<Handler> handlers) : handlers_(std::move(handlers)) {
        connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
        timer_.start(20);
    }

  private:
    void Look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == seen_ || busy_) return;
        seen_ = modal;
        busy_ = true;
        QTimer::singleShot(0, this, [this, dialog = QPointer<QWidget>(modal)] {
            Settle(300);
            if (dialog) {
                if (handlers_.empty()) {
                    Reject(*dialog);
                } else {
                    Handler handler = std::move(handlers_.front());
                    handlers_.pop_front();
                    handler(*dialog);
                }
            }
            busy_ = false;
        });
    }

  public:
    static void Reject(QWidget& dialog) {
        if (auto* box = qobject_cast<QDialog*>(&dialog)) {
            box->reject();
        } else {
            dialog.close();
        }
    }
    static void Press(QWidget& dialog, const char* button) {
        if (auto* found = dialog.findChild<QPushButton*>(button)) {
            found->click();
        } else {
            std::fprintf(stderr, "guide-shots: %s has no %s\n", dialog.objectName().toUtf8().constData(),
                         button);
            Reject(dialog);
        }
    }

  private:
    std::deque<Handler> handlers_;
    QTimer timer_;
    QPointer<QWidget> seen_;
    bool busy_ = false;
};

// One main window on one example case, as the desktop starts it.
class Session {
  public:
    Session(const fs::path& folder, const std::string& caseFile) {
        dialogs_.Bind(program_.settings, launcher_);
        trb::app::CommandLine commandLine;
        if (!caseFile.empty()) commandLine = trb::app::parseCommandLine({(folder / caseFile).string()});
        {
            DialogAnswers none({});
            window_ = std::make_unique<Thh>(program_, commandLine);
        }
        dialogs_.SetMainWindow(window_.get());
        dialogs_.SetHelpActions(trb::gui::HelpCommandsOf(*window_).ForQuestionDialogs());
        dialogs_.SetPrinter(&window_->Printing().printer);
        window_->show();
        window_->resize(kWindowWidth, kWindowHeight);
        Settle();
    }

    Thh& Window() { return *window_; }
    QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }

    // Triggers a menu item; the handlers answer the dialogs it opens.
    bool Trigger(const char* name, std::deque<DialogAnswers::Handler> handlers = {}) {
        QAction* item = Item(name);
        if (item == nullptr) {
            std::fprintf(stderr, "guide-shots: no menu item %s\n", name);
            return false;
        }
        DialogAnswers answers(std::move(handlers));
        item->trigger();
        Settle();
        return true;
    }

  private:
    trb::gui::QtDialogs dialogs_;
    trb::ui::RecordingLauncher launcher_;
    trb::app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

struct Shot {
    const char* file;      // the picture's file name in the guide's images folder
    const char* caseFile;  // the example case it starts from
    bool english;          // the interface language of the picture (else German)
    std::function<bool(Session&, const fs::path&)> make;
};

// A handler that grabs the dialog into `file` and then closes it (by `button`, else unanswered).
DialogAnswers::Handler GrabDialog(const fs::path& file, const char* button = nullptr,
                                  std::function<void(QWidget&)> before = {}) {
    return [file, button, before](QWidget& dialog) {
        if (before) {
            before(dialog);
            Settle();
        }
        Save(dialog.grab(), file);
        if (button) {
            DialogAnswers::Press(dialog, button);
        } else {
            DialogAnswers::Reject(dialog);
        }
    };
}

bool GrabWindow(Session& session, const fs::path& file) {
    Settle(300);
    return Save(session.Window().grab(), file);
}

// The window's item `name`, then the window.
std::function<bool(Session&, const fs::path&)> View(const char* name) {
    return [name](Session& session, const fs::path& file) {
        return session.Trigger(name) && GrabWindow(session, file);
    };
}

// The dialog the window's item `name` opens.
std::function<bool(Session&, const fs::path&)> Dialog(const char* name) {
    return [name](Session& session, const fs::path& file) {
        bool grabbed = false;
        const bool triggered = session.Trigger(name, {[&](QWidget& dialog) {
                                                   grabbed = Save(dialog.grab(), file);
                                                   DialogAnswers::Reject(dialog);
                                               }});
        return triggered && grabbed;
    };
}

// The Help menu opened on its language submenu, grabbed from the screen (menus are windows of
// their own).
bool LanguageMenu(Session& session, const fs::path& file) {
    Thh& window = session.Window();
    QMenu* help = window.findChild<QMenu*>("mi_Help");
    QMenu* language = window.findChild<QMenu*>("mi_helplanguage_menu");
    QAction* helpTitle = window.findChild<QAction*>("mi_Help_action");
    if (!help || !language || !helpTitle) return false;
    window.menuBar()->setActiveAction(helpTitle);
    Settle(300);
    help->setActiveAction(language->menuAction());
    Settle(600);
    const QRect area = window.frameGeometry();
    QScreen* screen = QGuiApplication::primaryScreen();
    const bool saved = Save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()), file);
    language->hide();
    help->hide();
    Settle();
    return saved;
}

// Edit → Basisdaten with a twice larger load typed in, then the result sheet of the new load.
bool HigherLoad(Session& session, const fs::path& file) {
    const bool triggered = session.Trigger("mi_editgrunddaten", {[](QWidget& dialog) {
                                               if (auto* load = dialog.findChild<QLineEdit*>("Edit_f")) {
                                                   load->setText("72000");
                                               }
                                               DialogAnswers::Press(dialog, "Button_ok");
                                           }});
    return triggered && GrabWindow(session, file);
}

// The operating charts: their dialog taken as it comes, then the charts.
bool OperatingCharts(Session& session, const fs::path& file, const fs::path& dialogFile) {
    return session.Trigger("mi_viewBetriebskennfeld", {GrabDialog(dialogFile, "Button_ok")}) &&
           GrabWindow(session, file);
}

// View → Druckverteilung, grabbed once the film solved off the window's thread is drawn.
bool PressureDistribution(Session& session, const fs::path& file) {
    if (!session.Trigger("mi_viewDruckverteilung")) return false;
    for (int i = 0; i < 200 && session.Window().Film().Work().Running(); ++i) Settle(100);
    return GrabWindow(session, file);
}

// View → Betriebskennfeld with the film's coefficients chosen over the dialog's speed range.
bool CoefficientChart(Session& session, const fs::path& file) {
    const bool triggered =
        session.Trigger("mi_viewBetriebskennfeld", {[](QWidget& dialog) {
                            if (auto* chart = dialog.findChild<QComboBox*>("ComboBox_diagramm"))
                                chart->setCurrentIndex(chart->count() - 1);
                            DialogAnswers::Press(dialog, "Button_ok");
                        }});
    return triggered && GrabWindow(session, file);
}

std::vector<Shot> Shots() {
    return {
        {"result-sheet.png", "example.trb", true,
         [](Session& s, const fs::path& f) { return GrabWindow(s, f); }},
        {"result-sheet-german.png", "example.trb", false,
         [](Session& s, const fs::path& f) { return GrabWindow(s, f); }},
        {"language-menu.png", "example.trb", true, LanguageMenu},
        {"input-geometry.png", "example.trb", true, Dialog("mi_editgrunddaten")},
        {"input-lubrication.png", "example.trb", true, Dialog("mi_editschmierung")},
        {"input-limits.png", "example.trb", true, Dialog("mi_editlimits")},
        {"higher-load.png", "example.trb", true, HigherLoad},
        {"printout.png", "example.trb", true, Dialog("mi_ViewAusdruck")},
        {"bearing-drawing.png", "example.trb", true, View("mi_viewLager")},
        {"production-drawing.png", "example.trb", true, View("mi_viewfertlager")},
        {"viscosity.png", "example.trb", true, View("mi_vieweta")},
        {"clearance-range.png", "example.trb", true, View("mi_viewSpielbereich")},
        {"operating-charts.png", "example.trb", true,
         [](Session& s, const fs::path& f) {
             return OperatingCharts(s, f, f.parent_path() / "operating-charts-dialog.png");
         }},
        {"reserves.png", "example.trb", true, Dialog("mi_viewReserven")},
        {"pressure-distribution.png", "example.trb", true, PressureDistribution},
        {"coefficient-chart.png", "example.trb", true, CoefficientChart},
        {"groove-result.png", "groove.trb", true,
         [](Session& s, const fs::path& f) { return GrabWindow(s, f); }},
        {"case-overview.png", "example.trb", true, Dialog("mi_fileopentable")},
        {"table-din1850.png", "example.trb", true, Dialog("mi_dbfdin1850g")},
        {"settings.png", "example.trb", true, Dialog("mi_fileConfig")},
        {"print-dialog.png", "example.trb", true, Dialog("mi_fileprint")},
        {"messages.png", "example.trb", true, Dialog("mi_helpErrorMessages")},
        {"drawing-data.png", "example.trb", true, Dialog("mi_docdrawinginfo")},
    };
}

// Every picture a run makes, in the order it makes them (a shot may make a second picture).
std::vector<std::string> PictureNames() {
    std::vector<std::string> names;
    for (const Shot& shot : Shots()) {
        names.emplace_back(shot.file);
        if (std::string(shot.file) == "operating-charts.png")
            names.emplace_back("operating-charts-dialog.png");
    }
    return names;
}

int MakePictures(const fs::path& output, const fs::path& examples) {
    std::error_code error;
    fs::create_directories(output, error);
    // Each picture's window starts from the program's own defaults in a folder of its own, with
    // copies of the example cases (the case overview lists them).
    const fs::path work = fs::temp_directory_path() / ("trb-guide-shots-" + std::to_string(::getpid()));
    int failures = 0;
    for (const Shot& shot : Shots()) {
        fs::remove_all(work, error);
        fs::create_directories(work / "config");
        for (const auto& entry : fs::directory_iterator(examples))
            if (entry.path().extension() == ".trb")
                fs::copy_file(entry.path(), work / entry.path().filename());
        fs::current_path(work);
        setenv("XDG_CONFIG_HOME", (work / "config").c_str(), 1);
        Session session(work, shot.caseFile);
        if (shot.english) session.Trigger("mi_languageEnglish");
        const bool made = shot.make(session, output / shot.file);
        if (!made) {
            std::fprintf(stderr, "guide-shots: %s was not made\n", shot.file);
            ++failures;
        }
    }
    fs::current_path(output);
    fs::remove_all(work, error);
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--list") {
        for (const std::string& name : PictureNames()) std::printf("%s\n", name.c_str());
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: trb-guide-shots --list | trb-guide-shots OUTPUT-FOLDER EXAMPLES-FOLDER\n");
        return 2;
    }
    const fs::path output = fs::absolute(argv[1]);
    const fs::path examples = fs::absolute(argv[2]);
    QApplication application(argc, argv);
    QApplication::setApplicationName("TRB");
    return MakePictures(output, examples);
}
