#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "drawing_fixture.h"
#include "graphics/drawing_production.h"
#include "graphics/drawing_views.h"

namespace trb::graphics::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

class ViewTest : public DrawingFixture, public ::testing::Test {
  protected:
    RecordingDevice& Write(int view) {
        RecordingDevice& device = Record();
        WriteBearingView(*driver, Data(), view);
        return device;
    }
};

TEST_F(ViewTest, CombinedViewPutsTheSectionBesideTheFrontView) {
    RecordingDevice& device = Write(kViewFrontAndSection);
    // Limits from b0 = 0.6·De = 84: x from -84 to 1.7·B + 84 = 186, y from -1.3·b0 to 1.2·b0.
    EXPECT_THAT(device.calls, Contains("Limits -84 -109.2 186 100.8"));
    EXPECT_THAT(device.With("Insert"), ElementsAre("Insert VA 1 1 0 0 0", "Insert SA 1 1 0 98 0"));
    EXPECT_THAT(device.With("BlockBegin"), ElementsAre("BlockBegin VA", "BlockBegin SA"));
}

TEST_F(ViewTest, ProductionDrawingScalesBothViewsIntoTheSheet) {
    // B = 60, De = 140: k = 60/140.
    RecordingDevice& device = Write(kViewProduction);
    EXPECT_THAT(device.calls, Contains("Limits -5 -5 225 310"));
    EXPECT_THAT(device.With("Insert"),
                ElementsAre("Insert FRAME_1 1 1 0 0 0", "Insert VA 0.428571 0.428571 0 70 200",
                            "Insert SA 0.428571 0.428571 0 130 200"));
    EXPECT_THAT(device.With("BlockBegin"),
                ElementsAre("BlockBegin FRAME_1", "BlockBegin VA", "BlockBegin SA"));
    // Wide bushes are scaled by their width.
    record.b = 200;
    EXPECT_NEAR(static_cast<double>(ProductionScale(record)), 0.3, 1e-12);
}

TEST_F(ViewTest, BlocksComeBeforeTheEntitiesThatInsertThem) {
    RecordingDevice& device = Write(kViewProduction);
    const auto at = [&](const std::string& call) {
        return std::find(device.calls.begin(), device.calls.end(), call) - device.calls.begin();
    };
    EXPECT_LT(at("BlockEnd"), at("EntitiesBegin"));
    EXPECT_LT(at("EntitiesBegin"), at("Insert FRAME_1 1 1 0 0 0"));
    EXPECT_EQ(std::count(device.calls.begin(), device.calls.end(), "EndSection"), 2);
}

TEST_F(ViewTest, LimitSizeTableOnlyForABoreWithClass) {
    EXPECT_THAT(Texts(Write(kViewProduction).calls), Not(Contains("Pa\xE1ma\xE1")));
    record.toldb = "H7";
    const auto texts = Texts(Write(kViewProduction).calls);
    EXPECT_THAT(texts, Contains("Pa\xE1ma\xE1"));
    EXPECT_THAT(texts, Contains("100 H7"));
    EXPECT_THAT(texts, Contains("100.035"));
}

TEST_F(ViewTest, TitleBlockShowsTheLastEightChangesOldestLowest) {
    changes.count = 10;
    for (int n = 1; n <= 10; ++n) changes.Record(n).changeText = "change " + std::to_string(n);
    config.drawingIndexStyle = 0;
    RecordingDevice& device = Write(kViewProduction);
    // Changes 3..10 on the lines 6.5 + 4.2·k, k = 1..8.
    EXPECT_THAT(device.calls, Contains("Text c 21 10.7 1.7 0.764706 0"));
    EXPECT_THAT(device.calls, Contains("Text change 3 27 10.7 1.7 0.764706 0"));
    EXPECT_THAT(device.calls, Contains("Text j 21 40.1 1.7 0.764706 0"));
    EXPECT_THAT(Texts(device.calls), Not(Contains("change 2")));
}

TEST_F(ViewTest, ChangeMarksFollowTheIndexStyle) {
    EXPECT_EQ(ChangeMark(3, 0), "c");
    EXPECT_EQ(ChangeMark(3, 1), "3");
    EXPECT_EQ(ChangeMark(3, 2), "C");
    EXPECT_EQ(ChangeMark(3, 3), "");
}

