#pragma once

#include <filesystem>
#include <string>

namespace trb::cad::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::size_t FileCount() const;

  private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

// Runs a command line and returns what it wrote to standard output; `exitCode` gets its status.
std::string RunCommand(const std::string& command, int& exitCode);

// The checked-in expected output `name` in the test data folder, or "" when it is missing.
std::string Golden(const std::string& name);
// Compares `actual` with the checked-in file; when TRB_UPDATE_GOLDEN is set, rewrites it.
bool MatchesGolden(const std::string& name, const std::string& actual);

}  // namespace trb::cad::test
