#include "graphics/replay.h"

#include <cmath>

namespace trb::graphics {

namespace {

constexpr std::size_t kYieldInterval = 50000;

class Replayer {
  public:
    Replayer(GraphicsWindow& window, ReplayCanvas& screen, const PrintTarget* print)
        : window_(window), view_(window.MutableView()), screen_(screen), print_(print) {}

    bool Run() {
        window_.SetWaitCursor();
        window_.ResetWriteState();
        borderDue_ = print_ && print_->border;
        const auto& commands = window_.List().Commands();
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (i % kYieldInterval == 0) screen_.Yield();
            if (!Execute(commands[i])) {
                window_.SetOldCursor();
                return false;
            }
        }
        window_.SetOldCursor();
        return true;
    }

  private:
    PixelPoint S(real x, real y) const { return {view_.X(x), view_.Y(y)}; }
    PixelPoint P(real x, real y) const { return print_->mapping.Map(view_, x, y); }

    void DrawBorder() {
        borderDue_ = false;
        print_->canvas->SetColor(print_->colorMode == 2 ? Rgb{0, 255, 255} : Rgb{});
        const PixelPoint a = P(view_.xmin, view_.ymin), b = P(view_.xmin, view_.ymax);
        const PixelPoint c = P(view_.xmax, view_.ymax), d = P(view_.xmax, view_.ymin);
        print_->canvas->Line(a, b);
        print_->canvas->Line(b, c);
        print_->canvas->Line(c, d);
        print_->canvas->Line(d, a);
        // The border's colour lasts until the list sets one.
        if (color_ >= 0 && color_ <= kMaxColor)
            print_->canvas->SetColor(PrinterColor(color_, print_->colorMode));
    }

    void Ellipse(real x, real y, real r) {
        const PixelPoint c = S(x, y);
        const int rx = view_.LengthX(r), ry = view_.LengthY(r);
        screen_.Ellipse({c.x - rx, c.y - ry}, {c.x + rx, c.y + ry});
        if (print_) print_->canvas->Ellipse(P(x - r, y + r), P(x + r, y - r));
    }

    template <typename F>
    void Both(F draw) {
        draw(screen_, [this](real x, real y) { return S(x, y); });
        if (print_) draw(*print_->canvas, [this](real x, real y) { return P(x, y); });
    }

