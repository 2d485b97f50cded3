#pragma once

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace tarnwick {

// Runs work off the interface thread and delivers only the answer to the latest request: a
// request made while one is computing waits for it (only the newest waiting one is kept), and
// an answer whose request was overtaken is dropped. So typing fast never piles up work, and a
// stale answer never overwrites a newer one. `synchronous` computes at once on the caller's
// thread (for measurements and for tests that check the answer, not the threading).
template <typename Result>
class LatestOnly {
 public:
  using Work = std::function<Result()>;

  explicit LatestOnly(std::function<void(Result)> deliver) : deliver_(std::move(deliver)) {
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_, [this] { Finished(); });
  }
  ~LatestOnly() { watcher_.waitForFinished(); }
  LatestOnly(const LatestOnly&) = delete;
  LatestOnly& operator=(const LatestOnly&) = delete;

  void Run(Work work) {
    ++latest_;
    if (synchronous) {
      deliver_(work());
      return;
    }
    if (computing_) {
      waiting_ = std::move(work);
      return;
    }
    Start(std::move(work));
  }
  // Whatever is computing or waiting now will not be delivered.
  void Invalidate() {
    ++latest_;
    waiting_.reset();
  }
  // Until an answer is delivered or dropped, not only until its work ends: the delivery comes
  // through the event loop, and a caller must not take the previous answer for the latest.
  bool Busy() const { return computing_ || waiting_.has_value(); }
  // Answers computed but dropped because a newer request had been made.
  int Dropped() const { return dropped_; }

  bool synchronous = false;

 private:
  void Start(Work work) {
    running_ = latest_;
    computing_ = true;
    watcher_.setFuture(QtConcurrent::run(std::move(work)));
  }
  void Finished() {
    computing_ = false;
    if (running_ == latest_) {
      deliver_(watcher_.result());
    } else {
      ++dropped_;
    }
    if (waiting_) {
      Work next = std::move(*waiting_);
      waiting_.reset();
      Start(std::move(next));
    }
  }

  std::function<void(Result)> deliver_;
  QFutureWatcher<Result> watcher_;
  std::optional<Work> waiting_;
  std::uint64_t latest_ = 0;
  std::uint64_t running_ = 0;
  bool computing_ = false;  // started, and its answer not yet delivered or dropped
  int dropped_ = 0;
};

}  // namespace tarnwick
