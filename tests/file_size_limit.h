#pragma once

// A file-size limit for the span of a test, as on a full disk: writes to regular files fail
// past it. The limit would kill the process at the first write past it; with SIGXFSZ ignored,
// as the program's main() ignores it, the write fails instead.

#include <sys/resource.h>

#include <csignal>

namespace tarnwick::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    if (getrlimit(RLIMIT_FSIZE, &previous_) != 0) return;
    rlimit small = previous_;
    small.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FileSizeLimit() {
    if (active_) setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  // False when the limit could not be set; the test then proves nothing.
  bool Active() const { return active_; }

 private:
  void (*previousHandler_)(int);
  rlimit previous_{};
  bool active_ = false;
};

}  // namespace tarnwick::test
