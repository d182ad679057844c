#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/ui.h"
#include "platform/x11/connection.h"

namespace sagelight::x11 {

// Shows a modal message box centred on the screen, above `owner` (None
// when the program has no window yet), with its icon (information or
// critical), the prompt's lines and one OK button. Returns
// once the user has closed it with Enter, Escape, Space or a click on OK.
// Every event meant for another window goes to `others` meanwhile.
void RunMessageBox(Connection& connection, const std::string& prompt, ui::MessageIcon icon,
                   const std::string& title, Window owner, ui::PointerShape pointer_shape,
                   const std::function<void(XEvent&)>& others);

}  // namespace sagelight::x11
