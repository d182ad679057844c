#pragma once

// A real backend without a window system, for the tests: a virtual clock
// that the test advances, injected input that goes through the same event
// path as the real backends', recorded message boxes, and an end of the
// program that unwinds to the test driver.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/event_path.h"
#include "ui/platform.h"

namespace sagelight::headless {

// Thrown by EndProgram. Not derived from std::exception or from the
// program's error type, so no handler of the program can catch it.
struct ProgramEnded {
  int exit_status;
};

struct MessageBoxRecord {
  std::string prompt;
  ui::MessageIcon icon;
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

  // Start the program in the current runtime (which must be this
  // platform's). Returns the exit status when the program has already ended
  // (no window, an untrapped error, a previous instance), or nothing while
  // its window runs.
  std::optional<int> Start(void (*main)());

  // Let virtual time pass, delivering the timer ticks that fall due.
  void Advance(std::int64_t ms);
  // The pointer moves to a point of the screen (twips; between pixels too).
  void MovePointer(float x, float y);
  void MovePointerToPixel(int x, int y);
  // The left button goes down and up at a point of the screen (pixels).
  void PressPixel(int x, int y, ui::MouseButton button = ui::MouseButton::kLeft);
  void ReleasePixel(int x, int y, ui::MouseButton button = ui::MouseButton::kLeft);
  void ClickPixel(int x, int y);
  // A key that types `text` in the user's layout, with or without Alt.
  void Type(std::u32string text, bool alt = false);
  void TypeCharacter(std::int16_t character) {
    Type(std::u32string(1, static_cast<char32_t>(character)));
  }
  // A key that types nothing (Shift, an arrow, a function key).
  void PressKeyWithoutCharacter() { Type(U""); }

  [[nodiscard]] bool Ended() const { return exit_status_.has_value(); }
  [[nodiscard]] std::optional<int> ExitStatus() const { return exit_status_; }
  [[nodiscard]] std::int64_t Now() const { return now_ms_; }
  [[nodiscard]] const ui::Form* ShownForm() const { return form_.get(); }
  [[nodiscard]] const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  [[nodiscard]] const std::vector<ui::PointerShape>& PointerShapes() const {
    return pointer_shapes_;
  }
  [[nodiscard]] int TicksDelivered() const { return ticks_delivered_; }
  // Runs inside every message box, while it is open (after it is recorded).
  void OnMessageBox(std::function<void(const MessageBoxRecord&)> hook) {
    box_hook_ = std::move(hook);
  }
  // Runs at every query of the screen's size, before it answers.
  void OnScreenQuery(std::function<void()> hook) { screen_hook_ = std::move(hook); }
  // Runs at every change of the pointer's shape.
  void OnPointerShape(std::function<void(ui::PointerShape)> hook) {
    pointer_hook_ = std::move(hook);
  }

  // ui::Platform
  bool PrevInstance() override { return options_.previous_instance; }
  std::string CommandLine() override { return options_.command_line; }
  float ScreenWidth() override;
  float ScreenHeight() override;
  void ApplyMousePointer(ui::PointerShape shape) override;
  ui::Form& ShowForm(const ui::FormDesign& design, ui::FormEvents& events) override;
  bool CanShowMessages() override { return true; }
  void RunEventLoop() override {}
  std::int64_t NowMillis() override { return now_ms_; }

 protected:
  void ShowMessageBox(const std::string& prompt, ui::MessageIcon icon,
                      const std::string& title) override;
  void EndProcess(int exit_status) override;

 private:
  class CountingEvents;
  // Feed one input to the event path as the event loop would; an end of
  // the program unwinds to here.
  void Feed(const std::function<void(ui::EventPath&)>& input);
  [[nodiscard]] ui::PointerInput AtPixel(double x, double y) const;

  Options options_;
  std::unique_ptr<ui::Form> form_;
  std::unique_ptr<CountingEvents> counting_;
  std::int64_t now_ms_ = 0;
  std::optional<int> exit_status_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<ui::PointerShape> pointer_shapes_;
  std::function<void(const MessageBoxRecord&)> box_hook_;
  std::function<void(ui::PointerShape)> pointer_hook_;
  std::function<void()> screen_hook_;
  int ticks_delivered_ = 0;
};

}  // namespace sagelight::headless
