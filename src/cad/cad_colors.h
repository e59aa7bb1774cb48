#pragma once

namespace trb::cad {

// The AutoCAD colour index (1..255) whose colour lies nearest to red, green, blue (0..255 each), for
// files that know no other colours. Index 7, white or black by the background, is never chosen.
int NearestCadColor(int red, int green, int blue);

// The colour of an index of the standard AutoCAD palette as red, green, blue.
struct CadRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};
CadRgb CadColorRgb(int index);

}  // namespace trb::cad
