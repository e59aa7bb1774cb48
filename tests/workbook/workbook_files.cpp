#include "workbook_files.h"

#include <unistd.h>
#include <zip.h>

#include <sys/wait.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace trb::workbook::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "trb_workbook_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(path_, error);
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteWholeFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

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
    std::string bytes = ReadWholeFile(name);
    ::unlink(name);
    return bytes;
}

std::string DescribeWithOpenpyxl(const std::string& workbook, int& exitCode) {
    const std::string command =
        std::string(TRB_PYTHON) + " " + TRB_CHECK_WORKBOOK + " '" + workbook + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        output += buffer.data();
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

}  // namespace trb::workbook::testing
