#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "driver_fixture.h"
#include "graphics/plot_parameters.h"
#include "ui/launcher.h"

namespace trb::graphics {
namespace {

using testing::DriverFixture;
namespace fs = std::filesystem;

void DrawLine(Driver& d) {
    d.CadLimits(0, 0, 160, 120);
    d.CadTables(2);
    d.CadEntitiesBegin();
    d.CadLine(0, 0, 10, 5);
    d.CadEndSection();
    d.CadClose();
}

std::vector<std::string> WaitForLines(const fs::path& file) {
    for (int i = 0; i < 500 && !fs::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(PlotStart, TheProgramReceivesExactlyItsArgumentsInTheFolderOfThePlotFile) {
    DriverFixture f;
    ui::ProcessLauncher launcher;
    // A line as stored long ago: a plot file without folder, a file switch with a blank, fit.
    const std::string line = std::string(TRB_PLOT_STAND_IN) + " TRACEON.DXF /CHPL \"/Fmy out\" /M* /X-2.5";
    f.settings.plotCommandLines[0] = line;
    Driver driver(DriverContext{*f.window, f.dialogs, launcher, f.status, f.abort}, f.settings);
    f.dialogs.Reply("4").Reply(line);
    driver.CadOpen(kDeviceAsk);
    ASSERT_FALSE(f.abort);
    DrawLine(driver);
    EXPECT_TRUE(f.dialogs.Entries("box").empty());
    const std::string plotFile = TempPath(f.settings, "traceon.dxf");
    const fs::path folder = fs::path(plotFile).parent_path();
    const std::vector<std::string> lines = WaitForLines(folder / "plot-arguments.txt");
    ASSERT_EQ(lines, (std::vector<std::string>{fs::canonical(folder).string(), plotFile, "/CHPL", "/Fmy out",
                                               "/M*", "/X-2.5"}));
    std::ifstream dxf(plotFile);
    std::string first;
    std::getline(dxf, first);
    EXPECT_EQ(first, "  0");
}

TEST(PlotStart, AFailedStartSaysWhy) {
    DriverFixture f;
    ui::ProcessLauncher launcher;
    const fs::path plain = f.folder / "not-a-program";
    std::ofstream(plain) << "just text\n";
    ::chmod(plain.c_str(), 0644);
    struct Case {
        std::string program;
        ui::StartFailure failure;
        std::string message;
    };
    const Case cases[] = {
        {(f.folder / "missing").string(), ui::StartFailure::NotFound, "file not found: "},
        {"trb-no-such-program-anywhere", ui::StartFailure::NotFound, "file not found: "},
        {plain.string(), ui::StartFailure::NotExecutable, "not executable: "},
        {f.folder.string(), ui::StartFailure::NotExecutable, "not executable: "},
    };
    for (const Case& c : cases) {
        const ui::StartRequest request{c.program, {"x"}, {}};
        const ui::StartResult result = launcher.Run(request);
        EXPECT_EQ(result.failure, c.failure) << c.program;
        EXPECT_EQ(ui::StartFailureText(request, result), c.message + c.program);
    }

    // Through the driver the reason reaches the user.
    f.settings.plotCommandLines[0] = plain.string() + " traceon.dxf";
    Driver driver(DriverContext{*f.window, f.dialogs, launcher, f.status, f.abort}, f.settings);
    driver.CadOpen(kDevicePlot);
    DrawLine(driver);
    const auto boxes = f.dialogs.Entries("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("not executable: " + plain.string()), std::string::npos) << boxes[0].text;
}

TEST(PlotStart, TheEditedLineIsKeptForTheNextPlot) {
    DriverFixture f;
    f.settings.plotCommandLines = {"first TRACEON.DXF", "second TRACEON.DXF", "", "", ""};
    f.settings.plotLineCount = 2;
    std::array<std::string, 5> stored = f.settings.plotCommandLines;
    Driver driver(DriverContext{*f.window, f.dialogs, f.launcher, f.status, f.abort, nullptr, &stored},
                  f.settings);
    // The second line, edited in the prompt.
    f.dialogs.Reply("4").Reply("2").Reply("second TRACEON.DXF /M2");
    driver.CadOpen(kDeviceAsk);
    ASSERT_FALSE(f.abort);
    DrawLine(driver);
    EXPECT_EQ(stored[1], "second TRACEON.DXF /M2");
    ASSERT_EQ(f.launcher.calls.size(), 1u);
    EXPECT_EQ(f.launcher.calls[0].arguments.back(), "/M2");
    EXPECT_EQ(f.launcher.calls[0].folder,
              fs::path(TempPath(f.settings, "traceon.dxf")).parent_path().string());

    // The window hands the driver fresh settings before each drawing: the choice and the line stay.
    DriverSettings fresh = f.settings;
    fresh.plotCommandLines = stored;
    driver.SetSettings(fresh);
    f.dialogs.Reply("4").Reply("2").Reply("second TRACEON.DXF /M2");
    driver.CadOpen(kDeviceAsk);
    const auto lines = f.dialogs.Entries("radio");  // the devices are a list, the lines radio buttons
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].number, 2) << "the line chosen last is offered first";
    const auto prompts = f.dialogs.Entries("text");
    EXPECT_EQ(prompts.back().items.at(0), "second TRACEON.DXF /M2");
    EXPECT_EQ(prompts.back().number, kPlotCommandLength);
}

TEST(PlotStart, ZeroInThePromptBuildsTheLineFromParameters) {
    DriverFixture f;
    f.settings.plotCommandLines[0] = "wtraceon TRACEON.DXF";
    std::array<std::string, 5> stored = f.settings.plotCommandLines;
    Driver driver(DriverContext{*f.window, f.dialogs, f.launcher, f.status, f.abort, nullptr, &stored},
                  f.settings);
    // "0", then Windows edition from PATH, HP-GL/2, parallel LPT 1, scale 1, no rotation, no shift,
    // text width 1.
    f.dialogs.Reply("4")
        .Reply("0")
        .Reply("1")
        .Reply("")
        .Reply("4")
        .Reply("2")
        .Reply("1")
        .Reply("1")
        .Reply("N")
        .Reply("0")
        .Reply("0")
        .Reply("1");
    driver.CadOpen(kDeviceAsk);
    ASSERT_FALSE(f.abort);
    EXPECT_EQ(stored[0], "wtraceon traceon.dxf /CPL2");
    EXPECT_EQ(f.dialogs.unanswered, 0);
}

}  // namespace
}  // namespace trb::graphics
