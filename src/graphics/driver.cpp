#include "graphics/driver.h"

#include <cmath>

#include "graphics/screen_device.h"
#include "graphics/vektor.h"

namespace trb::graphics {

Driver::Driver(DriverContext context, DriverSettings settings)
    : ctx_(context), settings_(std::move(settings)) {
    symbolScale_ = settings_.dimensionFactor;
}

Driver::~Driver() = default;

void Driver::SetSettings(const DriverSettings& settings) {
    const int chosen = settings_.plotLineIndex;
    settings_ = settings;
    settings_.plotLineIndex = chosen;
}

void Driver::UseDevice(int code, std::unique_ptr<cad::CadDevice> device) {
    device_ = code;
    output_ = std::move(device);
}

ScreenDevice* Driver::ScreenOutput() {
    return Screen() ? dynamic_cast<ScreenDevice*>(output_.get()) : nullptr;
}

void Driver::CadLimits(real xmin, real ymin, real xmax, real ymax) {
    xmin_ = xmin;
    ymin_ = ymin;
    xmax_ = xmax;
    ymax_ = ymax;
    if (!output_) return;
    output_->Limits(xmin, ymin, xmax, ymax);
    if ((Screen() || device_ == kDevicePlot) && settings_.printBorder) {
        CadColor(19);
        CadRectangle(xmin, ymin, xmax, ymax);
    }
    if (Screen()) Footer();
}

void Driver::CadTables(int kind) {
    if (output_) output_->Tables(kind);
}

void Driver::CadBlocksBegin() {
    blockSection_ = true;
    if (output_) output_->BlocksBegin();
}

void Driver::CadEndSection() {
    blockSection_ = false;
    if (output_) output_->EndSection();
}

void Driver::CadBlockBegin(std::string_view name) {
    if (ctx_.abort || !output_) return;
    if (output_->BlockBegin(name)) {
        definedBlocks_.emplace(name);
    } else {
        ctx_.abort = true;
    }
}

void Driver::CadBlockEnd() {
    if (ctx_.abort) {
        // The block could not be recorded: the drawing goes on without it.
        ctx_.abort = false;
        return;
    }
    if (output_) output_->BlockEnd();
}

void Driver::CadEntitiesBegin() {
    if (!output_) return;
    output_->EntitiesBegin();
    Logos();
}

void Driver::Logos() {
    if (!Screen() && device_ != kDevicePlot) return;
    const real w = LimitWidth(), h = LimitHeight();
    // A logo is placed only when this drawing defined its block, so that no file refers to a
    // block it lacks.
    const auto place = [&](std::string_view name, real x, real y) {
        if (definedBlocks_.count(name) == 0) return;
        CadInsert(name, w / 480, h / 360, 0, x, y);
    };
    place("LOGO_2", xmin_ + 0.91L * w, ymin_ + 0.01L * h);
    place("LOGO_3", xmin_ + 0.91L * w, ymin_ + 0.96L * h);
}

void Driver::CadColor(int n) {
    if (n > 31) n = n % 16 + 16;
    if (n < 0) n = 0;
    pen_ = n;
    if (output_) output_->Pen(n);
}

void Driver::CadLineStyle(int n) {
    if (output_) output_->LineStyle(n);
}

void Driver::CadTextStyle(int font, real angle, real height, real width) {
    style_.font = font;
    style_.height = height;
    style_.width = width;
    style_.widthFactor = settings_.cadTextWidthFactor * (width != 0 && height != 0 ? width / height : 0.7L);
    style_.angle = angle;
    style_.oblique = settings_.obliqueAngle;
    if (ScreenDevice* screen = ScreenOutput()) screen->TextStyle(font, angle, height, width);
}

void Driver::CadText(std::string_view text, real x, real y) {
    if (text.empty() || !output_) return;
    output_->Text(text, x, y, style_);
}

void Driver::CadTextPosition(real x, real y) {
    textX_ = x;
    textY_ = y;
}

void Driver::CadTextLine(std::string_view text) {
    CadText(text, textX_, textY_);
    textY_ -= style_.height * 1.6L * lineSpacing_;
}

void Driver::CadMoveTo(real x, real y) {
    curX_ = x;
    curY_ = y;
}

void Driver::CadLineTo(real x, real y) {
    CadLine(curX_, curY_, x, y);
    curX_ = x;
    curY_ = y;
}

void Driver::CadPolarMoveTo(real r, real a) {
    CadMoveTo(r * std::cos(a), r * std::sin(a));
}

void Driver::CadPolarLineTo(real r, real a) {
    CadLineTo(r * std::cos(a), r * std::sin(a));
}

void Driver::CadRectangle(real x1, real y1, real x2, real y2) {
    CadMoveTo(x1, y1);
    CadLineTo(x1, y2);
    CadLineTo(x2, y2);
    CadLineTo(x2, y1);
    CadLineTo(x1, y1);
}

void Driver::CadLine(real x1, real y1, real x2, real y2) {
    // A line without length is no entity: CAD readers refuse it ("start and terminate points are
    // the same").
    if (!output_ || std::hypot(x2 - x1, y2 - y1) < kShortestEntity) return;
    output_->Line(x1, y1, x2, y2);
}

void Driver::CadCircle(real x, real y, real r) {
    if (output_ && std::fabs(r) >= kShortestEntity) output_->Circle(x, y, r);
}

void Driver::CadArc(real x, real y, real phi1, real phi2, real r) {
    if (!output_ || std::fabs(r) < kShortestEntity) return;
    // An arc without sweep is no entity (a device would take equal end angles for a full circle);
    // a full turn is a full circle.
    const real sweep = phi2 - phi1;
    if (std::fabs(sweep) < 360 - 1e-9L) {
        real reduced = std::fmod(sweep, 360.0L);
        if (reduced < 0) reduced += 360;
        if (DegToRad(std::min(reduced, 360 - reduced)) * std::fabs(r) < kShortestEntity) return;
    }
    output_->Arc(x, y, phi1, phi2, r);
}

void Driver::CadSolid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    if (output_) output_->Solid(x1, y1, x2, y2, x3, y3, x4, y4);
}

