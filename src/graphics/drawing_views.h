#pragma once

#include "graphics/drawing_data.h"
#include "graphics/vektor.h"

namespace trb::ui {
class Dialogs;
}

namespace trb::graphics {

class Driver;

// The items of the view list.
enum BearingView : int {
    kViewAsk = 0,
    kViewResultSheet = 1,
    kViewKinematicViscosity = 2,
    kViewDynamicViscosity = 3,
    kViewFront = 4,
    kViewSection = 5,
    kViewFrontAndSection = 6,
    kViewProduction = 7,
    kViewFilm = 8,  // the pressure distribution of the lubricant film
    kViewEnd = 9,
};

// The drawing command: device as for CadOpen (0 = ask), view 1..8 (0 = ask; 9 the list's end). With view 0
// the list is offered again after every drawing until the user picks its last item or cancels. When the last
// run failed nothing is drawn; the run's messages are shown instead (only with a user interface).
void DrawBearingView(Driver& driver, ui::Dialogs& dialogs, const DrawingData& data, int device, int view);

// One bearing drawing (views 1, 4..7 and 8) into an opened driver: pens, limits, tables, blocks and
// entities, up to and including the closing of the entity section; CadClose is the caller's.
void WriteBearingView(Driver& driver, const DrawingData& data, int view);

// The drawing limits of views 1..8.
Rect ViewLimits(int view, const core::TRBrecord& record);

// The scale of the front view and the section on the production drawing: 60 / max(B, De).
real ProductionScale(const core::TRBrecord& record);

}  // namespace trb::graphics
