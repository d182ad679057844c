#pragma once

#include <memory>

#include "ui/platform.h"

namespace sagelight::x11 {

// The backend for Linux desktops: Xlib windows, Xft text and fontconfig
// faces. The display is opened only when the program first needs it, so a
// start that shows nothing runs without one.
std::unique_ptr<ui::Platform> MakePlatform(int argc, char** argv);

}  // namespace sagelight::x11
