#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string_view>
#include <vector>

#include "backends/x11/connection.h"

namespace sagelight::x11 {

// Where the program's windows go. Decided once, when the display is first
// opened: a monitor plugged in or rearranged later changes nothing for a
// saver that already runs.
struct Stage {
  // The window that a screen-saver daemon made for the program to draw in
  // ($XSCREENSAVER_WINDOW); None when the program shows windows of its own.
  Window host = None;
  // The host was named, but it was already gone.
  bool host_gone = false;
  // The program's screen: the primary monitor in the root window's
  // coordinates, or the whole host in the host's own.
  Area screen;
  // Every other monitor, which the saver keeps dark; none when hosted.
  std::vector<Area> others;
};

// A window id as daemons pass it: decimal, or hexadecimal after "0x".
std::optional<Window> ParseWindowId(std::string_view text);

// The stage on this display. `host_id` is the daemon's window id, if any;
// one that is no window id is said on standard error and ignored.
Stage FindStage(Connection& connection, const char* host_id);

}  // namespace sagelight::x11
