#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace trb::test_support {

// A fresh folder under the system's temporary folder ($TMPDIR), removed with everything in it,
// also what a test made unreadable. Its name is unique across processes and within one.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The path of `name` in the folder, as text.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // The path with a closing "/", as the program's folder settings hold folders.
    std::string Folder() const { return path_.string() + "/"; }
    // The files in it, at any depth (folders are not counted).
    std::size_t FileCount() const;

  private:
    std::filesystem::path path_;
};

}  // namespace trb::test_support
