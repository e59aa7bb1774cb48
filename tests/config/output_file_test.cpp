#include "config/output_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace trb::config {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "trb-output-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = (folder_ / "case.trb").string();
        std::ofstream(path_, std::ios::binary) << "previous";
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Content() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder_;
    std::string path_;
};

// The data must be on the disk before the new file takes the name: the sync sees the finished
// temporary file while the name still holds the previous content.
TEST_F(OutputFileTest, SyncsTheFinishedFileBeforeTheRename) {
    OutputFile file;
    int syncs = 0;
    std::string nameHeldDuringSync;
    file.UseSync([&](int descriptor) {
        ++syncs;
        nameHeldDuringSync = Content();
        return ::fsync(descriptor);
    });
    ASSERT_EQ(file.Create(path_), 0);
    ASSERT_EQ(file.Write("new content"), 0);
    EXPECT_EQ(syncs, 0);
    EXPECT_EQ(file.Commit(), 0);
    EXPECT_EQ(syncs, 1);
    EXPECT_EQ(nameHeldDuringSync, "previous");
    EXPECT_EQ(Content(), "new content");
}

TEST_F(OutputFileTest, AFailedSyncKeepsThePreviousFile) {
    OutputFile file;
    file.UseSync([](int) {
        errno = EIO;
        return -1;
    });
    ASSERT_EQ(file.Create(path_), 0);
    ASSERT_EQ(file.Write("new content"), 0);
    EXPECT_EQ(file.Commit(), EIO);
    EXPECT_EQ(Content(), "previous");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 1) << "the temporary file is removed";
}

}  // namespace
}  // namespace trb::config