TEST_F(ViewTest, FreeTextItemsKeepTheStyleInForceWhenTheirHeightIsZero) {
    info.textItemCount = 2;
    info.textItems[0] = {30, 60, 5, 90, "first"};
    info.textItems[1] = {40, 70, 0, 0, "second"};
    RecordingDevice& device = Write(kViewProduction);
    EXPECT_THAT(device.calls, Contains("Text first 30 60 5 0.8 90"));
    EXPECT_THAT(device.calls, Contains("Text second 40 70 5 0.8 90"));
}

TEST_F(ViewTest, HideFlagsRemoveFileNameDateAndMakerLine) {
    title.drawingName = "Lagerbuchse";
    auto shown = Texts(Write(kViewProduction).calls);
    EXPECT_THAT(shown, Contains("/cases/bearing.trb"));
    EXPECT_THAT(shown, Contains(HasSubstr("KORVANE   TRB - ")));
    EXPECT_THAT(shown, Contains("Lagerbuchse"));

    config.hideFileName = config.hideDate = config.hideMakerLine = true;
    RecordingDevice& hidden = Write(kViewProduction);
    for (const std::string& call : hidden.calls) {
        EXPECT_THAT(call, Not(HasSubstr(" 186 1 "))) << "date line";
        EXPECT_THAT(call, Not(HasSubstr("KORVANE")));
        EXPECT_THAT(call, Not(HasSubstr("bearing.trb")));
    }
}

TEST_F(ViewTest, LongCaseFileNamesAreShortenedInTheMiddle) {
    caseFile = "/" + std::string(200, 'a') + "/bearing.trb";
    const auto texts = Texts(Write(kViewProduction).calls);
    const auto name =
        std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.ends_with(".trb"); });
    ASSERT_NE(name, texts.end());
    EXPECT_EQ(name->size(), 150u);
    EXPECT_THAT(*name, HasSubstr(" ... "));
}

TEST_F(ViewTest, ResultSheetPlacesItsTablesAndHeatVariant) {
    RecordingDevice& device = Write(kViewResultSheet);
    EXPECT_THAT(device.calls, Contains("Limits 0 0 160 120"));
    // Bearing table at (2, 98): title baseline 1.5·h = 3 below the top, 0.3·h inset.
    EXPECT_THAT(device.calls, Contains("Text Lager 2.6 95 2 0.75 0"));
    EXPECT_THAT(device.calls, Contains("Text TRB 82.6 67 2 0.75 0"));
    const auto texts = Texts(device.calls);
    EXPECT_THAT(texts, Contains(HasSubstr(": Druckschmierung (Schmierloch, 180\xF8 zur Lastrichtung)")));
    EXPECT_THAT(texts, Contains("PQ"));
    EXPECT_THAT(texts, Not(Contains("PA")));

    record.druckschmierung = false;
    const auto convection = Texts(Write(kViewResultSheet).calls);
    EXPECT_THAT(convection, Contains(HasSubstr(": Konvektion")));
    EXPECT_THAT(convection, Contains("PA"));
}

TEST_F(ViewTest, ResultSheetListsTheRunsMessages) {
    EXPECT_THAT(Texts(Write(kViewResultSheet).calls), Not(Contains(HasSubstr("Warnung"))));
    status.AddMessage("Warnung: one");
    status.AddMessage("Warnung: two");
    RecordingDevice& device = Write(kViewResultSheet);
    EXPECT_THAT(device.calls, Contains("Text Warnung: one 82.6 15 2 0.75 0"));
    EXPECT_THAT(device.calls, Contains("Text Warnung: two 82.6 11 2 0.75 0"));
}

TEST_F(ViewTest, TextsFollowTheLanguage) {
    texts.SwitchLanguage(text::kEnglish);
    const auto sheet = Texts(Write(kViewResultSheet).calls);
    EXPECT_THAT(sheet, Contains("bearing"));
    EXPECT_THAT(sheet, Contains(HasSubstr("forced lubrication")));
}

class DrawCommandTest : public DrawingFixture, public ::testing::Test {
  protected:
    void SetUp() override {
        caseFile = (folder / "bearing.trb").string();
        driver->SetCaseFile(caseFile);
        driver->SetBatchMode(true);
    }
};

