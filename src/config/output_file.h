#pragma once

#include <unistd.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace trb::config {

// What writing a file does where its name is a symbolic link: write the file the link names (what
// saving a file means to its user), or put the new file in place of the link (work files under
// fixed names, which must never reach outside their folder through a link planted there).
enum class ExistingLink { WriteThrough, Replace };

// A file written under a temporary name in its own folder ("<folder>/.<name>.XXXXXX", created
// exclusively, never over something that exists) and renamed to its name by Commit, so a failed
// write never destroys the previous file. Destroying it without Commit removes the temporary file.
// While it is written the temporary file is locked; one that a killed run left behind is removed by
// the next write of that name once it is a day old and nobody holds its lock.
class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Each returns 0 on success, else an errno value. An existing file that is write-protected is
    // not replaced (EACCES).
    int Create(const std::string& path, ExistingLink link = ExistingLink::WriteThrough);
    int Write(std::string_view text);
    int Commit();  // flush, close and rename into place
    void Discard();
    // Removes the file that Commit will replace, so that until then nothing stands under the name
    // (files that belong together must not be seen beside another run's). 0 or an errno value.
    int RemoveReplaced();

    // What flushes the finished file to the disk before the rename (fsync: 0, or -1 with errno);
    // without it a crash right after the rename could leave an empty file under the name.
    using SyncFunction = std::function<int(int descriptor)>;
    void UseSync(SyncFunction sync) { sync_ = std::move(sync); }

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& Path() const { return path_; }
    // After Commit: the file replaced had further names (hard links), which keep the previous
    // content; the new file has this name only.
    bool BrokeHardLinks() const { return brokeHardLinks_; }

  private:
    int fd_ = -1;
    std::string path_;
    std::string target_;  // the file the rename replaces: the path, or the file its links name
    std::string temporary_;
    bool hardLinked_ = false;
    bool brokeHardLinks_ = false;
    SyncFunction sync_ = ::fsync;
};

// The whole content at once; 0 or an errno value.
int WriteWholeFile(const std::string& path, std::string_view content);

// The file `path` names after following its symbolic links (the path itself when it is none, or
// when it does not exist). 0, or ELOOP for a link loop.
int FollowLinks(const std::string& path, std::string& target);

// Removes what a killed run left in `folder` ("" is the current folder) for the file `name`: its
// temporary files ".<name>.XXXXXX" that are older than a day and not locked.
void RemoveStaleTemporaryFiles(const std::string& folder, const std::string& name);

}  // namespace trb::config
