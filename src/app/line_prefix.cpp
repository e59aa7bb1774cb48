#include "app/line_prefix.h"

namespace trb::app {

LinePrefixStream::LinePrefixStream(std::ostream& target, std::string prefix)
    : std::ostream(nullptr), buffer_(target, std::move(prefix)) {
    rdbuf(&buffer_);
}

LinePrefixStream::~LinePrefixStream() {
    buffer_.Finish();
}

void LinePrefixStream::Buffer::Finish() {
    if (!lineStart_) target_ << '\n';
    lineStart_ = true;
}

LinePrefixStream::Buffer::int_type LinePrefixStream::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (lineStart_) target_ << prefix_;
    const char ch = traits_type::to_char_type(c);
    target_.put(ch);
    lineStart_ = ch == '\n';
    return c;
}

}  // namespace trb::app
