#include "ui/monitors.h"

namespace sagelight::ui {

std::optional<std::size_t> PrimaryMonitor(const std::vector<Monitor>& monitors) {
  std::optional<std::size_t> at_origin;
  std::optional<std::size_t> first;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const Monitor& monitor = monitors[i];
    if (monitor.width <= 0 || monitor.height <= 0) {
      continue;  // a monitor that is switched off shows nothing
    }
    if (monitor.primary) {
      return i;
    }
    if (!at_origin && monitor.x == 0 && monitor.y == 0) {
      at_origin = i;
    }
    if (!first) {
      first = i;
    }
  }
  return at_origin ? at_origin : first;
}

}  // namespace sagelight::ui
