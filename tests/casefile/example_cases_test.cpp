#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "casefile/case_file.h"
#include "config/settings.h"
#include "core/calculation.h"
#include "docs/documentation.h"
#include "sample_case.h"
#include "ui/scripted_dialogs.h"
#include "whole_file.h"

// The example case files shipped in data/examples. Each is built here and compared with the checked-in
// file, so the files always match what the program writes; TRB_WRITE_EXAMPLES=1 rewrites them.
namespace trb::casefile {
namespace {

using testing::SampleCase;

constexpr const char* kTitle = "TRB - Hydrodynamische Radial-Gleitlager";
constexpr const char* kDate = "09.12.2026";

void CommonDocumentation(SampleCase& c, const char* number, const char* name2) {
    docs::InitDocumentation(c.title, c.changes, c.info, kDate);
    c.title.drawingName = "Radialgleitlager";
    c.title.drawingNumber = number;
    c.title.drawingName2 = name2;
    c.info.rows[docs::kRowBearb].name = "TRB";
}

// The example case of the program, as the example command loads it.
void Example(SampleCase& c) {
    core::LoadExampleCase(c.record);
    CommonDocumentation(c, core::kExampleDrawingNumber, "");
}

// A small gear-box bearing without lubricant supply pressure: the heat leaves by the housing.
void Convection(SampleCase& c) {
    core::TRBrecord& r = c.record;
    r.db = 50;
    r.dbmin = 50.05L;
    r.dbmax = 50.075L;
    r.ds = 50;
    r.dsmin = 49.961L;
    r.dsmax = 49.975L;
    r.toldb = "";
    r.tolds = "";
    r.rzb = 2;
    r.rzs = 1;
    r.alpha1b = 0.000018L;
    r.alpha1s = 0.000011L;
    r.b = 40;
    r.de = 65;
    r.ns = 16.67L;
    r.f = 3000;
    r.schmier = 10;  // ISO VG 68
    r.druckschmierung = false;
    r.a = 0.25L;
    r.k = 20;
    r.ta = 30;
    r.t1 = 40;
    r.dh = 4;
    r.zufuhr = 1;
    r.pe = 0;
    r.plim = 5;
    r.tblim = 90;
    r.h0lim = 0.006L;
    CommonDocumentation(c, "TRB-1001", "Getriebelager Abtrieb");
    c.title.remarks[0] = "W\x84rmeabfuhr durch Konvektion";
}

// A turbine-style bearing fed through a circumferential groove in the middle of the bush.
void Groove(SampleCase& c) {
    core::TRBrecord& r = c.record;
    r.db = 100;
    r.dbmin = 100.12L;
    r.dbmax = 100.155L;
    r.ds = 100;
    r.dsmin = 99.978L;
    r.dsmax = 100;
    r.toldb = "";
    r.tolds = "h6";
    r.rzb = 2;
    r.rzs = 1;
    r.alpha1b = 0.000023L;
    r.alpha1s = 0.000011L;
    r.b = 80;
    r.de = 125;
    r.ns = 50;
    r.f = 25000;
    r.schmier = 9;  // ISO VG 46
    r.druckschmierung = true;
    r.zufuhr = core::kRingGroove;
    r.bg = 10;
    r.pe = 0.15L;
    r.t1 = 45;
    r.ta = 35;
    r.plim = 5;
    r.tblim = 90;
    r.h0lim = 0.01L;
    CommonDocumentation(c, "TRB-1002", "Turbinenlager Ringnut");
    c.title.remarks[0] =
        "Zuf\x81hrung \x81"
        "ber Ringnut, pe = 1,5 bar";
    c.changes.count = 1;
    c.changes.Record(1) = {"Erstausgabe", kDate, "TRB", "Beispiel mit Ringnut"};
}

// A large slow bearing with two lubrication pockets at +/- 90 degrees to the load.
void Pockets(SampleCase& c) {
    core::TRBrecord& r = c.record;
    r.db = 160;
    r.dbmin = 160.2L;
    r.dbmax = 160.24L;
    r.ds = 160;
    r.dsmin = 159.975L;
    r.dsmax = 160;
    r.toldb = "";
    r.tolds = "h6";
    r.rzb = 3.2L;
    r.rzs = 1.6L;
    r.alpha1b = 0.000018L;
    r.alpha1s = 0.000011L;
    r.b = 120;
    r.de = 200;
    r.ns = 8.33L;
    r.f = 80000;
    r.schmier = 11;  // ISO VG 100
    r.druckschmierung = true;
    r.zufuhr = core::kTwoPocketsAt90;
    r.bp = 40;
    r.pe = 0.2L;
    r.t1 = 45;
    r.ta = 30;
    r.plim = 6;
    r.tblim = 90;
    r.h0lim = 0.012L;
    CommonDocumentation(c, "TRB-1003", "Walzenlager Schmiertaschen");
    c.info.textItemCount = 1;
    c.info.textItems[0] = {40, 25, 3.5L, 0, "Schmiertaschen entgratet"};
}

struct ExampleFile {
    const char* name;
    void (*build)(SampleCase&);
};
constexpr ExampleFile kExamples[] = {
    {"example", Example}, {"convection", Convection}, {"groove", Groove}, {"pockets", Pockets}};

std::string ExamplePath(const char* name) {
    return std::string(TRB_SOURCE_DATA_DIR) + "/examples/" + name + ".trb";
}

TEST(ExampleCases, CheckedInFilesAreWhatTheProgramWrites) {
    const bool rewrite = std::getenv("TRB_WRITE_EXAMPLES") != nullptr;
    for (const auto& example : kExamples) {
        SampleCase c;
        example.build(c);
        std::ostringstream out;
        WriteCaseContent(out, c.Content(), text::FormatOptions{}, kTitle);
        if (rewrite) test_support::WriteWholeFile(ExamplePath(example.name), out.str());
        EXPECT_EQ(test_support::ReadWholeFile(ExamplePath(example.name)), out.str()) << example.name;
    }
}

// Reads an example through the case-file command and runs the calculation on it.
struct LoadedExample {
    explicit LoadedExample(const char* name) {
        CaseFileContext context{c.Content(), state, settings, kTitle, dialogs, abort};
        ReadCaseFile(context, ExamplePath(name));
        steps = core::RunCalculation(c.record, status, abort);
    }
    SampleCase c;
    CaseFileState state;
    config::ConfigSettings settings;
    ui::ScriptedDialogs dialogs;
    core::RunStatus status;
    bool abort = false;
    int steps = 0;
};

double D(real x) {
    return static_cast<double>(x);
}

TEST(ExampleCases, TheExampleCalculatesToItsReferenceValues) {
    LoadedExample e("example");
    ASSERT_FALSE(e.status.calculationFailed);
    EXPECT_EQ(e.c.title.drawingNumber, "31652");
    // Reference values of the example case (the calculation's own regression numbers).
    EXPECT_NEAR(D(e.c.record.teff), 65.94, 0.01);
    EXPECT_NEAR(D(e.c.record.h0), 0.01679, 0.00001);
    EXPECT_NEAR(D(e.c.record.p), 5, 1e-9);
}

TEST(ExampleCases, TheFurtherExamplesCalculateWithinTheirLimits) {
    for (const char* name : {"convection", "groove", "pockets"}) {
        LoadedExample e(name);
        EXPECT_FALSE(e.abort) << name;
        ASSERT_FALSE(e.status.calculationFailed) << name << ": " << e.status.Message(1);
        const core::TRBrecord& r = e.c.record;
        EXPECT_GT(D(r.h0), D(r.h0lim)) << name;
        EXPECT_LT(D(r.teff), D(r.tblim)) << name;
        EXPECT_LE(D(r.p), D(r.plim)) << name;
        for (int i = 1; i <= e.status.MessageCount(); ++i) {
            EXPECT_EQ(e.status.Message(i).rfind("Fehler", 0), std::string::npos)
                << name << ": " << e.status.Message(i);
        }
    }
}

}  // namespace
}  // namespace trb::casefile
