#pragma once

// Where the saver shows on a desktop of several monitors. The saver's
// "screen" is the primary monitor, as the primary display is on Windows;
// every other monitor only gets a dark curtain. Decided here once for every
// window system, which only reports its monitors and shows the plan.

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
// is, the one at the desktop's origin; when none is there, the leftmost
// (of those, the topmost). Nothing when there are none (or none has an
// area).
std::optional<std::size_t> PrimaryMonitor(const std::vector<Monitor>& monitors);

// The form on one monitor and curtains on the others, as indices into the
// monitors.
struct StagePlan {
  std::optional<std::size_t> screen;
  std::vector<std::size_t> curtains;
};

// The plan for `monitors`. `showing` is the monitor that shows the form
// already, when the set changes under a running saver: the form stays
// there while it is still listed, so that a monitor plugged in moves
// nothing; when it is gone the form goes to the primary. Monitors without
// an area (switched off) get nothing.
StagePlan PlanStage(const std::vector<Monitor>& monitors,
                    std::optional<std::size_t> showing = std::nullopt);

}  // namespace sagelight::ui
