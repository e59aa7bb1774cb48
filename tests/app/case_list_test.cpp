#include <gmock/gmock.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/batch.h"
#include "app/line_prefix.h"

namespace trb::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(CaseList, TheWorstExitCodeGoesFromDoneOverFailedAndUnreadableToBadArguments) {
    const std::vector<int> bestToWorst = {kExitOk, kExitCalculationFailed, kExitUnreadableCase,
                                          kExitBadArguments};
    for (std::size_t i = 0; i < bestToWorst.size(); ++i) {
        for (std::size_t j = 0; j < bestToWorst.size(); ++j) {
            const int worse = bestToWorst[std::max(i, j)];
            EXPECT_EQ(WorseExit(bestToWorst[i], bestToWorst[j]), worse)
                << bestToWorst[i] << " " << bestToWorst[j];
        }
    }
    EXPECT_EQ(WorseExit(kExitOk, 7), 7) << "a code of no rank is worse than every known one";
}

TEST(CaseList, EveryLineOfAFileBeginsWithItsName) {
    std::ostringstream target;
    {
        LinePrefixStream out(target, "a.trb: ");
        out << "first\nsecond\n\nlast without end";
    }
    EXPECT_EQ(target.str(), "a.trb: first\na.trb: second\na.trb: \na.trb: last without end\n");
    target.str("");
    { LinePrefixStream silent(target, "b.trb: "); }
    EXPECT_EQ(target.str(), "") << "a file without messages adds no line";
}

// What one file's run found when it began, through the CAD hook that each file of the list reaches.
struct Seen {
    std::string caseFile;
    real load;
    std::string drawingName;
    int device;
};

TEST(CaseList, EachFileRunsInACaseOfItsOwnAndTheWorstExitCodeIsTheRuns) {
    std::vector<Seen> seen;
    const CadBatchRunner cad = [&](Program& program, const CadBatch& request) {
        seen.push_back({request.caseFile, program.record.f, program.title.drawingName, request.device});
        // Whatever a run leaves in its case must not reach the next file.
        program.record.f = 12345;
        program.title.drawingName = "left over";
        program.status.AddMessage("Fatal  : left over");
        program.dialogs.ShowErrorBox("about " + request.caseFile);
        if (request.caseFile == "missing.trb") return kExitUnreadableCase;
        if (request.caseFile == "fatal.trb") return kExitCalculationFailed;
        return kExitOk;
    };
    std::ostringstream out, errors;
    const int code =
        RunBatch(parseCommandLine({"a.trb", "fatal.trb", "missing.trb", "b.trb", "/cad1:2", "/NOGUI"}), out,
                 errors, cad);
    EXPECT_EQ(code, kExitUnreadableCase);
    ASSERT_EQ(seen.size(), 4u) << "the files after a failed and an unreadable one still run";
    const core::TRBrecord fresh;
    for (const Seen& run : seen) {
        EXPECT_EQ(run.load, fresh.f) << run.caseFile;
        EXPECT_EQ(run.drawingName, "") << run.caseFile;
        EXPECT_EQ(run.device, 1);
    }
    EXPECT_EQ(seen[0].caseFile, "a.trb");
    EXPECT_EQ(seen[3].caseFile, "b.trb");
    for (const char* file : {"a.trb", "fatal.trb", "missing.trb", "b.trb"}) {
        EXPECT_THAT(errors.str(), HasSubstr(std::string(file) + ": Fehler : about " + file + "\n"));
    }

    // Only failures of the calculation: 3; nothing wrong: 0; a name without extension: 2 for it alone.
    seen.clear();
    EXPECT_EQ(RunBatch(parseCommandLine({"fatal.trb", "a.trb", "/CAD1:1"}), out, errors, cad),
              kExitCalculationFailed);
    EXPECT_EQ(RunBatch(parseCommandLine({"a.trb", "b.trb", "/CAD1:1"}), out, errors, cad), kExitOk);
    errors.str("");
    seen.clear();
    EXPECT_EQ(RunBatch(parseCommandLine({"a.trb", "b", "fatal.trb", "/CAD1:1"}), out, errors, cad),
              kExitBadArguments);
    std::vector<std::string> ran;
    for (const Seen& run : seen) ran.push_back(run.caseFile);
    EXPECT_THAT(ran, ElementsAre("a.trb", "fatal.trb"));
    EXPECT_THAT(errors.str(), HasSubstr("b: Fehler : Erweiterung .trb"));
}

}  // namespace
}  // namespace trb::app
