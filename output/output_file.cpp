#include "output/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include "output/printable_text.h"

namespace tarnwick {
namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int kMaxLinksFollowed = 40;

std::string Reason(int error) {
  return std::strerror(error);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The kernel's protected-symlinks rule: in a sticky folder that everyone may write to, a link
// is followed only by its owner or when it belongs to the folder's owner, so that nobody can
// plant a link there that makes another user overwrite a file of theirs.
bool FollowingIsUnsafe(const struct stat& link, const struct stat& folder) {
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return shared && link.st_uid != geteuid() && link.st_uid != folder.st_uid;
}

// The file a write to `path` would replace, after the links on the way, with what is known of
// it; or the reason why nothing may be written there.
struct Target {
  std::string path;
  bool exists = false;
  struct stat status {};
};

std::optional<Target> ResolveTarget(const std::string& path, std::string& problem) {
  if (path.empty()) {
    problem = "no file name was given";
    return std::nullopt;
  }
  Target target;
  target.path = path;
  for (int links = 0;; ++links) {
    const std::string folder = FolderOf(target.path);
    struct stat folderStatus {};
    if (stat(folder.c_str(), &folderStatus) != 0 && errno != ENOENT && errno != ENOTDIR) {
      problem = Reason(errno);
      return std::nullopt;
    }
    if (!S_ISDIR(folderStatus.st_mode)) {
      problem = "its folder does not exist";
      return std::nullopt;
    }
    struct stat status {};
    if (lstat(target.path.c_str(), &status) != 0) {
      if (errno != ENOENT) {
        problem = Reason(errno);
        return std::nullopt;
      }
      if (links > 0) {
        problem = "it is a symbolic link to a file that does not exist";
        return std::nullopt;
      }
      break;
    }
    if (!S_ISLNK(status.st_mode)) {
      target.exists = true;
      target.status = status;
      break;
    }
    if (FollowingIsUnsafe(status, folderStatus)) {
      problem =
          "it is a symbolic link in a shared folder and belongs to another user, so it is not "
          "followed";
      return std::nullopt;
    }
    if (links == kMaxLinksFollowed) {
      problem = Reason(ELOOP);
      return std::nullopt;
    }
    char buffer[4096];
    const ssize_t length = readlink(target.path.c_str(), buffer, sizeof buffer);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
      problem = length < 0 ? Reason(errno) : Reason(ENAMETOOLONG);
      return std::nullopt;
    }
    const std::string destination(buffer, static_cast<std::size_t>(length));
    target.path = destination.front() == '/' ? destination : folder + '/' + destination;
  }

  if (target.exists) {
    if (S_ISDIR(target.status.st_mode)) {
      problem = "it is a folder";
      return std::nullopt;
    }
    if (!S_ISREG(target.status.st_mode)) {
      problem = "it is not a regular file but a device, a FIFO or a socket";
      return std::nullopt;
    }
    if (access(target.path.c_str(), W_OK) != 0) {
      problem = "it is read-only";
      return std::nullopt;
    }
  }
  if (access(FolderOf(target.path).c_str(), W_OK | X_OK) != 0) {
    problem = "its folder is not writable";
    return std::nullopt;
  }
  return target;
}

// A new, empty file beside `target`, under a name nobody else uses, or -1 with errno set.
int CreateSibling(const std::string& target, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char number[32];
    const unsigned values[] = {static_cast<unsigned>(getpid()), counter++};
    std::string suffix;
    for (unsigned value : values) {
      const auto end = std::to_chars(number, number + sizeof number, value).ptr;
      suffix += '-';
      suffix.append(number, end);
    }
    name = FolderOf(target) + "/." + NameOf(target) + ".part" + suffix;
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteEveryByte(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string CannotWriteMessage(const std::string& path, const std::string& reason) {
  return "cannot write " + QuotedText(path) + ": " + reason;
}

std::string OutputFileProblem(const std::string& path) {
  std::string problem;
  if (!ResolveTarget(path, problem)) return CannotWriteMessage(path, problem);
  return {};
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error) {
  std::string problem;
  const std::optional<Target> target = ResolveTarget(path, problem);
  if (!target) {
    error = CannotWriteMessage(path, problem);
    return false;
  }
  std::string partName;
  const int fd = CreateSibling(target->path, partName);
  if (fd < 0) {
    error = CannotWriteMessage(path, Reason(errno));
    return false;
  }
  // The replacement keeps what the user set on the file; failing that is no reason to lose it.
  if (target->exists) (void)fchmod(fd, target->status.st_mode & 07777);

  const bool complete = WriteEveryByte(fd, bytes) && fsync(fd) == 0;
  const int writeError = errno;
  const bool closed = close(fd) == 0;
  const int closeError = errno;
  if (!complete || !closed) {
    unlink(partName.c_str());
    error = CannotWriteMessage(path, Reason(!complete ? writeError : closeError));
    return false;
  }
  if (rename(partName.c_str(), target->path.c_str()) != 0) {
    const int renameError = errno;
    unlink(partName.c_str());
    error = CannotWriteMessage(path, Reason(renameError));
    return false;
  }
  return true;
}

}  // namespace tarnwick
