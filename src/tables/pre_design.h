#pragma once

#include <string>
#include <vector>

#include "core/iso286.h"
#include "core/real.h"
#include "core/record.h"
#include "tables/table_access.h"
#include "text/format_options.h"

// The pre-design of a bearing from its bore diameter: every input that follows from D set from the
// design recommendations, so that the case holds no size of the case before.
namespace trb::tables {

// The bore diameter (whole mm, rounded up) at which the load F (N) gives the admissible specific
// load plim (N/mm²) with B = bfactor·D; 0 without a load, plim or width factor.
real DiameterForLoad(real f, real plim, real bfactor);

// The shaft class of the grade that gives the smallest mean diametral clearance closest to
// `clearance` (mm) under a bore of limits dmin, dmax at nominal size d, searched over the clearance
// positions a … h; empty when none is defined at this size.
std::string ShaftClassClosestTo(core::ToleranceSteps& steps, int grade, real clearance, real d, real dmin,
                                real dmax);

// Sets, for bore diameter d (mm) and the case's speeds, load and roughness: D and the shaft's
// nominal size, B = bfactor·D, De = 1.2·D, the bore class H7 with its limits, the shaft class whose
// mean clearance comes closest to ψm·D with its limits, h0lim (the table value, at least the sum of
// the roughness depths), and the hole diameter, groove width or pocket width of the supply feature.
// The DIN 1850 bushing chosen before no longer fits and is forgotten. False, with the record
// unchanged, when the bore class is refused at this size.
bool ApplyPreDesign(core::TRBrecord& record, real d, TableAccess& access, core::ToleranceSteps& steps,
                    bool& abort);

// What ApplyPreDesign set, one line per value ("B = 60 mm"), in the display units.
std::vector<std::string> PreDesignSummary(const core::TRBrecord& record, const text::FormatOptions& format);

}  // namespace trb::tables
