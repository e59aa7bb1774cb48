#include "config/input_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace trb::config {
namespace {

class InputFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("trb-input-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::string Write(const std::string& name, const std::string& content) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::filesystem::path folder_;
};

TEST_F(InputFileTest, ReadsWholeFilesAndStopsAtTheLimit) {
    const std::string path = Write("a.txt", "0123456789");
    InputFile whole = ReadInputFile(path, 10);
    EXPECT_EQ(whole.status, InputStatus::Ok);
    EXPECT_EQ(whole.content, "0123456789");

    InputFile cut = ReadInputFile(path, 4);
    EXPECT_EQ(cut.status, InputStatus::TooLarge);
    EXPECT_EQ(cut.content, "0123");

    EXPECT_EQ(ReadInputFile(Write("empty", ""), 4).status, InputStatus::Ok);
}

TEST_F(InputFileTest, RefusesWhatIsNoRegularFileWithoutBlocking) {
    EXPECT_EQ(ReadInputFile((folder_ / "missing").string(), 10).status, InputStatus::NotFound);
    EXPECT_EQ(ReadInputFile(folder_.string(), 10).status, InputStatus::NotRegular);
    const std::string fifo = (folder_ / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadInputFile(fifo, 10).status, InputStatus::NotRegular);
    // A device without end reads nothing at all.
    const InputFile zero = ReadInputFile("/dev/zero", 1 << 20);
    EXPECT_EQ(zero.status, InputStatus::NotRegular);
    EXPECT_TRUE(zero.content.empty());
    EXPECT_NE(InputProblem(fifo, ReadInputFile(fifo, 10)).find(fifo), std::string::npos);
}

TEST(LineSplitter, SplitsAtEveryLineEndAndCutsLongLines) {
    LineSplitter lines("a\r\nbb\ncccccc\rd", 4);
    std::string line;
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "a");
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "bb");
    EXPECT_FALSE(lines.Cut());
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "cccc");
    EXPECT_TRUE(lines.Cut());
    ASSERT_TRUE(lines.Next(line));
    EXPECT_EQ(line, "d");
    EXPECT_EQ(lines.LineNumber(), 4u);
    EXPECT_FALSE(lines.Next(line));
    EXPECT_TRUE(line.empty());
}

}  // namespace
}  // namespace trb::config
