#include "backends/posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/xdg.h"

namespace sagelight::posix {
namespace {

// Two starts of one user must meet at one lock whatever their environments
// say, so its place follows from the user alone: the session folder that
// the system makes for the user, when it is there and private...
std::optional<std::filesystem::path> SessionFolder() {
  const std::filesystem::path folder = "/run/user/" + std::to_string(getuid());
  struct stat info {};
  if (lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
      (info.st_mode & 07777) == 0700) {
    return folder;
  }
  return std::nullopt;
}

// ...else one folder under the home that the password database names. What
// is wrong with it, when it cannot hold a lock; nothing when it can.
std::optional<std::string> ProblemWithHomeFolder(const std::filesystem::path& folder) {
  std::error_code failed;
  std::filesystem::create_directories(folder, failed);
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) {
    return std::string("cannot create it: ") +
           (failed ? failed.message() : std::string(std::strerror(errno)));
  }
  if (S_ISLNK(info.st_mode)) {
    return std::string("it is a symbolic link");
  }
  if (!S_ISDIR(info.st_mode)) {
    return std::string("it is not a folder");
  }
  if (info.st_uid != getuid()) {
    return "it belongs to user " + std::to_string(info.st_uid) + ", not to user " +
           std::to_string(getuid());
  }
  if ((info.st_mode & 0077) != 0 && chmod(folder.c_str(), info.st_mode & 0700) != 0) {
    return std::string("others may enter it and it cannot be made private: ") +
           std::strerror(errno);
  }
  return std::nullopt;
}

}  // namespace

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) {
    close(fd_);
  }
}

LockResult InstanceLock::Take(const std::string& name) {
  std::filesystem::path folder;
  if (std::optional<std::filesystem::path> session = SessionFolder()) {
    folder = *session;
  } else if (std::optional<std::filesystem::path> home = PasswordHome()) {
    folder = *home / ".local" / "share" / "sagelight";
    if (std::optional<std::string> problem = ProblemWithHomeFolder(folder)) {
      path_ = folder.string();
      problem_ = *problem;
      return LockResult::kUnavailable;
    }
  } else {
    path_ = "/run/user/" + std::to_string(getuid());
    problem_ =
        "it is not this user's private folder, and the password database names no home "
        "for user " +
        std::to_string(getuid());
    return LockResult::kUnavailable;
  }
  path_ = (folder / name).string();
  const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    problem_ = std::string("cannot open the lock file: ") + std::strerror(errno);
    return LockResult::kUnavailable;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
    fd_ = fd;
    return LockResult::kTaken;
  }
  const int error = errno;
  close(fd);
  if (error == EWOULDBLOCK) {
    return LockResult::kHeldElsewhere;
  }
  problem_ = std::string("cannot lock the lock file: ") + std::strerror(error);
  return LockResult::kUnavailable;
}

bool AnotherInstanceRuns(InstanceLock& lock) {
  switch (lock.Take("sagelight.lock")) {
    case LockResult::kTaken:
      return false;
    case LockResult::kHeldElsewhere:
      return true;
    case LockResult::kUnavailable:
      break;
  }
  // Nobody could tell whether another saver runs: staying out is the safe
  // side, and saying why the honest one.
  const std::string line = "Sagelight: no single-instance lock in " + lock.Path() + ": " +
                           lock.Problem() + "; not starting\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace sagelight::posix
