#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

// Line-by-line access to the positional text of a case file.
namespace trb::docs {

// Writes one item per line, each ended by CR LF. A line break inside an item would shift every
// following item, so line breaks within an item are written as blanks.
class CaseLineWriter {
  public:
    explicit CaseLineWriter(std::ostream& out) : out_(out) {}
    void Line(std::string_view text);

  private:
    std::ostream& out_;
};

// Hands out the lines of a case file's content, one at a time, tolerant of any input: lines end at
// LF, CR LF or a lone CR; a line longer than kMaxLineLength is cut (its rest is skipped).
class CaseLineReader {
  public:
    static constexpr std::size_t kMaxLineLength = 4096;

    explicit CaseLineReader(std::string_view content) : content_(content) {}
    // The next line into `line`; false (line unchanged) at the end of the content.
    bool Next(std::string& line);
    // Skips n lines; false when the content ended first.
    bool Skip(int n);
    // The number of lines handed out so far.
    std::size_t LineNumber() const { return lineNumber_; }
    // The number of the first line that was cut, 0 when none was.
    std::size_t FirstCutLine() const { return firstCutLine_; }

  private:
    std::string_view content_;
    std::size_t pos_ = 0;
    std::size_t lineNumber_ = 0;
    std::size_t firstCutLine_ = 0;
};

}  // namespace trb::docs
