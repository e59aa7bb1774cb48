#pragma once

#include <string>
#include <string_view>

#include "core/real.h"
#include "core/run_status.h"

namespace trb::core {

// ISO 286 tolerance zones for nominal sizes up to 3150 mm. Deviations are in µm; callers add
// them to the nominal size in mm (×0.001). Message texts are code page 850 bytes.

// The two step positions ("<w", ">w", "<B", ">B" walk through them): 1..28 in the order
// a, b, c, cd, d, e, ef, f, fg, g, h, j, js, k, m, n, p, r, s, t, u, v, x, y, z, za, zb, zc
// (upper case for holes); 0 until a position has been used. Every call with a position
// sets the index of the list that holds it.
struct ToleranceSteps {
    int shaft = 0;
    int hole = 0;
};

// The two limit deviations of a tolerance zone, in µm.
struct ToleranceZone {
    real lower = 0;
    real upper = 0;
};

// Computes the limit deviations of a position ("H", "f", "js", "ZA" ...) and a grade 1..18 at
// the nominal size in mm. The position may be a step command, which is replaced by the
// position it selects. Returns the message: empty on success, a hint (the deviations are
// still computed) or a refusal (the deviations are 0). An empty position leaves zone alone.
std::string ToleranceDeviations(ToleranceSteps& steps, std::string& position, int grade, real nominal,
                                ToleranceZone& zone);

// Splits a class text ("H7", "H 7", "js6", "cd 10") into position and grade; a grade that
// cannot be read is 0, text that fits none of the forms gives two spaces and 0.
struct ToleranceClass {
    std::string_view position;  // refers into the parsed text
    int grade = 0;
};
ToleranceClass ParseToleranceClass(std::string_view text);

// The limit deviations of a class text at the nominal size. Any message, a hint included,
// sets abort; the caller then resets abort and ignores the zone. Empty text (or a single
// space) gives 0 and 0 without a message. Does not allocate.
ToleranceZone ToleranceLimits(ToleranceSteps& steps, std::string_view text, real nominal, bool& abort);

// The grade written at the end of a class text ("H7" → 7, "cd10" → 10), 0 when there is none.
int GradeOfClass(std::string_view text);

// The first shaft position after c whose zone of the given grade is defined without a message
// and whose mean diameter reaches target (mm), as "f 6". When the search runs up to zc it adds
// "Fehler : ISO Shaft !" to status and still returns zc.
std::string ShaftClassForClearance(ToleranceSteps& steps, int grade, real target, real nominal,
                                   RunStatus& status);

}  // namespace trb::core
