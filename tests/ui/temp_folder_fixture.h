#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace trb::ui::testing {

// A fresh folder per test, removed afterwards.
class TempFolderTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_.File(name); }
    std::string Folder() const { return folder_.Folder(); }
    std::size_t FileCount() const { return folder_.FileCount(); }

    test_support::TempFolder folder_;
    const std::filesystem::path root_ = folder_.Path();
};

}  // namespace trb::ui::testing
