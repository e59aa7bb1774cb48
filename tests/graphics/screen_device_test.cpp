#include "graphics/screen_device.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "driver_fixture.h"

namespace trb::graphics {
namespace {

using testing::DriverFixture;

int BlockFileCount(const std::filesystem::path& folder) {
    int n = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("$") && name.ends_with(".dx$")) ++n;
    }
    return n;
}

// The display list from the first command after the entities began.
std::string ListAfter(const GraphicsWindow& window, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < window.List().Size(); ++i) out += FormatCommand(window.List()[i]) + "\n";
    return out;
}

TEST(ScreenDevice, PensSelectStyleColourAndWidth) {
    DriverFixture f;
    Driver& d = *f.driver;
    d.CadOpen(kDeviceScreen);
    d.CadLimits(0, 0, 160, 120);
    d.CadEntitiesBegin();
    d.CadColor(4);  // layer 4: solid, CAD colour 3 (palette 10), width 2
    const std::size_t start = f.window->List().Size();
    // Layer 2: dashed, CAD colour 2 shown as palette 14, width 1.
    d.CadColor(2);
    d.CadLine(0, 0, 10, 0);
    EXPECT_EQ(ListAfter(*f.window, start), "11;3\n8;14\n12;1\n4;0;0;10;0\n");
    // Pen 17 with width 1 configured: solid, CAD colour 2, width 1 (already).
    const std::size_t next = f.window->List().Size();
    d.CadColor(17);
    EXPECT_EQ(ListAfter(*f.window, next), "11;0\n");
    d.CadClose();
}

TEST(ScreenDevice, HeaderAndFooterStartTheDrawing) {
    DriverFixture f;
    f.driver->SetCaseFile("/data/lager.trb");
    f.driver->CadOpen(kDeviceScreen);
    f.driver->CadLimits(0, 0, 160, 120);
    const DisplayList& list = f.window->List();
    ASSERT_GE(list.Size(), 3u);
    EXPECT_EQ(FormatCommand(list[0]), "11;0");  // the line style reset when the output opened
    EXPECT_EQ(FormatCommand(list[1]), "10;1;1;799;599;0;0;160;120");
    // The footer: text style (height 0.006·W, width 0.95·0.0045·H) and the case name at the end.
    std::string footer;
    for (const DisplayCommand& c : list.Commands()) {
        if (c.code == 6) footer = FormatCommand(c);
    }
    EXPECT_TRUE(footer.starts_with("6;0.32;0.6;")) << footer;
    EXPECT_TRUE(footer.ends_with(" TRB 1.6 /data/lager.trb")) << footer;
    EXPECT_NE(list.Dump().find("9;0.96;0.513;2;0\n"), std::string::npos);
}

// Blocks B1 … B5, each inserting the one before; B1 holds a line and a quarter arc.
void DefineNestedBlocks(Driver& d) {
    d.CadBlocksBegin();
    d.CadBlockBegin("B1");
    d.CadColor(0);
    d.CadLine(0, 0, 1, 0);
    d.CadArc(0, 0, 0, 90, 1);
    d.CadBlockEnd();
    d.CadBlockBegin("B2");
    d.CadColor(17);
    d.CadInsert("B1", 2, 2, 90, 10, 0);
    d.CadBlockEnd();
    d.CadBlockBegin("B3");
    d.CadInsert("B2", 1, 1, 0, 0, 10);
    d.CadBlockEnd();
    d.CadBlockBegin("B4");
    d.CadInsert("B3", 1, 1, 0, 5, 5);
    d.CadBlockEnd();
    d.CadBlockBegin("B5");
    d.CadInsert("B4", 1, 1, 0, 0, 0);
    d.CadBlockEnd();
    d.CadEndSection();
}

