#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace trb::app {

// An output stream that writes every line it is given to `target` with `prefix` before it, so that
// messages about several files say which file they are about. A line left open is ended when the
// stream goes.
class LinePrefixStream : public std::ostream {
  public:
    LinePrefixStream(std::ostream& target, std::string prefix);
    ~LinePrefixStream() override;

  private:
    class Buffer : public std::streambuf {
      public:
        Buffer(std::ostream& target, std::string prefix) : target_(target), prefix_(std::move(prefix)) {}
        void Finish();

      protected:
        int_type overflow(int_type c) override;

      private:
        std::ostream& target_;
        std::string prefix_;
        bool lineStart_ = true;
    };
    Buffer buffer_;
};

}  // namespace trb::app
