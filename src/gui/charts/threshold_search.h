#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "core/record.h"
#include "core/thresholds.h"

namespace trb::gui {

// The thresholds of the window's case, searched on a thread of their own: some three thousand
// calculation runs take a blink, and the window goes on meanwhile. The reserves dialog and the
// operating charts ask for the thresholds of the case as it is and are told when they are there.
// Asking for other inputs stops a search that runs; the last result stays until a newer replaces it.
class ThresholdSearch : public QObject {
    Q_OBJECT

  public:
    explicit ThresholdSearch(QObject* parent = nullptr);
    // Stops every search and waits for its thread.
    ~ThresholdSearch() override;

    // The thresholds of `record`'s inputs when they are there; else nothing, and a search for them
    // starts unless it runs already.
    const core::Thresholds* For(const core::TRBrecord& record);
    // The same, searched here and now when they are not there yet (for outputs that are written at
    // once, such as a CAD file).
    const core::Thresholds& Now(const core::TRBrecord& record);

    bool Running() const { return running_ != nullptr; }
    // Searches of the running one done, 0..core::kThresholdSearches.
    int Done() const { return done_; }

  signals:
    void Progressed(int done);
    // The thresholds of the inputs asked for last are there.
    void Ready();

  private:
    struct Job;
    void Start(const core::TRBrecord& record);
    void Finished(const std::shared_ptr<Job>& job, core::Thresholds thresholds);

    std::shared_ptr<Job> running_;
    std::vector<std::shared_ptr<Job>> jobs_;  // every thread not yet joined, the stopped ones too
    std::optional<core::Thresholds> result_;
    core::TRBrecord resultCase_;
    int done_ = 0;
};

}  // namespace trb::gui
