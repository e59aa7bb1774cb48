// Every item of the main menu, in every interface language, does its work or says why not: a click
// changes what the user sees (drawing, title, captions, case, files, status line, an external
// program) or shows a dialog or message, and never crashes. Dialogs are closed unanswered.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "casefile/case_format.h"
#include "gui/window/main_menu.h"
#include "text/language.h"
#include "window_fixture.h"

namespace trb::gui::testing {
namespace {

namespace fs = std::filesystem;

// Items whose commands are being built right now. Such an item may still do nothing; when it starts
// doing its work it is taken off this list. (Every item does its work today.)
const std::map<std::string, int> kPending = {};

// Everything a click may change that the user can see.
struct Seen {
    std::string title, status, captions, drawing, caseText, files, caseState;
    std::size_t launches = 0;
    int visibleWindows = 0;
    bool windowVisible = false;
    friend bool operator==(const Seen&, const Seen&) = default;
};

class MenuWalkTest : public RealWindowTest {
  protected:
    Seen Look() {
        Seen seen;
        seen.title = window_->windowTitle().toStdString();
        seen.status = window_->statusBar()->currentMessage().toStdString();
        for (QAction* action : window_->findChildren<QAction*>())
            seen.captions += action->text().toStdString() + (action->isEnabled() ? "|" : "-|");
        seen.drawing = Dump();
        std::ostringstream text;
        casefile::CaseContent content{program_.record, program_.title, program_.changes, program_.drawingInfo,
                                      program_.documents};
        casefile::WriteCaseContent(text, content, program_.settings.format, "TRB");
        seen.caseText = text.str();
        const auto& c = program_.caseFile;
        seen.caseState = c.folder + "|" + c.name + "|" + c.extension + "|" + (c.modified ? "m" : "") + "|" +
                         c.recent[0] + c.recent[1];
        for (const auto& entry : fs::directory_iterator(folder_))
            seen.files += entry.path().filename().string() + ";";
        seen.launches = launcher_.calls.size();
        for (QWidget* widget : QApplication::topLevelWidgets())
            seen.visibleWindows += widget->isVisible() ? 1 : 0;
        seen.windowVisible = window_->isVisible();
        return seen;
    }

    // The items of the menu bar in menu order, submenus included (not their own entries).
    std::vector<QAction*> Items() {
        std::vector<QAction*> items;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                if (action->menu()) {
                    walk(action->menu());
                } else {
                    items.push_back(action);
                }
            }
        };
        for (QAction* top : window_->menuBar()->actions())
            if (top->menu()) walk(top->menu());
        return items;
    }

    static bool IsLanguageItem(const QAction* action) {
        for (const LanguageItem& item : kLanguageItems)
            if (action->objectName() == item.name) return true;
        return false;
    }
};

TEST_F(MenuWalkTest, EveryItemInEveryLanguageDoesItsWorkOrSaysWhyNot) {
    Start({}, 900, 650);
    std::map<std::string, int> stillPending;
    for (const LanguageItem& language : kLanguageItems) {
        SCOPED_TRACE(language.name);
        {
            const Seen before = Look();
            ModalScript script;
            QAction* switcher = Item(language.name);
            const bool hidden = !switcher->isVisible();  // "&Francais" is in the menu but not shown
            switcher->setVisible(true);
            Trigger(language.name);
            switcher->setVisible(!hidden);
            if (language.code != text::kGerman) {
                EXPECT_FALSE(Look() == before) << "the captions change";
            }
        }
        for (QAction* item : Items()) {
            const std::string name = item->objectName().toStdString();
            if (IsLanguageItem(item)) continue;
            SCOPED_TRACE(name);
            EXPECT_FALSE(name.empty()) << "every item has its component name: " << item->text().toStdString();
            // A hidden item is walked too (it is in the menu, only not shown); a greyed-out one says
            // by itself that it is not available.
            const bool hidden = !item->isVisible();
            item->setVisible(true);
            if (!item->isEnabled()) {
                item->setVisible(!hidden);
                continue;
            }
            // A mark on the screen, so that drawing the view already shown counts as drawing.
            window_->Graphics().Clear();
            window_->Graphics().line(0, 0, 1, 1);
            const Seen before = Look();
            ModalScript script;
            item->trigger();
            QApplication::processEvents();
            const bool answered = !script.names.empty();
            const Seen after = Look();
            if (hidden && item->isVisible()) item->setVisible(false);
            const bool silent = !answered && after == before;
            if (!window_->isVisible()) window_->show();  // "&Beenden" closed it
            if (kPending.contains(name)) {
                if (silent) stillPending[name] = kPending.at(name);
                continue;
            }
            EXPECT_FALSE(silent) << name << " (" << item->text().toStdString()
                                 << ") changes nothing and shows nothing";
        }
    }
    for (const auto& [name, issue] : stillPending)
        std::printf("pending: %s waits for issue %d\n", name.c_str(), issue);
}

}  // namespace
}  // namespace trb::gui::testing
