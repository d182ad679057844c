#pragma once

// What a POSIX backend knows of its process before any window: the command
// line's text and whether another instance runs.

#include <optional>
#include <string>

#include "backends/posix/instance_lock.h"

namespace sagelight::posix {

class Process {
 public:
  Process(int argc, char** argv);

  // The command line's argument text, without the program's name: the
  // arguments joined by single spaces, as a Windows program receives its
  // command line.
  [[nodiscard]] const std::string& CommandLine() const { return command_line_; }
  // Asked once; from then on this process holds the single-instance lock
  // (AnotherInstanceRuns) or knows that another does.
  bool PrevInstance();

 private:
  std::string command_line_;
  std::optional<bool> previous_instance_;
  InstanceLock lock_;
};

}  // namespace sagelight::posix
