#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <string>

#include "backends/x11/connection.h"
#include "ui/platform.h"

namespace sagelight::x11 {

// Where a message box shows and how it stands among the program's windows.
struct BoxPlace {
  Window parent = None;            // the root window, or the daemon's window that hosts the saver
  Area area;                       // centred on this part of the parent: the program's screen
  Window owner = None;             // the form's window, None when the program has none yet
  bool override_redirect = false;  // like the form above which it shows
  bool take_focus = true;
  // Told the box's window once it exists, before it is mapped.
  std::function<void(Window)> created;
};

// Shows a modal message box with its icon (information or critical), the
// prompt's lines and one OK button. Returns once the user has closed it
// with Enter, Escape, Space or a click on OK. Every event meant for another
// window goes to `others` meanwhile.
void RunMessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
                   const std::string& title, const BoxPlace& place, ui::PointerShape pointer_shape,
                   const std::function<void(XEvent&)>& others);

}  // namespace sagelight::x11
