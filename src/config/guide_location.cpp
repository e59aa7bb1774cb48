#include "config/guide_location.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace trb::config {

namespace {

namespace fs = std::filesystem;

bool IsPage(const fs::path& page) {
    std::error_code error;
    return fs::is_regular_file(page, error);
}

}  // namespace

std::string UserGuidePage() {
    std::error_code error;
    if (const char* overridden = std::getenv("TRB_GUIDE_DIR"); overridden != nullptr && *overridden != '\0') {
        // An explicit folder is the only place looked at, so that a wrong one is noticed.
        const fs::path page = fs::path(overridden) / "index.html";
        return IsPage(page) ? fs::absolute(page, error).string() : std::string();
    }
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path installed =
            executable.parent_path() / ".." / "share" / "doc" / "trb" / "guide" / "index.html";
        if (IsPage(installed)) return fs::weakly_canonical(installed, error).string();
    }
    const fs::path built = fs::path(TRB_BUILD_GUIDE_DIR) / "index.html";
    return IsPage(built) ? built.string() : std::string();
}

}  // namespace trb::config
