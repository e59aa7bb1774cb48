#include "help/hpgl_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace trb::help {

namespace {

constexpr char kEndOfText = '\x03';
constexpr char kEscape = '\x1b';
constexpr std::size_t kMaxLabel = 256;
// Coordinates beyond a kilometre are garbage; keeping them bounded keeps every later computation
// (and every conversion to an integer) well defined.
constexpr double kMaxUnits = 4e7;
// HP-GL/2 default character size in centimetres.
constexpr double kDefaultWidthCm = 0.285;
constexpr double kDefaultHeightCm = 0.375;
constexpr int kMaxPen = 1000;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

double Bounded(double v) {
    return std::clamp(v, -kMaxUnits, kMaxUnits);
}

int PenNumber(double v) {
    return static_cast<int>(std::clamp(std::round(v), 0.0, static_cast<double>(kMaxPen)));
}

// The umlaut a letter followed by "}" stands for in character set 3 (code page 850).
std::optional<char> Umlaut(char letter) {
    switch (letter) {
        case 'A':
            return '\x8e';
        case 'O':
            return '\x99';
        case 'U':
            return '\x9a';
        case 'a':
            return '\x84';
        case 'o':
            return '\x94';
        case 'u':
            return '\x81';
        default:
            return std::nullopt;
    }
}

class Reader {
  public:
    Reader(std::string_view s, HpglCanvas& canvas) : s_(s), canvas_(canvas) {}

