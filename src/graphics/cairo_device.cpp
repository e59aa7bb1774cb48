#include "graphics/cairo_device.h"

#include "core/messages.h"
#include "graphics/palette.h"
#include "graphics/pen_look.h"
#include "graphics/print_mapping.h"
#include "text/cp850.h"

namespace trb::graphics {

CairoDevice::CairoDevice(const DriverSettings& settings, core::RunStatus& status, bool& abort,
                         DrawingSink sink)
    : settings_(settings), status_(status), abort_(abort), sink_(std::move(sink)) {
    drawing_.fontName = settings.graphicsFont.empty() ? "Arial" : settings.graphicsFont;
    drawing_.fontStyle = settings.graphicsFontStyle;
}

void CairoDevice::Limits(real xmin, real ymin, real xmax, real ymax) {
    drawing_.limits = {};
    drawing_.limits.Add(xmin, ymin);
    drawing_.limits.Add(xmax, ymax);
}

bool CairoDevice::BlockBegin(std::string_view name) {
    auto& entities = blocks_[std::string(name)];
    entities.clear();
    defining_ = &entities;
    return true;
}

void CairoDevice::BlockEnd() {
    defining_ = nullptr;
}

void CairoDevice::EntitiesBegin() {
    LineStyle(0);
}

void CairoDevice::Pen(int n) {
    pen_ = n;
    if (!defining_) UsePen(n);
}

void CairoDevice::UsePen(int n) {
    const PenLook look = LookOfPen(n, settings_);
    if (look.lineStyle) look_.lineStyle = *look.lineStyle;
    if (look.cadColor) look_.color = PaperColor(GetColorTurbo(*look.cadColor));
    look_.widthMm = PenWidthMm(look.width);
}

void CairoDevice::LineStyle(int n) {
    if (!defining_) look_.lineStyle = n;
}

void CairoDevice::Record(Entity entity) {
    entity.pen = pen_;
    if (defining_) {
        defining_->push_back(std::move(entity));
    } else {
        Draw(entity);
    }
}

void CairoDevice::Line(real x1, real y1, real x2, real y2) {
    Record({Kind::Line, 0, {x1, y1, x2, y2}, {}, {}});
}

void CairoDevice::Circle(real x, real y, real r) {
    Record({Kind::Circle, 0, {x, y, r}, {}, {}});
}

void CairoDevice::Arc(real x, real y, real phi1, real phi2, real r) {
    if (r == 0) return;
    Record({Kind::Arc, 0, {x, y, phi1, phi2, r}, {}, {}});
}

void CairoDevice::Text(std::string_view text, real x, real y, const cad::TextStyle& style) {
    if (text.empty()) return;
    Record({Kind::Text, 0, {x, y}, std::string(text), style});
}

void CairoDevice::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    Record({Kind::Solid, 0, {x1, y1, x2, y2, x3, y3, x4, y4}, {}, {}});
}

void CairoDevice::SolidColor(int red, int green, int blue) {
    if (!defining_) look_.color = {red, green, blue};
}

void CairoDevice::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    if (defining_) {
        Record({Kind::Insert, 0, {xscale, yscale, angle, x, y}, std::string(name), {}});
        return;
    }
    t_ = {};
    depth_ = 0;
    Place(std::string(name), xscale, yscale, angle, x, y, pen_);
}

void CairoDevice::Place(const std::string& name, real xscale, real yscale, real angle, real x, real y,
                        int penAfter) {
    if (depth_ + 1 > kMaxBlockDepth) {
        // Deeper than the screen goes (a block inserting itself): reported and left out.
        status_.AddMessage(core::MsgBlockNesting(depth_ + 1));
        abort_ = true;
        return;
    }
    const auto block = blocks_.find(name);
    if (block == blocks_.end()) return;
    const BlockTransform saved = t_;
    ++depth_;
    t_ = saved.Inner(x, y, angle, xscale, yscale);
    for (const Entity& entity : block->second) {
        UsePen(entity.pen);
        Draw(entity);
    }
    t_ = saved;
    --depth_;
    UsePen(penAfter);
}

void CairoDevice::Add(PaperShape shape, std::initializer_list<real> values) {
    PaperItem item;
    item.shape = shape;
    item.pen = look_;
    std::copy(values.begin(), values.end(), item.v.begin());
    drawing_.Add(std::move(item));
}

void CairoDevice::Draw(const Entity& e) {
    const auto& v = e.v;
    switch (e.kind) {
        case Kind::Line:
            Add(PaperShape::Line, {t_.X(v[0], v[1]), t_.Y(v[0], v[1]), t_.X(v[2], v[3]), t_.Y(v[2], v[3])});
            break;
        case Kind::Circle:
            Add(PaperShape::Circle, {t_.X(v[0], v[1]), t_.Y(v[0], v[1]), v[2] * t_.kx});
            break;
        case Kind::Arc:
            Add(PaperShape::Arc,
                {t_.X(v[0], v[1]), t_.Y(v[0], v[1]), v[2] + t_.angle, v[3] + t_.angle, v[4] * t_.kx});
            break;
        case Kind::Solid:
            // Stored in outline order: corners 1, 2, 4, 3.
            Add(PaperShape::Solid, {t_.X(v[0], v[1]), t_.Y(v[0], v[1]), t_.X(v[2], v[3]), t_.Y(v[2], v[3]),
                                    t_.X(v[6], v[7]), t_.Y(v[6], v[7]), t_.X(v[4], v[5]), t_.Y(v[4], v[5])});
            break;
        case Kind::Text: {
            PaperItem item;
            item.shape = PaperShape::Text;
            item.pen = look_;
            item.v[0] = t_.X(v[0], v[1]);
            item.v[1] = t_.Y(v[0], v[1]);
            item.text = text::OemToDisplayAll(e.text, settings_.cad.format);
            item.height = e.style.height * t_.ky;
            item.widthFactor = t_.ky != 0 ? e.style.widthFactor * t_.kx / t_.ky : e.style.widthFactor;
            item.angle = e.style.angle + t_.angle;
            item.oblique = e.style.oblique;
            drawing_.Add(std::move(item));
            break;
        }
        case Kind::Insert:
            Place(e.text, v[0], v[1], v[2], v[3], v[4], e.pen);
            break;
    }
}

void CairoDevice::Close() {
    if (closed_) return;
    closed_ = true;
    defining_ = nullptr;
    if (sink_) good_ = sink_(drawing_);
}

}  // namespace trb::graphics
