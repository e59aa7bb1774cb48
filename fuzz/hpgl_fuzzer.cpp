// Feeds arbitrary bytes to the HP-GL/2 reader. Everything it hands on must be finite and within the
// reader's bounds (coordinates within a kilometre, so an arc between two far corners has a radius
// below three); the labels at most 256 characters.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "help/hpgl_reader.h"

namespace {

constexpr double kLimit = 3e6;  // mm

void Check(double v) {
    if (!std::isfinite(v) || std::fabs(v) > kLimit) std::abort();
}

class CheckingCanvas : public trb::help::HpglCanvas {
  public:
    void Pen(int pen) override {
        if (pen < 0) std::abort();
    }
    void Line(double x1, double y1, double x2, double y2) override {
        Check(x1), Check(y1), Check(x2), Check(y2);
    }
    void Circle(double x, double y, double r) override {
        Check(x), Check(y), Check(r);
        if (r <= 0) std::abort();
    }
    void Arc(double x, double y, double phi1, double phi2, double r) override {
        Check(x), Check(y), Check(phi1), Check(phi2), Check(r);
    }
    void Text(std::string_view text, double x, double y, double width, double height, double angle) override {
        Check(x), Check(y), Check(width), Check(height), Check(angle);
        if (text.size() > 256) std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckingCanvas canvas;
    trb::help::ReadHpgl(std::string_view(reinterpret_cast<const char*>(data), size), canvas);
    return 0;
}
