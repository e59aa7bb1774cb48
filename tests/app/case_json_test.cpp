#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include "app/case_json.h"
#include "app/film_json.h"
#include "app/json_text.h"
#include "core/calculation.h"
#include "core/thresholds.h"

#include <algorithm>
#include <limits>

namespace trb::app {
namespace {

// The members of the record as its header declares them, in order.
std::vector<std::string> DeclaredRecordFields() {
    std::ifstream in(std::string(TRB_SOURCE_DATA_DIR) + "/../src/core/record.h");
    std::vector<std::string> names;
    std::string line;
    bool inRecord = false;
    const std::regex member(R"(^\s+(real|std::string|std::uint16_t|bool)\s+(\w+)\s*(=|;))");
    while (std::getline(in, line)) {
        if (line.find("struct TRBrecord") != std::string::npos) inRecord = true;
        if (inRecord && line.rfind("};", 0) == 0) break;
        std::smatch match;
        if (inRecord && std::regex_search(line, match, member)) names.push_back(match[2]);
    }
    return names;
}

// The text after "key": up to the end of its line, without the trailing comma.
std::string ValueOf(const std::string& json, const std::string& key) {
    const auto start = json.find("\"" + key + "\": ");
    if (start == std::string::npos) return {};
    const auto from = start + key.size() + 4;
    std::string value = json.substr(from, json.find('\n', from) - from);
    if (!value.empty() && value.back() == ',') value.pop_back();
    return value;
}

TEST(CaseJson, KeysAreExactlyTheRecordFieldsInDeclarationOrder) {
    const auto declared = DeclaredRecordFields();
    ASSERT_GT(declared.size(), 80u);
    EXPECT_EQ(RecordFieldNames(), declared);
}

TEST(CaseJson, RealsSurviveTheRoundTripAndTextsAreEscapedUtf8) {
    core::TRBrecord record;
    core::LoadExampleCase(record);
    record.toldb = "H7 \"\x84\"\\";
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    const std::string json = CaseJson(record, status);

    for (const auto& [key, value] : std::vector<std::pair<std::string, real>>{{"teff", record.teff},
                                                                              {"epsilon", record.epsilon},
                                                                              {"h0", record.h0},
                                                                              {"psieff", record.psieff},
                                                                              {"dbmin", record.dbmin},
                                                                              {"ntreff", record.ntreff}}) {
        const std::string text = ValueOf(json, key);
        EXPECT_EQ(std::strtold(text.c_str(), nullptr), value) << key << " = " << text;
    }
    EXPECT_EQ(ValueOf(json, "toldb"), "\"H7 \\\"\xC3\xA4\\\"\\\\\"");
    EXPECT_EQ(ValueOf(json, "tolds"), "\"\"");
    EXPECT_EQ(ValueOf(json, "druckschmierung"), "true");
    EXPECT_EQ(ValueOf(json, "schmier"), "11");
    EXPECT_EQ(ValueOf(json, "messages"), "[\"Warnung: t2>tBlim !\"]");
    EXPECT_EQ(ValueOf(json, "failed"), "false");
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
}

TEST(CaseJson, FailedRunKeepsItsMessagesInOrder) {
    core::TRBrecord record;
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    status.AddMessage("Fehler : second");
    const std::string json = CaseJson(record, status);
    EXPECT_EQ(ValueOf(json, "messages"), "[\"Fatal  : Dmax = 0 !\", \"Fehler : second\"]");
    EXPECT_EQ(ValueOf(json, "failed"), "true");
}

TEST(CaseJson, SameInputsLooksAtEveryInputAndNoResult) {
    core::TRBrecord a;
    core::LoadExampleCase(a);
    core::TRBrecord b = a;
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(b, status, abort);
    EXPECT_TRUE(SameInputs(a, b)) << "results differ, inputs do not";
    // The first and the last input, and one of each kind.
    for (const auto& change : std::vector<std::function<void(core::TRBrecord&)>>{
             [](core::TRBrecord& r) { r.db += 1e-9L; }, [](core::TRBrecord& r) { r.bfactor = 0.6L; },
             [](core::TRBrecord& r) { r.tolds = "f7"; }, [](core::TRBrecord& r) { r.zufuhr = 2; },
             [](core::TRBrecord& r) { r.druckschmierung = false; }, [](core::TRBrecord& r) { r.ta = 41; }}) {
        core::TRBrecord c = b;
        change(c);
        EXPECT_FALSE(SameInputs(b, c));
        EXPECT_FALSE(SameInputs(c, b));
    }
}

TEST(CaseJson, ThresholdsFollowPerClearanceWithEveryListAndTheLoadAtPlim) {
    core::TRBrecord record;
    core::LoadExampleCase(record);
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    core::Thresholds thresholds;
    for (core::ClearanceThresholds& at : thresholds.clearances) at.loadAtPlim = 72000;
    auto& mean = thresholds.clearances[core::Index(core::Clearance::Mean)].crossings;
    mean[core::Index(core::ThresholdInput::Load)][core::Index(core::ThresholdLimit::Film)] = {90541.5L};
    mean[core::Index(core::ThresholdInput::ShaftSpeed)][core::Index(core::ThresholdLimit::Film)] = {2.5L,
                                                                                                    31.25L};
    mean[core::Index(core::ThresholdInput::Temperature)][core::Index(core::ThresholdLimit::Temperature)] = {
        -14.5L};

    const std::string json = CaseJson(record, status, nullptr, &thresholds);
    const auto start = json.find("  \"thresholds\": {\n");
    ASSERT_NE(start, std::string::npos);
    const std::string empty =
        "      \"load_h0lim\": [],\n"
        "      \"load_tlim\": [],\n"
        "      \"speed_h0lim\": [],\n"
        "      \"speed_tlim\": [],\n"
        "      \"temperature_h0lim\": [],\n"
        "      \"temperature_tlim\": [],\n"
        "      \"load_plim\": 72000\n";
    EXPECT_EQ(json.substr(start),
              "  \"thresholds\": {\n"
              "    \"min\": {\n" +
                  empty +
                  "    },\n"
                  "    \"mean\": {\n"
                  "      \"load_h0lim\": [90541.5],\n"
                  "      \"load_tlim\": [],\n"
                  "      \"speed_h0lim\": [2.5, 31.25],\n"
                  "      \"speed_tlim\": [],\n"
                  "      \"temperature_h0lim\": [],\n"
                  "      \"temperature_tlim\": [-14.5],\n"
                  "      \"load_plim\": 72000\n"
                  "    },\n"
                  "    \"max\": {\n" +
                  empty +
                  "    }\n"
                  "  }\n"
                  "}\n");
    EXPECT_EQ(CaseJson(record, status).find("thresholds"), std::string::npos);
}

}  // namespace
}  // namespace trb::app

