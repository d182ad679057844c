#include "ui/event_path.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "runtime/code_page.h"
#include "runtime/runtime_error.h"

namespace sagelight::ui {
namespace {

// The mouse event's button and shift arguments, as the form's handlers take
// them: left 1, right 2, middle 4; Shift 1, Ctrl 2, Alt 4.
std::int16_t ButtonArgument(const PointerInput& at) {
  return static_cast<std::int16_t>((at.left ? 1 : 0) | (at.right ? 2 : 0) | (at.middle ? 4 : 0));
}

std::int16_t ShiftArgument(const PointerInput& at) {
  return static_cast<std::int16_t>((at.shift ? 1 : 0) | (at.ctrl ? 2 : 0) | (at.alt ? 4 : 0));
}

// Clears a flag when the scope ends, however it ends.
class Running {
 public:
  explicit Running(bool& flag) : flag_(flag) { flag_ = true; }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;
  ~Running() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

std::int16_t KeyAsciiOf(char32_t character) {
  const std::optional<unsigned char> ansi = rt::ToWindows1252(character);
  return static_cast<std::int16_t>(ansi ? *ansi : '?');
}

EventPath::EventPath(Platform& platform, Form& form, FormEvents& events, double twips_per_pixel_x,
                     double twips_per_pixel_y)
    : platform_(platform),
      form_(form),
      events_(events),
      scale_{twips_per_pixel_x, twips_per_pixel_y},
      // The form is maximized: its area is the screen's as it was shown.
      area_{0, 0, scale_.X(platform.ScreenWidth()), scale_.Y(platform.ScreenHeight())},
      timers_(form, TimerSchedule::Millis(platform.NowMillis())) {
  form_.SetTimerObserver(this);
}

// Every backend ends the path (Platform::StopEventPath) before its form
// goes, so the form is still there to be let go of.
EventPath::~EventPath() { form_.SetTimerObserver(nullptr); }

TimerSchedule::Millis EventPath::Now() const {
  return TimerSchedule::Millis(platform_.NowMillis());
}

float EventPath::TwipsX(double pixels) const {
  return static_cast<float>(pixels * scale_.twips_per_pixel_x);
}

float EventPath::TwipsY(double pixels) const {
  return static_cast<float>(pixels * scale_.twips_per_pixel_y);
}

int EventPath::PixelsX(float twips) const { return scale_.X(twips); }

int EventPath::PixelsY(float twips) const { return scale_.Y(twips); }

std::optional<ElementId> EventPath::Under(const PointerInput& at) const {
  // The pixel the pointer is in: a finer position from some devices still
  // lies within one drawn pixel.
  return form_.HitTest(static_cast<int>(std::floor(at.x)), static_cast<int>(std::floor(at.y)),
                       scale_);
}

bool EventPath::OverForm(const PointerInput& at) const {
  return area_.Contains(static_cast<int>(std::floor(at.x)), static_cast<int>(std::floor(at.y)));
}

template <typename Handler>
void EventPath::Deliver(const Handler& handler) {
  if (!Idle()) {
    return;
  }
  std::optional<rt::RuntimeError> untrapped;
  {
    const Running running(running_);
    // Only the tick traps errors; one that reaches here ends the program,
    // as the runtime does with an error no handler took.
    rt::OnError(handler, [&](const rt::RuntimeError& error) { untrapped = error; });
  }
  if (untrapped) {
    platform_.EndOnError(*untrapped);
  }
}

void EventPath::Key(const KeyInput& key) {
  // Alt with a key is a command to the window system, not typing; keys that
  // type nothing (Shift, Ctrl, Alt, arrows, function keys) raise no event.
  if (key.alt || key.text.empty()) {
    return;
  }
  std::int16_t key_ascii = KeyAsciiOf(key.text.front());
  Deliver([&] { events_.OnKeyPress(key_ascii); });
}

void EventPath::PointerMoved(const PointerInput& at) {
  // Over the panel the pointer belongs to the panel, which has no handler.
  // Outside the form's area, where a held button lets some window systems
  // still report it, it belongs to no window of the program.
  if (!OverForm(at) || Under(at)) {
    return;
  }
  const float x = TwipsX(at.x);
  const float y = TwipsY(at.y);
  Deliver([&] { events_.OnMouseMove(ButtonArgument(at), ShiftArgument(at), x, y); });
}

bool EventPath::Clickable(ElementId id) const {
  return form_.Design().elements.at(id).has_click_handler && form_.Enabled(id) && form_.Showing(id);
}

void EventPath::ButtonPressed(MouseButton button, const PointerInput& at) {
  if (button != MouseButton::kLeft || !Idle()) {
    return;
  }
  pressed_ = Under(at);
}

void EventPath::ButtonReleased(MouseButton button, const PointerInput& at) {
  if (button != MouseButton::kLeft) {
    return;
  }
  const std::optional<ElementId> pressed = pressed_;
  pressed_.reset();
  // A click is a press and a release on the same element.
  const std::optional<ElementId> released = Under(at);
  if (!pressed || released != pressed || !Clickable(*pressed)) {
    return;
  }
  const ElementId element = *pressed;
  Deliver([&] { events_.OnClick(element); });
}

int EventPath::RunDueTimers() {
  int ran = 0;
  while (Idle()) {
    const auto next = timers_.Earliest(Now());
    if (!next) {
      break;
    }
    const ElementId timer = next->first;  // plain variables: the lambda captures them
    const TimerSchedule::Millis due = next->second;
    Deliver([&] { events_.OnTimer(timer); });
    timers_.Ran(timer, due, Now());
    ++ran;
  }
  return ran;
}

std::optional<std::int64_t> EventPath::MillisToNextTimer() const {
  const std::optional<TimerSchedule::Millis> next = timers_.Next();
  if (!next) {
    return std::nullopt;
  }
  const std::int64_t wait = (*next - Now()).count();
  return wait > 0 ? wait : 0;
}

int EventPath::WaitTimeout() const {
  const std::optional<std::int64_t> wait = MillisToNextTimer();
  return wait ? static_cast<int>(std::min<std::int64_t>(*wait, INT_MAX)) : -1;
}

void EventPath::BoxOpened() {
  ++boxes_open_;
  pressed_.reset();
}

void EventPath::BoxClosed() {
  if (boxes_open_ > 0) {
    --boxes_open_;
  }
}

void EventPath::EnabledChanged(ElementId id) { timers_.Update(id, Now()); }

}  // namespace sagelight::ui