    HpglSummary Run() {
        canvas_.Pen(pen_);
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == kEscape) {
                SkipEscape();
                continue;
            }
            if (!IsLetter(c) || i_ + 1 >= s_.size() || !IsLetter(s_[i_ + 1])) {
                ++i_;
                continue;
            }
            const char a = Upper(c);
            const char b = Upper(s_[i_ + 1]);
            i_ += 2;
            ++summary_.commands;
            Command(a, b);
        }
        return summary_;
    }

  private:
    void Command(char a, char b) {
        if (a == 'P' && b == 'U') return Move(false);
        if (a == 'P' && b == 'D') return Move(true);
        if (a == 'P' && b == 'A') return Move(penDown_);
        if (a == 'S' && b == 'P') return SelectPen();
        if (a == 'C' && b == 'I') return CircleCommand();
        if (a == 'A' && b == 'A') return ArcCommand();
        if (a == 'S' && b == 'I') return SizeCommand();
        if (a == 'D' && b == 'I') return DirectionCommand();
        if (a == 'L' && b == 'B') return Label();
        if (a == 'C' && b == 'S') return CharacterSet();
        if (a == 'P' && b == 'E') return EncodedPolyline();
        ++summary_.skipped;
        SkipToTerminator();
    }

    // ----- parameters -----

    // The next numeric parameter of the current command; nothing at its end (";" consumed, or the
    // next mnemonic, or a character that cannot belong to a parameter).
    std::optional<double> Number() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == ',' || s_[i_] == '\t' || s_[i_] == '\r' || s_[i_] == '\n'))
            ++i_;
        if (i_ >= s_.size()) return std::nullopt;
        const char c = s_[i_];
        if (c == ';') {
            ++i_;
            return std::nullopt;
        }
        if (!(c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9'))) {
            // A letter starts the next mnemonic; anything else ends the command and is dropped.
            if (!IsLetter(c)) ++i_;
            return std::nullopt;
        }
        std::size_t start = i_;
        if (c == '+') ++start;
        double value = 0;
        const auto [end, error] = std::from_chars(s_.data() + start, s_.data() + s_.size(), value);
        if (error != std::errc() && error != std::errc::result_out_of_range) {
            i_ = start + 1;
            return std::nullopt;
        }
        i_ = static_cast<std::size_t>(end - s_.data());
        if (!std::isfinite(value)) value = value > 0 ? kMaxUnits : -kMaxUnits;
        return value;
    }

    // The parameters of a known command that are not used (a chord tolerance and the like).
    void Rest() {
        while (Number()) {
        }
    }

    void SkipToTerminator() {
        while (i_ < s_.size() && s_[i_] != ';' && s_[i_] != kEscape) ++i_;
        if (i_ < s_.size() && s_[i_] == ';') ++i_;
    }

    // A PCL sequence: ESC, parameter characters, and a final upper-case letter (ESC E, ESC %0B).
    void SkipEscape() {
        ++i_;
        while (i_ < s_.size()) {
            const char c = s_[i_++];
            if (c >= '@' && c <= 'Z') return;
        }
    }

    // ----- drawing commands -----

    void To(double x, double y, bool draw) {
        x = Bounded(x);
        y = Bounded(y);
        if (draw && pen_ != 0)
            canvas_.Line(x_ * kPlotterUnit, y_ * kPlotterUnit, x * kPlotterUnit, y * kPlotterUnit);
        x_ = x;
        y_ = y;
    }

    void Move(bool down) {
        penDown_ = down;
        while (const auto x = Number()) {
            const auto y = Number();
            if (!y) return;
            To(*x, *y, penDown_);
        }
    }

    void SelectPen() {
        const auto n = Number();
        pen_ = n ? PenNumber(*n) : 1;
        if (n) Rest();
        canvas_.Pen(pen_);
    }

    void CircleCommand() {
        const auto r = Number();
        if (!r) return;
        Rest();  // the chord tolerance
        const double radius = std::min(std::fabs(*r), kMaxUnits);
        if (pen_ != 0 && radius > 0)
            canvas_.Circle(x_ * kPlotterUnit, y_ * kPlotterUnit, radius * kPlotterUnit);
    }

    void ArcCommand() {
        const auto cx = Number();
        const auto cy = cx ? Number() : std::nullopt;
        const auto sweep = cy ? Number() : std::nullopt;
        if (!sweep) return;
        Rest();
        const double x = Bounded(*cx);
        const double y = Bounded(*cy);
        const double radius = std::hypot(x_ - x, y_ - y);
        const double turn = std::clamp(*sweep, -360.0, 360.0);
        const double start = std::atan2(y_ - y, x_ - x) * 180 / std::numbers::pi;
        const double end = start + turn;
        if (penDown_ && pen_ != 0 && radius > 0 && turn != 0) {
            const double scaled = radius * kPlotterUnit;
            if (std::fabs(turn) >= 360) {
                canvas_.Circle(x * kPlotterUnit, y * kPlotterUnit, scaled);
            } else if (turn > 0) {
                canvas_.Arc(x * kPlotterUnit, y * kPlotterUnit, start, end, scaled);
            } else {
                canvas_.Arc(x * kPlotterUnit, y * kPlotterUnit, end, start, scaled);
            }
        }
        // The pen stands at the end of the arc.
        x_ = Bounded(x + radius * std::cos(end * std::numbers::pi / 180));
        y_ = Bounded(y + radius * std::sin(end * std::numbers::pi / 180));
    }

    void SizeCommand() {
        const auto w = Number();
        const auto h = w ? Number() : std::nullopt;
        if (h) Rest();
        if (!w || !h) {
            width_ = kDefaultWidthCm * 10;
            height_ = kDefaultHeightCm * 10;
            return;
        }
        width_ = std::clamp(std::fabs(*w), 0.0, 100.0) * 10;
        height_ = std::clamp(std::fabs(*h), 0.0, 100.0) * 10;
    }

    void DirectionCommand() {
        const auto run = Number();
        const auto rise = run ? Number() : std::nullopt;
        if (rise) Rest();
        if (!run || !rise) {
            angle_ = 0;
            return;
        }
        if (*run != 0 || *rise != 0) angle_ = std::atan2(*rise, *run) * 180 / std::numbers::pi;
    }

    void CharacterSet() {
        const auto n = Number();
        charset_ = n ? PenNumber(*n) : 0;
        if (n) Rest();
    }

    // Text up to the end-of-text character; a carriage return goes back to the label's start, a
    // line feed one line down. The pen stands after the last character.
    void Label() {
        std::string line;
        std::size_t length = 0;
        const double rad = angle_ * std::numbers::pi / 180;
        const double ux = std::cos(rad), uy = std::sin(rad);  // along the text
        const double advance = 1.5 * width_ / kPlotterUnit;   // character cell, plotter units
        const double lineFeed = 2 * height_ / kPlotterUnit;
        double startX = x_, startY = y_;
        auto flush = [&] {
            if (!line.empty() && pen_ != 0)
                canvas_.Text(line, x_ * kPlotterUnit, y_ * kPlotterUnit, width_, height_, angle_);
            x_ = Bounded(x_ + ux * advance * static_cast<double>(line.size()));
            y_ = Bounded(y_ + uy * advance * static_cast<double>(line.size()));
            line.clear();
        };
        while (i_ < s_.size() && s_[i_] != kEndOfText) {
            const char c = s_[i_++];
            if (length >= kMaxLabel) continue;
            ++length;
            if (c == '\r') {
                flush();
                x_ = startX;
                y_ = startY;
            } else if (c == '\n') {
                flush();
                startX = Bounded(startX + uy * lineFeed);
                startY = Bounded(startY - ux * lineFeed);
                x_ = startX;
                y_ = startY;
            } else if (c == '}' && charset_ == 3 && !line.empty() && Umlaut(line.back())) {
                line.back() = *Umlaut(line.back());
            } else {
                line += c;
            }
        }
        if (i_ < s_.size()) ++i_;
        flush();
    }

    // ----- the encoded polyline -----

    // One number of the encoded polyline: base-64 (or base-32 in seven-bit mode) digits, least
    // significant first, the last one from the terminating range; the lowest bit is the sign.
    std::optional<double> Encoded() {
        std::uint64_t value = 0;
        std::uint64_t scale = 1;
        bool overflow = false;
        while (i_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[i_]);
            int digit = -1;
            bool last = false;
            if (sevenBit_) {
                if (c >= 63 && c <= 94) digit = c - 63;
                if (c >= 95 && c <= 126) digit = c - 95, last = true;
            } else {
                if (c >= 63 && c <= 126) digit = c - 63;
                if (c >= 191 && c <= 254) digit = c - 191, last = true;
            }
            if (digit < 0) {
                // A character outside the encoding: the number is cut off here.
                return std::nullopt;
            }
            ++i_;
            if (!overflow) {
                value += static_cast<std::uint64_t>(digit) * scale;
                if (scale > (std::uint64_t{1} << 50)) overflow = true;
                scale *= sevenBit_ ? 32 : 64;
            }
            if (last) {
                const double magnitude = static_cast<double>(value >> 1);
                return (value & 1) ? -magnitude : magnitude;
            }
        }
        return std::nullopt;
    }

    void EncodedPolyline() {
        bool up = false;
        bool absolute = false;
        double divisor = 1;
        while (i_ < s_.size() && s_[i_] != ';') {
            const char c = s_[i_];
            if (c == kEscape) return;
            if (c == ':' || c == '>') {
                ++i_;
                const auto n = Encoded();
                if (!n) continue;
                if (c == ':') {
                    pen_ = std::clamp(PenNumber(*n), 1, 15);
                    canvas_.Pen(pen_);
                } else {
                    divisor = std::ldexp(1.0, std::clamp(PenNumber(*n), 0, 26));
                }
                continue;
            }
            if (c == '<' || c == '=' || c == '7') {
                ++i_;
                if (c == '<') up = true;
                if (c == '=') absolute = true;
                if (c == '7') sevenBit_ = true;
                continue;
            }
            const auto dx = Encoded();
            if (!dx) {
                ++i_;  // not part of the encoding (a line break, a blank)
                continue;
            }
            const auto dy = Encoded();
            if (!dy) continue;
            const double x = absolute ? *dx / divisor : x_ + *dx / divisor;
            const double y = absolute ? *dy / divisor : y_ + *dy / divisor;
            To(x, y, !up);
            penDown_ = !up;
            up = false;
            absolute = false;
        }
        if (i_ < s_.size()) ++i_;
    }

    std::string_view s_;
    std::size_t i_ = 0;
    HpglCanvas& canvas_;
    HpglSummary summary_;
    double x_ = 0, y_ = 0;  // plotter units
    bool penDown_ = false;
    int pen_ = 1;
    int charset_ = 0;
    bool sevenBit_ = false;
    double width_ = kDefaultWidthCm * 10;  // mm
    double height_ = kDefaultHeightCm * 10;
    double angle_ = 0;
};

}  // namespace

HpglSummary ReadHpgl(std::string_view content, HpglCanvas& canvas) {
    return Reader(content, canvas).Run();
}

}  // namespace trb::help
