#include "verify/benchmark_results.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "temp_folder.h"
#include "whole_file.h"

namespace trb::verify {
namespace {

using test_support::TempFolder;
using test_support::WriteWholeFile;

// As Google Benchmark 1.7 writes it with --benchmark_out_format=csv, user counters after the fixed
// columns.
constexpr const char* kCsv =
    "name,iterations,real_time,cpu_time,time_unit,bytes_per_second,items_per_second,label,error_occurred,"
    "error_message,\"runs\"\n"
    "\"BM_RunCalculationExample\",141163,4981.5,4975.25,ns,,,,,,\n"
    "\"BM_CaseFilm/1\",12,58.5,58.25,ms,,,\"with, comma\",,,3\n"
    "\"BM_Broken\",5,1,1,ns,,,,true,\"went \"\"wrong\"\"\",\n"
    "\"BM_Odd\",10,1,1,minutes,,,,,,\n"
    "\"BM_Short\",10\n";

TEST(BenchmarkResults, RowsOfAGoogleBenchmarkCsvFileAreRead) {
    const std::vector<BenchmarkFigure> f = ParseBenchmarkCsv(kCsv, "core_bench");
    ASSERT_EQ(f.size(), 2U);
    EXPECT_EQ(f[0].program, "core_bench");
    EXPECT_EQ(f[0].name, "BM_RunCalculationExample");
    EXPECT_EQ(f[0].iterations, 141163);
    EXPECT_DOUBLE_EQ(f[0].realTime, 4981.5);
    EXPECT_DOUBLE_EQ(f[0].cpuTime, 4975.25);
    EXPECT_EQ(f[0].unit, "ns");
    // A quoted label with a comma does not shift the columns.
    EXPECT_EQ(f[1].name, "BM_CaseFilm/1");
    EXPECT_DOUBLE_EQ(f[1].cpuTime, 58.25);
    EXPECT_EQ(f[1].unit, "ms");
}

TEST(BenchmarkResults, ColumnsAreFoundByTheirNamesWhereverTheyStand) {
    const std::string moved =
        "Run on (2 X 3000 MHz CPU s)\n"
        "time_unit,cpu_time,name,real_time,iterations\n"
        "us,12.5,BM_A,13,100\n";
    const std::vector<BenchmarkFigure> f = ParseBenchmarkCsv(moved, "p");
    ASSERT_EQ(f.size(), 0U);  // the header must start with "name"
    const std::string reordered = "name,time_unit,cpu_time,real_time,iterations\nBM_A,us,12.5,13,100\n";
    const std::vector<BenchmarkFigure> g = ParseBenchmarkCsv(reordered, "p");
    ASSERT_EQ(g.size(), 1U);
    EXPECT_DOUBLE_EQ(g[0].cpuTime, 12.5);
    EXPECT_EQ(g[0].iterations, 100);
    EXPECT_EQ(g[0].unit, "us");
}

TEST(BenchmarkResults, TextThatIsNoBenchmarkFileGivesNothing) {
    EXPECT_TRUE(ParseBenchmarkCsv("", "p").empty());
    EXPECT_TRUE(ParseBenchmarkCsv("name,iterations\nBM_A,3\n", "p").empty());
    EXPECT_TRUE(ParseBenchmarkCsv(std::string(100000, '"'), "p").empty());
    EXPECT_TRUE(
        ParseBenchmarkCsv("name,iterations,real_time,cpu_time,time_unit\nBM_A,x,1,-1,ns\n", "p").empty());
    // Rows beyond the cap are left out.
    std::string many = "name,iterations,real_time,cpu_time,time_unit\n";
    for (std::size_t i = 0; i < kMaxBenchmarkRows + 5; ++i) many += "BM_A,1,1,1,ns\n";
    EXPECT_EQ(ParseBenchmarkCsv(many, "p").size(), kMaxBenchmarkRows);
}

TEST(BenchmarkResults, AFolderGivesItsCsvFilesInNameOrderAndNamesWhatItCouldNotRead) {
    TempFolder folder;
    WriteWholeFile(folder / "z_bench.csv", "name,iterations,real_time,cpu_time,time_unit\nBM_Z,1,2,3,ms\n");
    WriteWholeFile(folder / "a_bench.csv", "name,iterations,real_time,cpu_time,time_unit\nBM_A,1,2,3,ns\n");
    WriteWholeFile(folder / "notes.txt", "name,iterations,real_time,cpu_time,time_unit\nBM_T,1,2,3,ns\n");
    // A FIFO in place of a file is reported, never waited on.
    ASSERT_EQ(::mkfifo((folder / "m_bench.csv").c_str(), 0600), 0);
    std::vector<std::string> problems;
    const std::vector<BenchmarkFigure> f = ReadBenchmarkFolder(folder.Path().string(), problems);
    ASSERT_EQ(f.size(), 2U);
    EXPECT_EQ(f[0].program, "a_bench");
    EXPECT_EQ(f[1].program, "z_bench");
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].find("m_bench.csv"), std::string::npos);

    std::vector<std::string> missing;
    EXPECT_TRUE(ReadBenchmarkFolder((folder / "none").string(), missing).empty());
    EXPECT_EQ(missing.size(), 1U);
}

TEST(BenchmarkResults, TheMachineIsNamedByItsFirstModelName) {
    const Machine m = ParseCpuInfo(
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\n\n"
        "processor\t: 1\nmodel name\t: Other\n");
    EXPECT_EQ(m.cpu, "Intel(R) Xeon(R) CPU @ 2.20GHz");
    EXPECT_EQ(m.processors, 2);
    const Machine none = ParseCpuInfo("processor : 0\nHardware : something\n");
    EXPECT_EQ(none.cpu, "unknown");
    EXPECT_EQ(none.processors, 1);
    // This machine has a processor.
    EXPECT_GE(ThisMachine().processors, 1);
}

}  // namespace
}  // namespace trb::verify
