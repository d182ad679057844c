#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "backends/headless/headless.h"
#include "runtime/runtime.h"
#include "runtime/runtime_error.h"

namespace sagelight::testing {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The number of the run-time error `action` raised, or 0 when it raised none.
template <typename Action>
std::int32_t ErrorOf(Action action) {
  try {
    action();
  } catch (const rt::RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

// What `action` met in a child process, after `prepare` changed a limit or
// the user for that process only: the run-time error's number (0 for none,
// -1 when the child did not come back) and the file the error named.
struct ChildResult {
  std::int32_t number = -1;
  std::string file;
};
ChildResult InChild(const std::function<void()>& prepare, const std::function<void()>& action);

// In a child process: no file may grow beyond `bytes`, and, as in the
// program, a write past that fails with an error rather than a signal.
void LimitFileSize(rlim_t bytes);

// Drive c: mapped to a temporary folder that holds windows/system, as a
// fresh process would find it. Each program a test starts runs in a runtime
// of its own, as a new process would.
class ProgramTest : public ::testing::Test {
 protected:
  // A runtime on a headless platform from the start, so that the runtime's
  // services work before any program runs.
  ProgramTest();
  void SetUp() override;
  void TearDown() override;

  [[nodiscard]] std::filesystem::path SystemFolder() const;
  [[nodiscard]] std::filesystem::path QuoteFile() const;

  // Start the real program on a headless platform with these options, in a
  // new process: the previous one, if any, ends first.
  headless::HeadlessPlatform& Start(headless::Options options);
  // The platform and runtime of the program started last (before any, a
  // process that runs no program yet).
  headless::HeadlessPlatform& Platform() { return *platform_; }
  // Let the generator hand out these numbers first.
  void ScriptRandom(std::initializer_list<float> numbers);
  headless::HeadlessPlatform& StartSaver() { return Start(SaverOptions()); }
  static headless::Options SaverOptions();

  [[nodiscard]] std::optional<int> StartStatus() const { return start_status_; }

 private:
  void EndProcess();

  TempDir drive_;
  std::unique_ptr<headless::HeadlessPlatform> platform_;
  std::unique_ptr<rt::Runtime> runtime_;
  std::optional<int> start_status_;
};

}  // namespace sagelight::testing