void Driver::CadSolidColor(int red, int green, int blue) {
    if (output_) output_->SolidColor(red, green, blue);
}

void Driver::CadPolylineBegin(int flags) {
    polylineFlags_ = flags;
    vertexCount_ = 0;
    previousPhi_ = 0;
    if (output_ && output_->DrawsPolylines()) output_->PolylineBegin(flags);
}

void Driver::PolylineSegmentTo(real x, real y) {
    if (previousPhi_ == 0) {
        CadLine(curX_, curY_, x, y);
    } else if (auto arc = GetArcCenter(previousPhi_, {curX_, curY_}, {x, y}, ctx_.status)) {
        CadArc(arc->centre.x, arc->centre.y, RadToDeg(arc->start), RadToDeg(arc->end), arc->radius);
    }
    curX_ = x;
    curY_ = y;
}

void Driver::CadVertex(real phi, real x, real y) {
    if (!output_) return;
    if (output_->DrawsPolylines()) {
        output_->Vertex(std::tan(phi / 4), x, y);
        return;
    }
    if (vertexCount_ == 0) {
        curX_ = firstX_ = x;
        curY_ = firstY_ = y;
    } else {
        PolylineSegmentTo(x, y);
    }
    previousPhi_ = phi;
    ++vertexCount_;
}

void Driver::CadPolylineEnd() {
    if (!output_) return;
    if (output_->DrawsPolylines()) {
        output_->PolylineEnd();
        return;
    }
    // A closed polyline gets its closing side on every device, as DXF readers draw it.
    if ((polylineFlags_ & 1) != 0 && vertexCount_ >= 2 && (curX_ != firstX_ || curY_ != firstY_)) {
        PolylineSegmentTo(firstX_, firstY_);
    }
    vertexCount_ = 0;
}

void Driver::CadInsert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    if (output_) output_->Insert(name, xscale, yscale, angle, x, y);
}

}  // namespace trb::graphics
