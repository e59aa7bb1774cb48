#include "docs/case_lines.h"

#include <algorithm>

namespace trb::docs {

void CaseLineWriter::Line(std::string_view text) {
    std::string line(text);
    for (char& ch : line) {
        if (ch == '\r' || ch == '\n') ch = ' ';
    }
    out_ << line << "\r\n";
}

bool CaseLineReader::Next(std::string& line) {
    if (pos_ >= content_.size()) return false;
    const std::size_t end = content_.find_first_of("\r\n", pos_);
    const std::size_t stop = end == std::string_view::npos ? content_.size() : end;
    ++lineNumber_;
    if (stop - pos_ > kMaxLineLength && firstCutLine_ == 0) firstCutLine_ = lineNumber_;
    line.assign(content_.substr(pos_, std::min(stop - pos_, kMaxLineLength)));
    pos_ = stop;
    if (pos_ < content_.size()) {
        // CR LF counts as one line end.
        if (content_[pos_] == '\r' && pos_ + 1 < content_.size() && content_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
    }
    return true;
}

bool CaseLineReader::Skip(int n) {
    std::string ignored;
    for (int i = 0; i < n; ++i) {
        if (!Next(ignored)) return false;
    }
    return true;
}

}  // namespace trb::docs
