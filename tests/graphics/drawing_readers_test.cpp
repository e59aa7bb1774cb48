// Every drawing of the example case, written as DXF and IGES files, is read back with third-party
// readers: ezdxf (read and audit) and OpenCASCADE's IGES reader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/calculation.h"
#include "drawing_fixture.h"
#include "film/case_film.h"
#include "graphics/drawing_views.h"
#include "run_program.h"

namespace trb::graphics::testing {
namespace {

using ::testing::HasSubstr;

class DrawingReadersTest : public DrawingFixture, public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(UseCalculatedExample());
        title.drawingName = "Radialgleitlager";
        title.drawingNumber = "31652";
        title.remarks = {"Beispiel", "Zeile 2", "Zeile 3"};
        changes.count = 2;
        changes.Record(1) = {"Bohrung", "01.02.2026", "abc", ""};
        changes.Record(2) = {"Nut \x84nderung", "03.04.2026", "def", ""};
        info.textItemCount = 1;
        info.textItems[0] = {30, 250, 3, 0, "Gleitlager \xF8 120"};
    }

    std::filesystem::path Draw(int device, int view) {
        DrawBearingView(*driver, dialogs, Data(), device, view);
        EXPECT_FALSE(abort);
        return folder / (device == kDeviceDxf ? "example.dxf" : "example.igs");
    }

    // Reads the file with ezdxf and returns what it saw.
    std::string ExpectCleanDxf(const std::filesystem::path& file) {
        const test_support::ProgramRun run = test_support::RunProgram(
            TRB_PYTHON, {TRB_CHECK_DXF, file.string()}, test_support::MergedErrors());
        const std::string& report = run.output;
        EXPECT_EQ(run.exitCode, 0) << report;
        EXPECT_THAT(report, HasSubstr("errors 0\n"));
        EXPECT_THAT(report, HasSubstr("entity"));
        return report;
    }
};

TEST_F(DrawingReadersTest, EveryViewOpensInEzdxf) {
    for (int view = kViewResultSheet; view < kViewEnd; ++view) {
        SCOPED_TRACE(view);
        ExpectCleanDxf(Draw(kDeviceDxf, view));
    }
}

// The pressure distribution with its film: the colour map's cells come out as SOLIDs in several colours,
// beside the texts of the tables.
TEST_F(DrawingReadersTest, PressureDistributionWithItsFilmOpensInEzdxf) {
    const film::CaseFilm film = film::SolveCaseFilm(record, status);
    ASSERT_EQ(film.fault, film::FilmFault::None);
    DrawingData data = Data();
    data.film = [&film] { return &film; };
    DrawBearingView(*driver, dialogs, data, kDeviceDxf, kViewFilm);
    ASSERT_FALSE(abort);
    const std::string report = ExpectCleanDxf(folder / "example.dxf");
    std::size_t solids = 0;
    for (std::size_t at = report.find("entity SOLID"); at != std::string::npos;
         at = report.find("entity SOLID", at + 1))
        ++solids;
    EXPECT_GE(solids, 179u * 19u) << "a solid per cell of the map";
    for (const char* text : {"Druckverteilung", "Steifigkeit", "DIN 31652", "p max ="})
        EXPECT_THAT(report, HasSubstr(text)) << text;
}

TEST_F(DrawingReadersTest, ProductionDrawingOfEverySupplyFeatureOpensInEzdxf) {
    record.toldb = "H7";
    for (int code = 1; code <= 8; ++code) {
        SCOPED_TRACE(code);
        record.zufuhr = static_cast<std::uint16_t>(code);
        const std::string blocks = ExpectCleanDxf(Draw(kDeviceDxf, kViewProduction));
        EXPECT_THAT(blocks, HasSubstr("block FRAME_1 TEXT"));
        EXPECT_THAT(blocks, HasSubstr("block VA CIRCLE"));
        EXPECT_THAT(blocks, HasSubstr("block SA LINE"));
    }
}

#ifdef TRB_IGES_READER
TEST_F(DrawingReadersTest, EveryViewOpensInTheIgesReader) {
    for (int view = kViewResultSheet; view < kViewEnd; ++view) {
        SCOPED_TRACE(view);
        const auto file = Draw(kDeviceIges, view);
        const test_support::ProgramRun run =
            test_support::RunProgram(TRB_IGES_READER, {file.string()}, test_support::MergedErrors());
        const std::string& report = run.output;
        EXPECT_EQ(run.exitCode, 0) << report;
        EXPECT_THAT(report, HasSubstr("status 0\n"));
        EXPECT_THAT(report, HasSubstr("fails 0\n"));
    }
}
#endif

}  // namespace
}  // namespace trb::graphics::testing
