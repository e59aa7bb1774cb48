#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

// The scratch folder of a fuzz target: in memory (/dev/shm) where there is one, since the table
// targets write their input to files on every run; removed when the target ends.
namespace trb::fuzz {

inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::error_code error;
        std::filesystem::path base = "/dev/shm";
        if (::access(base.c_str(), W_OK) != 0) base = std::filesystem::temp_directory_path(error);
        std::string pattern = (base / "trb-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

}  // namespace trb::fuzz
