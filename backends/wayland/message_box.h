#pragma once

#include <functional>
#include <string>

#include "backends/wayland/connection.h"
#include "backends/wayland/surface.h"
#include "backends/wayland/typeface.h"
#include "ui/platform.h"

namespace sagelight::wayland {

// Shows a modal message box above `parent` (none when the program has no
// surface yet) on `output`, with its icon (information or critical), the
// prompt's lines and one OK button, and returns once the user has closed it
// with Enter, Escape, Space or a click on OK. `wait` waits for and
// dispatches the compositor's next events, keeping the other surfaces
// drawn.
void RunMessageBox(Connection& connection, Typefaces& fonts, const Output* output,
                   const std::string& prompt, ui::MessageIcon icon, const std::string& title,
                   const Toplevel* parent, const std::function<void()>& wait);

}  // namespace sagelight::wayland
