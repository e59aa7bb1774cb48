#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_settings.h"
#include "cad/device.h"

namespace trb::cad {

// Writes a drawing as an ASCII DXF file (two-dimensional entities, no handles): header with the
// limits, the line-type, layer and style tables, blocks and entities. Every item is a group
// code right-aligned in three characters and a value line. Reals have the configured number of
// decimals, the width factor and angles of texts the short number form.
// The same device writes the screen's block files and the plot file.
class DxfDevice : public CadDevice {
  public:
    // polylineMode: polylines are written as POLYLINE/VERTEX/SEQEND (otherwise the driver
    // sends them as lines and arcs).
    DxfDevice(std::ostream& out, CadSettings settings, bool polylineMode = true);

    void Limits(real xmin, real ymin, real xmax, real ymax) override;
    void Tables(int kind) override;
    void BlocksBegin() override;
    void EndSection() override;
    bool BlockBegin(std::string_view name) override;
    void BlockEnd() override;
    void EntitiesBegin() override;
    void Pen(int n) override;
    void Line(real x1, real y1, real x2, real y2) override;
    void Circle(real x, real y, real r) override;
    void Arc(real x, real y, real phi1, real phi2, real r) override;
    void Text(std::string_view text, real x, real y, const TextStyle& style) override;
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) override;
    // The nearest colour index, written with each solid until the next pen.
    void SolidColor(int red, int green, int blue) override;
    bool DrawsPolylines() const override { return polylineMode_; }
    void PolylineBegin(int flags) override;
    void Vertex(real bulge, real x, real y) override;
    void PolylineEnd() override;
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) override;
    void Close() override;
    bool Good() const override { return static_cast<bool>(out_); }

    const std::string& layer() const { return layer_; }

  private:
    void Group(int code, std::string_view value);
    void Real(int code, real value);
    // True when the two points are written as the same point.
    bool SamePoint(real x1, real y1, real x2, real y2) const;
    void Compact(int code, real value);
    void Entity(std::string_view name);  // 0 name, 8 layer
    void LayerEntry(std::string_view name, int color, std::string_view lineType);
    int LayerColor(int color) const { return settings_.monochromeLayers ? 1 : color; }

    std::ostream& out_;
    CadSettings settings_;
    bool polylineMode_;
    std::string layer_ = "0";
    int solidColor_ = 0;  // the colour index of the solids until the next pen; 0: the layer's
    std::vector<std::string> tableLayers_;  // names already in the layer table
};

}  // namespace trb::cad
