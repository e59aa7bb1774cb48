#include "cad/dxf_device.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

#include "cad/cad_colors.h"
#include "cad/cad_numbers.h"
#include "cad/cad_text.h"

namespace trb::cad {

DxfDevice::DxfDevice(std::ostream& out, CadSettings settings, bool polylineMode)
    : out_(out), settings_(std::move(settings)), polylineMode_(polylineMode) {}

void DxfDevice::Group(int code, std::string_view value) {
    char codeText[16];
    std::snprintf(codeText, sizeof codeText, "%3d\n", code);
    out_ << codeText << value << '\n';
}

void DxfDevice::Real(int code, real value) {
    Group(code, FixedText(value, settings_.dxfDecimals));
}

void DxfDevice::Compact(int code, real value) {
    Group(code, CompactText(value, settings_.format));
}

void DxfDevice::Entity(std::string_view name) {
    Group(0, name);
    Group(8, layer_);
}

void DxfDevice::Limits(real xmin, real ymin, real xmax, real ymax) {
    Group(0, "SECTION");
    Group(2, "HEADER");
    Group(9, "$DWGCODEPAGE");
    Group(3, DxfCodePage(settings_.format));
    const auto point = [this](std::string_view name, real x, real y) {
        Group(9, name);
        Real(10, x);
        Real(20, y);
    };
    point("$EXTMIN", xmin, ymin);
    point("$EXTMAX", xmax, ymax);
    point("$LIMMIN", xmin, ymin);
    point("$LIMMAX", xmax, ymax);
    Group(9, "$LTSCALE");
    Group(40, "15");
    Group(0, "ENDSEC");
}

void DxfDevice::LayerEntry(std::string_view name, int color, std::string_view lineType) {
    // Two configured layers of the same name would make the table ambiguous: the first wins.
    for (const std::string& written : tableLayers_) {
        if (written == name) return;
    }
    tableLayers_.emplace_back(name);
    Group(0, "LAYER");
    Group(2, name);
    Group(70, "0");
    Group(62, std::to_string(LayerColor(color)));
    Group(6, lineType);
}

void DxfDevice::Tables(int kind) {
    Group(0, "SECTION");
    Group(2, "TABLES");
    Group(0, "TABLE");
    Group(2, "LTYPE");
    Group(70, kind == 0 ? "6" : kind == 1 ? "17" : "23");

    Group(0, "LTYPE");
    Group(2, "CONTINUOUS");
    Group(70, "64");
    Group(3, "Ausgezogene Linie");
    Group(72, "65");
    Group(73, "0");
    Group(40, "0.0");

    Group(0, "LTYPE");
    Group(2, "DASHDOT");
    Group(70, "64");
    Group(3, "--. --. --.-");
    Group(72, "65");
    Group(73, "4");
    Group(40, "1.0");
    Group(49, "0.5");
    Group(49, "-0.25");
    Group(49, "0.0");
    Group(49, "-0.25");

    Group(0, "LTYPE");
    Group(2, "DASHED");
    Group(70, "64");
    Group(3, "- - - - - - ");
    Group(72, "65");
    Group(73, "2");
    Group(40, "0.375");
    Group(49, "0.25");
    Group(49, "-0.125");

    Group(0, "ENDTAB");
    Group(0, "TABLE");
    Group(2, "LAYER");
    Group(70, "24");
    tableLayers_.clear();
    if (kind == 1) {
        for (int n = 0; n <= 15; ++n) LayerEntry(std::to_string(n), n + 1, "CONTINUOUS");
    } else {
        static constexpr const char* kLineTypes[6] = {"CONTINUOUS", "DASHDOT",    "DASHED",
                                                      "CONTINUOUS", "CONTINUOUS", "CONTINUOUS"};
        LayerEntry("0", 1, kLineTypes[0]);
        for (std::size_t n = 1; n <= 5; ++n) {
            LayerEntry(StandardLayerName(settings_, static_cast<int>(n)), settings_.layerColors[n],
                       kLineTypes[n]);
        }
    }
    if (kind == 2) {
        for (std::size_t i = 0; i < 16; ++i) {
            LayerEntry(std::to_string(16 + i), settings_.penColors[i], "CONTINUOUS");
        }
    }

    Group(0, "ENDTAB");
    Group(0, "TABLE");
    Group(2, "STYLE");
    Group(70, "1");
    Group(0, "STYLE");
    Group(2, "STANDARD");
    Group(70, "0");
    Group(40, "0.0");
    Group(41, "1.0");
    Group(50, "0.0");
    Group(71, "0");
    Group(42, "3.5");
    std::string font = settings_.fontFile;
    for (char& c : font) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Group(3, font);
    Group(4, "");
    out_ << "0\nENDTAB\n";
    Group(0, "ENDSEC");
}

void DxfDevice::BlocksBegin() {
    Group(0, "SECTION");
    Group(2, "BLOCKS");
}

void DxfDevice::EndSection() {
    Group(0, "ENDSEC");
}

bool DxfDevice::BlockBegin(std::string_view name) {
    Entity("BLOCK");
    Group(2, name);
    Group(70, "0");
    Group(10, "0.0");
    Group(20, "0.0");
    return true;
}

void DxfDevice::BlockEnd() {
    Group(0, "ENDBLK");
}

void DxfDevice::EntitiesBegin() {
    Group(0, "SECTION");
    Group(2, "ENTITIES");
}

void DxfDevice::Pen(int n) {
    layer_ = PenLayerName(settings_, n);
    solidColor_ = 0;
}

void DxfDevice::SolidColor(int red, int green, int blue) {
    solidColor_ = NearestCadColor(red, green, blue);
}

bool DxfDevice::SamePoint(real x1, real y1, real x2, real y2) const {
    return FixedText(x1, settings_.dxfDecimals) == FixedText(x2, settings_.dxfDecimals) &&
           FixedText(y1, settings_.dxfDecimals) == FixedText(y2, settings_.dxfDecimals);
}

void DxfDevice::Line(real x1, real y1, real x2, real y2) {
    // A line whose ends are the same point in the file is left out: readers refuse it.
    if (SamePoint(x1, y1, x2, y2)) return;
    Entity("LINE");
    Real(10, x1);
    Real(20, y1);
    Real(11, x2);
    Real(21, y2);
}

void DxfDevice::Circle(real x, real y, real r) {
    if (SamePoint(x, y, x + std::fabs(r), y)) return;  // no radius left in the file
    Entity("CIRCLE");
    Real(10, x);
    Real(20, y);
    Real(40, r);
}

void DxfDevice::Arc(real x, real y, real phi1, real phi2, real r) {
    if (r == 0) return;
    if (IsFullTurn(phi1, phi2)) {
        Circle(x, y, r);
        return;
    }
    // Equal end angles would read as a full circle; an arc whose ends meet in the file is none.
    const real a1 = phi1 * kRadiansPerDegree, a2 = phi2 * kRadiansPerDegree;
    if (SamePoint(x, y, x + r, y) ||
        SamePoint(x + r * std::cos(a1), y + r * std::sin(a1), x + r * std::cos(a2), y + r * std::sin(a2)))
        return;
    Entity("ARC");
    Real(10, x);
    Real(20, y);
    Real(40, r);
    Real(50, phi1);
    Real(51, phi2);
}

void DxfDevice::Text(std::string_view text, real x, real y, const TextStyle& style) {
    if (text.empty()) return;
    Entity("TEXT");
    Real(10, x);
    Real(20, y);
    Real(40, style.height);
    Group(1, CadFileText(text, settings_.format));
    Group(7, "STANDARD");
    Compact(41, style.widthFactor);
    Compact(50, style.angle);
    Compact(51, style.oblique);
    if (style.align != TextAlign::Left) {
        Group(72, style.align == TextAlign::Center ? "1" : "2");
        Real(11, x);
        Real(21, y);
    }
}

void DxfDevice::Solid(real x1, real y1, real x2, real y2, real x3, real y3, real x4, real y4) {
    Entity("SOLID");
    if (solidColor_ != 0) Group(62, std::to_string(solidColor_));
    Real(10, x1);
    Real(20, y1);
    Real(11, x2);
    Real(21, y2);
    Real(12, x3);
    Real(22, y3);
    Real(13, x4);
    Real(23, y4);
}

void DxfDevice::PolylineBegin(int flags) {
    Entity("POLYLINE");
    Group(66, "1");
    if (flags != 0) Group(70, std::to_string(flags));
}

void DxfDevice::Vertex(real bulge, real x, real y) {
    Entity("VERTEX");
    Real(10, x);
    Real(20, y);
    if (bulge != 0) Real(42, bulge);
}

void DxfDevice::PolylineEnd() {
    Entity("SEQEND");
}

void DxfDevice::Insert(std::string_view name, real xscale, real yscale, real angle, real x, real y) {
    Entity("INSERT");
    Group(2, name);
    Real(10, x);
    Real(20, y);
    Real(41, xscale);
    Real(42, yscale);
    Real(50, angle);
}

void DxfDevice::Close() {
    Group(0, "EOF");
    out_.flush();
}

}  // namespace trb::cad
