#pragma once

// The single-instance rule on POSIX systems: an exclusive lock on a file in
// a folder that only this user can write, held for the life of the process.

#include <string>

namespace sagelight::posix {

enum class LockResult {
  kTaken,          // this process is the one instance
  kHeldElsewhere,  // another instance holds it
  kUnavailable,    // no private place could hold a lock: the caller must not run
};

class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  // Takes the lock named `name` in $XDG_RUNTIME_DIR when that is usable,
  // otherwise in the user's own data folder (created private). Of any number
  // of processes that try at once, exactly one gets kTaken.
  LockResult Take(const std::string& name);
  // Where the lock was looked for last, for a message.
  [[nodiscard]] const std::string& Path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

// The single-instance test as the runtime asks it, on the lock this process
// holds from then on: true when another instance holds it, and also when no
// lock could be taken at all (said once on standard error), since nobody
// could then tell whether another saver runs.
bool AnotherInstanceRuns(InstanceLock& lock);

}  // namespace sagelight::posix
