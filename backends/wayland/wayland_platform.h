#pragma once

#include <memory>
#include <string>

#include "ui/platform.h"

namespace sagelight::wayland {

// The backend for Wayland sessions: a native client of the compositor, with
// xdg-shell surfaces drawn in shared memory. The compositor is connected to
// only when the program first needs it, so a start that shows nothing runs
// without one.
std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv);

}  // namespace sagelight::wayland
