#include "graphics/plot_parameters.h"

#include <gtest/gtest.h>

#include "ui/scripted_dialogs.h"

namespace trb::graphics {
namespace {

PlotParameters Base() {
    PlotParameters p;
    p.program = "/opt/plot/wtraceon";
    p.plotFile = "/tmp/x/traceon";
    return p;
}

TEST(PlotCommandLine, EachSwitchIsWrittenExactlyWhenItsParameterAsksForIt) {
    struct Case {
        const char* what;
        void (*change)(PlotParameters&);
        const char* switches;
    };
    const Case cases[] = {
        {"defaults", [](PlotParameters&) {}, " /CHPL"},
        {"format PL2", [](PlotParameters& p) { p.format = 4; }, " /CPL2"},
        {"format ART", [](PlotParameters& p) { p.format = 5; }, " /CART"},
        {"serial COM 1", [](PlotParameters& p) { p.interface = kPlotSerial; }, " /CHPL /D1"},
        {"serial COM 2",
         [](PlotParameters& p) {
             p.interface = kPlotSerial;
             p.comPort = 2;
         },
         " /CHPL /D1 /P2"},
        {"parallel LPT 1", [](PlotParameters& p) { p.lptPort = 1; }, " /CHPL"},
        {"parallel LPT 3", [](PlotParameters& p) { p.lptPort = 3; }, " /CHPL /P3"},
        {"file without name", [](PlotParameters& p) { p.interface = kPlotFile; }, " /CHPL /D3"},
        {"file with name",
         [](PlotParameters& p) {
             p.interface = kPlotFile;
             p.outputFile = "/tmp/x/traceon";
             p.lptPort = 4;  // no port for a file
         },
         " /CHPL /D3 /F/tmp/x/traceon"},
        {"file name with a blank",
         [](PlotParameters& p) {
             p.interface = kPlotFile;
             p.outputFile = "my plot";
         },
         " /CHPL /D3 \"/Fmy plot\""},
        {"scale 2.5", [](PlotParameters& p) { p.scale = 2.5L; }, " /CHPL /M2.5"},
        {"scale to fit", [](PlotParameters& p) { p.scale = 0; }, " /CHPL /M*"},
        {"origin shift",
         [](PlotParameters& p) {
             p.xShift = -10;
             p.yShift = 7.25L;
         },
         " /CHPL /X-10 /Y7.25"},
        {"text width factor 0.8", [](PlotParameters& p) { p.textWidthFactor = 0.8L; }, " /CHPL /B0.8"},
        {"rotated", [](PlotParameters& p) { p.rotate = true; }, " /CHPL /R"},
        {"PostScript font",
         [](PlotParameters& p) {
             p.format = kPlotFormatPs;
             p.psFont = "Helvetica-Bold";
         },
         " /CPS /THelvetica-Bold"},
        {"a font only counts for PostScript", [](PlotParameters& p) { p.psFont = "Courier"; }, " /CHPL"},
        {"everything",
         [](PlotParameters& p) {
             p.format = kPlotFormatPs;
             p.interface = kPlotSerial;
             p.comPort = 3;
             p.scale = 0.5L;
             p.xShift = 1;
             p.yShift = 2;
             p.textWidthFactor = 1.2L;
             p.rotate = true;
             p.psFont = "Times-Roman";
         },
         " /CPS /D1 /P3 /M0.5 /X1 /Y2 /B1.2 /R /TTimes-Roman"},
    };
    for (const Case& c : cases) {
        PlotParameters p = Base();
        c.change(p);
        EXPECT_EQ(PlotSwitches(p), c.switches) << c.what;
        EXPECT_EQ(PlotCommandLineOf(p), std::string("/opt/plot/wtraceon /tmp/x/traceon") + c.switches)
            << c.what;
        // A line reads back into the parameters it was made of.
        EXPECT_EQ(PlotCommandLineOf(ParsePlotCommandLine(PlotCommandLineOf(p))), PlotCommandLineOf(p))
            << c.what;
    }
}

TEST(PlotCommandLine, PartsWithBlanksAreQuotedAndUnknownSwitchesKept) {
    PlotParameters p;
    p.program = "/opt/my plot/wtraceon";
    p.plotFile = "/tmp/a b/traceon.dxf";
    const std::string line = PlotCommandLineOf(p);
    EXPECT_EQ(line, "\"/opt/my plot/wtraceon\" \"/tmp/a b/traceon.dxf\" /CHPL");
    const PlotCommand command = SplitCommandLine(line);
    EXPECT_EQ(command.program, "/opt/my plot/wtraceon");
    EXPECT_EQ(command.arguments, (std::vector<std::string>{"/tmp/a b/traceon.dxf", "/CHPL"}));

    const PlotParameters read = ParsePlotCommandLine("C:\\TRACEON\\WTRACEON TRACEON.DXF /M1.0 /Q9 /cps");
    EXPECT_EQ(read.program, "C:\\TRACEON\\WTRACEON");
    EXPECT_EQ(read.plotFile, "TRACEON.DXF");
    EXPECT_EQ(read.scale, 1);
    EXPECT_EQ(read.format, kPlotFormatPs);
    EXPECT_EQ(read.extra, "/Q9");
    EXPECT_EQ(PlotSwitches(read), " /CPS /Q9");
}

TEST(PlotCommandLine, TheParameterQuestionsBuildTheLine) {
    ui::ScriptedDialogs d;
    PlotParameters preset;
    preset.plotFile = "/tmp/run/traceon.dxf";
    // DOS edition in /opt/plot, PostScript, serial COM 2, scale 0 (fit), rotated, shift 5 / -3,
    // text width 0.8, font Courier.
    d.Reply("2")
        .Reply("/opt/plot")
        .Reply("2")
        .Reply("1")
        .Reply("2")
        .Reply("0")
        .Reply("J")
        .Reply("5")
        .Reply("-3")
        .Reply("0,8")
        .Reply("Courier");
    bool abort = false;
    const auto line = AskPlotCommandLine(d, preset, abort);
    ASSERT_TRUE(line.has_value());
    EXPECT_FALSE(abort);
    EXPECT_EQ(*line, "/opt/plot/traceon /tmp/run/traceon.dxf /CPS /D1 /P2 /M* /X5 /Y-3 /B0.8 /R /TCourier");
    EXPECT_EQ(d.unanswered, 0);
    EXPECT_EQ(d.Entries("text")[0].text, "Programmverzeichnis von traceon");

    // Cancel in any question ends the chain.
    ui::ScriptedDialogs cancelled;
    cancelled.Reply("1").Reply("").Reply("1").ReplyCancel();
    abort = false;
    EXPECT_FALSE(AskPlotCommandLine(cancelled, preset, abort).has_value());
    EXPECT_TRUE(abort);
}

TEST(PlotFile, TheFirstArgumentIsPointedAtTheFileJustWritten) {
    PlotCommand windows = SplitCommandLine("wtraceon TRACEON.DXF /M1.0");
    PointToPlotFile(windows, "/tmp/trb-1/traceon.dxf");
    EXPECT_EQ(windows.arguments, (std::vector<std::string>{"/tmp/trb-1/traceon.dxf", "/M1.0"}));
    // The dialog's form names the file without its extension, in an older temporary folder.
    PlotCommand dialog = SplitCommandLine("wtraceon /tmp/trb-old/traceon /CHPL /D3 /F/tmp/trb-old/traceon");
    PointToPlotFile(dialog, "/tmp/trb-1/traceon.dxf");
    EXPECT_EQ(dialog.arguments,
              (std::vector<std::string>{"/tmp/trb-1/traceon", "/CHPL", "/D3", "/F/tmp/trb-old/traceon"}));
    // Any other file is left as typed.
    PlotCommand other = SplitCommandLine("plotter \"my file.dxf\" /M1.0");
    PointToPlotFile(other, "/tmp/trb-1/traceon.dxf");
    EXPECT_EQ(other.arguments.front(), "my file.dxf");
}

}  // namespace
}  // namespace trb::graphics
