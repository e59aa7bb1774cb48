#include "gui/charts/threshold_search.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "app/case_json.h"

namespace trb::gui {

struct ThresholdSearch::Job {
    core::TRBrecord record;
    std::atomic<bool> stop{false};
    std::thread thread;
};

ThresholdSearch::ThresholdSearch(QObject* parent) : QObject(parent) {}

ThresholdSearch::~ThresholdSearch() {
    for (const auto& job : jobs_) job->stop = true;
    // A thread still running reports to this object, which lives until every thread has ended.
    for (const auto& job : jobs_) job->thread.join();
}

const core::Thresholds* ThresholdSearch::For(const core::TRBrecord& record) {
    if (result_ && app::SameInputs(resultCase_, record)) return &*result_;
    if (running_ && app::SameInputs(running_->record, record)) return nullptr;
    Start(record);
    return nullptr;
}

const core::Thresholds& ThresholdSearch::Now(const core::TRBrecord& record) {
    if (const core::Thresholds* ready = For(record)) return *ready;
    // The running search is left to end by itself; this one gives the same.
    result_ = core::FindThresholds(record);
    resultCase_ = record;
    if (running_) running_->stop = true;
    running_ = nullptr;
    return *result_;
}

void ThresholdSearch::Start(const core::TRBrecord& record) {
    if (running_) running_->stop = true;
    auto job = std::make_shared<Job>();
    job->record = record;
    running_ = job;
    done_ = 0;
    jobs_.push_back(job);
    job->thread = std::thread([this, job] {
        core::Thresholds thresholds = core::FindThresholds(job->record, [this, &job](int done) {
            QMetaObject::invokeMethod(
                this,
                [this, job, done] {
                    if (job != running_) return;
                    done_ = done;
                    emit Progressed(done);
                },
                Qt::QueuedConnection);
            return !job->stop;
        });
        QMetaObject::invokeMethod(
            this,
            [this, job, thresholds = std::move(thresholds)]() mutable {
                Finished(job, std::move(thresholds));
            },
            Qt::QueuedConnection);
    });
}

void ThresholdSearch::Finished(const std::shared_ptr<Job>& job, core::Thresholds thresholds) {
    job->thread.join();
    jobs_.erase(std::remove(jobs_.begin(), jobs_.end(), job), jobs_.end());
    if (job != running_) return;
    running_ = nullptr;
    if (!thresholds.complete) return;
    result_ = std::move(thresholds);
    resultCase_ = job->record;
    emit Ready();
}

}  // namespace trb::gui
