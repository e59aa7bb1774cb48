#include "test_files.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

namespace trb::cad::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "trb_cad_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::size_t TempFolder::FileCount() const {
    std::size_t n = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_))
        if (!entry.is_directory()) ++n;
    return n;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RunCommand(const std::string& command, int& exitCode) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        exitCode = -1;
        return output;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

std::string Golden(const std::string& name) {
    return ReadFile(std::filesystem::path(TRB_TEST_DATA_DIR) / name);
}

bool MatchesGolden(const std::string& name, const std::string& actual) {
    const std::filesystem::path path = std::filesystem::path(TRB_TEST_DATA_DIR) / name;
    if (getenv("TRB_UPDATE_GOLDEN") != nullptr) WriteFile(path, actual);
    return ReadFile(path) == actual;
}

}  // namespace trb::cad::test
