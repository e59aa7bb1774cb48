#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cad/device.h"
#include "core/run_status.h"
#include "graphics/block_replay.h"
#include "graphics/driver_settings.h"
#include "graphics/paper_drawing.h"

namespace trb::graphics {

// What becomes of a finished drawing (a PDF page, an SVG or PNG file); false when it could not
// be written.
using DrawingSink = std::function<bool(const PaperDrawing&)>;

// The drawing output device for paper: records the drawing in world millimetres with the pens in
// their colours on white paper (PaperColor) and their line widths, and hands it to its sink when it closes.
// Pens switch colour, line style and width as they do on the screen; blocks are kept in memory and an insert
// replays its block as the screen replays its block files: points placed by the insert's origin, angle and
// scales, radii scaled by the x scale, texts by both, nested up to four levels.
class CairoDevice : public cad::CadDevice {
  public:
    CairoDevice(const DriverSettings& settings, core::RunStatus& status, bool& abort, DrawingSink sink);

    void Limits(real xmin, real ymin, real xmax, real ymax) override;
    bool BlockBegin(std::string_view name) override;
    void BlockEnd() override;
    void EntitiesBegin() override;
    void Pen(int n) override;
    void LineStyle(int n) override;
    void Line(real x1, real y1, real x2, real y2) override;
    void Circle(real x, real y, real r) override;
    void Arc(real x, real y, real phi1, real phi2, real r) override;
    void Text(std::string_view text, real x, real y, const cad::TextStyle& style) override;
    void Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) override;
    // Paper has every colour: the solids that follow are drawn in it, until the next pen.
    void SolidColor(int red, int green, int blue) override;
    void Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) override;
    void Close() override;
    bool Good() const override { return good_; }

    const PaperDrawing& Drawing() const { return drawing_; }

  private:
    enum class Kind { Line, Circle, Arc, Text, Solid, Insert };
    // One entity of a block definition with the pen it was drawn with. Insert: the block name in
    // `text` and x scale, y scale, angle, x, y in `v`.
    struct Entity {
        Kind kind = Kind::Line;
        int pen = 0;
        std::array<real, 8> v{};
        std::string text;
        cad::TextStyle style;
    };

    void Record(Entity entity);
    void Draw(const Entity& entity);
    void Place(const std::string& name, real xscale, real yscale, real angle, real x, real y, int penAfter);
    void UsePen(int n);
    void Add(PaperShape shape, std::initializer_list<real> values);

    const DriverSettings& settings_;
    core::RunStatus& status_;
    bool& abort_;
    DrawingSink sink_;
    PaperDrawing drawing_;
    PaperPen look_;
    int pen_ = 0;
    bool good_ = true;
    bool closed_ = false;

    std::map<std::string, std::vector<Entity>, std::less<>> blocks_;
    std::vector<Entity>* defining_ = nullptr;
    BlockTransform t_;
    int depth_ = 0;
};

}  // namespace trb::graphics
