#pragma once

#include "core/real.h"
#include "text/format_options.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

inline constexpr int kDiagramAsk = 0;
inline constexpr int kDiagramKinematic = 1;  // nu = f(T)
inline constexpr int kDiagramDynamic = 2;    // eta = f(T)

// The diagrams use a fixed lubricant density.
inline constexpr real kDiagramDensity = 900;

struct ViscosityDiagramOptions {
    text::FormatOptions format;
    // The limits dialog opens for outputs other than the screen.
    bool askLimits = false;
};

// The viscosity diagram of the lubricant with nu40 at the reference temperature tref: kind 1
// kinematic, 2 dynamic, 0 asks. Opens and closes the output device (0 = ask).
void DrawViscosityDiagram(Driver& driver, ui::Dialogs& dialogs, int device, int kind, real nu40, real tref,
                          real teff, const ViscosityDiagramOptions& options);

// The diagram itself into an opened driver, from the limits up to the end of the entity section.
// Stops without the frame and curve when the limits dialog is cancelled (abort flag set).
void WriteViscosityDiagram(Driver& driver, ui::Dialogs& dialogs, int kind, real nu40, real tref, real teff,
                           const ViscosityDiagramOptions& options);

}  // namespace trb::graphics