    bool Execute(const DisplayCommand& c) {
        const auto& v = c.v;
        switch (c.code) {
            case 1:
                Both([&](ReplayCanvas& k, auto map) { k.MoveTo(map(v[0], v[1])); });
                break;
            case 2:
                Both([&](ReplayCanvas& k, auto map) { k.LineTo(map(v[0], v[1])); });
                break;
            case 3:
                // Centre and radius are rounded each on its own, so a circle is exactly as wide
                // as high whenever the two scales are equal.
                Ellipse(v[0], v[1], v[2]);
                break;
            case 4:
                Both([&](ReplayCanvas& k, auto map) { k.Line(map(v[0], v[1]), map(v[2], v[3])); });
                break;
            case 5:
                Both([&](ReplayCanvas& k, auto map) {
                    k.Arc(map(v[0], v[3]), map(v[2], v[1]), map(v[4], v[5]), map(v[6], v[7]));
                });
                break;
            case 6:
                DrawText(c);
                break;
            case 7:
                Both([&](ReplayCanvas& k, auto map) {
                    // A solid's corners come as a DXF SOLID's: its outline runs 1, 2, 4, 3.
                    const PixelPoint points[4] = {map(v[0], v[1]), map(v[2], v[3]), map(v[6], v[7]),
                                                  map(v[4], v[5])};
                    k.Polygon(points);
                });
                break;
            case 8:
                SetColor(static_cast<int>(v[0]));
                break;
            case 9:
                textHeight_ = v[0] * 1.6L * window_.Settings().textHeightFactor;
                textWidth_ = v[1] * 1.1L * window_.Settings().textWidthFactor;
                textAngle_ = v[3];
                break;
            case 10: {
                const ZoomRect zoom = view_.zoom;
                view_.left = RoundPixel(v[0]);
                view_.top = RoundPixel(v[1]);
                view_.right = RoundPixel(v[2]);
                view_.bottom = RoundPixel(v[3]);
                view_.xmin = v[4];
                view_.ymin = v[5];
                view_.xmax = v[6];
                view_.ymax = v[7];
                if (view_.xmin == view_.xmax || view_.ymin == view_.ymax) return false;
                view_.SetScale(zoom.x1, zoom.y1, zoom.x2, zoom.y2);
                if (borderDue_) DrawBorder();
                break;
            }
            case 11: {
                const PenStyle style = PenStyleOf(static_cast<int>(v[0]));
                screen_.SetPenStyle(style);
                if (print_) print_->canvas->SetPenStyle(style);
                break;
            }
            case 12: {
                const int width = static_cast<int>(v[0]);
                screen_.SetPenWidth(width);
                if (print_) print_->canvas->SetPenWidth(print_->mapping.PenWidth(width));
                break;
            }
            case 13:
                if (!print_) screen_.Sleep(static_cast<int>(v[0]));
                break;
            case 14:
                SetSolidColor({static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2])});
                break;
            default:
                break;
        }
        return true;
    }

    void SetColor(int n) {
        const WindowSettings& s = window_.Settings();
        if (n >= 1 && n <= kMaxColor) {
            screen_.SetColor(s.colorMode ? PaletteColor(n) : Rgb{});
            if (print_) print_->canvas->SetColor(PrinterColor(n, print_->colorMode));
        } else if (n == 0) {
            screen_.SetColor(s.background);
            if (print_) print_->canvas->SetColor(PrinterColor(0, print_->colorMode));
        } else {
            return;
        }
        color_ = n;
    }

    // A colour map's step: in its colour, or in its grey where the screen or the paper is black and
    // white, so that the steps stay apart.
    void SetSolidColor(Rgb color) {
        screen_.SetColor(window_.Settings().colorMode ? color : GreyOf(color));
        if (print_) print_->canvas->SetColor(print_->colorMode == 2 ? color : GreyOf(color));
    }

    void DrawText(const DisplayCommand& c) {
        const WindowSettings& s = window_.Settings();
        PixelText t;
        t.text = c.text;
        t.fontName = s.fontName;
        const int style = s.fontStyle >= 1 && s.fontStyle <= 15 ? s.fontStyle : 0;
        t.bold = (style & 1) != 0;
        t.italic = (style & 2) != 0;
        t.underline = (style & 4) != 0;
        t.strikeOut = (style & 8) != 0;
        t.escapement = RoundPixel(10 * textAngle_);
        if (print_) {
            // Texts go to the paper only, in the paper's colours.
            t.color =
                PrinterColor(color_ >= 0 && color_ <= kMaxColor ? color_ : kMaxColor, print_->colorMode);
        } else if (color_ == 0) {
            t.color = s.background;
        } else if (!s.colorMode) {
            t.color = {};
        } else if (color_ >= 1 && color_ <= 15) {
            t.color = PaletteColor(color_);
        } else {
            t.keepColor = true;
        }
        const TextOrigin o = TextReferencePoint(c.v[0], c.v[1], textHeight_, textAngle_);
        if (print_) {
            t.height = print_->mapping.TextHeight(view_, textHeight_);
            t.width = print_->mapping.TextWidth(view_, textWidth_);
            t.origin = P(o.x, o.y);
            print_->canvas->Text(t);
        } else {
            t.height = view_.LengthY(textHeight_);
            t.width = view_.LengthX(textWidth_);
            t.origin = S(o.x, o.y);
            screen_.Text(t);
        }
    }

    GraphicsWindow& window_;
    View& view_;
    ReplayCanvas& screen_;
    const PrintTarget* print_;
    int color_ = 1;
    bool borderDue_ = false;
    real textHeight_ = 3.5L;
    real textWidth_ = 3.5L;
    real textAngle_ = 0;
};

}  // namespace

void Replay(GraphicsWindow& window, ReplayCanvas& screen, const PrintTarget* print, bool& abort) {
    if (print && !print->canvas) print = nullptr;
    Replayer replayer(window, screen, print);
    if (!replayer.Run()) abort = true;
}

}  // namespace trb::graphics
