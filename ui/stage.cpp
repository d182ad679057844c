#include "ui/stage.h"

namespace sagelight::ui {
namespace {

bool Shows(const Monitor& monitor) { return monitor.width > 0 && monitor.height > 0; }

}  // namespace

std::optional<std::size_t> PrimaryMonitor(const std::vector<Monitor>& monitors) {
  std::optional<std::size_t> at_origin;
  std::optional<std::size_t> leftmost;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const Monitor& monitor = monitors[i];
    if (!Shows(monitor)) {
      continue;
    }
    if (monitor.primary) {
      return i;
    }
    if (!at_origin && monitor.x == 0 && monitor.y == 0) {
      at_origin = i;
    }
    if (!leftmost || monitor.x < monitors[*leftmost].x ||
        (monitor.x == monitors[*leftmost].x && monitor.y < monitors[*leftmost].y)) {
      leftmost = i;
    }
  }
  return at_origin ? at_origin : leftmost;
}

StagePlan PlanStage(const std::vector<Monitor>& monitors, std::optional<std::size_t> showing) {
  StagePlan plan;
  plan.screen = showing && *showing < monitors.size() && Shows(monitors[*showing])
                    ? showing
                    : PrimaryMonitor(monitors);
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    if (i != plan.screen && Shows(monitors[i])) {
      plan.curtains.push_back(i);
    }
  }
  return plan;
}

}  // namespace sagelight::ui
