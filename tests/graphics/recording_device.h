#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cad/device.h"

namespace trb::graphics::testing {

// Writes every call as one line ("Line 0 0 10 5"), numbers with up to 6 significant digits.
class RecordingDevice : public cad::CadDevice {
  public:
    explicit RecordingDevice(bool polylines = false) : polylines_(polylines) {}

    std::vector<std::string> calls;

    void Open() override { Add("Open"); }
    void Limits(real a, real b, real c, real d) override { Add("Limits", {a, b, c, d}); }
    void Tables(int kind) override { Add("Tables", {static_cast<real>(kind)}); }
    void BlocksBegin() override { Add("BlocksBegin"); }
    void EndSection() override { Add("EndSection"); }
    bool BlockBegin(std::string_view name) override {
        Add("BlockBegin " + std::string(name));
        return acceptBlocks;
    }
    void BlockEnd() override { Add("BlockEnd"); }
    void EntitiesBegin() override { Add("EntitiesBegin"); }
    void Pen(int n) override { Add("Pen", {static_cast<real>(n)}); }
    void LineStyle(int n) override { Add("LineStyle", {static_cast<real>(n)}); }
    void Line(real a, real b, real c, real d) override { Add("Line", {a, b, c, d}); }
    void Circle(real x, real y, real r) override { Add("Circle", {x, y, r}); }
    void Arc(real x, real y, real p1, real p2, real r) override { Add("Arc", {x, y, p1, p2, r}); }
    void Text(std::string_view text, real x, real y, const cad::TextStyle& style) override {
        Add("Text " + std::string(text), {x, y, style.height, style.widthFactor, style.angle});
    }
    void Solid(real a, real b, real c, real d, real e, real f, real g, real h) override {
        Add("Solid", {a, b, c, d, e, f, g, h});
    }
    bool DrawsPolylines() const override { return polylines_; }
    void PolylineBegin(int flags) override { Add("PolylineBegin", {static_cast<real>(flags)}); }
    void Vertex(real bulge, real x, real y) override { Add("Vertex", {bulge, x, y}); }
    void PolylineEnd() override { Add("PolylineEnd"); }
    void Insert(std::string_view name, real xs, real ys, real angle, real x, real y) override {
        Add("Insert " + std::string(name), {xs, ys, angle, x, y});
    }
    void Close() override { Add("Close"); }

    bool acceptBlocks = true;
    // Receives a copy of every call (the driver drops its device when the drawing closes).
    std::vector<std::string>* mirror = nullptr;

    // The calls that start with `prefix`.
    std::vector<std::string> With(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls) {
            if (c.starts_with(prefix)) out.push_back(c);
        }
        return out;
    }

  private:
    void Add(std::string name, std::initializer_list<real> values = {}) {
        for (real v : values) {
            char buffer[40];
            const double d = static_cast<double>(v);
            std::snprintf(buffer, sizeof buffer, " %.6g", std::abs(d) < 1e-12 ? 0.0 : d);  // no "-0"
            name += buffer;
        }
        if (mirror) mirror->push_back(name);
        calls.push_back(name);
    }
    bool polylines_;
};

}  // namespace trb::graphics::testing
