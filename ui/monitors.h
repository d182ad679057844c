#pragma once

// The saver's "screen" is the primary monitor, as the primary display is on
// Windows; every other monitor only gets a dark curtain.

#include <cstddef>
#include <optional>
#include <vector>

namespace sagelight::ui {

struct Monitor {
  int x = 0;  // pixels, in the desktop's coordinates
  int y = 0;
  int width = 0;
  int height = 0;
  bool primary = false;
};

// Which of the monitors is the screen: the one marked primary; when none
// is, the one at the desktop's origin; when none is there, the first listed.
// Nothing when there are none (or none has an area).
std::optional<std::size_t> PrimaryMonitor(const std::vector<Monitor>& monitors);

}  // namespace sagelight::ui
