#include "graphics/pen_look.h"

namespace trb::graphics {

PenLook LookOfPen(int n, const DriverSettings& settings) {
    const cad::CadSettings& cad = settings.cad;
    PenLook look;
    if (n >= 0 && n <= 5 && cad.layerMode == 0) {
        look.lineStyle = n == 1 ? 2 : n == 2 ? 3 : 0;
        look.cadColor = cad.layerColors[static_cast<std::size_t>(n)];
    } else {
        if (cad.layerMode == 0) look.lineStyle = 0;
        if (n >= 16 && n <= 31 && cad.layerMode != 2) {
            look.cadColor = cad.penColors[static_cast<std::size_t>(n - 16)];
        } else if (n == 0 && cad.layerMode == 2) {
            look.cadColor = 0;
        }
    }
    if (n >= 1 && n <= 5) {
        look.width = settings.layerWidths[static_cast<std::size_t>(n)];
    } else if (n >= 16 && n <= 31) {
        const int w = settings.penWidths[static_cast<std::size_t>(n - 16)];
        if (w >= 2 && w <= 50) look.width = w;
    }
    return look;
}

}  // namespace trb::graphics
