#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "cad/cad_settings.h"
#include "cad/device.h"

namespace trb::cad {

// The plain text dump of a drawing: one tab-separated line per entity, block and section mark,
// reals with the DXF decimals and the display decimal separator. Pens write nothing, and
// polylines arrive from the driver as lines and arcs.
class TextDumpDevice : public CadDevice {
  public:
    TextDumpDevice(std::ostream& out, CadSettings settings);

    void Limits(real xmin, real ymin, real xmax, real ymax) override;
    void BlocksBegin() override;
    bool BlockBegin(std::string_view name) override;
    void BlockEnd() override;
    void EntitiesBegin() override;
    void Pen(int) override {}
    void Line(real x1, real y1, real x2, real y2) override;
    void Circle(real x, real y, real r) override;
    void Arc(real x, real y, real phi1, real phi2, real r) override;
    void Text(std::string_view text, real x, real y, const TextStyle& style) override;
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) override;
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) override;
    void Close() override;
    bool Good() const override { return static_cast<bool>(out_); }

  private:
    // The keyword, then each field after a tab.
    void Row(std::string_view keyword, std::initializer_list<real> values);
    std::string Number(real value) const;

    std::ostream& out_;
    CadSettings settings_;
};

}  // namespace trb::cad
