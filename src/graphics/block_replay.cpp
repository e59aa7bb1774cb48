#include "graphics/block_replay.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <vector>

#include "cad/cad_settings.h"
#include "core/messages.h"
#include "graphics/screen_device.h"
#include "graphics/vektor.h"

namespace trb::graphics {

namespace {

std::string Trim(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    std::size_t start = 0;
    while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) ++start;
    return s.substr(start);
}

// One entity of a block file: its type and its groups (the last value of each code).
}  // namespace

struct BlockEntity {
    std::string type;
    std::map<int, std::string> groups;

    real Number(int code, real fallback = 0) const {
        const auto it = groups.find(code);
        if (it == groups.end()) return fallback;
        real value = 0;
        const std::string& text = it->second;
        const char* begin = text.c_str();
        if (*begin == '+') ++begin;
        const auto result = std::from_chars(begin, text.c_str() + text.size(), value);
        return result.ec == std::errc() ? value : fallback;
    }
    std::string Text(int code) const {
        const auto it = groups.find(code);
        return it == groups.end() ? std::string() : it->second;
    }
};

namespace {

// Reads group-code/value pairs up to "EOF" or the end of the stream. False when a code line
// does not hold a number (the rest of the file is then ignored).
bool ReadEntities(std::istream& in, std::vector<BlockEntity>& entities) {
    std::string codeLine, value;
    while (std::getline(in, codeLine) && std::getline(in, value)) {
        codeLine = Trim(codeLine);
        value = Trim(value);
        int code = 0;
        const auto result = std::from_chars(codeLine.data(), codeLine.data() + codeLine.size(), code);
        if (result.ec != std::errc()) return false;
        if (code == 0) {
            if (value == "EOF") return true;
            entities.push_back({value, {}});
        } else if (!entities.empty()) {
            entities.back().groups[code] = value;
        }
    }
    return true;
}

}  // namespace

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

real BlockReplay::TX(real px, real py) const {
    return t_.ox + t_.kx * px * CosDeg(t_.angle) - t_.ky * py * SinDeg(t_.angle);
}

real BlockReplay::TY(real px, real py) const {
    return t_.oy + t_.kx * px * SinDeg(t_.angle) + t_.ky * py * CosDeg(t_.angle);
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
    t_ = {TX(x, y), TY(x, y), saved.angle + angle, saved.kx * xscale, saved.ky * yscale};
    std::ifstream in(TempPath(settings_, BlockFileName(name)));
    if (!in) {
        status_.AddMessage(core::kMsgBlockFolderInvalid);
        abort_ = true;
    } else {
        std::vector<BlockEntity> entities;
        ReadEntities(in, entities);
        Draw(entities);
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
            window_.line(TX(x, y), TY(x, y), TX(x2, y2), TY(x2, y2));
        } else if (e.type == "CIRCLE") {
            window_.circle(TX(x, y), TY(x, y), e.Number(40) * t_.kx);
        } else if (e.type == "ARC") {
            window_.Arc(TX(x, y), TY(x, y), e.Number(50) + t_.angle, e.Number(51) + t_.angle,
                        e.Number(40) * t_.kx);
        } else if (e.type == "TEXT") {
            const real h = e.Number(40);
            window_.SetTextStyle(2, e.Number(50) + t_.angle, h * t_.ky, h * e.Number(41, 1) * t_.kx);
            window_.OutTextXY(e.Text(1), TX(x, y), TY(x, y));
        } else if (e.type == "SOLID") {
            window_.Solid(TX(x, y), TY(x, y), TX(e.Number(11), e.Number(21)), TY(e.Number(11), e.Number(21)),
                          TX(e.Number(12), e.Number(22)), TY(e.Number(12), e.Number(22)),
                          TX(e.Number(13), e.Number(23)), TY(e.Number(13), e.Number(23)));
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
        vertices.push_back({{TX(x, y), TY(x, y)}, phi});
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
