#pragma once

// A real backend without a window system, for the tests: a virtual clock
// that the test advances, real state for every element, hit-testing that
// routes the pointer as a window system would, recorded message boxes, and
// an end of the program that unwinds to the test driver.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/timer_schedule.h"
#include "platform/ui.h"

namespace sagelight::headless {

// Thrown by EndProgram. Not derived from std::exception or from the
// program's error type, so no handler of the program can catch it.
struct ProgramEnded {
  int exit_status;
};

struct MessageBoxRecord {
  std::string prompt;
  int buttons;
  std::string title;
  std::int64_t opened_at_ms;
};

struct Options {
  int screen_width_px = 1024;
  int screen_height_px = 768;
  int twips_per_pixel = 15;
  std::string command_line;
  bool previous_instance = false;
  // How long, in virtual time, each message box stays open before the
  // test's user presses OK.
  std::int64_t message_box_open_ms = 0;
};

class HeadlessPlatform : public ui::Platform {
 public:
  explicit HeadlessPlatform(Options options);
  ~HeadlessPlatform() override;

  // Start the program: the runtime's start with `main`. Returns the exit
  // status when the program has already ended (no window, an untrapped
  // error, a previous instance), or nothing while its window runs.
  std::optional<int> Start(void (*main)());

  // Let virtual time pass, delivering the timer ticks that fall due.
  void Advance(std::int64_t ms);
  // The pointer moves to a point of the screen (twips).
  void MovePointer(float x, float y);
  void MovePointerToPixel(int x, int y);
  // A click at a point of the screen (twips).
  void Click(float x, float y);
  void ClickPixel(int x, int y);
  // A key that produces a character, and one that produces none.
  void TypeCharacter(std::int16_t character);
  void PressKeyWithoutCharacter();

  [[nodiscard]] bool Ended() const { return exit_status_.has_value(); }
  [[nodiscard]] std::optional<int> ExitStatus() const { return exit_status_; }
  [[nodiscard]] std::int64_t Now() const { return now_ms_; }
  [[nodiscard]] const ui::Form* ShownForm() const;
  [[nodiscard]] const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  [[nodiscard]] const std::vector<std::int16_t>& PointerShapes() const { return pointer_shapes_; }
  [[nodiscard]] int TicksDelivered() const { return ticks_delivered_; }
  // Runs inside every message box, while it is open (after it is recorded).
  void OnMessageBox(std::function<void(const MessageBoxRecord&)> hook) {
    box_hook_ = std::move(hook);
  }

  // ui::Platform
  bool PrevInstance() override { return options_.previous_instance; }
  std::string CommandLine() override { return options_.command_line; }
  float ScreenWidth() override;
  float ScreenHeight() override;
  void ApplyMousePointer(std::int16_t shape) override { pointer_shapes_.push_back(shape); }
  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override;
  int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
  bool CanShowMessages() override { return true; }
  void RunEventLoop() override {}

 protected:
  void EndProcess(int exit_status) override;

 private:
  class HeadlessForm;
  // Run one event of the program as the runtime's loop would: an end
  // unwinds to here, an untrapped error is reported and ends the program.
  void Dispatch(const std::function<void()>& event);

  Options options_;
  std::unique_ptr<HeadlessForm> form_;
  ui::FormEvents* events_ = nullptr;
  std::unique_ptr<ui::TimerSchedule> timers_;
  std::int64_t now_ms_ = 0;
  bool in_modal_ = false;
  std::optional<int> exit_status_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<std::int16_t> pointer_shapes_;
  std::function<void(const MessageBoxRecord&)> box_hook_;
  int ticks_delivered_ = 0;
};

}  // namespace sagelight::headless
