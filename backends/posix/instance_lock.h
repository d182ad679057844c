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

  // Takes the lock named `name` in /run/user/UID when that is this user's
  // private folder, otherwise in ~/.local/share/sagelight (created private),
  // with the home the password database names. No environment variable
  // moves it. Of any number of processes that try at once, exactly one gets
  // kTaken.
  LockResult Take(const std::string& name);
  // Where the lock was looked for, and what was wrong there when it could
  // not be taken, for a message.
  [[nodiscard]] const std::string& Path() const { return path_; }
  [[nodiscard]] const std::string& Problem() const { return problem_; }

 private:
  int fd_ = -1;
  std::string path_;
  std::string problem_;
};

// The single-instance test as the runtime asks it, on the lock this process
// holds from then on: true when another instance holds it. When no lock can
// be taken at all, nobody could tell whether another saver runs: the process
// says where and why on standard error and ends with status 1.
bool AnotherInstanceRuns(InstanceLock& lock);

}  // namespace sagelight::posix
