#include "graphics/paper_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace trb::graphics {

namespace {

constexpr double kPi = std::numbers::pi;

double D(real value) {
    return static_cast<double>(value);
}

double Radians(real degrees) {
    return D(degrees) * kPi / 180;
}

// Characters of a UTF-8 text.
std::size_t CharacterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Dash patterns in sheet millimetres, after the line types of technical drawings.
void SetDashes(cairo_t* cr, int style) {
    static constexpr double kDotted[] = {0.3, 1.2};
    static constexpr double kDashDot[] = {8.0, 1.5, 0.5, 1.5};
    static constexpr double kDashed[] = {3.0, 1.5};
    switch (style) {
        case 1:
            cairo_set_dash(cr, kDotted, 2, 0);
            break;
        case 2:
            cairo_set_dash(cr, kDashDot, 4, 0);
            break;
        case 3:
            cairo_set_dash(cr, kDashed, 2, 0);
            break;
        default:
            cairo_set_dash(cr, nullptr, 0, 0);
    }
}

// The proportions of the drawing font: capital height and mean character advance per unit of
// font size, measured once per painting.
struct FontProportions {
    double capital = 0.7;
    double advance = 0.55;
};

FontProportions MeasureFont(cairo_t* cr) {
    constexpr double kSize = 100;
    FontProportions p;
    cairo_save(cr);
    cairo_set_font_size(cr, kSize);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "H", &extents);
    if (extents.height > 0) p.capital = extents.height / kSize;
    static constexpr char kSample[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    cairo_text_extents(cr, kSample, &extents);
    if (extents.x_advance > 0) p.advance = extents.x_advance / kSize / (sizeof(kSample) - 1);
    cairo_restore(cr);
    return p;
}

class Painter {
  public:
    Painter(cairo_t* cr, const PaperDrawing& drawing, const SheetMapping& m) : cr_(cr), m_(m) {
        cairo_matrix_init(&world_, D(m.ax), 0, 0, D(m.ay), D(m.bx), D(m.by));
        cairo_select_font_face(
            cr_, drawing.fontName.c_str(),
            (drawing.fontStyle & 2) != 0 ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            (drawing.fontStyle & 1) != 0 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        // Unhinted outlines and metrics, so that texts have the same size at every resolution.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_set_font_options(cr_, options);
        cairo_font_options_destroy(options);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
        font_ = MeasureFont(cr_);
    }

    void Paint(const PaperItem& item) {
        Use(item.pen);
        switch (item.shape) {
            case PaperShape::Line:
                InWorld([&] {
                    cairo_move_to(cr_, D(item.v[0]), D(item.v[1]));
                    cairo_line_to(cr_, D(item.v[2]), D(item.v[3]));
                });
                cairo_stroke(cr_);
                break;
            case PaperShape::Circle:
                if (!(item.v[2] > 0)) return;
                InWorld([&] {
                    cairo_new_sub_path(cr_);
                    cairo_arc(cr_, D(item.v[0]), D(item.v[1]), D(item.v[2]), 0, 2 * kPi);
                });
                cairo_stroke(cr_);
                break;
            case PaperShape::Arc:
                PaintArc(item);
                break;
            case PaperShape::Solid:
                InWorld([&] {
                    cairo_move_to(cr_, D(item.v[0]), D(item.v[1]));
                    for (std::size_t i = 2; i < 8; i += 2) cairo_line_to(cr_, D(item.v[i]), D(item.v[i + 1]));
                    cairo_close_path(cr_);
                });
                cairo_fill(cr_);
                break;
            case PaperShape::Text:
                PaintText(item);
                break;
        }
    }

  private:
    // Builds a path in world coordinates; it is stroked in sheet millimetres afterwards.
    template <typename F>
    void InWorld(F build) {
        cairo_save(cr_);
        cairo_transform(cr_, &world_);
        build();
        cairo_restore(cr_);
    }

    void Use(const PaperPen& pen) {
        if (pen_ && *pen_ == pen) return;
        cairo_set_source_rgb(cr_, pen.color.red / 255.0, pen.color.green / 255.0, pen.color.blue / 255.0);
        cairo_set_line_width(cr_, D(pen.widthMm));
        SetDashes(cr_, pen.lineStyle);
        pen_ = pen;
    }

    void PaintArc(const PaperItem& item) {
        if (!(item.v[4] > 0)) return;
        const double from = Radians(item.v[2]);
        double to = Radians(item.v[3]);
        // Counter-clockwise from the first angle; equal angles are a full turn.
        while (to <= from) to += 2 * kPi;
        InWorld([&] {
            cairo_new_sub_path(cr_);
            cairo_arc(cr_, D(item.v[0]), D(item.v[1]), D(item.v[4]), from, to);
        });
        cairo_stroke(cr_);
    }

    void PaintText(const PaperItem& item) {
        if (item.text.empty() || !(item.height > 0)) return;
        const double height = D(item.height) * std::fabs(D(m_.ay));
        const double size = height / font_.capital;
        const double advance = D(item.height * item.widthFactor) * std::fabs(D(m_.ax));
        if (!(size > 0) || !(advance > 0)) return;
        cairo_save(cr_);
        cairo_translate(cr_, D(m_.ax * item.v[0] + m_.bx), D(m_.ay * item.v[1] + m_.by));
        cairo_rotate(cr_, -Radians(item.angle));
        if (item.oblique != 0) {
            // Slanted to the right for a positive oblique angle (the sheet's y runs downward).
            cairo_matrix_t slant;
            cairo_matrix_init(&slant, 1, 0, -std::tan(Radians(item.oblique)), 1, 0, 0);
            cairo_transform(cr_, &slant);
        }
        cairo_matrix_t font;
        cairo_matrix_init_scale(&font, advance / font_.advance, size);
        cairo_set_font_matrix(cr_, &font);
        cairo_move_to(cr_, 0, 0);
        cairo_show_text(cr_, item.text.c_str());
        cairo_new_path(cr_);
        cairo_restore(cr_);
    }

    cairo_t* cr_;
    const SheetMapping& m_;
    cairo_matrix_t world_;
    FontProportions font_;
    std::optional<PaperPen> pen_;
};

}  // namespace

void WorldBox::Add(real x, real y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (!seen) {
        seen = true;
        x1 = x2 = x;
        y1 = y2 = y;
        return;
    }
    x1 = std::min(x1, x);
    x2 = std::max(x2, x);
    y1 = std::min(y1, y);
    y2 = std::max(y2, y);
}

WorldBox Intersection(const WorldBox& a, const WorldBox& b) {
    WorldBox r;
    if (!a.seen || !b.seen) return r;
    r.x1 = std::max(a.x1, b.x1);
    r.y1 = std::max(a.y1, b.y1);
    r.x2 = std::min(a.x2, b.x2);
    r.y2 = std::min(a.y2, b.y2);
    r.seen = r.x1 <= r.x2 && r.y1 <= r.y2;
    return r;
}

void PaperDrawing::Add(PaperItem item) {
    const auto& v = item.v;
    const auto both = [&](real x, real y) {
        lines.Add(x, y);
        all.Add(x, y);
    };
    switch (item.shape) {
        case PaperShape::Line:
            both(v[0], v[1]);
            both(v[2], v[3]);
            break;
        case PaperShape::Circle:
            both(v[0] - v[2], v[1] - v[2]);
            both(v[0] + v[2], v[1] + v[2]);
            break;
        case PaperShape::Arc:
            // The whole circle counts, as it does when the screen's drawing is printed.
            both(v[0] - v[4], v[1] - v[4]);
            both(v[0] + v[4], v[1] + v[4]);
            break;
        case PaperShape::Solid:
            for (std::size_t i = 0; i < 8; i += 2) both(v[i], v[i + 1]);
            break;
        case PaperShape::Text: {
            // The text's cell: its characters side by side, one height tall, turned about its start.
            const real length = item.height * item.widthFactor * static_cast<real>(CharacterCount(item.text));
            const real a = item.angle * std::numbers::pi_v<real> / 180;
            const real c = std::cos(a), s = std::sin(a);
            for (const auto& [x, y] :
                 {std::pair<real, real>{0, 0}, {length, 0}, {0, item.height}, {length, item.height}})
                all.Add(v[0] + x * c - y * s, v[1] + x * s + y * c);
            break;
        }
    }
    items.push_back(std::move(item));
}

void PaintDrawing(cairo_t* cr, const PaperDrawing& drawing, const SheetMapping& mapping) {
    cairo_save(cr);
    Painter painter(cr, drawing, mapping);
    for (const PaperItem& item : drawing.items) painter.Paint(item);
    cairo_restore(cr);
}

}  // namespace trb::graphics
