#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/case_json.h"
#include "app/sweep_files.h"
#include "app/sweep_film.h"
#include "app/sweep_option.h"
#include "casefile/case_format.h"
#include "core/calculation.h"
#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "same_run.h"
#include "whole_file.h"

namespace trb::app {
namespace {

using core::Clearance;
using core::TRBrecord;

// The example case as its case file holds it.
struct CaseFromFile {
    TRBrecord record;
    docs::TitleData title;
    docs::ChangeLog changes;
    docs::DrawingInfo info;
    docs::LinkedDocuments documents;

    casefile::CaseContent Content() { return {record, title, changes, info, documents}; }

    void Read(const std::string& text) {
        casefile::CaseContent content = Content();
        ASSERT_TRUE(casefile::ReadCaseContent(text, content).complete);
    }
};

using test_support::ReadWholeFile;

TEST(SweepOption, ReadsBothQuantitiesAndRefusesEveryBadRange) {
    core::SweepRange range;
    EXPECT_EQ(ParseSweepOption("n=5:50:9", range), "");
    EXPECT_EQ(range.quantity, core::SweptQuantity::ShaftSpeed);
    EXPECT_EQ(range.from, 5);
    EXPECT_EQ(range.to, 50);
    EXPECT_EQ(range.steps, 9);
    EXPECT_EQ(ParseSweepOption("F=1000,5:20000:10", range), "");
    EXPECT_EQ(range.quantity, core::SweptQuantity::Load);
    EXPECT_EQ(range.from, 1000.5L);
    EXPECT_EQ(ParseSweepOption("n=1:2:10000", range), "");

    struct Bad {
        const char* text;
        const char* says;
    };
    for (const Bad& bad : std::vector<Bad>{{"", "n=von:bis:Schritte"},
                                           {"n=", "n=von:bis:Schritte"},
                                           {"n=5:50", "n=von:bis:Schritte"},
                                           {"n=5:50:9:1", "n=von:bis:Schritte"},
                                           {"x=5:50:9", "\"x\""},
                                           {"n=abc:50:9", "von \"abc\" ist keine Zahl"},
                                           {"n=5:5e:9", "bis \"5e\""},
                                           {"n=5:50:zehn", "keine ganze Zahl"},
                                           {"n=5:50:2.5", "keine ganze Zahl"},
                                           {"n=5:5:9", "leer"},
                                           {"n=50:5:9", "verkehrt"},
                                           {"n=5:50:0", "mindestens 1"},
                                           {"n=5:50:-3", "mindestens 1"},
                                           {"n=5:50:1000000", "10000"},
                                           {"n=5:50:99999999999999999999999", "keine ganze Zahl"},
                                           {"F=0:1e5000:9", ""}}) {
        const std::string message = ParseSweepOption(bad.text, range);
        EXPECT_FALSE(message.empty()) << bad.text;
        EXPECT_NE(message.find(bad.says), std::string::npos) << bad.text << " -> " << message;
    }
}

TEST(SweepOption, FilmAtTheEndAsksForTheFilmColumns) {
    core::SweepRange range;
    bool film = false;
    EXPECT_EQ(ParseSweepOption("n=5:50:9:film", range, &film), "");
    EXPECT_TRUE(film);
    EXPECT_EQ(range.steps, 9);
    EXPECT_EQ(ParseSweepOption("F=100:2000:3:FILM", range, &film), "");
    EXPECT_TRUE(film);
    EXPECT_EQ(ParseSweepOption("n=5:50:9", range, &film), "");
    EXPECT_FALSE(film);
    EXPECT_NE(ParseSweepOption("n=5:50:9:films", range, &film), "");
    EXPECT_NE(ParseSweepOption("n=5:50:9:film:film", range, &film), "");
    // A caller that has no film columns to offer refuses the ending.
    EXPECT_NE(ParseSweepOption("n=5:50:9:film", range), "");
}

// The speed sweep has enough points to be calculated on two threads, the load sweep too few.
TEST(OperatingSweep, EveryPointIsTheSingleRunOfThatInputAtEachClearance) {
    TRBrecord example;
    core::LoadExampleCase(example);
    for (const core::SweepRange& range : {core::SweepRange{core::SweptQuantity::ShaftSpeed, 5, 50, 45},
                                          core::SweepRange{core::SweptQuantity::Load, 0, 40000, 4}}) {
        const core::OperatingSweep sweep = core::RunOperatingSweep(example, range);
        ASSERT_EQ(sweep.points.size(), static_cast<std::size_t>(range.steps) + 1);
        EXPECT_EQ(sweep.points.front().value, range.from);
        EXPECT_EQ(sweep.points.back().value, range.to);
        for (const core::SweepPoint& point : sweep.points) {
            for (Clearance clearance : core::kClearances) {
                TRBrecord single = core::WithClearance(example, clearance);
                core::SetSweptValue(single, range.quantity, point.value);
                core::RunStatus status;
                bool abort = false;
                core::RunCalculation(single, status, abort);
                ExpectSameRun(single, status, point.At(clearance),
                              std::string(core::ClearanceKey(clearance)) + " at " +
                                  std::to_string(static_cast<double>(point.value)));
            }
        }
    }
    // The load sweep starts at no load: that point fails at every clearance, the next ones do not.
    const core::OperatingSweep load =
        core::RunOperatingSweep(example, {core::SweptQuantity::Load, 0, 40000, 4});
    for (Clearance clearance : core::kClearances) {
        EXPECT_TRUE(core::PointFailed(load.points[0].At(clearance)));
        EXPECT_FALSE(core::PointFailed(load.points[1].At(clearance)));
    }
    EXPECT_TRUE(core::RunOperatingSweep(example, {core::SweptQuantity::Load, 5, 1, 4}).points.empty());
}

TEST(ClearanceRange, RunsAreThoseOfCaseFilesWrittenWithTheLimitSizes) {
    CaseFromFile original;
    original.Read(ReadWholeFile(std::string(TRB_TEST_DATA_DIR) + "/example.trb"));
    const core::ClearanceRange range = core::RunClearanceRange(original.record);

    for (Clearance clearance : core::kClearances) {
        CaseFromFile limited;
        limited.Read(ReadWholeFile(std::string(TRB_TEST_DATA_DIR) + "/example.trb"));
        if (clearance == Clearance::Smallest) {
            limited.record.dbmax = limited.record.dbmin;
            limited.record.dsmin = limited.record.dsmax;
        } else if (clearance == Clearance::Largest) {
            limited.record.dbmin = limited.record.dbmax;
            limited.record.dsmax = limited.record.dsmin;
        }
        std::ostringstream file;
        casefile::WriteCaseContent(file, limited.Content(), {}, "TRB");
        CaseFromFile written;
        written.Read(file.str());
        core::RunStatus status;
        bool abort = false;
        core::RunCalculation(written.record, status, abort);
        ExpectSameRun(written.record, status, range.At(clearance),
                      std::string(core::ClearanceKey(clearance)));
    }

    // The ends are real extremes of the example: the thinnest film at the smallest clearance.
    const auto& smallest = range.At(Clearance::Smallest).record;
    const auto& mean = range.At(Clearance::Mean).record;
    const auto& largest = range.At(Clearance::Largest).record;
    EXPECT_LT(smallest.seff, mean.seff);
    EXPECT_LT(mean.seff, largest.seff);
    EXPECT_EQ(core::GoverningFilm(range), Clearance::Smallest);
    ASSERT_TRUE(core::GoverningTemperature(range).has_value());
}

TEST(ClearanceRange, JsonKeepsEveryTopLevelKeyAndAddsTheThreeRuns) {
    TRBrecord record;
    core::LoadExampleCase(record);
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    const core::ClearanceRange range = core::RunClearanceRange(record);
    ExpectSameRun(record, status, range.At(Clearance::Mean), "mean");

    const std::string plain = CaseJson(record, status);
    const std::string extended = CaseJson(record, status, &range);
    const std::string body = plain.substr(0, plain.size() - 3);  // without "\n}\n"
    ASSERT_EQ(extended.compare(0, body.size(), body), 0);
    EXPECT_EQ(extended.substr(body.size(), 24), ",\n  \"clearance_range\": {");
    for (const char* key : {"\"min\": {", "\"mean\": {", "\"max\": {"})
        EXPECT_NE(extended.find(key), std::string::npos) << key;
    // The largest clearance's h0 is written under its name inside "max".
    const std::string h0 = "\"h0\": " + JsonNumber(range.At(Clearance::Largest).record.h0);
    EXPECT_NE(extended.find(h0, extended.find("\"max\": {")), std::string::npos);
}

TEST(SweepFiles, RowsPerPointAndClearanceWithFailedPointsLeftEmpty) {
    TRBrecord example;
    core::LoadExampleCase(example);
    const core::OperatingSweep sweep =
        core::RunOperatingSweep(example, {core::SweptQuantity::Load, 0, 40000, 2});
    const std::string csv = SweepCsv(sweep);
    std::istringstream lines(csv);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 1u + 3 * 3);
    EXPECT_EQ(rows[0].rfind("clearance,f,", 0), 0u);
    EXPECT_NE(rows[0].find(",so,"), std::string::npos);
    EXPECT_EQ(rows[0].substr(rows[0].size() - 7), ",failed");
    EXPECT_EQ(rows[1].rfind("min,0,", 0), 0u);
    EXPECT_EQ(rows[1].substr(rows[1].size() - 5), ",true");
    EXPECT_EQ(rows[1].find_first_not_of(",", 6), rows[1].size() - 4);  // nothing but separators
    EXPECT_EQ(rows[5].rfind("mean,20000,", 0), 0u);
    EXPECT_EQ(rows[5].substr(rows[5].size() - 6), ",false");

