#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "core/record.h"

namespace trb::gui {

// Work on the window's case that takes longer than a blink, done on a thread of its own while the
// window goes on: the thresholds of the reserves and charts, the lubricant film of its view. A view asks
// for the result of the case as it is and is told when it is there. Asking for other inputs stops the
// work that runs; the last result stays until a newer replaces it or the inputs change.
class CaseWork : public QObject {
    Q_OBJECT

  public:
    // Tells how far the work has come (in the work's own steps); false when it is to stop.
    using Progress = std::function<bool(int done)>;
    // The work as it runs on its thread; nothing when it was stopped or came out incomplete, and then
    // nothing is kept.
    using Job = std::function<std::shared_ptr<const void>(const Progress& progress)>;
    // Prepares the work for a case on the window's thread (copying what the thread will read).
    using Prepare = std::function<Job(const core::TRBrecord& record)>;

    explicit CaseWork(Prepare prepare, QObject* parent = nullptr);
    // Stops the work and waits for every thread.
    ~CaseWork() override;

    // The result for `record`'s inputs when it is there; else nothing, and the work starts unless it
    // runs already for them.
    const void* Find(const core::TRBrecord& record);
    // The same, done here and now when it is not there yet (for outputs that are written at once, such as
    // a file or a printout).
    const void* FindNow(const core::TRBrecord& record);
    // Drops the result and stops the work (its inputs no longer tell what it depends on).
    void Forget();

    bool Running() const { return running_ != nullptr; }
    // Steps of the running work done.
    int Done() const { return done_; }

  signals:
    void Progressed(int done);
    // The result for the inputs asked for last is there.
    void Ready();

  private:
    struct Thread;
    void Start(const core::TRBrecord& record);
    void Finished(const std::shared_ptr<Thread>& thread, std::shared_ptr<const void> result);

    Prepare prepare_;
    std::shared_ptr<Thread> running_;
    std::vector<std::shared_ptr<Thread>> threads_;  // every thread not yet joined, the stopped ones too
    std::shared_ptr<const void> result_;
    core::TRBrecord resultCase_;
    int done_ = 0;
};

// The same with the result's type.
template <class Result>
class CaseWorkFor : public CaseWork {
  public:
    using Solve = std::function<std::shared_ptr<const Result>(const Progress& progress)>;
    explicit CaseWorkFor(std::function<Solve(const core::TRBrecord&)> prepare, QObject* parent = nullptr)
        : CaseWork(
              [prepare = std::move(prepare)](const core::TRBrecord& record) -> Job {
                  return [solve = prepare(record)](const Progress& progress) -> std::shared_ptr<const void> {
                      return solve(progress);
                  };
              },
              parent) {}

    const Result* For(const core::TRBrecord& record) { return static_cast<const Result*>(Find(record)); }
    const Result& Now(const core::TRBrecord& record) { return *static_cast<const Result*>(FindNow(record)); }
};

}  // namespace trb::gui
