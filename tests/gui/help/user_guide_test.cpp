// The user guide as the window reaches it and as it speaks of the window: Help → User guide opens
// the guide's first page with the desktop's browser or says why not, and every menu item, text and
// message the guide's chapters quote is one the program has.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "config/guide_location.h"
#include "gui/window/main_menu.h"
#include "text/cp850.h"
#include "text/language.h"
#include "whole_file.h"
#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

namespace fs = std::filesystem;

// The guide's folder for one test (TRB_GUIDE_DIR), unset again afterwards.
class GuideFolder {
  public:
    explicit GuideFolder(const fs::path& folder) { setenv("TRB_GUIDE_DIR", folder.c_str(), 1); }
    ~GuideFolder() { unsetenv("TRB_GUIDE_DIR"); }
    GuideFolder(const GuideFolder&) = delete;
    GuideFolder& operator=(const GuideFolder&) = delete;
};

class UserGuideItemTest : public ScriptedWindowTest {
  protected:
    UserGuideItemTest() { Start(); }
    std::size_t Notes() const { return dialogs_.Entries("box").size(); }
};

TEST_F(UserGuideItemTest, OpensTheGuidesFirstPageOrSaysWhyNot) {
    const fs::path guide = folder_ / "guide";
    fs::create_directories(guide);
    GuideFolder where(guide);

    // No page in the folder: nothing is started, the user is told.
    Trigger("mi_helpguide");
    EXPECT_TRUE(launcher_.calls.empty());
    ASSERT_EQ(Notes(), 1u);
    EXPECT_NE(dialogs_.Entries("box")[0].text.find("Benutzerhandbuch"), std::string::npos);

    // A page: the desktop's opener gets its absolute path as its one argument, no shell.
    std::ofstream(guide / "index.html") << "<html></html>";
    Trigger("mi_helpguide");
    ASSERT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(launcher_.calls[0].program, "");
    EXPECT_EQ(launcher_.calls[0].arguments, std::vector<std::string>{(guide / "index.html").string()});
    EXPECT_EQ(Notes(), 1u);

    // An index.html that is a folder is no page: not found.
    fs::remove(guide / "index.html");
    fs::create_directories(guide / "index.html");
    Trigger("mi_helpguide");
    EXPECT_EQ(launcher_.calls.size(), 1u);
    EXPECT_EQ(Notes(), 2u);

    // The opener cannot start: the user is told which and why.
    fs::remove(guide / "index.html");
    std::ofstream(guide / "index.html") << "<html></html>";
    launcher_.succeed = false;
    launcher_.failure = "file not found: xdg-open";
    Trigger("mi_helpguide");
    ASSERT_EQ(Notes(), 3u);
    EXPECT_EQ(dialogs_.Entries("box")[2].text, "Kein Programm konnte " + (guide / "index.html").string() +
                                                   " \xC3\xB6"
                                                   "ffnen (file not found: xdg-open).");
}

// The window with the real launcher and a desktop opener of the test's own first in PATH, which
// finds no program for anything (exit code 3) as a desktop without a browser does.
class NoBrowserTest : public ::testing::Test, protected FreshFolder {
  protected:
    NoBrowserTest() {
        const fs::path opener = folder_ / "bin" / "xdg-open";
        fs::create_directories(opener.parent_path());
        std::ofstream(opener) << "#!/bin/sh\nexit 3\n";
        fs::permissions(opener, fs::perms::owner_all);
        previousPath_ = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
        setenv("PATH", (opener.parent_path().string() + ":" + previousPath_).c_str(), 1);
        window_ = std::make_unique<Thh>(program_);
    }
    ~NoBrowserTest() override {
        window_.reset();
        setenv("PATH", previousPath_.c_str(), 1);
    }
    // The notes shown, once the opener has ended and its report reached the window (at most 20 s).
    std::vector<ui::ScriptedDialogs::Entry> NotesAfterTheOpener() {
        for (int i = 0; i < 4000 && dialogs_.Entries("box").empty(); ++i) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return dialogs_.Entries("box");
    }

    std::string previousPath_;
    ui::ScriptedDialogs dialogs_;
    ui::ProcessLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

TEST_F(NoBrowserTest, TheGuideThatNothingCanOpenIsNamedWhenTheOpenerEnds) {
    const fs::path guide = folder_ / "guide";
    fs::create_directories(guide);
    std::ofstream(guide / "index.html") << "<html></html>";
    GuideFolder where(guide);
    window_->findChild<QAction*>("mi_helpguide")->trigger();
    const auto notes = NotesAfterTheOpener();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].text, "Kein Programm konnte " + (guide / "index.html").string() +
                                 " \xC3\xB6"
                                 "ffnen (xdg-open endete mit Exit-Code 3, kein Programm f\xC3\xBCr "
                                 "diesen Dateityp).");
}

TEST_F(UserGuideItemTest, SpeaksEveryInterfaceLanguage) {
    const std::vector<std::pair<const char*, std::string>> expected = {
        {"mi_languageEnglish", "&User guide"},
        {"mi_languageFrench", "&Guide de l'utilisateur"},
        {"mi_languageRomanian", "&Ghidul utilizatorului"},
        {"mi_languageKorean", "사용자 안내서(&U)"},
        {"mi_languageGerman", "&Benutzerhandbuch"},
    };
    for (const auto& [language, caption] : expected) {
        Trigger(language);
        EXPECT_EQ(Item("mi_helpguide")->text().toStdString(), caption) << language;
    }
    // It is the Help menu's first item.
    EXPECT_EQ(window_->findChild<QMenu*>("mi_Help")->actions().front(), Item("mi_helpguide"));
}

