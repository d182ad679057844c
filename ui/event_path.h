#pragma once

// The one place that decides what an input means. Every backend turns its
// native events into the inputs below and hands them over; the rules of
// hit-testing, clicks, character keys, the modal gate, the timers and the
// trapping of errors are applied here once, so all backends behave alike
// and the tests, which feed the headless backend, exercise the rules that
// ship.

#include <cstdint>
#include <optional>
#include <string>

#include "ui/platform.h"
#include "ui/timer_schedule.h"

namespace sagelight::ui {

// Where the pointer is, in pixels from the top left corner of the form's
// area, and what is held down with it.
struct PointerInput {
  double x = 0;  // whole pixels from a mouse; finer from some devices
  double y = 0;
  bool left = false;  // buttons held
  bool right = false;
  bool middle = false;
  bool shift = false;  // modifier keys held
  bool ctrl = false;
  bool alt = false;
};

enum class MouseButton { kLeft, kRight, kMiddle, kOther };

// A key pressed while the form holds the keyboard focus: the text it types
// in the user's layout (control characters included: Escape, Enter,
// Backspace, Ctrl with a letter), empty when it types nothing, and whether
// Alt was held. AltGr, which types characters on many layouts, is not Alt.
struct KeyInput {
  std::u32string text;
  bool alt = false;
};

// The code a key's character is handed to the form with: the character in
// Windows-1252, the program's code page, or "?" where that has none.
std::int16_t KeyAsciiOf(char32_t character);

class EventPath final : public TimerObserver {
 public:
  EventPath(Platform& platform, Form& form, FormEvents& events, double twips_per_pixel_x,
            double twips_per_pixel_y);
  EventPath(const EventPath&) = delete;
  EventPath& operator=(const EventPath&) = delete;
  ~EventPath();

  // Native input, translated by the backend.
  void Key(const KeyInput& key);
  void PointerMoved(const PointerInput& at);
  void ButtonPressed(MouseButton button, const PointerInput& at);
  void ButtonReleased(MouseButton button, const PointerInput& at);

  // Runs each timer that has fallen due by the backend's clock. A timer
  // whose handler blocked (a message box) ticks once more at once when it
  // returns, and then keeps its rhythm: ticks never burst. Nothing runs
  // while a handler runs or a box is open.
  // Returns how many ticks ran.
  int RunDueTimers();
  // Milliseconds until the next timer falls due, rounded up so that a wait
  // of that long finds it due; nothing when no timer runs.
  [[nodiscard]] std::optional<std::int64_t> MillisToNextTimer() const;
  // The same as a timeout for a wait on the window system: -1 when no timer
  // runs (wait for events alone), else within the range of an int.
  [[nodiscard]] int WaitTimeout() const;

  // A modal message box opens and closes: input meanwhile is dropped, and a
  // click begun before it is forgotten.
  void BoxOpened();
  void BoxClosed();
  // No handler runs and no box is open.
  [[nodiscard]] bool Idle() const { return !running_ && boxes_open_ == 0; }

  // The form's timer `id` was started or stopped.
  void EnabledChanged(ElementId id) override;

  [[nodiscard]] float TwipsX(double pixels) const;
  [[nodiscard]] float TwipsY(double pixels) const;
  [[nodiscard]] int PixelsX(float twips) const;
  [[nodiscard]] int PixelsY(float twips) const;

 private:
  template <typename Handler>
  void Deliver(const Handler& handler);
  [[nodiscard]] bool Clickable(ElementId id) const;
  // The element drawn where the pointer is, if any.
  [[nodiscard]] std::optional<ElementId> Under(const PointerInput& at) const;
  [[nodiscard]] bool OverForm(const PointerInput& at) const;
  [[nodiscard]] TimerSchedule::Millis Now() const;

  Platform& platform_;
  Form& form_;
  FormEvents& events_;
  PixelScale scale_;
  PixelRect area_;
  TimerSchedule timers_;
  std::optional<ElementId> pressed_;  // where the left button went down
  bool running_ = false;
  int boxes_open_ = 0;
};

}  // namespace sagelight::ui
