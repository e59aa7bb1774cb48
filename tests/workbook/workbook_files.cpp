#include "workbook_files.h"

#include <unistd.h>
#include <zip.h>

#include <algorithm>

#include "run_program.h"
#include "whole_file.h"

namespace trb::workbook::testing {

namespace fs = std::filesystem;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ZipArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string pattern = (fs::temp_directory_path() / "trb_zip_XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    ::close(fd);
    const char* name = pattern.c_str();
    zipFile zip = zipOpen(name, APPEND_STATUS_CREATE);
    for (const auto& [entry, content] : entries) {
        zipOpenNewFileInZip(zip, entry.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    std::string bytes = test_support::ReadWholeFile(name);
    ::unlink(name);
    return bytes;
}

std::string DescribeWithOpenpyxl(const std::string& workbook, int& exitCode) {
    const test_support::ProgramRun run =
        test_support::RunProgram(TRB_PYTHON, {TRB_CHECK_WORKBOOK, workbook}, test_support::MergedErrors());
    exitCode = run.exitCode;
    return run.output;
}

}  // namespace trb::workbook::testing