// A caption as the guide writes it: without access-key marks and trailing dots.
std::string Plain(std::string caption) {
    caption = std::regex_replace(caption, std::regex(R"(\(&.\))"), "");
    std::erase(caption, '&');
    while (!caption.empty() && (caption.back() == '.' || caption.back() == ' ')) caption.pop_back();
    while (!caption.empty() && caption.front() == ' ') caption.erase(0, 1);
    return caption;
}

struct Quote {
    std::string chapter, kind, text;
};

// Every [text]{.menu}, [text]{.ui} and [text]{.msg} of the chapters.
std::vector<Quote> GuideQuotes() {
    std::vector<Quote> quotes;
    const std::regex span(R"(\[([^\]]+)\]\{\.(menu|ui|msg)\})");
    for (const auto& entry : fs::directory_iterator(TRB_GUIDE_SOURCE_DIR)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".md") && !name.ends_with(".md.in")) continue;
        const std::string text = test_support::ReadWholeFile(entry.path());
        for (std::sregex_iterator it(text.begin(), text.end(), span), end; it != end; ++it)
            quotes.push_back({name, (*it)[2], std::regex_replace((*it)[1].str(), std::regex(R"(\s+)"), " ")});
    }
    return quotes;
}

// The lines of a code page 850 data file, as UTF-8 without line ends.
std::vector<std::string> DataLines(const std::string& name) {
    std::vector<std::string> lines;
    std::ifstream in(fs::path(TRB_SOURCE_DATA_DIR) / name, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(text::OemToDisplayAll(line, {}));
    }
    return lines;
}

// The string literals of the window's and the texts' sources, adjacent pieces joined.
std::set<std::string> SourceLiterals() {
    std::set<std::string> literals;
    const std::regex piece(R"re("((?:[^"\\\n]|\\.)*)"(\s*"((?:[^"\\\n]|\\.)*)")*)re");
    for (const char* folder : {"gui", "text", "report"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(TRB_SOURCE_DIR) / "src" / folder)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
            const std::string text = test_support::ReadWholeFile(entry.path());
            for (std::sregex_iterator it(text.begin(), text.end(), piece), end; it != end; ++it) {
                const std::string match = it->str();
                const std::string inner = match.substr(1, match.size() - 2);
                literals.insert(Plain(std::regex_replace(inner, std::regex(R"re("\s*")re"), "")));
            }
        }
    }
    return literals;
}

class GuideQuotesTest : public RealWindowTest {};

TEST_F(GuideQuotesTest, EveryQuotedMenuItemTextAndMessageIsTheProgramsOwn) {
    const std::vector<Quote> quotes = GuideQuotes();
    ASSERT_GT(quotes.size(), 40u) << "the chapters quote the window";

    // The English menus as the window shows them, as paths "Help → Language → English".
    Start();
    Trigger("mi_languageEnglish");
    std::set<std::string> paths;
    std::function<void(QMenu*, const std::string&)> walk = [&](QMenu* menu, const std::string& path) {
        paths.insert(path);
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            const std::string item = path + " → " + Plain(action->text().toStdString());
            if (action->menu()) {
                walk(action->menu(), item);
            } else {
                paths.insert(item);
            }
        }
    };
    for (QAction* top : window_->menuBar()->actions())
        if (top->menu()) walk(top->menu(), Plain(top->text().toStdString()));

    // The catalogue's messages; every text of the language tables, the catalogue, the help texts
    // and the window's sources.
    std::set<std::string> messages, texts = SourceLiterals();
    const std::vector<std::string> catalogue = DataLines("trb.err");
    for (std::size_t i = 1; i < catalogue.size(); i += 3) messages.insert(catalogue[i]);  // after the title
    for (const std::string& line : catalogue) texts.insert(Plain(line));
    for (const char* help : {"trb.hlp", "korvane.hlp"})
        for (const std::string& line : DataLines(help)) texts.insert(Plain(line));
    for (int code : {text::kGerman, text::kEnglish, text::kFrench, text::kRomanian, text::kKorean}) {
        text::LanguageTexts language;
        language.SwitchLanguage(code);
        for (int i = 1; i <= text::kCalcTextCount; ++i)
            texts.insert(Plain(text::OemToDisplay(language.Calc(i), {})));
        for (int i = 1; i <= text::kMenuCaptionCount; ++i)
            texts.insert(Plain(language.Menu(static_cast<text::MenuCaption>(i))));
        for (int i = 1; i <= text::kDictionaryCaptionCount; ++i)
            texts.insert(Plain(language.Dictionary(static_cast<text::DictionaryCaption>(i))));
    }

    for (const Quote& quote : quotes) {
        SCOPED_TRACE(quote.chapter + ": " + quote.text);
        if (quote.kind == "menu") {
            std::string path;
            const std::string arrow = " → ";
            for (std::size_t start = 0;;) {
                const std::size_t next = quote.text.find(arrow, start);
                path += (path.empty() ? "" : arrow) + Plain(quote.text.substr(start, next - start));
                if (next == std::string::npos) break;
                start = next + arrow.size();
            }
            EXPECT_TRUE(paths.contains(path)) << "no such menu item in the English menus";
        } else if (quote.kind == "msg") {
            EXPECT_TRUE(messages.contains(quote.text)) << "no such message in the catalogue";
        } else {
            EXPECT_TRUE(texts.contains(Plain(quote.text))) << "no such text in the program";
        }
    }
}

}  // namespace
}  // namespace trb::gui::testing
