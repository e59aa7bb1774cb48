#include "config/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace trb::config {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

InputFile ReadInputFile(const std::string& path, std::size_t limit) {
    InputFile file;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.Get() < 0) {
        file.error = errno;
        file.status = (file.error == ENXIO) ? InputStatus::NotRegular : InputStatus::NotFound;
        return file;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        file.error = errno;
        file.status = InputStatus::ReadError;
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.status = InputStatus::NotRegular;
        return file;
    }
    // The size may change while reading; read up to one byte beyond the limit to notice.
    const auto expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    file.content.resize(std::min(expected, limit) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == file.content.size()) {
            if (have > limit) break;
            file.content.resize(std::min(have * 2 + 4096, limit + 1));
        }
        const ssize_t got = ::read(fd.Get(), file.content.data() + have, file.content.size() - have);
        if (got < 0) {
            if (errno == EINTR) continue;
            file.error = errno;
            file.status = InputStatus::ReadError;
            file.content.clear();
            return file;
        }
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    file.status = have > limit ? InputStatus::TooLarge : InputStatus::Ok;
    file.content.resize(std::min(have, limit));
    return file;
}

std::string InputProblem(const std::string& path, const InputFile& file) {
    switch (file.status) {
        case InputStatus::Ok:
            return {};
        case InputStatus::NotFound:
            // A name that leads nowhere says why (a link loop, a name too long).
            if (file.error != 0 && file.error != ENOENT && file.error != EACCES && file.error != EPERM)
                return "Datei " + path + " nicht lesbar: " + std::strerror(file.error);
            return "Datei " + path + " nicht gefunden oder kein Zugriffsrecht !";
        case InputStatus::NotRegular:
            return "Datei " + path + " ist keine normale Datei !";
        case InputStatus::TooLarge:
            return "Datei " + path + " ist zu gro\xe1 !";
        case InputStatus::ReadError:
            return "Datei " + path + " nicht lesbar: " + std::strerror(file.error);
    }
    return {};
}

bool LineSplitter::Next(std::string& line) {
    line.clear();
    if (pos_ >= text_.size()) return false;
    // A plain scan: find_first_of tests every character against the set with a call of its own.
    std::size_t stop = pos_;
    while (stop < text_.size() && text_[stop] != '\n' && text_[stop] != '\r') ++stop;
    if (stop - pos_ > maxLine_) cut_ = true;
    line.assign(text_.substr(pos_, std::min(stop - pos_, maxLine_)));
    pos_ = stop;
    if (pos_ < text_.size()) {
        if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
    }
    ++lineNumber_;
    return true;
}

}  // namespace trb::config
