#pragma once

#include "core/record.h"
#include "core/thresholds.h"
#include "gui/common/case_work.h"

namespace trb::gui {

// The thresholds of the window's case, searched on a thread of their own: some three thousand
// calculation runs take a blink, and the window goes on meanwhile. The reserves dialog and the
// operating charts ask for the thresholds of the case as it is (For, or Now for a file written at once)
// and are told when they are there; Done() counts the searches, 0..core::kThresholdSearches.
class ThresholdSearch : public CaseWorkFor<core::Thresholds> {
  public:
    explicit ThresholdSearch(QObject* parent = nullptr);
};

}  // namespace trb::gui
