#include "test_files.h"

#include <stdlib.h>

#include <filesystem>

#include "whole_file.h"

namespace trb::cad::test {

std::string Golden(const std::string& name) {
    return test_support::ReadWholeFile(std::filesystem::path(TRB_TEST_DATA_DIR) / name);
}

bool MatchesGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = std::filesystem::path(TRB_TEST_DATA_DIR) / name;
    if (getenv("TRB_UPDATE_GOLDEN") != nullptr) test_support::WriteWholeFile(path, actual);
    return test_support::ReadWholeFile(path) == actual;
}

}  // namespace trb::cad::test
