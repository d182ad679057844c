#pragma once

#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/timer_schedule.h"
#include "platform/ui.h"
#include "platform/x11/connection.h"

namespace sagelight::x11 {

// The monotonic clock the form's timers run on, in milliseconds.
ui::TimerSchedule::Millis Now();

// A shown form on the X server: one borderless top-level window over the
// whole screen, and a child window for each picture box and label at its
// design geometry, so that the server itself routes the pointer. Element
// windows stop pointer motion and button events from travelling up to the
// form: only the form's own area reports motion, and only a label with a
// click handler reports clicks. Keys still travel up to the form.
class FormWindow final : public ui::Form {
 public:
  FormWindow(const ui::FormDesign& design, Connection& connection, ui::FormEvents& events,
             std::int16_t pointer_shape);
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  ~FormWindow() override;

  [[nodiscard]] Window window() const { return window_; }
  [[nodiscard]] bool Owns(Window window) const;

  // Keeps the windows up to date for an event of one of them, and passes
  // input on to the form's handlers when `deliver_input` holds (it does not
  // while a message box is open: such input is dropped).
  void HandleEvent(XEvent& event, bool deliver_input);

  // When the next timer falls due, if any runs.
  [[nodiscard]] std::optional<ui::TimerSchedule::Millis> NextTick() const;
  // Runs the handler of the earliest timer due at `now`; false when none is.
  // A handler that blocked leaves at most one tick pending: the next one is
  // due one interval after the one that ran, or at once if that has passed.
  bool RunDueTimer(ui::TimerSchedule::Millis now);

  void ApplyPointer(std::int16_t shape);
  // Give the form the keyboard focus again (after a message box).
  void TakeFocus();

 protected:
  void Changed(ui::ElementId id, ui::Property what) override;

 private:
  struct Element {
    Window window = None;
    XftDraw* draw = nullptr;
    XftFont* font = nullptr;
    std::vector<std::u32string> lines;  // a label's caption as it shows
  };

  void CreateWindows(std::int16_t pointer_shape);
  [[nodiscard]] const ui::Font& FontOf(ui::ElementId id) const;
  void LayOut(ui::ElementId id);
  void Draw(ui::ElementId id);
  void DeliverKey(XKeyEvent& key);

  Connection& connection_;
  ui::FormEvents& events_;
  Window window_ = None;
  std::vector<Element> elements_;
  ui::TimerSchedule timers_;
  bool focus_given_ = false;
};

}  // namespace sagelight::x11
