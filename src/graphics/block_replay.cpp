#include "graphics/block_replay.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "cad/cad_settings.h"
#include "config/input_file.h"
#include "core/messages.h"
#include "graphics/block_file.h"
#include "graphics/screen_device.h"
#include "graphics/vektor.h"

namespace trb::graphics {

BlockReplay::BlockReplay(GraphicsWindow& window, ScreenDevice& screen, const DriverSettings& settings,
                         core::RunStatus& status, bool& abort)
    : window_(window), screen_(screen), settings_(settings), status_(status), abort_(abort) {}

void BlockReplay::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    t_ = {};
    depth_ = 0;
    Place(name, xscale, yscale, angle, x, y, screen_.CurrentPen());
}

int BlockReplay::PenOfLayer(std::string_view layer) const {
    for (int n = 0; n <= 5; ++n) {
        if (layer == cad::PenLayerName(settings_.cad, n)) return n;
    }
    int pen = 0;
    std::from_chars(layer.data(), layer.data() + layer.size(), pen);
    return pen;
}

real BlockTransform::X(real px, real py) const {
    return ox + kx * px * CosDeg(angle) - ky * py * SinDeg(angle);
}

real BlockTransform::Y(real px, real py) const {
    return oy + kx * px * SinDeg(angle) + ky * py * CosDeg(angle);
}

BlockTransform BlockTransform::Inner(real x, real y, real turn, real xscale, real yscale) const {
    return {X(x, y), Y(x, y), angle + turn, kx * xscale, ky * yscale};
}

void BlockReplay::Place(std::string_view name, real xscale, real yscale, real angle, real x, real y,
                        int penAfter) {
    const BlockTransform saved = t_;
    if (depth_ + 1 > kMaxBlockDepth) {
        // Deeper nesting than the program supports (usually a block inserting itself): reported
        // and skipped, the drawing goes on.
        status_.AddMessage(core::MsgBlockNesting(depth_ + 1));
        abort_ = true;
        return;
    }
    ++depth_;
    t_ = saved.Inner(x, y, angle, xscale, yscale);
    const config::InputFile file =
        config::ReadInputFile(TempPath(settings_, BlockFileName(name)), kMaxBlockFileSize);
    if (file.status != config::InputStatus::Ok) {
        status_.AddMessage(core::kMsgBlockFolderInvalid);
        abort_ = true;
    } else {
        Draw(ParseBlockFile(file.content));
    }
    t_ = saved;
    --depth_;
    screen_.WindowPen(penAfter);
}

void BlockReplay::Draw(const std::vector<BlockEntity>& entities) {
    for (std::size_t i = 0; i < entities.size(); ++i) {
        const BlockEntity& e = entities[i];
        if (e.groups.count(8)) screen_.WindowPen(PenOfLayer(e.Text(8)));
        const real x = e.Number(10), y = e.Number(20);
        if (e.type == "LINE") {
            const real x2 = e.Number(11), y2 = e.Number(21);
            window_.line(t_.X(x, y), t_.Y(x, y), t_.X(x2, y2), t_.Y(x2, y2));
        } else if (e.type == "CIRCLE") {
            window_.circle(t_.X(x, y), t_.Y(x, y), e.Number(40) * t_.kx);
        } else if (e.type == "ARC") {
            window_.Arc(t_.X(x, y), t_.Y(x, y), e.Number(50) + t_.angle, e.Number(51) + t_.angle,
                        e.Number(40) * t_.kx);
        } else if (e.type == "TEXT") {
            const real h = e.Number(40);
            window_.SetTextStyle(2, e.Number(50) + t_.angle, h * t_.ky, h * e.Number(41, 1) * t_.kx);
            window_.OutTextXY(e.Text(1), t_.X(x, y), t_.Y(x, y));
        } else if (e.type == "SOLID") {
            window_.Solid(t_.X(x, y), t_.Y(x, y), t_.X(e.Number(11), e.Number(21)),
                          t_.Y(e.Number(11), e.Number(21)), t_.X(e.Number(12), e.Number(22)),
                          t_.Y(e.Number(12), e.Number(22)), t_.X(e.Number(13), e.Number(23)),
                          t_.Y(e.Number(13), e.Number(23)));
        } else if (e.type == "INSERT") {
            Place(e.Text(2), e.Number(41, 1), e.Number(42, 1), e.Number(50), x, y, PenOfLayer(e.Text(8)));
        } else if (e.type == "POLYLINE") {
            i = DrawPolyline(entities, i);
        }
    }
}

std::size_t BlockReplay::DrawPolyline(const std::vector<BlockEntity>& entities, std::size_t first) {
    const bool closed = (static_cast<int>(entities[first].Number(70)) & 1) != 0;
    std::vector<std::pair<Point, real>> vertices;  // transformed point, included angle
    std::size_t i = first + 1;
    for (; i < entities.size() && entities[i].type == "VERTEX"; ++i) {
        const BlockEntity& v = entities[i];
        const real x = v.Number(10), y = v.Number(20);
        real phi = 4 * std::atan(v.Number(42));
        if (t_.kx * t_.ky < 0) phi = -phi;  // a mirrored block turns its arcs around
        vertices.push_back({{t_.X(x, y), t_.Y(x, y)}, phi});
    }
    if (i >= entities.size() || entities[i].type != "SEQEND") {
        status_.AddMessage(core::kMsgBlockFileError);
        return i == entities.size() ? i : i - 1;
    }
    const std::size_t n = vertices.size();
    const std::size_t segments = closed ? n : (n == 0 ? 0 : n - 1);
    for (std::size_t k = 0; k < segments; ++k) {
        const auto& [p, phi] = vertices[k];
        const Point q = vertices[(k + 1) % n].first;
        if (phi == 0) {
            window_.line(p.x, p.y, q.x, q.y);
        } else if (auto arc = GetArcCenter(phi, p, q, status_)) {
            window_.Arc(arc->centre.x, arc->centre.y, RadToDeg(arc->start), RadToDeg(arc->end), arc->radius);
        }
    }
    return i;
}

}  // namespace trb::graphics
