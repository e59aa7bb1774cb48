#include "temp_folder.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace trb::test_support {

namespace fs = std::filesystem;

namespace {

// Gives the owner every right on the folder and the folders in it, so that it can be removed.
void MakeRemovable(const fs::path& folder) {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (fs::directory_iterator entry(folder, ignored), end; !ignored && entry != end;
         entry.increment(ignored))
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored)) MakeRemovable(entry->path());
}

}  // namespace

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "trb_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "cannot create a folder from " + pattern);
    path_ = pattern;
}

TempFolder::~TempFolder() {
    MakeRemovable(path_);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::size_t TempFolder::FileCount() const {
    std::size_t count = 0;
    for (auto entry = fs::recursive_directory_iterator(path_); entry != fs::recursive_directory_iterator();
         ++entry)
        if (!entry->is_directory()) ++count;
    return count;
}

}  // namespace trb::test_support
