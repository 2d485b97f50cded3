#include "output/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace tarnwick {
namespace {

std::string KindProblem(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder";
  if (S_ISFIFO(mode)) return "is not a regular file but a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is not a regular file but a device";
  if (S_ISSOCK(mode)) return "is not a regular file but a socket";
  return "is not a regular file";
}

InputFileBytes Refused(std::string problem) {
  return {std::nullopt, std::move(problem)};
}

// Closes the descriptor however the read ends.
class OpenDescriptor {
 public:
  explicit OpenDescriptor(int fd) : fd_(fd) {}
  ~OpenDescriptor() {
    if (fd_ >= 0) close(fd_);
  }
  OpenDescriptor(const OpenDescriptor&) = delete;
  OpenDescriptor& operator=(const OpenDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::string ByteCountText(std::size_t bytes) {
  constexpr std::size_t kKiB = 1024;
  const char* unit = " bytes";
  if (bytes != 0 && bytes % (kKiB * kKiB) == 0) {
    bytes /= kKiB * kKiB;
    unit = " MiB";
  } else if (bytes != 0 && bytes % kKiB == 0) {
    bytes /= kKiB;
    unit = " KiB";
  }
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, bytes).ptr;
  return std::string(digits, end) + unit;
}

InputFileBytes ReadInputFile(const std::string& path, std::size_t maxBytes) {
  if (path.empty()) return Refused("no file name was given");
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return Refused(std::strerror(errno));
  if (!S_ISREG(status.st_mode)) return Refused(KindProblem(status.st_mode));
  // Non-blocking, so that a FIFO put in the file's place meanwhile cannot hold the open.
  const OpenDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) return Refused(std::strerror(errno));
  if (fstat(file.Get(), &status) != 0) return Refused(std::strerror(errno));
  if (!S_ISREG(status.st_mode)) return Refused(KindProblem(status.st_mode));

  std::string bytes;
  char buffer[64 * 1024];
  while (true) {
    const ssize_t got = read(file.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Refused(std::strerror(errno));
    }
    if (got == 0) break;
    const auto count = static_cast<std::size_t>(got);
    if (count > maxBytes - bytes.size()) {
      return Refused("is larger than " + ByteCountText(maxBytes));
    }
    bytes.append(buffer, count);
  }
  return {std::move(bytes), {}};
}

}  // namespace tarnwick