TEST(ScreenDevice, BlocksReplayWithNestedPlacements) {
    DriverFixture f;
    Driver& d = *f.driver;
    d.CadOpen(kDeviceScreen);
    d.CadLimits(0, 0, 200, 200);
    DefineNestedBlocks(d);
    EXPECT_EQ(BlockFileCount(f.folder), 5);
    d.CadEntitiesBegin();
    d.CadColor(5);
    // Depth 1: B1 scaled by 3 at (1, 1).
    std::size_t start = f.window->List().Size();
    d.CadInsert("B1", 3, 3, 0, 1, 1);
    std::string list = ListAfter(*f.window, start);
    EXPECT_NE(list.find("4;1;1;4;1\n"), std::string::npos) << list;
    EXPECT_NE(list.find("5;-2;-2;4;4;4;1;1;4\n"), std::string::npos) << list;
    // Depth 2: B2 at (0, 0) puts B1 turned by 90°, doubled, at (10, 0).
    start = f.window->List().Size();
    d.CadInsert("B2", 1, 1, 0, 0, 0);
    list = ListAfter(*f.window, start);
    EXPECT_NE(list.find("4;10;0;10;2\n"), std::string::npos) << list;
    // The arc turns with the block: 90° to 180°, radius 2.
    EXPECT_NE(list.find("5;8;-2;12;2;10;2;8;0\n"), std::string::npos) << list;
    // Depth 4: B4 at (100, 100) → B3 at (105, 105) → B2 at (105, 115) → B1 at (115, 115).
    start = f.window->List().Size();
    d.CadInsert("B4", 1, 1, 0, 100, 100);
    list = ListAfter(*f.window, start);
    EXPECT_NE(list.find("4;115;115;115;117\n"), std::string::npos) << list;
    EXPECT_EQ(f.status.MessageCount(), 0);
    // After the insert the insert's own pen (5: colour of CAD colour 1, width 3) is back.
    EXPECT_TRUE(list.ends_with("8;12\n12;3\n")) << list;
    // Depth 5 is refused and reported; the drawing goes on.
    d.CadInsert("B5", 1, 1, 0, 0, 0);
    EXPECT_EQ(f.status.Message(1), "error blockno. 5");
    EXPECT_TRUE(f.abort);
    f.abort = false;
    // A FIFO under a block's name is refused at once, not waited on.
    const std::string pipe = TempPath(d.Settings(), BlockFileName("PIPE"));
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0) << pipe;
    d.CadInsert("PIPE", 1, 1, 0, 0, 0);
    EXPECT_EQ(f.status.Message(2), "Invalid temp directory");
    EXPECT_TRUE(f.abort);
    std::filesystem::remove(pipe);
    f.abort = false;
    // A block without a file.
    d.CadInsert("NONE", 1, 1, 0, 0, 0);
    EXPECT_EQ(f.status.Message(2), "Invalid temp directory");
    EXPECT_TRUE(f.abort);
    f.abort = false;
    d.CadClose();
    EXPECT_EQ(BlockFileCount(f.folder), 0);
}

TEST(ScreenDevice, FileCheckReportsMissingFiles) {
    DriverFixture f;
    const std::string missing = (f.folder / "bild.plt").string();
    EXPECT_FALSE(CheckDrawingFile(missing, f.dialogs, f.abort));
    EXPECT_TRUE(f.abort);
    ASSERT_EQ(f.dialogs.Entries("box").size(), 1u);
    EXPECT_NE(f.dialogs.Entries("box")[0].text.find(missing + " nicht gefunden !"), std::string::npos);
    std::ofstream(f.folder / "da.plt") << "IN;";
    f.abort = false;
    EXPECT_TRUE(CheckDrawingFile((f.folder / "da.plt").string(), f.dialogs, f.abort));
    EXPECT_FALSE(f.abort);
}

TEST(ScreenDevice, LogosAreInsertedWhenTheDrawingDefinesThem) {
    DriverFixture f;
    Driver& d = *f.driver;
    d.CadOpen(kDeviceScreen);
    d.CadLimits(0, 0, 480, 360);
    d.CadBlocksBegin();
    d.CadBlockBegin("LOGO_2");
    d.CadSolid(0, 0, 10, 0, 0, 10, 10, 10);
    d.CadBlockEnd();
    d.CadEndSection();
    const std::size_t start = f.window->List().Size();
    d.CadEntitiesBegin();
    // LOGO_2 at (0.91·480, 0.01·360) with scale 1; LOGO_3 was not defined.
    const std::string list = ListAfter(*f.window, start);
    EXPECT_NE(list.find("7;436.8;3.6;446.8;3.6;436.8;13.6;446.8;13.6\n"), std::string::npos) << list;
    d.CadClose();
}

}  // namespace
}  // namespace trb::graphics
