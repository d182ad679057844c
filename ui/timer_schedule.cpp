#include "ui/timer_schedule.h"

#include <algorithm>

namespace sagelight::ui {

TimerSchedule::TimerSchedule(const Form& form, Millis now)
    : form_(form), due_(form.Design().elements.size()) {
  for (ElementId id = 0; id < due_.size(); ++id) {
    Update(id, now);
  }
}

void TimerSchedule::Update(ElementId id, Millis now) {
  const ElementDesign& element = form_.Design().elements.at(id);
  if (element.kind != ElementKind::kTimer) {
    return;
  }
  if (form_.Enabled(id) && element.interval_ms > 0) {
    if (!due_[id]) {
      due_[id] = now + Millis(element.interval_ms);
    }
  } else {
    due_[id] = std::nullopt;
  }
}

std::optional<TimerSchedule::Millis> TimerSchedule::Next() const {
  std::optional<Millis> next;
  for (const std::optional<Millis>& due : due_) {
    if (due && (!next || *due < *next)) {
      next = due;
    }
  }
  return next;
}

std::optional<std::pair<ElementId, TimerSchedule::Millis>> TimerSchedule::Earliest(
    Millis until) const {
  std::optional<std::pair<ElementId, Millis>> earliest;
  for (ElementId id = 0; id < due_.size(); ++id) {
    if (due_[id] && *due_[id] <= until && (!earliest || *due_[id] < earliest->second)) {
      earliest = std::make_pair(id, *due_[id]);
    }
  }
  return earliest;
}

void TimerSchedule::Ran(ElementId timer, Millis due, Millis now) {
  if (due_.at(timer) == due) {
    due_[timer] = std::max(due + Millis(form_.Design().elements[timer].interval_ms), now);
  }
}

}  // namespace sagelight::ui
