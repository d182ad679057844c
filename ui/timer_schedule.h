#pragma once

#include <chrono>
#include <optional>
#include <utility>
#include <vector>

#include "ui/platform.h"

namespace sagelight::ui {

// When each timer of a shown form falls due, on a backend's own monotonic
// clock in milliseconds. A timer's first tick comes one interval after it
// starts. Ticks do not burst: after a handler that blocked (a message box)
// at most one tick is pending, and it comes at once.
class TimerSchedule {
 public:
  using Millis = std::chrono::milliseconds;

  // Starts every enabled timer of the form at `now`.
  TimerSchedule(const Form& form, Millis now);

  // After a change of the timer's enabled state: an enabled timer that is
  // not running starts its first interval now, a disabled one stops.
  void Update(ElementId id, Millis now);

  // The earliest time any timer falls due, if one runs.
  [[nodiscard]] std::optional<Millis> Next() const;
  // The timer that falls due first at or before `until`, and when.
  [[nodiscard]] std::optional<std::pair<ElementId, Millis>> Earliest(Millis until) const;
  // Called once the handler of `timer`, due at `due`, has returned at
  // `now`; a handler that stopped or restarted its timer has rescheduled it.
  void Ran(ElementId timer, Millis due, Millis now);

 private:
  const Form& form_;
  std::vector<std::optional<Millis>> due_;
};

}  // namespace sagelight::ui
