#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace trb::workbook::testing {

// The names of the entries of a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// A zip archive of the given (name, content) entries, as a spreadsheet program may write it.
std::string ZipArchive(const std::vector<std::pair<std::string, std::string>>& entries);

// The output of the workbook checker (openpyxl) for a file; `exitCode` receives its exit code.
std::string DescribeWithOpenpyxl(const std::string& workbook, int& exitCode);

}  // namespace trb::workbook::testing
