#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "graphics/driver.h"
#include "graphics/graphics_window.h"
#include "recording_device.h"
#include "ui/launcher.h"
#include "ui/scripted_dialogs.h"

namespace trb::graphics::testing {

// A driver with scripted dialogs, a recording launcher and its own temp folder.
struct DriverFixture {
    DriverFixture() {
        char pattern[] = "/tmp/trb-graphics-XXXXXX";
        folder = ::mkdtemp(pattern);
        settings.tempFolder = folder.string();
        settings.cadFolder = folder.string();
        window = std::make_unique<GraphicsWindow>(WindowWith(800, 600));
        driver = std::make_unique<Driver>(DriverContext{*window, dialogs, launcher, status, abort}, settings);
    }
    ~DriverFixture() {
        driver.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    static WindowSettings WindowWith(int w, int h) {
        WindowSettings s;
        s.deviceWidth = w;
        s.deviceHeight = h;
        return s;
    }

    // Puts a recording device in place of the output and returns it.
    RecordingDevice& Record(int code = kDeviceDxf, bool polylines = false) {
        auto device = std::make_unique<RecordingDevice>(polylines);
        RecordingDevice& ref = *device;
        driver->UseDevice(code, std::move(device));
        return ref;
    }

    std::filesystem::path folder;
    DriverSettings settings;
    ui::ScriptedDialogs dialogs;
    ui::RecordingLauncher launcher;
    core::RunStatus status;
    bool abort = false;
    std::unique_ptr<GraphicsWindow> window;
    std::unique_ptr<Driver> driver;
};

}  // namespace trb::graphics::testing
