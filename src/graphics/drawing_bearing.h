#pragma once

#include "core/record.h"
#include "text/format_options.h"

namespace trb::graphics {

class Driver;

// The front view of the bush ("VA") at full scale about the origin; the load acts downward. The
// supply feature is drawn dashed with pressure lubrication only.
void DrawFrontView(Driver& driver, const core::TRBrecord& record);

// The axial section of the bush ("SA") at full scale: axis along x from 0 to B, diameters
// upward, hatched walls with the supply feature, and the dimensions of bore, outer diameter,
// width and supply feature.
void DrawSection(Driver& driver, const core::TRBrecord& record, const text::FormatOptions& format);

}  // namespace trb::graphics
