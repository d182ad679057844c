#pragma once

// One process of the program, as the runtime sees it: where drive c: lies,
// where the random generator starts, and what must be released when the
// process ends. The runtime's services keep their own state (the open-file
// table with record files, the generator with random numbers); this object
// only ties them to one process and its end. The program's start creates it
// and it lasts until the process ends; a test makes a fresh one for each
// program it runs, as a new process would start.

#include <functional>
#include <string>
#include <vector>

namespace sagelight::rt {

struct RuntimeOptions {
  // The folder that stands for drive c:; empty for the platform's own.
  std::string drive_root;
};

class Runtime {
 public:
  explicit Runtime(RuntimeOptions options = {});
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  // The end of the process: every file is closed, and what the program
  // asked to be released at its end is released.
  ~Runtime();

  // The runtime of this process; the error "Invalid procedure call" when
  // none has started.
  static Runtime& Current();
  [[nodiscard]] static bool Started();

  [[nodiscard]] const std::string& DriveRoot() const { return options_.drive_root; }

  // Run `release` when the process ends, after the earlier ones registered
  // (the program's own process-wide objects go with their process).
  void AtEnd(std::function<void()> release);

 private:
  RuntimeOptions options_;
  std::vector<std::function<void()>> at_end_;
  Runtime* previous_;
};

}  // namespace sagelight::rt
