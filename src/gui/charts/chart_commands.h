#pragma once

#include <optional>

#include "core/clearance_range.h"
#include "core/operating_sweep.h"
#include "gui/charts/chart_dialog.h"
#include "gui/charts/threshold_search.h"

namespace trb::gui {

class Thh;

// The clearance range view, the operating charts and the operating-points table of the main
// window. A view shown by these commands follows the case: after every calculation run the window
// recalculates and redraws it instead of the result view, until another view is drawn.
class ChartCommands {
  public:
    // The operating charts shown on the screen are drawn again with the thresholds' crossings once
    // the search for them ends.
    explicit ChartCommands(Thh& window);

    // View → Spielbereich: the case at its three clearances, on the screen or (device 0) on the
    // chosen drawing device.
    void ShowClearanceRange(int device);
    // View → Betriebskennfeld: the dialog, then the charts on the screen or the chosen device.
    void ShowOperatingCharts(int device);
    // View → Betriebspunkte: the dialog, then the points table on the chosen report device.
    void PrintOperatingPoints();
    // View → Reserven: the reserves dialog.
    void ShowReserves();

    // After a calculation run: redraws the view these commands show; false when they show none.
    bool RedrawAfterRun();
    // Another view replaced this one.
    void Forget() { shown_ = Shown::None; }
    // Whether the screen shows a view of these commands.
    bool Showing() const { return shown_ != Shown::None; }

    // The last sweep calculated (its points), for the table and the tests.
    const core::OperatingSweep& Sweep() const { return sweep_; }
    const ChartRequest& LastRequest() const { return request_; }
    // The thresholds of the case, searched off the window's thread for the charts and the reserves.
    ThresholdSearch& Search() { return search_; }

  private:
    enum class Shown { None, ClearanceRange, OperatingCharts };

    // Asks for the range; false when cancelled.
    bool AskRange(bool withChart);
    void DrawRange(int device);
    void DrawCharts(int device);
    // The film's coefficients over the sweep just calculated.
    void DrawCoefficients(int device);

    Thh& window_;
    Shown shown_ = Shown::None;
    ChartRequest request_;
    bool haveRequest_ = false;
    core::OperatingSweep sweep_;
    ThresholdSearch search_;
};

// The window's chart commands, created on first use and living as long as the window.
ChartCommands& ChartCommandsOf(Thh& window);
// Connects the View and CAD items of the clearance range, the operating charts and the reserves.
void ConnectChartCommands(Thh& window);

}  // namespace trb::gui
