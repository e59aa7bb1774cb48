#include "run_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"
#include "whole_file.h"

namespace trb::test_support {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

TEST(RunProgram, ArgumentsArriveUnchangedWithoutAShell) {
    const ProgramRun run = RunProgram("printf", {"%s|", "a b", "$(echo x)", "'q'", "*", "x;y&"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, "a b|$(echo x)|'q'|*|x;y&|");
}

TEST(RunProgram, ErrorsAreSeparateOrMergedAndTheExitStatusIsKept) {
    const std::string script =
        "import sys; print('out'); sys.stdout.flush(); print('err', file=sys.stderr); "
        "sys.exit(3)";
    const ProgramRun separate = RunProgram(TRB_PYTHON, {"-c", script});
    EXPECT_EQ(separate.exitCode, 3);
    EXPECT_EQ(separate.output, "out\n");
    EXPECT_EQ(separate.errors, "err\n");

    const ProgramRun merged = RunProgram(TRB_PYTHON, {"-c", script}, MergedErrors());
    EXPECT_EQ(merged.exitCode, 3);
    EXPECT_EQ(merged.output, "out\nerr\n");
    EXPECT_THAT(merged.errors, IsEmpty());
}

TEST(RunProgram, LargeOutputOnBothStreamsDoesNotStall) {
    const std::string script =
        "import sys\nfor i in range(2000):\n"
        "    sys.stdout.write('o' * 100)\n    sys.stderr.write('e' * 100)\n";
    const ProgramRun run = RunProgram(TRB_PYTHON, {"-c", script});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output.size(), 200000u);
    EXPECT_EQ(run.errors.size(), 200000u);
}

TEST(RunProgram, StartsInTheFolderWithTheEnvironmentAddedAndNoInput) {
    TempFolder folder;
    RunOptions options;
    options.folder = folder.Path().string();
    options.environment = {"TRB_RUN_TEST=a b", "PATH=/usr/bin:/bin"};
    const ProgramRun run = RunProgram(TRB_PYTHON,
                                      {"-c",
                                       "import os, sys; print(os.getcwd()); "
                                       "print(os.environ['TRB_RUN_TEST']); print(repr(sys.stdin.read()))"},
                                      options);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.output, std::filesystem::canonical(folder.Path()).string() + "\na b\n''\n");
}

TEST(RunProgram, AProgramThatCannotStartSaysSo) {
    const ProgramRun missing = RunProgram("trb-no-such-program", {});
    EXPECT_EQ(missing.exitCode, -1);
    EXPECT_THAT(missing.errors, HasSubstr("cannot start trb-no-such-program"));

    TempFolder folder;
    WriteWholeFile(folder / "script", "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(RunProgram((folder / "script").string(), {}).exitCode, -1) << "not executable";
}

TEST(RunProgram, AProgramEndedByASignalHasNoExitCode) {
    EXPECT_EQ(
        RunProgram(TRB_PYTHON, {"-c", "import os, signal; os.kill(os.getpid(), signal.SIGKILL)"}).exitCode,
        -1);
}

}  // namespace
}  // namespace trb::test_support
