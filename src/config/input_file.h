#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading files that come from outside the program (case files, settings, help texts, pictures,
// catalogues): only regular files are opened, never a FIFO or a device that could block or never end,
// and no more than a stated number of bytes is read.
namespace trb::config {

enum class InputStatus {
    Ok,
    NotFound,    // missing, or no permission to read
    NotRegular,  // a folder, FIFO, device or socket
    TooLarge,    // longer than the limit: the content holds the first `limit` bytes
    ReadError,
};

struct InputFile {
    InputStatus status = InputStatus::NotFound;
    int error = 0;        // errno of a failed open or read
    std::string content;  // what was read (also the first part of a file that is too large)
};

// The file's content, at most `limit` bytes.
InputFile ReadInputFile(const std::string& path, std::size_t limit);

// The German message (code page 850) for a status that is not Ok, naming the path.
std::string InputProblem(const std::string& path, const InputFile& file);

// Hands out the lines of a text, one at a time: lines end at LF, CR LF or a lone CR; a line longer
// than the limit is cut there and its rest skipped (Cut() tells that it happened).
class LineSplitter {
  public:
    LineSplitter(std::string_view text, std::size_t maxLineLength) : text_(text), maxLine_(maxLineLength) {}
    // The next line into `line`; false (line cleared) at the end of the text.
    bool Next(std::string& line);
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool Cut() const { return cut_; }
    // The number of lines handed out so far.
    std::size_t LineNumber() const { return lineNumber_; }

  private:
    std::string_view text_;
    std::size_t maxLine_;
    std::size_t pos_ = 0;
    std::size_t lineNumber_ = 0;
    bool cut_ = false;
};

}  // namespace trb::config