    const std::string json = SweepJson(sweep);
    EXPECT_NE(json.find("\"quantity\": \"f\""), std::string::npos);
    EXPECT_NE(json.find("{\"clearance\": \"max\", \"f\": 0, "), std::string::npos);
    EXPECT_NE(json.find("\"h0\": null"), std::string::npos);
}

TEST(SweepFiles, FilmColumnsAreEachRowsOwnFilmAndAFailedFilmLeavesTheRowsResults) {
    TRBrecord example;
    core::LoadExampleCase(example);
    // 36 kN and 1.2 MN: the film of the second point lies beyond the eccentricity it is given for.
    const core::OperatingSweep sweep =
        core::RunOperatingSweep(example, {core::SweptQuantity::Load, 36000, 1200000, 1});
    const SweepFilms films = SolveSweepFilms(sweep);
    ASSERT_EQ(films.size(), 2u);
    for (Clearance clearance : core::kClearances) {
        const core::CaseRun& run = sweep.points[0].At(clearance);
        const film::CaseFilm single = film::SolveCaseFilm(run.record, run.status);
        const SweepFilmRow& row = films[0][core::Index(clearance)];
        ASSERT_EQ(row.fault, film::FilmFault::None);
        EXPECT_EQ(row.eccentricity, single.eccentricity);
        EXPECT_EQ(row.stiffness, single.stiffness);
        EXPECT_EQ(row.damping, single.damping);
        EXPECT_EQ(films[1][core::Index(clearance)].fault, film::FilmFault::EccentricityTooLarge);
        EXPECT_FALSE(core::PointFailed(sweep.points[1].At(clearance)));
    }
    std::istringstream lines(SweepCsv(sweep, &films));
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 1u + 2 * 3);
    EXPECT_NE(rows[0].find(",failed,film_eccentricity,film_attitude_angle,k_xx,"), std::string::npos);
    EXPECT_EQ(rows[0].substr(rows[0].size() - 19), ",stable,film_failed");
    // The example's film has no whirl threshold: those two columns stay empty, the rest are numbers.
    EXPECT_NE(rows[2].find(",false," + JsonNumber(films[0][1].eccentricity) + ","), std::string::npos);
    EXPECT_EQ(rows[2].substr(rows[2].size() - 11), ",true,false");
    // The heavy point: the run's results stay, its film columns are empty and marked.
    const std::string h0 = "," + JsonNumber(sweep.points[1].At(Clearance::Mean).record.h0) + ",";
    EXPECT_NE(rows[5].find(h0), std::string::npos);
    const std::string emptyFilm = ",false" + std::string(SweepFilmColumns().size() - 1, ',') + ",true";
    EXPECT_EQ(rows[5].substr(rows[5].size() - emptyFilm.size()), emptyFilm);

    const std::string json = SweepJson(sweep, &films);
    EXPECT_NE(json.find("\"film_failed\": true, \"film_reason\": \""), std::string::npos);
    EXPECT_NE(json.find("\"stable\": true, \"film_failed\": false, \"film_reason\": null"),
              std::string::npos);
    EXPECT_NE(json.find("\"whirl_ratio\": null"), std::string::npos);
}

}  // namespace
}  // namespace trb::app
