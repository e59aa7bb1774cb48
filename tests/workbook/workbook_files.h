#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace trb::workbook::testing {

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& content);
// The names of the entries of a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// A zip archive of the given (name, content) entries, as a spreadsheet program may write it.
std::string ZipArchive(const std::vector<std::pair<std::string, std::string>>& entries);

// The output of the workbook checker (openpyxl) for a file; `exitCode` receives its exit code.
std::string DescribeWithOpenpyxl(const std::string& workbook, int& exitCode);

}  // namespace trb::workbook::testing
