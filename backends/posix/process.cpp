#include "backends/posix/process.h"

namespace sagelight::posix {

Process::Process(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (i > 1) {
      command_line_ += ' ';
    }
    command_line_ += argv[i];
  }
}

bool Process::PrevInstance() {
  if (!previous_instance_) {
    previous_instance_ = AnotherInstanceRuns(lock_);
  }
  return *previous_instance_;
}

}  // namespace sagelight::posix
