#pragma once

#include <unistd.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace trb::config {

// A file written under a temporary name in its own folder ("<folder>/.<name>.XXXXXX") and
// renamed to its name by Commit, so a failed write never destroys the previous file.
// Destroying it without Commit removes the temporary file.
class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Each returns 0 on success, else an errno value.
    int Create(const std::string& path);
    int Write(std::string_view text);
    int Commit();  // flush, close and rename into place
    void Discard();

    // What flushes the finished file to the disk before the rename (fsync: 0, or -1 with errno);
    // without it a crash right after the rename could leave an empty file under the name.
    using SyncFunction = std::function<int(int descriptor)>;
    void UseSync(SyncFunction sync) { sync_ = std::move(sync); }

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
    std::string temporary_;
    SyncFunction sync_ = ::fsync;
};

// The whole content at once; 0 or an errno value.
int WriteWholeFile(const std::string& path, std::string_view content);

}  // namespace trb::config
