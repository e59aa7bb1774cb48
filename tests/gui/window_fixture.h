#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "graphics/replay.h"
#include "gui/common/qt_dialogs.h"
#include "gui/window/main_window.h"
#include "input_test_support.h"
#include "modal_script.h"
#include "temp_folder.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::gui::testing {

// A fresh current folder with a configuration folder of its own for one test. The previous current
// folder is back and the fresh one gone afterwards.
class FreshFolder {
  protected:
    FreshFolder() {
        EnsureApplication();
        std::filesystem::create_directories(folder_ / "config");
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    }
    ~FreshFolder() { std::filesystem::current_path(previous_); }
    FreshFolder(const FreshFolder&) = delete;
    FreshFolder& operator=(const FreshFolder&) = delete;

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    test_support::TempFolder temp_;
    std::filesystem::path folder_ = temp_.Path();
    std::filesystem::path previous_;
};

// The main window with scripted answers to every question (ScriptedDialogs) and a launcher that
// records instead of starting, in a fresh folder. Start() creates the window.
class ScriptedWindowTest : public ::testing::Test, protected FreshFolder {
  protected:
    ~ScriptedWindowTest() override { window_.reset(); }

    Thh& Start() {
        window_ = std::make_unique<Thh>(program_);
        return *window_;
    }
    QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }
    // Triggers a menu item; the scripted replies answer the questions it asks.
    void Trigger(const char* name) {
        QAction* item = Item(name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }

    ui::ScriptedDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

// The main window as the desktop runs it: the real Qt dialogs (answered by a ModalScript), a launcher
// that records instead of starting, a fresh current and configuration folder.
class RealWindowTest : public ::testing::Test, protected FreshFolder {
  protected:
    RealWindowTest() {
        dialogs_.Bind(program_.settings, launcher_);
        program_.settings.dbfFolder = TRB_SOURCE_DATA_DIR;
    }
    ~RealWindowTest() override { window_.reset(); }

    // Creates and shows the window at a client size of about w by h; questions during the start are
    // closed unanswered.
    Thh& Start(const app::CommandLine& commandLine = {}, int w = 1000, int h = 700) {
        {
            ModalScript script;
            window_ = std::make_unique<Thh>(program_, commandLine);
        }
        dialogs_.SetMainWindow(window_.get());
        window_->show();
        Resize(w, h);
        return *window_;
    }
    void Resize(int w, int h) {
        window_->resize(w, h);
        QApplication::processEvents();
    }

    QAction* Item(const char* name) { return window_->findChild<QAction*>(name); }
    // Triggers a menu item as a click does; a ModalScript in scope answers the dialogs it opens.
    void Trigger(const char* name) {
        QAction* item = Item(name);
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
        QApplication::processEvents();
    }
    std::string Dump() const { return window_->Graphics().List().Dump(); }

    QtDialogs dialogs_;
    ui::RecordingLauncher launcher_;
    app::Program program_{dialogs_, launcher_};
    std::unique_ptr<Thh> window_;
};

// A replay canvas that keeps what a replay draws, in canvas pixels.
struct RecordedDrawing : graphics::ReplayCanvas {
    struct Box {
        int left, top, right, bottom;
        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
    };
    std::vector<Box> ellipses;
    std::vector<Box> lines;  // as the boxes around them
    std::vector<graphics::PixelText> texts;

    void Line(graphics::PixelPoint a, graphics::PixelPoint b) override {
        lines.push_back({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
    }
    void Ellipse(graphics::PixelPoint a, graphics::PixelPoint b) override {
        ellipses.push_back({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
    }
    void Arc(graphics::PixelPoint a, graphics::PixelPoint b, graphics::PixelPoint,
             graphics::PixelPoint) override {
        Ellipse(a, b);
    }
    void Polygon(const graphics::PixelPoint (&)[4]) override {}
    void Text(const graphics::PixelText& text) override { texts.push_back(text); }

    // The box around every line and ellipse.
    Box Extent() const {
        Box all{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
        for (const auto* boxes : {&ellipses, &lines}) {
            for (const Box& b : *boxes) {
                all = {std::min(all.left, b.left), std::min(all.top, b.top), std::max(all.right, b.right),
                       std::max(all.bottom, b.bottom)};
            }
        }
        return all;
    }
    // The widest ellipse.
    Box Largest() const {
        Box best{0, 0, 0, 0};
        for (const Box& b : ellipses)
            if (b.Width() > best.Width()) best = b;
        return best;
    }
};

inline RecordedDrawing ReplayOf(Thh& window) {
    RecordedDrawing drawing;
    bool abort = false;
    graphics::Replay(window.Graphics(), drawing, nullptr, abort);
    EXPECT_FALSE(abort);
    return drawing;
}

}  // namespace trb::gui::testing
