#include "gui/common/case_work.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "app/case_json.h"

namespace trb::gui {

struct CaseWork::Thread {
    core::TRBrecord record;
    std::atomic<bool> stop{false};
    std::thread thread;
};

CaseWork::CaseWork(Prepare prepare, QObject* parent) : QObject(parent), prepare_(std::move(prepare)) {}

CaseWork::~CaseWork() {
    for (const auto& thread : threads_) thread->stop = true;
    // A thread still running reports to this object, which lives until every thread has ended.
    for (const auto& thread : threads_) thread->thread.join();
}

const void* CaseWork::Find(const core::TRBrecord& record) {
    if (result_ && app::SameInputs(resultCase_, record)) return result_.get();
    if (running_ && app::SameInputs(running_->record, record)) return nullptr;
    Start(record);
    return nullptr;
}

const void* CaseWork::FindNow(const core::TRBrecord& record) {
    if (const void* ready = Find(record)) return ready;
    // The running work is left to end by itself; this gives the same. Work that cannot fail to
    // complete here (nothing stops it) leaves a result.
    result_ = prepare_(record)([](int) { return true; });
    resultCase_ = record;
    if (running_) running_->stop = true;
    running_ = nullptr;
    return result_.get();
}

void CaseWork::Forget() {
    result_.reset();
    if (running_) running_->stop = true;
    running_ = nullptr;
}

void CaseWork::Start(const core::TRBrecord& record) {
    if (running_) running_->stop = true;
    auto thread = std::make_shared<Thread>();
    thread->record = record;
    running_ = thread;
    done_ = 0;
    threads_.push_back(thread);
    thread->thread = std::thread([this, thread, job = prepare_(record)] {
        std::shared_ptr<const void> result = job([this, &thread](int done) {
            QMetaObject::invokeMethod(
                this,
                [this, thread, done] {
                    if (thread != running_) return;
                    done_ = done;
                    emit Progressed(done);
                },
                Qt::QueuedConnection);
            return !thread->stop;
        });
        QMetaObject::invokeMethod(
            this,
            [this, thread, result = std::move(result)]() mutable { Finished(thread, std::move(result)); },
            Qt::QueuedConnection);
    });
}

void CaseWork::Finished(const std::shared_ptr<Thread>& thread, std::shared_ptr<const void> result) {
    thread->thread.join();
    threads_.erase(std::remove(threads_.begin(), threads_.end(), thread), threads_.end());
    if (thread != running_) return;
    running_ = nullptr;
    if (!result) return;
    result_ = std::move(result);
    resultCase_ = thread->record;
    emit Ready();
}

}  // namespace trb::gui
