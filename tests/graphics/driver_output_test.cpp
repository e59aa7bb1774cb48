#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver_fixture.h"
#include "graphics/plot_command.h"
#include "whole_file.h"

namespace trb::graphics {
namespace {

using testing::DriverFixture;

using test_support::ReadWholeFile;

// A small drawing with one block, written the way every drawing is.
void DrawSample(Driver& d) {
    d.CadLimits(0, 0, 160, 120);
    d.CadTables(2);
    d.CadBlocksBegin();
    d.CadBlockBegin("MARK");
    d.CadLine(0, 0, 1, 1);
    d.CadBlockEnd();
    d.CadEndSection();
    d.CadEntitiesBegin();
    d.CadColor(4);
    d.CadLine(0, 0, 10, 5);
    d.CadArc(5, 5, 0, 180, 2);
    d.CadTextStyle(2, 0, 3.5L, 2.5L);
    d.CadText("Lager", 20, 20);
    d.CadInsert("MARK", 2, 2, 0, 50, 50);
    d.CadEndSection();
    d.CadClose();
}

TEST(DriverOutput, DeviceChoiceAndSaveDialog) {
    DriverFixture f;
    // DXF, then a file name without an extension.
    f.dialogs.Reply("1").Reply((f.folder / "welle").string());
    f.driver->CadOpen(kDeviceAsk);
    ASSERT_FALSE(f.abort);
    EXPECT_EQ(f.driver->DeviceCode(), kDeviceDxf);
    EXPECT_EQ(f.driver->OutputFileName(), (f.folder / "welle.dxf").string());
    const auto lists = f.dialogs.Entries("list");  // DXF to PNG: more than a radio group holds
    ASSERT_FALSE(lists.empty());
    EXPECT_EQ(lists[0].items.size(), 8u);
    EXPECT_EQ(lists[0].items[3], "Ausgabe auf Laserprinter/Plotter mit TRACEON");
    DrawSample(*f.driver);
    const std::string dxf = ReadWholeFile(f.folder / "welle.dxf");
    EXPECT_NE(dxf.find("ENTITIES"), std::string::npos);
    EXPECT_NE(dxf.find("INSERT"), std::string::npos);
    EXPECT_TRUE(dxf.ends_with("EOF\n"));
    // A name with a dot is kept as typed.
    f.dialogs.Reply("5").Reply((f.folder / "welle.v2").string());
    f.driver->CadOpen(kDeviceAsk);
    EXPECT_EQ(f.driver->OutputFileName(), (f.folder / "welle.v2").string());
    DrawSample(*f.driver);
    const std::string dump = ReadWholeFile(f.folder / "welle.v2");
    EXPECT_NE(dump.find("LINE\t0.000000\t0.000000\t10.000000\t5.000000"), std::string::npos) << dump;
    EXPECT_NE(dump.find("BLOCK\tMARK"), std::string::npos);
}

TEST(DriverOutput, CancelLeavesTheDeviceAlone) {
    DriverFixture f;
    f.dialogs.ReplyCancel();
    f.driver->CadOpen(kDeviceAsk);
    EXPECT_TRUE(f.abort);
    EXPECT_EQ(f.driver->DeviceCode(), kDeviceScreen);
    // An empty save dialog: abort, no file name.
    f.abort = false;
    f.dialogs.Reply("1").ReplyCancel();
    f.driver->CadOpen(kDeviceAsk);
    EXPECT_TRUE(f.abort);
    EXPECT_TRUE(f.driver->OutputFileName().empty());
}

TEST(DriverOutput, BatchModeNamesFilesAfterTheCase) {
    DriverFixture f;
    f.driver->SetBatchMode(true);
    f.driver->SetCaseFile((f.folder / "lager.trb").string());
    for (int device : {kDeviceDxf, kDeviceIges, kDeviceText}) {
        f.driver->CadOpen(device);
        DrawSample(*f.driver);
    }
    EXPECT_TRUE(f.dialogs.transcript.empty());
    EXPECT_NE(ReadWholeFile(f.folder / "lager.dxf").find("SECTION"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(f.folder / "lager.igs").size() % 81, 0u);  // 80 columns and a line end
    // The dump keeps clear of the report "/I" writes as lager.txt.
    EXPECT_NE(ReadWholeFile(f.folder / "lager.dump.txt").find("MINMAX"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(f.folder / "lager.txt"));
    EXPECT_FALSE(f.abort);
}

TEST(DriverOutput, PlotWritesTheFileAndStartsTheCommandLine) {
    DriverFixture f;
    f.settings.plotCommandLines = {"wtraceon a.dxf", "plotter \"my file.dxf\" /M1.0", "", "", ""};
    f.settings.plotLineCount = 2;
    f.driver->SetSettings(f.settings);
    // Plot, the second command line, then the prompt confirmed unchanged.
    f.dialogs.Reply("4").Reply("2").Reply("plotter \"my file.dxf\" /M1.0");
    f.driver->CadOpen(kDeviceAsk);
    ASSERT_FALSE(f.abort);
    const auto texts = f.dialogs.Entries("text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "TRACEON-Kommandozeile (0=Parameter)");
    DrawSample(*f.driver);
    EXPECT_NE(ReadWholeFile(TempPath(f.settings, "traceon.dxf")).find("MARK"), std::string::npos);
    ASSERT_EQ(f.launcher.calls.size(), 1u);
    EXPECT_EQ(f.launcher.calls[0].program, "plotter");
    EXPECT_EQ(f.launcher.calls[0].arguments, (std::vector<std::string>{"my file.dxf", "/M1.0"}));
    // "0" asks for the parameters; without a parameter dialog that ends the choice.
    f.dialogs.Reply("4").Reply("1").Reply("0");
    f.driver->CadOpen(kDeviceAsk);
    EXPECT_TRUE(f.abort);
}

TEST(DriverOutput, ScreenDrawingLeavesNoBlockFiles) {
    DriverFixture f;
    f.driver->CadOpen(kDeviceScreen);
    DrawSample(*f.driver);
    const std::string list = f.window->List().Dump();
    EXPECT_NE(list.find("4;0;0;10;5\n"), std::string::npos);
    EXPECT_NE(list.find("6;20;20;Lager\n"), std::string::npos);
    EXPECT_NE(list.find("4;50;50;52;52\n"), std::string::npos);  // the block, doubled
    for (const auto& entry : std::filesystem::recursive_directory_iterator(f.folder)) {
        EXPECT_FALSE(entry.path().filename().string().ends_with(".dx$")) << entry.path();
    }
}

TEST(DriverOutput, DrawingReachesADeviceInOrder) {
    DriverFixture f;
    std::vector<std::string> calls;
    f.Record(kDeviceDxf, true).mirror = &calls;
    DrawSample(*f.driver);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"Limits 0 0 160 120", "Tables 2", "BlocksBegin", "BlockBegin MARK",
                                        "Line 0 0 1 1", "BlockEnd", "EndSection", "EntitiesBegin", "Pen 4",
                                        "Line 0 0 10 5", "Arc 5 5 0 180 2", "Text Lager 20 20 3.5 0.714286 0",
                                        "Insert MARK 2 2 0 50 50", "EndSection", "Close"}));
}

TEST(DriverOutput, CommandLinesSplitIntoProgramAndArguments) {
    const PlotCommand c = SplitCommandLine("  /usr/bin/plot  \"a b\" -x ");
    EXPECT_EQ(c.program, "/usr/bin/plot");
    EXPECT_EQ(c.arguments, (std::vector<std::string>{"a b", "-x"}));
    EXPECT_TRUE(SplitCommandLine("   ").program.empty());
}

}  // namespace
}  // namespace trb::graphics
