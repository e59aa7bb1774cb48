// Files written by the CAD devices, opened by the readers other programs use: ezdxf for DXF
// (read plus audit) and OpenCASCADE's IGES reader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cad/dxf_device.h"
#include "cad/iges_device.h"
#include "run_program.h"
#include "sample_drawing.h"
#include "temp_folder.h"
#include "test_files.h"

namespace trb::cad {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string CheckDxf(const std::filesystem::path& file) {
    const test_support::ProgramRun run = test_support::RunProgram(TRB_PYTHON, {TRB_CHECK_DXF, file.string()});
    EXPECT_EQ(run.exitCode, 0) << run.output << run.errors;
    return run.output;
}

std::string WriteDxf(const std::filesystem::path& file, const CadSettings& settings) {
    std::ofstream out(file, std::ios::binary);
    DxfDevice device(out, settings);
    test::DrawSample(device);
    out.close();
    return CheckDxf(file);
}

TEST(Readers, EzdxfReadsTheSampleDrawingWithoutErrors) {
    test_support::TempFolder temp;
    CadSettings settings;
    settings.layerNames = {"0", "MITTE", "VERDECKT", "MASS", "TEXT", "KONTUR"};
    const std::string report = WriteDxf(temp.Path() / "sample.dxf", settings);
    EXPECT_THAT(report, HasSubstr("errors 0\n"));
    EXPECT_THAT(report, HasSubstr("codepage ANSI_1252\n"));
    EXPECT_THAT(report, HasSubstr("layer MITTE 2 DASHDOT\n"));
    EXPECT_THAT(report, HasSubstr("layer VERDECKT 2 DASHED\n"));
    EXPECT_THAT(report, HasSubstr("layer 31 16 CONTINUOUS\n"));
    EXPECT_THAT(report, HasSubstr("block MARK CIRCLE\nblock MARK LINE\n"));
    EXPECT_THAT(report, HasSubstr("entity LINE KONTUR\nentity CIRCLE KONTUR\nentity ARC KONTUR\n"
                                  "entity CIRCLE KONTUR\nentity LINE MITTE\n"));
    EXPECT_THAT(report, HasSubstr("text TEXT Lagerbreite \xc3\xbc"
                                  "ber 5 mm\n"));  // read as UTF-8
    EXPECT_THAT(report,
                HasSubstr("entity SOLID 17\nentity POLYLINE VERDECKT\nentity INSERT 0\nentity INSERT 0\n"));
}

TEST(Readers, EzdxfReadsOemTextModeAndRepairedLayerNames) {
    test_support::TempFolder temp;
    CadSettings settings;
    settings.format.cadTextMode = 1;
    settings.monochromeLayers = true;
    settings.layerNames[4] = "Text: <Ma\xe1>";
    const std::string report = WriteDxf(temp.Path() / "oem.dxf", settings);
    EXPECT_THAT(report, HasSubstr("errors 0\n"));
    EXPECT_THAT(report, HasSubstr("codepage DOS850\n"));
    // ezdxf reads every code page it does not know as Windows-1252: a sound name is all we see
    EXPECT_THAT(report, HasSubstr("layer Text_ _Ma\xc3\xa1_ 1 CONTINUOUS\n"));
    EXPECT_THAT(report, HasSubstr("layer 1 1 DASHDOT\n"));
    EXPECT_THAT(report, HasSubstr("layer 31 1 CONTINUOUS\n"));
}

// A polyline inside a block: its vertices and end marker belong to the block, and the auditor
// finds nothing to repair in the file.
TEST(Readers, EzdxfAcceptsPolylinesInsideBlocksWithoutFixes) {
    test_support::TempFolder temp;
    const std::filesystem::path file = temp.Path() / "block_polyline.dxf";
    {
        std::ofstream out(file, std::ios::binary);
        DxfDevice device(out, CadSettings{});
        device.Open();
        device.Limits(0, 0, 100, 100);
        device.Tables(2);
        device.BlocksBegin();
        device.Pen(5);
        device.BlockBegin("RAHMEN");
        device.PolylineBegin(1);
        device.Vertex(0, 0, 0);
        device.Vertex(0, 10, 0);
        device.Vertex(1, 10, 5);
        device.PolylineEnd();
        device.Line(0, 0, 10, 5);
        device.BlockEnd();
        device.EndSection();
        device.EntitiesBegin();
        device.Pen(2);
        device.PolylineBegin(0);
        device.Vertex(0, 20, 20);
        device.Vertex(0, 30, 20);
        device.PolylineEnd();
        device.Insert("RAHMEN", 1, 1, 0, 50, 50);
        device.EndSection();
        device.Close();
    }
    const std::string report = CheckDxf(file);
    EXPECT_THAT(report, HasSubstr("errors 0\nfixes 0\n"));
    EXPECT_THAT(report, HasSubstr("block RAHMEN POLYLINE\nblock-vertices RAHMEN 3\nblock RAHMEN LINE\n"));
    EXPECT_THAT(report, HasSubstr("entity POLYLINE"));
    EXPECT_THAT(report, HasSubstr("entity INSERT"));
}

#ifdef TRB_IGES_READER
std::string ReadIges(const std::filesystem::path& file) {
    const test_support::ProgramRun run =
        test_support::RunProgram(TRB_IGES_READER, {file.string()}, test_support::MergedErrors());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    return run.output;
}

std::filesystem::path WriteIges(const test_support::TempFolder& temp,
                                const std::function<void(IgesDevice&)>& draw) {
    CadSettings settings;
    settings.tempFolder = temp.Path().string();
    core::RunStatus status;
    IgesHeader header;
    header.fileName = "sample.igs";
    const std::filesystem::path file = temp.Path() / header.fileName;
    std::ofstream out(file, std::ios::binary);
    IgesDevice device(out, settings, header, status);
    draw(device);
    device.Close();
    EXPECT_TRUE(device.Good());
    return file;
}

TEST(Readers, OpenCascadeLoadsTheSampleDrawing) {
    test_support::TempFolder temp;
    const std::string report = ReadIges(WriteIges(temp, [](IgesDevice& d) { test::DrawSample(d); }));
    EXPECT_THAT(report, HasSubstr("status 0\nfails 0\n"));
    EXPECT_THAT(report, HasSubstr("type 100 5\ntype 106 1\ntype 110 4\ntype 124 1\ntype 212 2\n"
                                  "type 308 1\ntype 408 2\n"));
    EXPECT_THAT(report, Not(HasSubstr("shapes 0\n")));
}

TEST(Readers, OpenCascadeReadsLongTextsAndLargeSubfigures) {
    test_support::TempFolder temp;
    const std::string report = ReadIges(WriteIges(temp, [](IgesDevice& d) {
        d.Limits(0, 0, 100, 100);
        d.BlockBegin("RASTER");
        for (int i = 0; i < 30; ++i) d.Line(i, 0, i, 10);
        d.BlockEnd();
        TextStyle style;
        d.Text(
            "Ein langer Text, mit Kommas; und Semikolons, der \x81"
            "ber mehr als eine Zeile reicht",
            5, 5, style);
        d.Insert("RASTER", 1, 1, 0, 50, 50);
    }));
    EXPECT_THAT(report, HasSubstr("status 0\nfails 0\n"));
    EXPECT_THAT(report, HasSubstr("type 110 30\ntype 212 1\ntype 308 1\ntype 408 1\n"));
}
#endif

}  // namespace
}  // namespace trb::cad
