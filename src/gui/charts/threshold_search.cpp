#include "gui/charts/threshold_search.h"

namespace trb::gui {

ThresholdSearch::ThresholdSearch(QObject* parent)
    : CaseWorkFor<core::Thresholds>(
          [](const core::TRBrecord& record) -> Solve {
              return [record](const Progress& progress) -> std::shared_ptr<const core::Thresholds> {
                  core::Thresholds thresholds = core::FindThresholds(record, progress);
                  // A search stopped part way leaves nothing.
                  if (!thresholds.complete) return nullptr;
                  return std::make_shared<const core::Thresholds>(std::move(thresholds));
              };
          },
          parent) {}

}  // namespace trb::gui