namespace trb::app {
namespace {

// The keys of a JSON object text in order (nested objects' keys included).
std::vector<std::string> KeysOf(const std::string& json) {
    std::vector<std::string> keys;
    const std::regex key("\"(\\w+)\": ");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), key); it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

TEST(CaseJson, TheFilmComesLastWithTheDinValuesBesideIt) {
    core::TRBrecord record;
    core::LoadExampleCase(record);
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    const film::CaseFilm film = film::SolveCaseFilm(record, status);
    ASSERT_EQ(film.fault, film::FilmFault::None);
    const std::string json = CaseJson(record, status, nullptr, nullptr, &film);
    const auto at = json.find("\"film\": {");
    ASSERT_NE(at, std::string::npos);
    const std::string member = json.substr(at);
    EXPECT_EQ(KeysOf(member), (std::vector<std::string>{"film",
                                                        "reason",
                                                        "grid",
                                                        "eccentricity",
                                                        "attitude_angle",
                                                        "h0",
                                                        "pmax",
                                                        "pmax_angle",
                                                        "side_flow",
                                                        "mupsi",
                                                        "so",
                                                        "din",
                                                        "epsilon",
                                                        "h0",
                                                        "so",
                                                        "mupsi",
                                                        "q",
                                                        "frame",
                                                        "stiffness",
                                                        "damping",
                                                        "stiffness_dimensionless",
                                                        "damping_dimensionless",
                                                        "whirl_ratio",
                                                        "critical_mass_parameter",
                                                        "mass_parameter",
                                                        "stable",
                                                        "onset_speed"}));
    EXPECT_EQ(ValueOf(member, "reason"), "null");
    EXPECT_EQ(ValueOf(member, "grid"), "[216, 20]");
    EXPECT_EQ(std::strtold(ValueOf(member, "eccentricity").c_str(), nullptr), film.eccentricity);
    EXPECT_EQ(std::strtold(ValueOf(member, "epsilon").c_str(), nullptr), record.epsilon);
    EXPECT_EQ(std::strtold(ValueOf(member, "so").c_str(), nullptr), record.so);
    EXPECT_EQ(ValueOf(member, "stable"), "true");
    // Without the onset search it has no onset speed, and the example's heavy film no whirl threshold.
    EXPECT_EQ(ValueOf(member, "onset_speed"), "null");
    EXPECT_EQ(ValueOf(member, "whirl_ratio"), "null");
    const std::string stiffness = ValueOf(member, "stiffness");
    EXPECT_EQ(stiffness.front(), '[');
    EXPECT_EQ(std::count(stiffness.begin(), stiffness.end(), ','), 3);
    EXPECT_EQ(json.substr(json.size() - 6), "  }\n}\n");
}

TEST(CaseJson, AFilmWithoutResultHasNullsAndItsReason) {
    core::TRBrecord record;
    core::LoadExampleCase(record);
    record.f = 5e7;  // beyond what the film carries
    core::RunStatus status;
    bool abort = false;
    core::RunCalculation(record, status, abort);
    const film::CaseFilm film = film::SolveCaseFilm(record, status);
    ASSERT_EQ(film.fault, film::FilmFault::EccentricityTooLarge);
    const std::string json = CaseJson(record, status, nullptr, nullptr, &film);
    const std::string member = json.substr(json.find("\"film\": {"));
    EXPECT_EQ(ValueOf(member, "reason"), JsonText(film::FilmFaultText(film.fault)));
    for (const char* key :
         {"eccentricity", "pmax", "so", "stiffness", "stable", "onset_speed", "mass_parameter"}) {
        EXPECT_EQ(ValueOf(member, key), "null") << key;
    }
    // The DIN run itself has values, and they stay beside.
    EXPECT_EQ(std::strtold(ValueOf(member, "epsilon").c_str(), nullptr), record.epsilon);
}

TEST(CaseJson, NumbersAFilmCannotHoldAreWrittenAsNull) {
    film::CaseFilm film;
    film.grid = film::kDefaultGrid;
    film.eccentricity = std::numeric_limits<real>::quiet_NaN();
    film.pmax = 1e400L;
    film.hasCoefficients = true;
    film.stiffness[0][1] = std::numeric_limits<real>::infinity();
    const std::string member = FilmJson(film, "");
    EXPECT_EQ(ValueOf(member, "eccentricity"), "null");
    EXPECT_EQ(ValueOf(member, "pmax"), "null");
    EXPECT_NE(member.find("[[0, null], [0, 0]]"), std::string::npos) << member;
}

}  // namespace
}  // namespace trb::app