TEST_F(DrawCommandTest, FailedRunShowsItsMessagesInsteadOfADrawing) {
    status.AddMessage("Fatal  : visko !");
    status.calculationFailed = true;
    DrawBearingView(*driver, dialogs, Data(), kDeviceText, kViewProduction);
    EXPECT_FALSE(std::filesystem::exists(folder / "bearing.dump.txt"));
    ASSERT_EQ(dialogs.Entries("box").size(), 1u);
    EXPECT_THAT(dialogs.Entries("box")[0].text, HasSubstr("Fatal  : visko !"));

    // Without a user interface nothing is shown either.
    DrawingData quiet = Data();
    quiet.userInterface = false;
    DrawBearingView(*driver, dialogs, quiet, kDeviceText, kViewProduction);
    EXPECT_EQ(dialogs.Entries("box").size(), 1u);

    // On the screen the earlier drawing gives way to a sheet with the messages and no results.
    window->line(0, 0, 100, 100);
    status.AddMessage("Warnung: t2>tBlim !");
    DrawBearingView(*driver, dialogs, Data(), kDeviceScreen, kViewResultSheet);
    const std::string list = window->List().Dump();
    EXPECT_THAT(list, HasSubstr(";Fatal  : visko !\n"));
    EXPECT_THAT(list, HasSubstr(";Warnung: t2>tBlim !\n"));
    EXPECT_THAT(list, Not(HasSubstr("4;0;0;100;100")));
    EXPECT_THAT(list, Not(HasSubstr(";TRB\n"))) << "no results table";
    EXPECT_EQ(dialogs.Entries("box").size(), 1u) << "the screen shows the messages itself";
}

TEST_F(DrawCommandTest, ViewListIsOfferedUntilTheLastItem) {
    dialogs.Reply("4").Reply("5").Reply("9");
    DrawBearingView(*driver, dialogs, Data(), kDeviceText, kViewAsk);
    const auto lists = dialogs.Entries("list");
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].text, "Bitte w\xC3\xA4hlen ..");
    EXPECT_THAT(lists[0].items, ElementsAre("Quick", "Kinematische Viskosit\xC3\xA4t nue = f(T)",
                                            "Dynamische Viskosit\xC3\xA4t eta = f(T)", "Lager VA", "Lager SA",
                                            "Lager VA+SA", "Fertigungszeichnung Lager", "Druckverteilung",
                                            "zur\xC3\xBC"
                                            "ck .."));
    EXPECT_TRUE(std::filesystem::exists(folder / "bearing.dump.txt"));
    EXPECT_FALSE(abort);
}

TEST_F(DrawCommandTest, CancelInTheViewListEndsWithoutOutput) {
    dialogs.ReplyCancel();
    DrawBearingView(*driver, dialogs, Data(), kDeviceText, kViewAsk);
    EXPECT_FALSE(std::filesystem::exists(folder / "bearing.dump.txt"));
    EXPECT_TRUE(abort);
}

TEST_F(DrawCommandTest, ScreenReplaysTheBlocksAndRemovesTheirFiles) {
    std::map<int, std::size_t> sizes;
    for (int view : {kViewFront, kViewSection, kViewFrontAndSection, kViewProduction}) {
        DrawBearingView(*driver, dialogs, Data(), kDeviceScreen, view);
        EXPECT_FALSE(abort);
        EXPECT_EQ(status.MessageCount(), 0);
        sizes[view] = window->List().Size();
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            EXPECT_FALSE(entry.path().extension() == ".dx$") << entry.path();
        }
    }
    // The inserted blocks bring every entity of the views they hold.
    EXPECT_GT(sizes[kViewFrontAndSection], sizes[kViewFront] + sizes[kViewSection] / 2);
    EXPECT_GT(sizes[kViewProduction], sizes[kViewFrontAndSection] + 50);
}

TEST_F(DrawCommandTest, ZeroOuterDiameterStillDrawsDegenerateLimits) {
    record.de = 0;
    RecordingDevice& device = Record();
    WriteBearingView(*driver, Data(), kViewFront);
    EXPECT_THAT(device.calls, Contains("Limits 0 0 0 0"));
}

}  // namespace
}  // namespace trb::graphics::testing
