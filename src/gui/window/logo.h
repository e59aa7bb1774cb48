#pragma once

namespace trb::graphics {
class GraphicsWindow;
}

namespace trb::gui {

// The maker's logo, drawn as solids in the window (0.1, 0.05)-(0.95, 0.95) of the screen with the
// world (0, 0)-(36.9, 32).
void DrawMakerLogo(graphics::GraphicsWindow& window, bool& abort);

}  // namespace trb::gui
