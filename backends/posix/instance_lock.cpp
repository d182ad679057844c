#include "backends/posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "runtime/xdg.h"

namespace sagelight::posix {
namespace {

// A folder of the user's own for the lock when the runtime folder is
// missing: created private, and used only if it is a real folder that this
// user owns and nobody else may write.
std::optional<std::filesystem::path> PrivateDataFolder() {
  const std::optional<std::filesystem::path> data = DataHome();
  if (!data) {
    return std::nullopt;
  }
  const std::filesystem::path folder = *data / "sagelight";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
    return std::nullopt;
  }
  if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0 &&
      chmod(folder.c_str(), info.st_mode & ~static_cast<mode_t>(S_IWGRP | S_IWOTH)) != 0) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) {
    close(fd_);
  }
}

LockResult InstanceLock::Take(const std::string& name) {
  for (const auto& folder : {RuntimeFolder(), PrivateDataFolder()}) {
    if (!folder) {
      continue;
    }
    path_ = (*folder / name).string();
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
      continue;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      fd_ = fd;
      return LockResult::kTaken;
    }
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    if (held) {
      return LockResult::kHeldElsewhere;
    }
  }
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
  // Staying out is the safe side, and saying so the honest one.
  std::fputs(
      "Sagelight: no private folder for the single-instance lock "
      "(set XDG_RUNTIME_DIR or HOME); not starting\n",
      stderr);
  return true;
}

}  // namespace sagelight::posix
