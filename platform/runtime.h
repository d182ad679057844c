#pragma once

// The runtime's process-wide state in one object: the open files, the
// random generator, the screen's mouse pointer, where drive c: lies and the
// installed backend. The program's start creates it and it lasts until the
// process ends; a test makes a fresh one for each program it runs, as a new
// process would start.

#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace sagelight::rt {

inline constexpr std::int16_t kMaxFileNumber = 255;

struct OpenFile {
  std::FILE* stream = nullptr;
  std::int32_t record_length = 0;
  std::string path;  // named in the errors the file raises
};

struct RandomState {
  std::uint64_t state = 0x853c49e6748fea9bULL;
  // Numbers handed out, in order, before the generator's own: a run that
  // must reach the ends of the range names them here.
  std::deque<float> scripted;
};

struct RuntimeOptions {
  // The folder that stands for drive c:; empty for the platform's own.
  std::string drive_root;
};

class Runtime {
 public:
  explicit Runtime(ui::Platform& platform, RuntimeOptions options = {});
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;
  // The end of the process: every file is closed, and what the program
  // asked to be released at its end is released.
  ~Runtime();

  // The runtime of this process; the error "Invalid procedure call" when
  // none has started.
  static Runtime& Current();
  [[nodiscard]] static bool Started();

  // Runs the program: the previous-instance test, then `main`, then the
  // event loop while a form is open. An error that no handler traps is
  // reported and ends the program with exit status 1. Returns the exit
  // status.
  int Run(void (*main)());

  [[nodiscard]] ui::Platform& Platform() const { return platform_; }
  [[nodiscard]] const std::string& DriveRoot() const { return options_.drive_root; }
  std::array<OpenFile, kMaxFileNumber + 1>& Files() { return files_; }
  RandomState& Random() { return random_; }
  [[nodiscard]] std::int16_t MousePointer() const { return mouse_pointer_; }
  void SetMousePointer(std::int16_t value) { mouse_pointer_ = value; }

  // Run `release` when the process ends, after the earlier ones registered
  // (the program's own process-wide objects go with their process).
  void AtEnd(std::function<void()> release);

 private:
  ui::Platform& platform_;
  RuntimeOptions options_;
  std::array<OpenFile, kMaxFileNumber + 1> files_{};
  RandomState random_;
  std::int16_t mouse_pointer_ = 0;
  std::vector<std::function<void()>> at_end_;
  Runtime* previous_;
};

// The screen's mouse pointer, as the program sets it: 11 the hourglass, 0
// the default; other values show the default.
inline constexpr std::int16_t kMousePointerDefault = 0;
inline constexpr std::int16_t kMousePointerHourglass = 11;
void SetMousePointer(std::int16_t value);
[[nodiscard]] std::int16_t MousePointer();

// A modal message box: the prompt, the buttons-and-icon value (16 the
// critical icon, 32 question, 48 exclamation, 64 information; every box has
// one OK button), the title. Returns the button pressed: 1, OK.
inline constexpr std::int32_t kMsgBoxOkOnly = 0;
inline constexpr std::int32_t kMsgBoxCritical = 16;
inline constexpr std::int32_t kMsgBoxInformation = 64;
inline constexpr std::int32_t kMsgBoxResultOk = 1;
std::int32_t MsgBox(const std::string& prompt, std::int32_t buttons, const std::string& title);

}  // namespace sagelight::rt
